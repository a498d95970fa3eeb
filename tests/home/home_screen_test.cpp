// The home screen through the window: its panels, information pages, looks, links, update
// button and exit, and the checks the drill launchers make before the home screen goes away.
#include <QFile>

#include "home_fixture.h"
#include "platform/msgbox.h"

using namespace hometest;
using home::FrmFengmian;
using platform::Forms;

namespace {

class HomeScreen : public HomeTest {
protected:
    void SetUp() override
    {
        HomeTest::SetUp();
        for (int page : {1, 9, 10, 11, 12, 13, 16, 17})
            inst.writePicture(QStringLiteral("9l00%1.rar").arg(page, 2, 10, QLatin1Char('0')));
    }
    QString page(int n) const
    {
        return inst.bank(QStringLiteral("9l00%1.rar").arg(n, 2, 10, QLatin1Char('0')));
    }
    bool catalogueShown(FrmFengmian& h)
    {
        bool all = true, none = true;
        for (int i = 0; i < 19; ++i) {
            all = all && h.ShapeKm(i).Visible() && h.LblKmLj(i).Visible();
            none = none && !h.ShapeKm(i).Visible() && !h.LblKmLj(i).Visible();
        }
        EXPECT_TRUE(all || none);
        return all;
    }
    // A spot of the bare background, clear of every control.
    static constexpr double BareX = 6000, BareY = 6300;
};

} // namespace

TEST_F(HomeScreen, TilesOpenThePanelsAndTheBackButtonsCloseThem)
{
    FrmFengmian& h = start();
    testkit::click(h.LblTiKu);
    EXPECT_TRUE(h.PicTiKu.Visible());
    EXPECT_FALSE(h.PicKaCH.Visible());
    testkit::click(h.LblFanHui1);
    EXPECT_FALSE(h.PicTiKu.Visible());
    testkit::click(h.LblKaCH);
    EXPECT_TRUE(h.PicKaCH.Visible());
    EXPECT_FALSE(h.PicTiKu.Visible());
    testkit::click(h.LblFanHui2);
    EXPECT_FALSE(h.PicKaCH.Visible());
    EXPECT_TRUE(h.ImgTiKu.Visible());
}

TEST_F(HomeScreen, InformationPagesAreOneSequenceEndingInTheCatalogue)
{
    FrmFengmian& h = start();
    testkit::click(h.LblPro(2)); // "考试大纲"
    EXPECT_EQ(h.LblPro(2).Caption(), QStringLiteral("考试大纲"));
    EXPECT_TRUE(h.PicPro.Visible());
    EXPECT_EQ(h.proPage, 9);
    EXPECT_EQ(h.PicPro.picture().source(), page(9));
    EXPECT_FALSE(catalogueShown(h));
    for (int expected : {10, 11, 12, 13}) {
        testkit::click(h.LblNext);
        EXPECT_EQ(h.PicPro.picture().source(), page(expected));
    }
    // A page whose picture is missing says so and can be paged past.
    testkit::click(h.LblNext);
    EXPECT_EQ(h.proPage, 14);
    EXPECT_EQ(h.PicPro.picture().source(), QStringLiteral("home:missingPage"));
    testkit::click(h.LblNext);
    testkit::click(h.LblNext);
    EXPECT_EQ(h.PicPro.picture().source(), page(16));
    testkit::click(h.LblNext);
    EXPECT_EQ(h.PicPro.picture().source(), page(17));
    EXPECT_TRUE(catalogueShown(h));
    testkit::click(h.LblLast);
    EXPECT_EQ(h.proPage, 16);
    EXPECT_FALSE(catalogueShown(h));
    testkit::click(h.LblNext);

    boxes.expect(platform::vbOK, QStringLiteral("已经到最后一页"), QStringLiteral("QuenmarMerovan XP模块"));
    testkit::click(h.LblNext);
    EXPECT_FALSE(h.PicPro.Visible());
    EXPECT_EQ(h.proPage, 17);

    testkit::click(h.LblPro(1));
    EXPECT_EQ(h.PicPro.picture().source(), page(1));
    boxes.expect(platform::vbOK, QStringLiteral("已经到第一页"));
    testkit::click(h.LblLast);
    EXPECT_FALSE(h.PicPro.Visible());
    EXPECT_EQ(h.proPage, 1);

    testkit::click(h.LblPro(4)); // "其它模块": the catalogue page
    EXPECT_EQ(h.proPage, 17);
    EXPECT_TRUE(catalogueShown(h));
    testkit::click(h.LblPro(3));
    EXPECT_EQ(h.proPage, 13);
}

