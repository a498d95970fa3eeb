// Starting the trainer: one running copy, the module information, the install values, the home
// screen's load from the question bank and the progress files, and the update checker's launch rule.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/text_file.h"
#include "home_fixture.h"
#include "platform/msgbox.h"
#include "support/child.h"

using namespace hometest;
using home::FrmFengmian;
using home::FrmStart;
using platform::Forms;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The unit progress file as the home screen writes it: 25 lines and one more CR LF.
QByteArray progressBytes(const QStringList& first)
{
    QByteArray out;
    for (int u = 0; u < 25; ++u)
        out += first.value(u).toLatin1() + "\r\n";
    return out + "\r\n";
}

class Start : public HomeTest {};

} // namespace

TEST_F(Start, FreshKsdataShowsTheModuleAndEmptyCards)
{
    FrmStart& splash = Forms::instance<FrmStart>();
    splash.Show();
    EXPECT_TRUE(splash.Visible());
    EXPECT_EQ(splash.Width(), 6600);
    EXPECT_EQ(splash.Height(), 1485);
    EXPECT_FALSE(Forms::isLoaded<FrmFengmian>());
    time.advance(100);
    EXPECT_FALSE(splash.isLoaded());

    FrmFengmian& h = home();
    ASSERT_TRUE(h.Visible());
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(platform::app::title(), QStringLiteral("QuenmarMerovan XP模块"));
    EXPECT_EQ(h.Caption(), QStringLiteral("QuenmarMerovan——XP模块  题库版本：2024.06 第3版"));
    EXPECT_EQ(h.LblKmMc.Caption(), QStringLiteral("── Windows XP 操作系统"));
    EXPECT_EQ(h.LblKmMc1.Caption(), h.LblKmMc.Caption());
    EXPECT_EQ(h.LblCaption.Caption(), QStringLiteral("V2.0.1──XP模块(题库版本：2024.06 第3版)"));
    EXPECT_EQ(h.LblExit.Caption(), QStringLiteral("题库升级"));
    EXPECT_FALSE(h.PicTiKu.Visible());
    EXPECT_FALSE(h.PicKaCH.Visible());
    EXPECT_FALSE(h.PicPro.Visible());

    const common::DrillState& d = common::drill();
    EXPECT_EQ(d.kmNo, 7);
    EXPECT_EQ(d.dataPath, inst.folder() + QStringLiteral("/tiku/"));
    EXPECT_EQ(d.setCount, 2);
    EXPECT_EQ(d.unitCount, 3);
    EXPECT_EQ(d.ksName, QStringLiteral("Ostrel1"));
    EXPECT_EQ(d.dataExt, QStringLiteral(".rar"));

    // Exam-set cards 0 and 1 with empty history; the others hidden.
    for (int s = 0; s < 14; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(h.ImgShiJuan(s).Visible(), s < 2);
        EXPECT_EQ(h.LblStartKs(s).Visible(), s < 2);
        EXPECT_EQ(h.LblErr(s).Visible(), s < 2);
        EXPECT_EQ(h.LblShiJuanNo(s).Caption(), QString::number(s + 1));
    }
    EXPECT_EQ(h.LblKSInFo(0).Caption(), QStringLiteral("最后考试时间   最好成绩 "));
    // Unit cards 0-2, all questions still to do; titles as tooltips.
    const char* counts[] = {"3", "2", "4"};
    for (int u = 0; u < 21; ++u) {
        SCOPED_TRACE(u);
        EXPECT_EQ(h.ImgUnit(u).Visible(), u < 3);
        EXPECT_EQ(h.LblJinRuXX(u).Visible(), u < 3);
        if (u >= 3) continue;
        EXPECT_EQ(h.LblUnintSL(u).Caption(), QLatin1String(counts[u]));
        EXPECT_EQ(h.LblUnitWei(u).Caption(), QLatin1String(counts[u]));
    }
    EXPECT_EQ(h.LblUnitNo(0).Caption(), QStringLiteral(" 1"));
    EXPECT_EQ(h.LblJinRuXX(1).ToolTipText(), QStringLiteral("控制面板"));
    EXPECT_EQ(h.LblJinRuXX(5).ToolTipText(), QString());

    // The progress file is created, the start flag and the install values written.
    EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), progressBytes({"FFF", "FF", "FFFF"}));
    EXPECT_EQ(Installation::read(inst.bank("288892.rar")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(fakes.settings.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")),
              QDir::toNativeSeparators(inst.folder()) + QString(72, u'*'));
    EXPECT_EQ(fakes.settings.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProName07")),
              platform::app::exeName() + QString(36, u'*'));
    // Counted, and no checker without the flag file.
    EXPECT_EQ(Installation::read(inst.bank("288897.rar")), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(fakes.shell.started.isEmpty());
}

TEST_F(Start, UsedKsdataShowsHistoryAndProgress)
{
    Installation::write(inst.ksdata("288892.rar"),
                        {"2026-01-02 10:00:00", "87.5", "x", "", "", "", "not read"});
    // Unit 1's line is longer than its 2 questions; unit 2 has none yet; line 26 is dropped.
    QStringList progress{"TTF", "TFTTT", ""};
    while (progress.size() < 30)
        progress << "T";
    Installation::write(inst.ksdata("288893.rar"), progress);

    FrmFengmian& h = start();
    EXPECT_EQ(h.LblKSInFo(0).Caption(), QStringLiteral("最后考试时间 2026-01-02 10:00:00  最好成绩 87.5"));
    EXPECT_EQ(h.LblKSInFo(1).Caption(), QStringLiteral("最后考试时间   最好成绩 "));
    EXPECT_EQ(h.LblUnintSL(0).Caption(), QStringLiteral("3"));
    EXPECT_EQ(h.LblUnitWei(0).Caption(), QStringLiteral("1"));
    EXPECT_EQ(h.LblUnintSL(1).Caption(), QStringLiteral("2"));
    EXPECT_EQ(h.LblUnitWei(1).Caption(), QStringLiteral("1"));
    EXPECT_EQ(h.LblUnitWei(2).Caption(), QStringLiteral("4"));
    EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), progressBytes({"TTF", "TF", "FFFF"}));
}

