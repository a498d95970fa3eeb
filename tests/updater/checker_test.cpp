// The update checker against a version page served on loopback: the installed version, the
// published one, the outcome, the download page and the program's end.
#include "checker_fixture.h"

using namespace updatertest;
using platform::Forms;
using updater::FrmTessaly1;

namespace {

class Checker : public CheckerTest {};

} // namespace

TEST_F(Checker, LoadsTheModuleAndTheInstalledVersion)
{
    FrmTessaly1& f = start();
    EXPECT_EQ(f.Caption(), QStringLiteral("题库升级"));
    EXPECT_TRUE(f.stayOnTop());
    EXPECT_EQ(f.Label4.Caption(), QStringLiteral("Windows XP 操作系统"));
    EXPECT_EQ(f.Label3.Caption(), QStringLiteral("当前题库版本是："));
    EXPECT_EQ(f.LblVer.Caption(), QStringLiteral("2024.06.01"));
    EXPECT_EQ(f.Label1.Caption(), QStringLiteral("题库最新版本是："));
    EXPECT_FALSE(f.Label2.Visible());
    EXPECT_FALSE(f.Command2.Visible());
    EXPECT_FALSE(f.Command3.Visible());
    EXPECT_TRUE(f.Command1.Visible());
    EXPECT_EQ(f.kmNo, 7);
    EXPECT_EQ(f.kmName, QStringLiteral("XP"));
    EXPECT_TRUE(server.paths.isEmpty()); // nothing asked before the first tick
}

TEST_F(Checker, AsksForThePageOfItsModuleOnTheConfiguredSite)
{
    serve("2024.06.01");
    start();
    tickUntilChecked();
    ASSERT_EQ(server.paths.size(), 1);
    EXPECT_EQ(server.paths[0], QByteArray("/pemba/pembaver/12345678907.htm"));
}