TEST_F(HomeScreen, CloseAsksTheExitQuestionOnceThePagePanelIsClosed)
{
    FrmFengmian& h = start();
    const QString question = QStringLiteral("确实要退出考试系统吗？");
    const int style = platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2;

    testkit::click(h.LblPro(1));
    testkit::click(h.LblClose); // closes the page panel, asks nothing
    EXPECT_FALSE(h.PicPro.Visible());

    testkit::move(h, testkit::centreOf(h.LblClose).x(), testkit::centreOf(h.LblClose).y());
    EXPECT_TRUE(h.ImgClose.Visible());
    boxes.expect(platform::vbNo, question, QStringLiteral("Ostrel软件"), style);
    testkit::click(h.LblClose);
    EXPECT_FALSE(h.ImgClose.Visible());
    EXPECT_EQ(ends, 0);

    // The unit panel does not stand in the way of the question.
    testkit::click(h.LblTiKu);
    boxes.expect(platform::vbNo, question, QStringLiteral("Ostrel软件"), style);
    testkit::click(h.LblExit1); // No changes nothing
    EXPECT_TRUE(h.PicTiKu.Visible());
    boxes.expect(platform::vbYes, question, QStringLiteral("Ostrel软件"), style);
    testkit::click(h.LblClose);
    EXPECT_EQ(ends, 1);

    testkit::click(h.LblKaCH);
    boxes.expect(platform::vbYes, question);
    testkit::click(h.LblExit2);
    EXPECT_EQ(ends, 2);
}

TEST_F(HomeScreen, UpdateButtonAndLinksGoToTheShell)
{
    FrmFengmian& h = start();
    fakes.shell.startResult = false; // no checker installed: nothing is reported
    testkit::click(h.CmdExit);
    ASSERT_EQ(fakes.shell.started.size(), 1);
    EXPECT_EQ(fakes.shell.started[0].path, inst.folder() + QStringLiteral("/tessaly.exe"));
    EXPECT_TRUE(h.Visible());

    testkit::click(h.LblWeb1);
    testkit::click(h.LblWeb2);
    testkit::click(h.LblQQ1);
    testkit::click(h.LblQQ2);
    EXPECT_EQ(fakes.shell.opened, QStringList({FrmFengmian::Web1Address, FrmFengmian::Web2Address,
                                               FrmFengmian::QQ1Address, FrmFengmian::QQ2Address}));
    // The About link shows the About box modally; the home screen stays.
    testkit::ModalScript modals;
    modals.expect(QStringLiteral("FrmAbout"), [](platform::Form& about) { about.Unload(); });
    testkit::click(h.LblAbout);
    EXPECT_EQ(modals.pending(), 0);
    EXPECT_TRUE(h.Visible());
}

TEST_F(HomeScreen, HoverAndPressedLooksAndTheirReset)
{
    FrmFengmian& h = start();
    const QPointF tiKu = testkit::centreOf(h.LblTiKu), kaCH = testkit::centreOf(h.LblKaCH);
    testkit::move(h, tiKu.x(), tiKu.y());
    EXPECT_TRUE(h.ImgTiKu1.Visible());
    EXPECT_FALSE(h.ImgTiKu.Visible());
    // Pressing the exam-set tile puts the unit tile back to normal.
    testkit::press(h, kaCH.x(), kaCH.y());
    EXPECT_TRUE(h.ImgKaCH2.Visible());
    EXPECT_FALSE(h.ImgKaCH.Visible());
    EXPECT_TRUE(h.ImgTiKu.Visible());
    EXPECT_FALSE(h.ImgTiKu1.Visible());
    // Moved away with the button held, the tile hears the move: the hover look; no click.
    testkit::release(h, BareX, BareY);
    EXPECT_TRUE(h.ImgKaCH1.Visible());
    EXPECT_FALSE(h.ImgKaCH2.Visible());
    EXPECT_FALSE(h.PicKaCH.Visible());

    const QPointF link = testkit::centreOf(h.LblPro(3));
    testkit::move(h, link.x(), link.y());
    EXPECT_EQ(h.LblPro(3).ForeColor(), 0x0);
    EXPECT_TRUE(h.LblPro(3).FontUnderline());
    const QPointF update = testkit::centreOf(h.CmdExit);
    testkit::move(h, update.x(), update.y());
    EXPECT_EQ(h.Shape2.FillStyle(), platform::vbFSSolid);

    testkit::move(h, BareX, BareY);
    EXPECT_TRUE(h.ImgTiKu.Visible());
    EXPECT_TRUE(h.ImgKaCH.Visible());
    for (platform::Image* i : {&h.ImgTiKu1, &h.ImgTiKu2, &h.ImgKaCH1, &h.ImgKaCH2, &h.ImgClose})
        EXPECT_FALSE(i->Visible()) << i->Name().toStdString();
    EXPECT_EQ(h.Shape2.FillStyle(), platform::vbFSTransparent);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(h.LblPro(i).ForeColor(), 0xB28A4F);
        EXPECT_FALSE(h.LblPro(i).FontUnderline());
    }
}

