// The simulated tab dialog: tab labels laid over the dialog's tabs from its template, tab clicks
// that show a page and move the target in and out of reach, and the back button.
#include "actions_fixture.h"

using namespace desktoptest;

namespace {

// Template A: two tabs, pages 610197 and 610251; the dialog in overlay slot 1 at `at`.
StepRecord tabStep(char shown, char expected, QPoint at = {0, 0},
                   const QString& action = QStringLiteral("0001"))
{
    StepRecord r = step(action);
    r.setSlot(col::Slot1, at.x(), '0', at.y(), QStringLiteral("DLG001"));
    r.mainRect(at.x() + 1500, '0', at.y() + 2000, 1200, 300);
    r.set(col::TabSpec, QStringLiteral("XA") + QChar::fromLatin1(shown) + QChar::fromLatin1(expected) +
                            QStringLiteral("1"));
    r.setNumber(col::HintPos, 5, 6000);
    r.setNumber(col::HintPos + 5, 5, 600);
    r.setNumber(col::HintLine, 3, 1);
    return r;
}

} // namespace

class Tabs : public Actions {
protected:
    void SetUp() override
    {
        Desktop::SetUp();
        writePicture(QStringLiteral("DLG001"), 400, 480);
        writePicture(QStringLiteral("610197"), 400, 480);
        writePicture(QStringLiteral("610251"), 400, 480);
        writeTexts({QStringLiteral("打开|常规选项卡"), QStringLiteral("别的提示")});
    }
    static void expectOn(const platform::Control& c, double l, double t, double w, double h)
    {
        EXPECT_DOUBLE_EQ(c.Left(), l);
        EXPECT_DOUBLE_EQ(c.Top(), t);
        EXPECT_DOUBLE_EQ(c.Width(), w);
        EXPECT_DOUBLE_EQ(c.Height(), h);
    }
    static void expectFramed(const FrmMain& f, const platform::Control& c)
    {
        expectOn(f.Shape1, c.Left(), c.Top(), c.Width(), c.Height());
    }
};

TEST_F(Tabs, AnotherTabShownPutsTheTargetOutOfReach)
{
    FrmMain& f = show({tabStep('1', '2')});
    EXPECT_EQ(sourceName(f.Image1.picture()), QStringLiteral("610197.rar"));
    expectOn(f.LblXXK(1), 150, 555, 750, 270);
    expectOn(f.LblXXK(2), 900, 555, 1200, 270);
    expectOn(f.LblXXK(0), 3615, 6315, 1080, 285);
    // The back button lies unseen over the button drawn in the dialog.
    EXPECT_EQ(f.LblXXK(0).BackStyle(), platform::vbTransparent);
    EXPECT_EQ(f.LHelp.Caption(), QStringLiteral("请选择第2个选项卡"));
    EXPECT_DOUBLE_EQ(f.Label1.Width(), 1);
    EXPECT_DOUBLE_EQ(f.Label1.Height(), 1);
    expectFramed(f, f.LblXXK(2));
    // Tabs beyond the template's two stay parked and cannot be hit.
    for (int i = 3; i <= 13; ++i)
        EXPECT_DOUBLE_EQ(f.LblXXK(i).Width(), 1) << i;

    // The target cannot be hit: a click where it lies does nothing.
    testkit::click(f, 2100, 2150);
    EXPECT_EQ(stepNow(), 1);
}

TEST_F(Tabs, TabClicksSwitchPagesAndNeverAdvance)
{
    FrmMain& f = show({tabStep('1', '2', {1500, 600})});
    const QString ownHint = QStringLiteral("打开\r\n常规选项卡");
    struct Click {
        int tab;
        const char* page;
        bool reachable;
    } clicks[] = {{1, "610197.rar", false},
                  {2, "DLG001.rar", true},
                  {2, "DLG001.rar", true},
                  {1, "610197.rar", false},
                  {2, "DLG001.rar", true}};
    for (const Click& c : clicks) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab);
        testkit::click(f.LblXXK(c.tab));
        EXPECT_EQ(stepNow(), 1);
        EXPECT_EQ(sourceName(f.Image1.picture()), QString::fromLatin1(c.page));
        if (c.reachable) {
            EXPECT_TRUE(f.Label1.Visible());
            expectOn(f.Label1, 3000, 2600, 1200, 300);
            EXPECT_EQ(f.LHelp.Caption(), ownHint);
            expectFramed(f, f.Label1);
        } else {
            EXPECT_DOUBLE_EQ(f.Label1.Width(), 1);
            EXPECT_EQ(f.LHelp.Caption(), QStringLiteral("请选择第2个选项卡"));
            expectFramed(f, f.LblXXK(2));
        }
    }
    // On the expected page the target takes its click.
    testkit::click(f.Label1);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Tabs, TheExpectedTabShownKeepsTheStepsOwnScene)
{
    useScale(12);
    FrmMain& f = show({tabStep('2', '2', {1500, 600})});
    EXPECT_EQ(sourceName(f.Image1.picture()), QStringLiteral("DLG001.rar"));
    expectOn(f.Label1, 3000 * sx(), 2600 * sy(), 1200 * sx(), 300 * sy());
    EXPECT_EQ(f.LHelp.Caption(), QStringLiteral("打开\r\n常规选项卡"));
    expectFramed(f, f.Label1);
    // The tabs lie on the dialog at its place.
    expectOn(f.LblXXK(1), 150 * sx() + 1500 * sx(), 555 * sy() + 600 * sy(), 750 * sx(), 270 * sy());
}