TEST_F(Checker, OutcomeOfEveryPublishedVersion)
{
    struct Case {
        const char* what;
        QByteArray headers;
        QByteArray body;
        QString shown; // after "题库最新版本是："
        bool upToDate;
        QString local = QStringLiteral("2024.06.01");
    };
    const Case cases[] = {
        {"equal", "Content-Type: text/plain\r\n", "2024.06.01", "2024.06.01", true},
        // The published text is shown as it stands, blanks and line ends too.
        {"equal with blanks and line ends", "Content-Type: text/plain\r\n", " \r\n2024.06.01 \r\n",
         " \r\n2024.06.01 \r\n", true},
        {"newer after blanks", "Content-Type: text/plain\r\n", "   2024.07.01", "   2024.07.01", false},
        {"equal in the first twelve characters", "Content-Type: text/plain\r\n", "2024.06.01.19",
         "2024.06.01.19", false},
        {"newer", "Content-Type: text/plain\r\n", "2024.07.01", "2024.07.01", false},
        {"older", "Content-Type: text/plain\r\n", "2023.01.01", "2023.01.01", false},
        // A version followed by other text: the first twelve characters are compared.
        {"twelve equal characters, then a word", "Content-Type: text/plain\r\n", "2013.0.0.115 beta",
         "2013.0.0.115 beta", true, QStringLiteral("2013.0.0.115")},
        {"a shorter version, then a word", "Content-Type: text/plain\r\n", "2024.06.01 beta",
         "2024.06.01 beta", false},
        {"newer, with a word after it", "Content-Type: text/plain\r\n", "2024.07.01 第4版",
         "2024.07.01 第4版", false},
        // Notes after the version, however long, are read as part of the text.
        {"a version with notes after it", "Content-Type: text/plain\r\n", "2024.06.01 " + QByteArray(60, 'x'),
         QStringLiteral("2024.06.01 ") + QString(60, u'x'), false},
        {"twelve equal characters, then notes", "Content-Type: text/plain\r\n",
         "2013.0.0.115 " + QByteArray(60, 'x'), QStringLiteral("2013.0.0.115 ") + QString(60, u'x'), true,
         QStringLiteral("2013.0.0.115")},
        // The body's text as a browser reads it: the blanks of the markup run together.
        {"an HTML page", "Content-Type: text/html; charset=gb2312\r\n",
         "<html><head><title>ver</title></head><body>\r\n 2024.07.01 \r\n</body></html>", "2024.07.01 ",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ends = 0;
        writeBankVersion(c.local);
        server.answer.headers = c.headers;
        serve(c.body);
        FrmTessaly1& f = start();
        tickUntilChecked();
        ASSERT_TRUE(Forms::isLoaded<FrmTessaly1>());
        EXPECT_EQ(f.Label1.Caption(), QStringLiteral("题库最新版本是：") + c.shown);
        EXPECT_EQ(f.Label1.shownText(), f.Label1.Caption());
        EXPECT_TRUE(f.Label2.Visible());
        EXPECT_EQ(f.Label2.Caption(),
                  c.upToDate ? QStringLiteral("已是最新版本，无需升级") : QStringLiteral(" "));
        EXPECT_EQ(f.Command2.Visible(), !c.upToDate);
        EXPECT_EQ(f.Command3.Visible(), !c.upToDate);
        EXPECT_FALSE(f.Timer2.Enabled()); // the poll has ended
        // Current: the checker ends by itself on the third tick of its 300 ms timer; otherwise it
        // waits for the candidate.
        time.advance(600);
        EXPECT_EQ(ends, 0);
        time.advance(300);
        EXPECT_EQ(ends, c.upToDate ? 1 : 0);
        time.advance(5000);
        EXPECT_EQ(ends, c.upToDate ? 1 : 0);
        if (c.upToDate) {
            EXPECT_EQ(endCode, 0);
        }
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
    EXPECT_EQ(server.paths.size(), int(std::size(cases)));
}

TEST_F(Checker, AnUnusablePageEndsTheCheckerWithoutAWord)
{
    struct Case {
        const char* what;
        Answer answer;
        bool noServer = false;
    };
    auto html = [](const QByteArray& body) {
        Answer a;
        a.headers = "Content-Type: text/html\r\n";
        a.body = body;
        return a;
    };
    auto plain = [](const QByteArray& body) {
        Answer a;
        a.body = body;
        return a;
    };
    Answer notFound = html("<html><body>2024.07.01</body></html>");
    notFound.status = "404 Not Found";
    Answer serverError = plain("2024.07.01");
    serverError.status = "500 Internal Server Error";
    Answer huge = plain(QByteArray(1 << 20, '1'));
    Answer hugeNoLength = plain(QByteArray(1 << 20, '1'));
    hugeNoLength.withLength = false;
    const Case cases[] = {
        {"an error status", notFound},
        {"a server error with a version in its body", serverError},
        {"an empty page", plain("")},
        {"text that is no version", plain("The page cannot be found")},
        {"a version without a year", plain("3.1")},
        {"a year before 2010", plain("2009.12.31")},
        {"a mnemonic marker", plain("&2024.07.01")},
        // A script is never run: the version it would write is not in the page's text.
        {"a script that writes a version", html("<html><body><script>document.write('2024.07.01')</script>"
                                                "<img src=x onerror=alert(1)></body></html>")},
        {"binary bytes", plain(QByteArray("\x00\x01\xff\xfe"
                                          "2024",
                                          8))},
        {"a huge body", huge},
        {"a huge body without a length", hugeNoLength},
        {"no server", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ends = 0;
        endCode = -1;
        server.answer = c.answer;
        if (c.noServer) server.server.close();
        FrmTessaly1& f = start();
        // The page is asked for on the first tick; its answer, or the refusal where no server
        // listens, has come by the next (on a busy machine it may take a while: the test clock
        // waits for it), and from then on to the fifth tick the window says it cannot check now ...
        tick();
        ASSERT_EQ(f.pollCount, 1);
        ASSERT_TRUE(waitForFetchEnd());
        tick();
        ASSERT_EQ(f.Label1.Caption(), QStringLiteral("暂时无法检测新版本，请稍候重试。"));
        for (int t = f.pollCount + 1; t <= FrmTessaly1::QuietTicks; ++t) {
            tick();
            ASSERT_EQ(ends, 0) << "tick " << f.pollCount;
            EXPECT_EQ(f.Label1.Caption(), QStringLiteral("暂时无法检测新版本，请稍候重试。"));
        }
        EXPECT_EQ(ends, 0);
        EXPECT_FALSE(f.Label2.Visible());
        EXPECT_FALSE(f.Command2.Visible());
        // ... and the sixth ends the program, with no message box and nothing more asked.
        tick();
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(endCode, 0);
        EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
        time.advance(5000);
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(boxes.seen().isEmpty());
        EXPECT_LE(server.paths.size(), 1);
        server.paths.clear();
        server.answered = 0;
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
}

TEST_F(Checker, ASlowAnswerReadsAsCheckingUntilItComes)
{
    serve("2024.07.01");
    server.answer.delayMs = 700;
    FrmTessaly1& f = start();
    for (int i = 0; i < 20; ++i) {
        tick();
        ASSERT_EQ(f.Label1.Caption(), QStringLiteral("正在检测新版本，请稍候……")) << "tick " << i;
    }
    ASSERT_TRUE(waitForAnswer());
    tickUntilChecked();
    EXPECT_EQ(f.Label1.Caption(), QStringLiteral("题库最新版本是：2024.07.01"));
    EXPECT_TRUE(f.Command2.Visible());
}

TEST_F(Checker, NoAnswerWithinFifteenSecondsEndsTheChecker)
{
    static_assert(FrmTessaly1::PollLimit * 100 == 15000);
    server.answer.never = true;
    FrmTessaly1& f = start();
    for (int i = 1; i < FrmTessaly1::PollLimit; ++i) {
        tick();
        ASSERT_EQ(f.Label1.Caption(), QStringLiteral("正在检测新版本，请稍候……")) << "tick " << i;
    }
    EXPECT_EQ(ends, 0);
    // The request has reached the server before the checker gives up on it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.paths.size() == 1; }, 20000));
    tick();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endCode, 0);
    EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
    EXPECT_TRUE(boxes.seen().isEmpty());
    // The request is dropped, not left hanging.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.droppedByClient == 1; }, 20000));
}

TEST_F(Checker, NoVersionFileShowsNoLocalVersionAndOffersTheDownload)
{
    QFile::remove(folder.file(QStringLiteral("tiku/288895.rar")));
    serve("2024.06.01");
    FrmTessaly1& f = start();
    EXPECT_EQ(f.LblVer.Caption(), QString());
    tickUntilChecked();
    EXPECT_EQ(f.Label1.Caption(), QStringLiteral("题库最新版本是：2024.06.01"));
    EXPECT_TRUE(f.Command2.Visible());
}

TEST_F(Checker, TheInstalledVersionIsShownAsItIs)
{
    writeBankVersion(QStringLiteral("  2024&06 第3版 "));
    serve("2024.06.01");
    FrmTessaly1& f = start();
    EXPECT_EQ(f.LblVer.Caption(), QStringLiteral("2024&06 第3版"));
    EXPECT_EQ(f.LblVer.shownText(), QStringLiteral("2024&06 第3版"));
}

TEST_F(Checker, MissingOrBrokenModuleInformationEndsWithAMessageAndAFailure)
{
    struct Case {
        const char* what;
        std::function<void()> breakIt;
        QString prompt;
    };
    const Case cases[] = {
        {"no ver.txt", [&] { QFile::remove(folder.file(QStringLiteral("ver.txt"))); },
         QStringLiteral("找不到模块信息文件“ver.txt”")},
        {"a bad character code",
         [&] {
             common::writeTextFile(folder.file(QStringLiteral("ver.txt")), {"200065", "500000"});
         },
         QStringLiteral("模块信息文件“ver.txt”已损坏（第2行）")},
        {"an empty ver.txt", [&] { common::writeTextFile(folder.file(QStringLiteral("ver.txt")), {}); },
         QStringLiteral("模块信息文件“ver.txt”是空的")},
        {"a module number beyond 16 bits",
         [&] {
             writeVer({QStringLiteral("XP"), QStringLiteral("t"), QStringLiteral("tiku"),
                       QStringLiteral("40000")});
         },
         QStringLiteral("模块编号有误")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakIt();
        ends = 0;
        endCode = -1;
        serve("The page cannot be found"); // an unusable page would end the program
        boxes.expect(platform::vbOK, c.prompt, QStringLiteral("题库升级"),
                     platform::vbOKOnly + platform::vbCritical);
        // The message stays until the candidate closes it: long past every timer's interval
        // nothing is asked for and nothing ends the program under it.
        WaitingBoxes waiting([&] {
            for (int i = 0; i < 200; ++i) {
                time.advance(100);
                QTest::qWait(1);
            }
            QTest::qWait(100);
            EXPECT_EQ(ends, 0);
            EXPECT_TRUE(Forms::isLoaded<FrmTessaly1>());
            EXPECT_TRUE(server.paths.isEmpty());
        });
        start();
        EXPECT_EQ(waiting.shown, 1);
        // Closed: the program ends, with a failure.
        EXPECT_EQ(ends, 1);
        EXPECT_NE(endCode, 0);
        EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
        time.advance(1000);
        QTest::qWait(50);
        EXPECT_TRUE(server.paths.isEmpty());
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
}

TEST_F(Checker, ASecondCopyEndsSilently)
{
    platform::app::InstanceLock other(platform::app::exeName());
    ASSERT_TRUE(other.tryLock());
    start();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endCode, 0);
    EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
    time.advance(1000);
    EXPECT_TRUE(server.paths.isEmpty());
}

TEST_F(Checker, DownloadOpensThePageInTheBrowserThenEnds)
{
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens);
        ends = 0;
        fakes.shell.opened.clear();
        fakes.shell.openResult = opens;
        serve("2024.07.01");
        FrmTessaly1& f = start();
        tickUntilChecked();
        ASSERT_TRUE(f.Command2.Visible());
        boxes.expect(platform::vbNo, QStringLiteral("你确定要下载新版软件吗？"),
                     QStringLiteral("请仔细阅读下列说明"), platform::vbYesNoCancel + platform::vbInformation);
        if (!opens)
            boxes.expect(platform::vbOK,
                         QStringLiteral("请打开网页 ") + server.host() + QStringLiteral(" 进行下载！"),
                         QStringLiteral("不能自动打开"), platform::vbOKOnly + platform::vbCritical);
        testkit::click(f.Command2);
        EXPECT_EQ(fakes.shell.opened, QStringList{QStringLiteral("http://") + server.host() +
                                                  QStringLiteral("/updown.asp?km=winxp")});
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(endCode, 0);
        EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
}

TEST_F(Checker, LaterAndOkEndTheProgram)
{
    serve("2024.07.01");
    FrmTessaly1& f = start();
    tickUntilChecked();
    testkit::click(f.Command3); // "以后再说" lies over "确定"
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    Forms::destroyAll();
    platform::app::releaseInstanceLock();

    // "确定" while the check is still running: the window closes, the program ends and the fetch
    // goes with it.
    ends = 0;
    endCode = -1;
    server.answer.never = true;
    FrmTessaly1& g = start();
    tick();
    tick();
    // The second request has reached the server (on a busy machine it may take a while; the first
    // check's request is still counted), so that the close below drops a connection the server
    // knows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.paths.size() == 2; }, 20000));
    testkit::click(g.Command1);
    testkit::settle();
    EXPECT_FALSE(Forms::isLoaded<FrmTessaly1>());
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endCode, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.droppedByClient == 1; }, 20000));
    time.advance(1000);
}
