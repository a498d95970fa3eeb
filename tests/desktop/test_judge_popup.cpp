// The right-click pop-up menu of the candidate's desktop: which record of "sMenu.sys" a right
// release opens, how the menu is filled, and which picks move the task on.
#include <QFile>

#include "desktop_fixture.h"
#include "support/kit.h"

using namespace desktoptest;

namespace {

constexpr double TargetX = 2250, TargetY = 1950;

// Every item names its record, list and position ("g2s2L3i4"); position 1 of every list is a
// separator. Cascade captions are "C<n> g<g>s<s>".
QString items(const QString& tag, int list, int count = 5)
{
    QStringList it;
    for (int k = 0; k < count; ++k)
        it << (k == 1 ? QStringLiteral("-") : QStringLiteral("%1L%2i%3").arg(tag).arg(list).arg(k));
    return it.join(QLatin1Char('|'));
}

QStringList menuRecord(int g, int s)
{
    const QString tag = QStringLiteral("g%1s%2").arg(g).arg(s);
    auto cap = [&tag](int n) { return QStringLiteral("C%1 ").arg(n) + tag; };
    return {QStringLiteral("record ") + tag,
            cap(1),
            items(tag, 1),
            items(tag, 2),
            cap(2),
            items(tag, 3),
            items(tag, 4),
            cap(3),
            items(tag, 5),
            items(tag, 6),
            cap(4),
            items(tag, 7),
            cap(5),
            items(tag, 8),
            items(tag, 9)};
}

QStringList menuFile()
{
    QStringList lines;
    for (int g = 1; g <= 4; ++g)
        for (int s = 1; s <= 9; ++s)
            lines += menuRecord(g, s);
    return lines;
}

// Line k (1-based) of record (g, s) in the file.
int lineOf(int g, int s, int k)
{
    return (g - 1) * 135 + (s - 1) * 15 + k;
}

StepRecord onTarget(const QString& action, const QString& override = QString())
{
    StepRecord r = step(action);
    r.mainRect(1500, '0', 1500, 1500, 900);
    if (!override.isEmpty()) r.set(col::TargetA, override);
    return r;
}

QList<StepRecord> questionFrom(const QList<StepRecord>& first)
{
    QList<StepRecord> q = first;
    while (q.size() < 5)
        q << step(QStringLiteral("0000"));
    q << terminal();
    return q;
}

} // namespace

class Popup : public Desktop {
protected:
    void SetUp() override
    {
        Desktop::SetUp();
        writeMenu(menuFile());
    }
    void writeMenu(const QStringList& lines)
    {
        testkit::writeTextLines(prog.path(), QStringLiteral("sMenu.sys"), lines);
    }
    FrmMain& show(const QList<StepRecord>& first)
    {
        writeBank({questionFrom(first)});
        return showQuestion(1);
    }
    void rightClick() { testkit::rightClick(desk(), TargetX, TargetY); }
    int stepNow() const { return common::drill().dqStep; }
};