TEST_F(Start, ProgressIsNeverWipedWhenItOrTheCountsCannotBeRead)
{
    // Bytes that are not GBK: the file is kept as it is.
    const QByteArray bad = QByteArray("TT\xa1\x7f\r\n", 6);
    {
        QFile f(inst.ksdata("288893.rar"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bad);
    }
    start();
    EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), bad);
    Forms::destroyAll();

    // No set table: no cards, and the progress is left alone.
    Installation::write(inst.ksdata("288893.rar"), {"TTF", "TF"});
    const QByteArray kept = bytesOf(inst.ksdata("288893.rar"));
    QFile::remove(inst.bank("288891.rar"));
    platform::app::releaseInstanceLock();
    FrmFengmian& h = start();
    ASSERT_TRUE(h.Visible());
    EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), kept);
    EXPECT_EQ(common::drill().setCount, 0);
    EXPECT_FALSE(h.ImgShiJuan(0).Visible());
    EXPECT_FALSE(h.ImgUnit(0).Visible());
    Forms::destroyAll();

    // Counts for fewer units than the table declares: the table is damaged, and the units beyond
    // the counts keep their flags.
    for (const QString& line2 : {QStringLiteral("03"), QStringLiteral("0302")}) {
        SCOPED_TRACE(line2.toStdString());
        Installation::write(inst.bank("288891.rar"), {"0203", line2});
        platform::app::releaseInstanceLock();
        start();
        EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), kept);
        EXPECT_EQ(common::drill().unitCount, 3);
        Forms::destroyAll();
    }
}

TEST_F(Start, ASetTableWithACountThatIsNoNumberKeepsTheFlagsUntilItIsMended)
{
    // Five units of 3, 3, 11, 11 and 4 questions, each begun.
    const QStringList flags{"TTF", "TFT", "TTTTTFFFFFF", "FFFFFFFFFFT", "TFTF"};
    const QString mended = QStringLiteral("0303111104");
    const struct {
        const char* what;
        QString line2;
    } cases[] = {
        {"letters in place of the first two counts", QStringLiteral("xxyy111104")},
        {"one byte of unit 2's count changed", QStringLiteral("03:3111104")},
        {"a sign in a count", QStringLiteral("0303-11104")},
        {"blanks in place of a count", QStringLiteral("0303  1104")},
        {"a count that ends in a letter", QStringLiteral("030311110x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation::write(inst.ksdata("288893.rar"), flags);
        const QByteArray kept = bytesOf(inst.ksdata("288893.rar"));
        Installation::write(inst.bank("288891.rar"), {"0205", c.line2});
        FrmFengmian& h = start();
        ASSERT_TRUE(h.Visible());
        EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), kept);
        EXPECT_EQ(h.LblUnintSL(1).Caption(), QStringLiteral("3"));
        EXPECT_EQ(h.LblUnitWei(1).Caption(), QStringLiteral("1"));
        Forms::destroyAll();
        platform::app::releaseInstanceLock();

        // The table mended: every unit's flags are still there.
        Installation::write(inst.bank("288891.rar"), {"0205", mended});
        start();
        EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), progressBytes(flags));
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
}