TEST_F(Tabs, TheTeachingFrameStaysOffOnAnotherTab)
{
    common::drill().ksMode = common::ModeTeaching;
    FrmMain& f = show({tabStep('1', '2')});
    EXPECT_TRUE(f.LHelp.Visible());
    EXPECT_FALSE(f.Shape1.Visible()); // the target is 1 twip high
    testkit::click(f.LblXXK(2));
    expectFramed(f, f.Label1);
}

TEST_F(Tabs, AStepWithoutAHintOfItsOwnRestoresTheHintKeptFromAnEarlierOne)
{
    // Kept as the desktop has always done it: hintLine "000" leaves the kept hint text, which the
    // expected tab then shows.
    StepRecord noHint = tabStep('1', '2');
    noHint.setNumber(col::HintLine, 3, 0);
    StepRecord first = step(QStringLiteral("0001"));
    first.mainRect(6000, '0', 6000, 600, 300);
    first.setNumber(col::HintPos, 5, 6000);
    first.setNumber(col::HintPos + 5, 5, 600);
    first.setNumber(col::HintLine, 3, 2);
    FrmMain& f = show({first, noHint});
    testkit::click(f.Label1);
    ASSERT_EQ(stepNow(), 2);
    EXPECT_EQ(f.LHelp.Caption(), QStringLiteral("请选择第2个选项卡"));
    testkit::click(f.LblXXK(2));
    EXPECT_EQ(f.LHelp.Caption(), QStringLiteral("别的提示"));
}

TEST_F(Tabs, TheBackButton)
{
    StepRecord back3 = tabStep('1', '2');
    back3.set(col::BackSpec, QStringLiteral("Q0003"));
    back3.setNumber(col::PointSpec, 5, 4500);
    back3.setNumber(col::PointSpec + 5, 5, 7500);
    StepRecord back0 = back3;
    back0.set(col::BackSpec, QStringLiteral("Q0000"));
    StepRecord plainBack = tabStep('1', '2');
    StepRecord onlyBack = step(QStringLiteral("0000"));
    onlyBack.set(col::BackSpec, QStringLiteral("Q0002"));
    onlyBack.setNumber(col::PointSpec, 5, 4500);
    onlyBack.setNumber(col::PointSpec + 5, 5, 7500);

    struct Case {
        const char* name;
        StepRecord rec;
        int at;
        int step;
    } cases[] = {
        {"Q with 3 at step 5", back3, 5, 2},
        {"Q with 0 at step 5", back0, 5, 4},
        {"the template's button at step 4", plainBack, 4, 3},
        {"the template's button at step 1 renders step 1 again", plainBack, 1, 1},
        {"Q without a tab dialog", onlyBack, 3, 1},
        {"Q beyond the first step stops at step 1", back3, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QList<StepRecord> steps;
        for (int s = 1; s < c.at; ++s)
            steps << step(QStringLiteral("0000"));
        steps << c.rec;
        FrmMain& f = show(steps, c.at);
        ASSERT_EQ(stepNow(), c.at);
        if (common::field(c.rec.str(), col::BackSpec, 1) == QLatin1String("Q"))
            expectOn(f.LblXXK(0), 4500, 7500, 1095, 285);
        testkit::click(f.LblXXK(0));
        EXPECT_EQ(stepNow(), c.step);
        again();
    }
}

// A template letter outside "A"-"N" lays out no dialog; before the mend the previous step's
// template stayed, with its tabs over this step's picture and its "choose a tab" hint.
TEST_F(Tabs, ALetterThatNamesNoTemplateLaysOutNoTabDialog)
{
    for (const char* letter : {"Z", "a", " ", "中"}) {
        SCOPED_TRACE(letter);
        StepRecord unknown = tabStep('1', '2');
        unknown.set(col::TabSpec + 1, QString::fromUtf8(letter));
        FrmMain& f = show({tabStep('1', '2'), unknown});
        ASSERT_DOUBLE_EQ(f.LblXXK(2).Width(), 1200); // the first step's template A
        f.doNext();
        ASSERT_EQ(stepNow(), 2);
        for (int i = 1; i <= 13; ++i)
            EXPECT_DOUBLE_EQ(f.LblXXK(i).Width(), 1) << i;
        EXPECT_EQ(f.LHelp.Caption(), QStringLiteral("打开\r\n常规选项卡"));
        EXPECT_EQ(sourceName(f.Image1.picture()), QStringLiteral("DLG001.rar"));
        expectOn(f.Label1, 1500, 2000, 1200, 300);
        expectFramed(f, f.Label1);
    }
}