TEST_F(Popup, ARightReleaseOpensTheRecordOfItsCodeAndTheRightPickAdvances)
{
    FrmMain& f = show({onTarget(QStringLiteral("4232"))});
    testkit::PopupScript popups;

    // A pick in the right position of the wrong list does nothing.
    popups.pick(QStringLiteral("g2s2L4i2"));
    rightClick();
    EXPECT_EQ(f.popupSet, 2);
    EXPECT_EQ(popups.lastShown,
              QStringList({"C1 g2s2",  "g2s2L2i0", "-",        "g2s2L2i2", "g2s2L2i3", "g2s2L2i4", "C2 g2s2",
                           "g2s2L4i0", "-",        "g2s2L4i2", "g2s2L4i3", "g2s2L4i4", "C3 g2s2",  "g2s2L6i0",
                           "-",        "g2s2L6i2", "g2s2L6i3", "g2s2L6i4", "C4 g2s2",  "C5 g2s2",  "g2s2L9i0",
                           "-",        "g2s2L9i2", "g2s2L9i3", "g2s2L9i4"}));
    EXPECT_EQ(stepNow(), 1);
    EXPECT_EQ(f.actCode, 4232);

    // A left release opens nothing (an unexpected pop-up would fail the test).
    testkit::click(f, TargetX, TargetY);
    EXPECT_EQ(stepNow(), 1);

    popups.pick(QStringLiteral("C2 g2s2/g2s2L3i2"));
    rightClick();
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Popup, CodesAndOverridesChooseTheRecordAndTheJudgedPick)
{
    struct Case {
        const char *action, *override;
        const char* shownFirst; // the first entry of the menu shown
        const char* pick;
        int step;
    } cases[] = {
        {"8123", "", "C1 g4s1", "g4s1L2i3", 2}, // 8xxx: the set of the code less 2000
        {"8123", "", "C1 g4s1", "g4s1L2i4", 1},
        {"6000", "", "C1 g3s9", "g3s9L2i0", 1},              // set 0 of group 4; list 0 cannot be picked
        {"3412", "", "C1 g1s4", "C1 g1s4/g1s4L1i2", 2},      // the items of cascade 1: list 1
        {"5399", "", "C1 g3s3", "g3s3L9i4", 1},              // item 9 lies beyond the list
        {"0001", "R5231", "C1 g3s2", "C2 g3s2/g3s2L3i2", 1}, // position 1 is the separator
        {"0001", "R5233", "C1 g3s2", "C2 g3s2/g3s2L3i3", 2},
        {"0001", "R8123", "C1 g4s1", "g4s1L2i3", 2},         // opened as 6123, judged as 8123
        {"3100", "RA123", "C1 g1s1", "g1s1L2i3", 2},         // opened from the first record, judged as 6123
        {"3100", "RA232", "C1 g1s1", "C2 g1s1/g1s1L3i2", 1}, // set 2 is not the set opened
        {"4100", "R7123", "C1 g1s1", "g1s1L2i3", 2}, // no group: the first record; the pick judged as 7123
        {"4100", "R7123", "C1 g1s1", "C1 g1s1/g1s1L1i0", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << " " << c.override << " pick " << c.pick);
        FrmMain& f = show({onTarget(QString::fromLatin1(c.action), QString::fromLatin1(c.override))});
        {
            testkit::PopupScript popups;
            popups.pick(QString::fromLatin1(c.pick));
            rightClick();
            ASSERT_FALSE(popups.lastShown.isEmpty());
            EXPECT_EQ(popups.lastShown.first(), QString::fromLatin1(c.shownFirst));
            EXPECT_EQ(stepNow(), c.step);
        }
        f.Unload();
        testkit::settle();
    }
}