TEST_F(Start, AFullDiskNeverEmptiesTheProgress)
{
    Installation::write(inst.ksdata("288893.rar"), {"TTF", "T", "FFFF"});
    const QByteArray kept = bytesOf(inst.ksdata("288893.rar"));
    // The load pads and cuts the lines to the table's counts; on a full disk it cannot, and the
    // old flags stay, never an empty file read back as units of "F".
    const int result = testkit::onAFullDisk([&] { return start().Visible() ? 0 : 1; });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(bytesOf(inst.ksdata("288893.rar")), kept);
}

TEST_F(Start, UnitTwentyIsNeverOffered)
{
    Installation::write(inst.bank("288891.rar"), {"1421", QString(42, u'0').replace(0, 2, "03")});
    FrmFengmian& h = start();
    EXPECT_EQ(common::drill().unitCount, 21);
    EXPECT_TRUE(h.LblJinRuXX(19).Visible());
    EXPECT_FALSE(h.LblJinRuXX(20).Visible());
    EXPECT_FALSE(h.ImgUnit(20).Visible());
    for (int s = 0; s < 14; ++s)
        EXPECT_TRUE(h.ImgShiJuan(s).Visible()) << s;
}

TEST_F(Start, QuestionBankOfAnotherModuleEndsTheProgramUncounted)
{
    for (const char* bankNo : std::initializer_list<const char*>{"8", nullptr}) {
        SCOPED_TRACE(bankNo ? bankNo : "missing");
        ends = 0;
        if (bankNo)
            Installation::write(inst.bank("288899.rar"), {QLatin1String(bankNo)});
        else
            QFile::remove(inst.bank("288899.rar"));
        Installation::write(inst.folder() + "/tessaly.txt", {"1"});
        start();
        EXPECT_EQ(ends, 1);
        EXPECT_FALSE(home().isLoaded());
        EXPECT_TRUE(home().endedAtLoad);
        EXPECT_FALSE(Installation::exists(inst.bank("288897.rar")));
        EXPECT_FALSE(Installation::exists(inst.ksdata("288893.rar")));
        EXPECT_TRUE(fakes.shell.started.isEmpty());
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
}

TEST_F(Start, ALockThatCannotBeWrittenIsNoSecondCopy)
{
    // The lock file's name taken by a folder: no copy runs, so the trainer starts without the
    // message of a second copy, and holds the lock on the folder against the next one.
    const QString lockFile = platform::app::InstanceLock(platform::app::exeName()).fileName();
    platform::app::releaseInstanceLock();
    ASSERT_TRUE(QDir().mkpath(lockFile));
    start();
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_TRUE(home().Visible());
    platform::app::InstanceLock second(platform::app::exeName());
    EXPECT_FALSE(second.tryLock());
    EXPECT_TRUE(second.heldByAnother());
    QDir(lockFile).removeRecursively();
}

TEST_F(Start, ASecondCopyShowsThePreviousInstanceMessageAndEnds)
{
    platform::app::InstanceLock running(platform::app::exeName());
    ASSERT_TRUE(running.tryLock());
    boxes.expect(
        platform::vbOK,
        QStringLiteral("考试练习系统已在运行。如果你没有找到，请关闭其它窗口和程序，或者注销或重启。"),
        QStringLiteral("系统提示"), platform::vbOKOnly + platform::vbInformation);
    start();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(Forms::instance<FrmStart>().isLoaded());
    EXPECT_FALSE(Forms::isLoaded<FrmFengmian>());
    // Nothing of the start-up ran.
    EXPECT_EQ(Installation::read(inst.bank("288892.rar")), QStringList{QStringLiteral("0")});
    EXPECT_EQ(fakes.settings.writes, 0);
}

TEST_F(Start, MissingOrBrokenModuleInformationEndsWithAClearMessage)
{
    struct Case {
        const char* what;
        std::function<void()> breakIt;
        QString prompt;
    };
    const Case cases[] = {
        {"no ver.txt", [&] { QFile::remove(inst.folder() + "/ver.txt"); },
         QStringLiteral("找不到模块信息文件“ver.txt”")},
        {"a bad character code",
         [&] {
             Installation::write(inst.folder() + "/ver.txt", {"200065", "500000"});
         },
         QStringLiteral("模块信息文件“ver.txt”已损坏（第2行）")},
        {"41 lines", [&] { Installation::write(inst.folder() + "/ver.txt", QStringList(41, "200065")); },
         QStringLiteral("超过40行")},
        {"an empty ver.txt", [&] { Installation::write(inst.folder() + "/ver.txt", {}); },
         QStringLiteral("模块信息文件“ver.txt”是空的")},
        {"a ver.txt of blank lines",
         [&] {
             Installation::write(inst.folder() + "/ver.txt", {"", "  "});
         },
         QStringLiteral("模块信息文件“ver.txt”是空的")},
        {"no start flag", [&] { QFile::remove(inst.bank("288892.rar")); }, QStringLiteral("“288892.rar”")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        inst.writeVer(Installation::standardVer());
        Installation::write(inst.bank("288892.rar"), {"0"});
        c.breakIt();
        ends = 0;
        boxes.expect(platform::vbOK, c.prompt, QStringLiteral("系统提示"),
                     platform::vbOKOnly + platform::vbCritical);
        start();
        EXPECT_EQ(ends, 1);
        EXPECT_NE(platform::app::lastEndCode(), 0); // a failed start is not a normal end
        EXPECT_FALSE(Forms::isLoaded<FrmFengmian>());
        EXPECT_FALSE(Installation::exists(inst.bank("288897.rar")));
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
    }
}

TEST_F(Start, TheCheckerStartsEveryTenthStartWhileTheFlagIsOne)
{
    Installation::write(inst.folder() + "/tessaly.txt", {"1"});
    Installation::write(inst.bank("288897.rar"), {"9"});
    start();
    EXPECT_EQ(Installation::read(inst.bank("288897.rar")), QStringList{"10"});
    EXPECT_TRUE(fakes.shell.started.isEmpty());
    Forms::destroyAll();
    platform::app::releaseInstanceLock();

    start();
    EXPECT_EQ(Installation::read(inst.bank("288897.rar")), QStringList{"11"});
    ASSERT_EQ(fakes.shell.started.size(), 1);
    EXPECT_EQ(fakes.shell.started[0], (platform::FakeShell::Started{inst.folder() + "/tessaly.exe", {}}));
}

TEST_F(Start, LaunchRuleTable)
{
    struct Case {
        std::optional<QString> counter; // nothing: no file
        std::optional<QString> flag;
        QString after;
        bool starts;
    };
    const Case cases[] = {
        {std::nullopt, "1", "1", true},
        {"9", "1", "10", false},
        {"10", "1", "11", true},
        {"32767", "1", "32767", false}, // the 16-bit count stops: the line is kept as read
        {" 32767.2 times", "1", " 32767.2 times", false},
        {"32766", "1", "32767", false},
        {"0", "1", "1", true},
        {"40000", "1", "1", true}, // beyond 16 bits: 0
        {"abc", "1", "1", true},
        {"-10", "1", "-9", true},
        {" 19.5", "1", "21", true}, // rounded half to even: 20
        {"30", " 1 ", "31", true},
        {"30", "0", "31", false},
        {"30", "2", "31", false},
        {"30", "", "31", false},
        {"30", std::nullopt, "31", false},
    };
    common::drill().dataPath = inst.folder() + "/tiku/";
    FrmStart& splash = Forms::instance<FrmStart>();
    for (const Case& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1 / %2").arg(c.counter.value_or("-"), c.flag.value_or("-")).toStdString());
        QFile::remove(inst.bank("288897.rar"));
        QFile::remove(inst.folder() + "/tessaly.txt");
        if (c.counter) Installation::write(inst.bank("288897.rar"), {*c.counter});
        if (c.flag) Installation::write(inst.folder() + "/tessaly.txt", {*c.flag});
        fakes.shell.started.clear();
        splash.TessalyExe();
        EXPECT_EQ(Installation::read(inst.bank("288897.rar")), QStringList{c.after});
        EXPECT_EQ(fakes.shell.started.size(), c.starts ? 1 : 0);
    }
    // A counter whose bytes are not text counts as 0 and is written anew: the checker starts
    // once, not at every start.
    Installation::write(inst.folder() + "/tessaly.txt", {"1"});
    {
        QFile bad(inst.bank("288897.rar"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bad.write("\x81\xff\r\n");
    }
    fakes.shell.started.clear();
    splash.TessalyExe();
    EXPECT_EQ(Installation::read(inst.bank("288897.rar")), QStringList{"1"});
    splash.TessalyExe();
    EXPECT_EQ(Installation::read(inst.bank("288897.rar")), QStringList{"2"});
    EXPECT_EQ(fakes.shell.started.size(), 1);

    // A checker that cannot be started is not reported.
    fakes.shell.started.clear();
    Installation::write(inst.bank("288897.rar"), {"20"});
    Installation::write(inst.folder() + "/tessaly.txt", {"1"});
    fakes.shell.startResult = false;
    splash.TessalyExe();
    EXPECT_EQ(fakes.shell.started.size(), 1);
    EXPECT_TRUE(boxes.seen().isEmpty());
}

TEST_F(Start, LayoutKeepsPixelsAtAnotherScreenScale)
{
    platform::setTwipsPerPixel(12, 12);
    FrmStart& splash = Forms::instance<FrmStart>();
    splash.Show();
    EXPECT_DOUBLE_EQ(splash.Width(), 5280);
    EXPECT_DOUBLE_EQ(splash.Height(), 1188);
    time.advance(100);
    FrmFengmian& h = home();
    EXPECT_DOUBLE_EQ(common::scaleX(), 0.8);
    EXPECT_DOUBLE_EQ(h.Width(), 9600);
    EXPECT_DOUBLE_EQ(h.ImgUnit(0).Left(), 384);
    EXPECT_DOUBLE_EQ(h.ImgUnit(0).Top(), 96);
    EXPECT_DOUBLE_EQ(h.ImgUnit(4).Left(), 384 + 2976);
    EXPECT_DOUBLE_EQ(h.ImgUnit(4).Top(), 96 + 864);
    EXPECT_DOUBLE_EQ(h.ShapeKm(5).Width(), 2655 * 0.8);
    EXPECT_DOUBLE_EQ(h.ShapeKm(5).Height(), 765 * 0.8);
    EXPECT_DOUBLE_EQ(h.LblKmLj(5).Left(), h.ShapeKm(5).Left());
    // Pictures and the update frame keep their design size; the tiles' click areas are scaled.
    EXPECT_DOUBLE_EQ(h.ImgTiKu.Width(), 150 * 12);
    EXPECT_DOUBLE_EQ(h.LblTiKu.Width(), 1800);
    EXPECT_DOUBLE_EQ(h.LblTiKu.Height(), 1800);
    EXPECT_DOUBLE_EQ(h.CmdExit.Width(), 1335);
    EXPECT_DOUBLE_EQ(h.LblExit.Left(), h.Shape2.Left() + (1335 - 960) / 2.0);
    EXPECT_DOUBLE_EQ(h.LblClose.Width(), 48 * 12);
    EXPECT_DOUBLE_EQ(h.LblPro(1).FontSize(), 8);
}

// The install values written to a damaged settings file repair it; only a store that cannot be
// written is worth a word, and the start goes on either way.
TEST_F(Start, InstallValuesRepairADamagedSettingsFileAndAFailedWriteIsTold)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("registry.ini"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Software\\Microsoft]\nProPath03=/opt/word\nno equals sign here\n");
    }
    platform::FileSettingsStore store(file);
    platform::setSettings(&store);
    start();
    platform::setSettings(&fakes.settings);
    EXPECT_TRUE(home().Visible());
    EXPECT_TRUE(boxes.seen().isEmpty());
    EXPECT_EQ(store.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath07")),
              QDir::toNativeSeparators(inst.folder()) + QString(72, u'*'));
    EXPECT_EQ(store.read(QStringLiteral("Software\\Microsoft"), QStringLiteral("ProPath03")),
              QStringLiteral("/opt/word"));

    Forms::instance<FrmFengmian>().Unload();
    fakes.settings.failWrites = true;
    boxes.expect(platform::vbOK, QStringLiteral("无法写入设置文件"), std::nullopt,
                 platform::vbOKOnly + platform::vbExclamation);
    start();
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(boxes.seen().size(), 1); // once for both values
    EXPECT_TRUE(home().Visible());
}