TEST_F(HomeScreen, CardButtonLooksFollowThePointer)
{
    FrmFengmian& h = start();
    testkit::click(h.LblTiKu);
    const QPointF enter = testkit::centreOf(h.LblJinRuXX(2));
    testkit::move(h, enter.x(), enter.y());
    EXPECT_TRUE(h.ImgJinRuXXM.Visible());
    EXPECT_EQ(h.ImgJinRuXXM.Left(), h.LblJinRuXX(2).Left());
    EXPECT_EQ(h.ImgJinRuXXM.Top(), h.LblJinRuXX(2).Top());
    // Onto the card's own picture: the hover look stays; onto the bare panel: it goes.
    const platform::Image& card = h.ImgUnit(2);
    testkit::move(h, h.PicTiKu.Left() + card.Left() + 150, h.PicTiKu.Top() + card.Top() + 150);
    EXPECT_TRUE(h.ImgJinRuXXM.Visible());
    testkit::move(h, h.PicTiKu.Left() + 11000, h.PicTiKu.Top() + 7200);
    EXPECT_FALSE(h.ImgJinRuXXM.Visible());

    testkit::click(h.LblFanHui1);
    testkit::click(h.LblKaCH);
    const QPointF startKs = testkit::centreOf(h.LblStartKs(1));
    testkit::press(h, startKs.x(), startKs.y());
    EXPECT_TRUE(h.ImgStartKsD.Visible());
    EXPECT_FALSE(h.ImgStartKsM.Visible());
    EXPECT_EQ(h.ImgStartKsD.Top(), h.LblStartKs(1).Top());
    // There is no release look: the pressed picture stays until the pointer moves over the button.
    testkit::release(h, h.PicKaCH.Left() + 11000, h.PicKaCH.Top() + 7200);
    EXPECT_TRUE(h.ImgStartKsM.Visible());
    EXPECT_FALSE(h.ImgStartKsD.Visible());
    testkit::move(h, h.PicKaCH.Left() + 11100, h.PicKaCH.Top() + 7100);
    EXPECT_FALSE(h.ImgStartKsM.Visible());
}

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST_F(HomeScreen, AUnitThatCannotBeStartedKeepsTheCandidateHome)
{
    FrmFengmian& h = start();
    testkit::click(h.LblTiKu);
    struct Case {
        const char* what;
        std::function<void()> breakIt;
        QString prompt;
    };
    const QStringList steps = Installation::read(inst.bank("288821.rar"));
    ASSERT_EQ(steps.size(), 6);
    const QStringList list = Installation::read(inst.bank("288871.rar"));
    const QStringList progress = Installation::read(inst.ksdata("288893.rar"));
    const Case cases[] = {
        {"no question list", [&] { QFile::remove(inst.bank("288871.rar")); },
         QStringLiteral("本单元的题目文件")},
        {"an empty question list", [&] { Installation::write(inst.bank("288871.rar"), {"  "}); },
         QStringLiteral("本单元的题目文件")},
        {"no progress line", [&] { Installation::write(inst.ksdata("288893.rar"), {"TTF"}); },
         QStringLiteral("练习进度记录")},
        {"no progress file", [&] { QFile::remove(inst.ksdata("288893.rar")); },
         QStringLiteral("练习进度记录")},
        {"an empty progress line",
         [&] {
             Installation::write(inst.ksdata("288893.rar"), {"TTF", " "});
         },
         QStringLiteral("本单元没有题目")},
        {"a question list that is not text",
         [&] { writeBytes(inst.bank("288871.rar"), "010102\x81\xff\r\n"); },
         QStringLiteral("本单元的题目文件")},
        {"a question list shorter than the progress line",
         [&] {
             Installation::write(inst.ksdata("288893.rar"), {"TTF", "TTT"});
         },
         QStringLiteral("练习进度记录有3道题，题目文件只有2道")},
        {"no step file", [&] { QFile::remove(inst.bank("288821.rar")); }, QStringLiteral("操作步骤文件")},
        {"a step file short of the last block",
         [&] { Installation::write(inst.bank("288821.rar"), steps.mid(0, 5)); },
         QStringLiteral("操作步骤文件")},
        // Question 2 would begin on question 1's terminal record and be solved by a visit.
        {"a question given one step fewer than its block",
         [&] {
             QStringList shorter = list;
             shorter[0] =
                 shorter[0].left(4) +
                 QStringLiteral("%1").arg(shorter[0].mid(4, 2).toInt() - 1, 2, 10, QLatin1Char('0')) +
                 shorter[0].mid(6);
             Installation::write(inst.bank("288871.rar"), shorter);
         },
         QStringLiteral("中各题的步骤数合计5步")},
        {"a step file with a record no question counts",
         [&] { Installation::write(inst.bank("288821.rar"), steps + QStringList{steps.last()}); },
         QStringLiteral("却有7条操作步骤")},
        {"a step file that is not text", [&] { writeBytes(inst.bank("288821.rar"), "0000\x81\xff\r\n"); },
         QStringLiteral("操作步骤文件")},
        // A line holding only a tab is a question, not the list's end: the check sees the counts
        // after it, which would start question 4 on question 1's terminal record.
        {"a tab line before counts that start a question inside another's block",
         [&] {
             Installation::write(inst.bank("288871.rar"), {list[0], "\t", "0103-1", "0104 1"});
             Installation::write(inst.bank("288821.rar"), steps.mid(0, 2) + QStringList{"", "", "", ""});
             Installation::write(inst.ksdata("288893.rar"), {"TTF", "FFFF"});
         },
         QStringLiteral("有的题步骤数为负")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakIt();
        common::drill().setNo = 0;
        boxes.expect(platform::vbOK, c.prompt, std::nullopt, platform::vbOKOnly + platform::vbExclamation);
        testkit::click(h.LblJinRuXX(1));
        if (c.prompt.contains(QStringLiteral("条操作步骤")) || c.prompt.contains(QStringLiteral("合计"))) {
            ASSERT_FALSE(boxes.seen().isEmpty());
            EXPECT_TRUE(boxes.seen().last().prompt.contains(QStringLiteral("288871.rar")));
            EXPECT_TRUE(boxes.seen().last().prompt.contains(QStringLiteral("288821.rar")));
        }
        EXPECT_TRUE(h.isLoaded());
        EXPECT_TRUE(h.PicTiKu.Visible());
        EXPECT_EQ(common::drill().setNo, 0);
        Installation::write(inst.bank("288871.rar"), list);
        Installation::write(inst.ksdata("288893.rar"), progress);
        Installation::write(inst.bank("288821.rar"), steps);
    }
    // Nothing was written over: the progress of a unit is never shortened by a damaged bank.
    EXPECT_EQ(Installation::read(inst.ksdata("288893.rar")), progress);
}

TEST_F(HomeScreen, ErrorReviewWithoutWrongAnswersIsRefused)
{
    FrmFengmian& h = start();
    testkit::click(h.LblKaCH);
    const QString message =
        QStringLiteral("本套试题没有生成错题！\r\n你可能是还没有做本套试题，或者上次得分为0。\r\n"
                       "请点“开始考试”做本套试题。");
    for (const char* list : std::initializer_list<const char*>{"", "012", nullptr}) {
        SCOPED_TRACE(list ? list : "no list");
        QFile::remove(inst.ksdata("182401.rar"));
        if (list) Installation::write(inst.ksdata("182401.rar"), {QLatin1String(list)});
        boxes.expect(platform::vbOK, message, QStringLiteral("QuenmarMerovan XP模块"), platform::vbOKOnly);
        testkit::click(h.LblErr(1));
        EXPECT_TRUE(h.isLoaded());
        const common::DrillState& d = common::drill();
        EXPECT_EQ(d.ksMode, common::ModePractice);
        EXPECT_EQ(d.setNo, 1);
        EXPECT_EQ(d.errSetNo, 1);
        EXPECT_EQ(d.dqTm, 1);
    }
}