TEST_F(Popup, AnOverrideOpensItsMenuBeforeTheReleaseIsJudged)
{
    // The override's pick leads to a right-click step: the same release passes it too.
    FrmMain& f =
        show({onTarget(QStringLiteral("0001"), QStringLiteral("R8123")), onTarget(QStringLiteral("0003"))});
    {
        testkit::PopupScript popups;
        popups.pick(QStringLiteral("g4s1L2i3"));
        rightClick();
        EXPECT_EQ(stepNow(), 3);
    }

    // Without a pick the release is judged as the step's own code: a right release on "0001" is
    // no match, a left release opens nothing and advances.
    f.Unload();
    testkit::settle();
    show({onTarget(QStringLiteral("0001"), QStringLiteral("R5231"))});
    {
        testkit::PopupScript popups;
        popups.dismiss();
        rightClick();
        EXPECT_EQ(desk().popupSet, 2);
        EXPECT_EQ(popups.lastShown.first(), "C1 g3s2");
        EXPECT_EQ(stepNow(), 1);
    }
    testkit::click(desk(), TargetX, TargetY);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(Popup, OneReleaseCanOpenTwoMenus)
{
    // The override's menu first; once it is closed without an advance, the action code's menu,
    // whose set comes from the code while the record group still comes from the override.
    show({onTarget(QStringLiteral("4312"), QStringLiteral("R5231"))});
    testkit::PopupScript popups;
    popups.dismiss();
    popups.pick(QStringLiteral("C1 g3s3/g3s3L1i2"));
    rightClick();
    EXPECT_EQ(desk().popupSet, 3);
    EXPECT_EQ(popups.lastShown.first(), "C1 g3s3");
    EXPECT_EQ(stepNow(), 1); // the pick is judged against the override's code 5231
}

TEST_F(Popup, EveryOpeningRefillsTheWholeMenu)
{
    QStringList file = menuFile();
    // Record (1, 2): plain group 2 absent, cascade 3 with two items, cascade 4 absent, and a
    // cascade whose item line is "0" under a present caption.
    file[lineOf(1, 2, 7) - 1] = QStringLiteral("0");
    file[lineOf(1, 2, 9) - 1] = QStringLiteral("x|y");
    file[lineOf(1, 2, 11) - 1] = QStringLiteral("0");
    file[lineOf(1, 2, 14) - 1] = QStringLiteral("0");
    // Record (1, 3): every caption "0", so only the plain items show.
    for (int k : {2, 5, 8, 11, 13})
        file[lineOf(1, 3, k) - 1] = QStringLiteral("0");
    writeMenu(file);

    FrmMain& f = show({onTarget(QStringLiteral("3100")), onTarget(QStringLiteral("3200")),
                       onTarget(QStringLiteral("3300"))});
    testkit::PopupScript popups;
    auto shownSubItems = [](platform::Menu& cascade) {
        QStringList out;
        for (platform::Menu* m : cascade.shownItems())
            out << m->Caption();
        return out;
    };

    popups.dismiss();
    rightClick();
    EXPECT_EQ(shownSubItems(f.sTolqMain3),
              QStringList({"g1s1L5i0", "-", "g1s1L5i2", "g1s1L5i3", "g1s1L5i4"}));

    f.GoStep(QStringLiteral("2"));
    popups.dismiss();
    rightClick();
    EXPECT_EQ(popups.lastShown,
              QStringList({"C1 g1s2", "g1s2L2i0", "-", "g1s2L2i2", "g1s2L2i3", "g1s2L2i4", "C2 g1s2",
                           "C3 g1s2", "g1s2L6i0", "-", "g1s2L6i2", "g1s2L6i3", "g1s2L6i4", "C5 g1s2",
                           "g1s2L9i0", "-", "g1s2L9i2", "g1s2L9i3", "g1s2L9i4"}));
    EXPECT_EQ(shownSubItems(f.sTolqMain3), QStringList({"x", "y"}));
    EXPECT_EQ(shownSubItems(f.sTolqMain5), QStringList({"0"}));
    EXPECT_FALSE(f.sTolqMain4.Visible());

    f.GoStep(QStringLiteral("3"));
    popups.dismiss();
    rightClick();
    EXPECT_EQ(popups.lastShown.size(), 20);
    for (const QString& caption : popups.lastShown)
        EXPECT_FALSE(caption.startsWith(QLatin1String("C"))) << caption.toStdString();
}

TEST_F(Popup, AMissingFileOpensNoMenuAndAShortOneShowsEmptyEntries)
{
    ASSERT_TRUE(QFile::remove(prog.file(QStringLiteral("sMenu.sys"))));
    FrmMain& f = show({onTarget(QStringLiteral("4232")), onTarget(QStringLiteral("0003"))});
    // No pop-up is armed: showing one would fail the test.
    rightClick();
    EXPECT_EQ(stepNow(), 1);

    // Twenty lines: record (2, 2) lies wholly past the end.
    QStringList lines;
    for (int k = 1; k <= 20; ++k)
        lines << QStringLiteral("line %1").arg(k);
    writeMenu(lines);
    testkit::PopupScript popups;
    popups.dismiss();
    rightClick();
    EXPECT_EQ(popups.lastShown, QStringList(9, QString()));
    EXPECT_EQ(stepNow(), 1);
    // The empty item of cascade 1 is position 0 of list 1: not the one asked for.
    popups.pick(QStringLiteral("/"));
    rightClick();
    EXPECT_EQ(stepNow(), 1);
    EXPECT_EQ(f.sTolqSub1(0).Caption(), "");
}
