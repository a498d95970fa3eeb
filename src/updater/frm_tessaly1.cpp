#include "updater/frm_tessaly1.h"

#include "common/naming.h"
#include "common/text_file.h"
#include "home/km_info.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "updater/version_page.h"

namespace updater {

const QString FrmTessaly1::Checking = QStringLiteral("正在检测新版本，请稍候……");
const QString FrmTessaly1::CannotCheck = QStringLiteral("暂时无法检测新版本，请稍候重试。");
const QString FrmTessaly1::LatestPrefix = QStringLiteral("题库最新版本是：");
const QString FrmTessaly1::UpToDate = QStringLiteral("已是最新版本，无需升级");

FrmTessaly1::FrmTessaly1()
    : Form(QStringLiteral("FrmTessaly1"))
{
    Timer1.name = QStringLiteral("Timer1");
    Timer2.name = QStringLiteral("Timer2");
    Timer3.name = QStringLiteral("Timer3");
    for (platform::Timer* t : {&Timer1, &Timer2, &Timer3})
        registerTimer(t);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    // A fetch still on its way ends with the form.
    onUnload = [this](int&) { reply.reset(); };
}

FrmTessaly1::~FrmTessaly1() = default;

void FrmTessaly1::design()
{
    setCaption(QStringLiteral("题库升级"));
    setBorderStyle(platform::vbFixedSingle);
    setCentred(true);
    setStayOnTop(true);
    Move(0, 0, 6675, 2670);

    for (platform::Label* l : {&Label4, &Label3, &LblVer, &Label1, &Label2}) {
        l->setBackStyle(platform::vbTransparent);
        l->setAutoSize(l != &LblVer);
        // Versions come from files and the web: an "&" in them is shown, not taken for a key.
        l->setUseMnemonic(false);
    }
    Label4.setFontName(QStringLiteral("宋体"));
    Label4.setFontSize(12);
    Label4.setCaption(QStringLiteral("模块名称"));
    Label4.Move(240, 120);
    Label3.setCaption(QStringLiteral("当前题库版本是："));
    Label3.Move(360, 720);
    LblVer.setCaption(QStringLiteral("11111"));
    LblVer.Move(1800, 720, 1935, 255);
    Label1.setCaption(LatestPrefix);
    Label1.Move(360, 1080);
    Label2.setCaption(UpToDate);
    Label2.setForeColor(0xFF);
    Label2.setFontName(QStringLiteral("宋体"));
    Label2.setFontSize(15.75);
    Label2.Move(360, 1440);
    Label2.setVisible(false);

    Command2.setCaption(QStringLiteral("马上下载新版本"));
    Command2.Move(720, 1920, 2295, 495);
    Command3.setCaption(QStringLiteral("以后再说"));
    Command3.Move(3720, 1920, 2295, 495);
    for (platform::CommandButton* b : {&Command2, &Command3}) {
        b->setFontName(QStringLiteral("宋体"));
        b->setFontSize(10.5);
        b->setFontBold(true);
        b->setVisible(false);
    }
    Command1.setCaption(QStringLiteral("确定"));
    Command1.Move(3840, 1920, 1815, 495);
}

void FrmTessaly1::Form_Load()
{
    // A second copy ends silently; the first one goes on.
    if (platform::app::prevInstance()) {
        endProgram();
        return;
    }
    pollCount = 0;
    quitTicks = 0;
    Timer3.setEnabled(false);
    if (!readInfo()) {
        endProgram(1);
        return;
    }
    Label3.setCaption(QStringLiteral("当前题库版本是："));
    // No version file shows no local version; the check goes on and offers any published one.
    LblVer.setCaption(common::readTextFile(common::bankFile(dataPath, 95, QStringLiteral(".rar")))
                          .lines.value(0)
                          .trimmed());
    Label4.setCaption(kmTitle);
}

bool FrmTessaly1::readInfo()
{
    const home::KmInfoLoad load = home::loadKmInfo(platform::app::path());
    if (!load.info) {
        // Nothing is checked without the module: no page is asked for while the message waits for
        // the candidate, and nothing ends the program under it.
        for (platform::Timer* t : {&Timer1, &Timer2, &Timer3})
            t->setEnabled(false);
        platform::MsgBox(load.failure, platform::vbOKOnly + platform::vbCritical, QStringLiteral("题库升级"));
        return false;
    }
    kmNo = load.info->kmNo;
    kmName = load.info->kmName;
    kmTitle = load.info->kmTitle;
    dataPath = load.info->dataPath;
    return true;
}

void FrmTessaly1::Timer1_Timer()
{
    reply = platform::webFetcher().start(versionPageAddress(readUpdateSite(), kmNo), MaxPageBytes);
    Timer2.setEnabled(true);
    Timer1.setEnabled(false);
}

void FrmTessaly1::Timer2_Timer()
{
    ++pollCount;
    // Not asked yet, or the answer still on its way; one that has not come within the limit
    // counts as an unusable page.
    if (!reply || reply->state() == platform::WebReply::State::Pending) {
        if (pollCount >= PollLimit) {
            endProgram();
            return;
        }
        Label1.setCaption(Checking);
        return;
    }
    // An error status, no server, a body that is no version: unusable. The program ends without
    // a further word, though not before the sixth tick.
    const bool usable =
        reply->state() == platform::WebReply::State::Done && publishedVersion(reply->text()).has_value();
    if (!usable) {
        Label1.setCaption(CannotCheck);
        if (pollCount > QuietTicks) endProgram();
        return;
    }
    const QString published = reply->text();
    reply.reset();
    Timer2.setEnabled(false);
    // The published text as it stands, blanks and all.
    Label1.setCaption(LatestPrefix + published);
    if (sameVersion(published, LblVer.Caption())) {
        Label2.setCaption(UpToDate);
        Label2.setVisible(true);
        Timer3.setEnabled(true);
        return;
    }
    Command2.setVisible(true);
    Command3.setVisible(true);
    Label2.setCaption(QStringLiteral(" "));
    Label2.setVisible(true);
}

void FrmTessaly1::Timer3_Timer()
{
    ++quitTicks;
    if (quitTicks > 2) endProgram();
}

void FrmTessaly1::Command1_Click()
{
    // The only form: closing it ends the program (a process left behind would also turn every
    // later start away as a second instance).
    endProgram();
}

void FrmTessaly1::Command3_Click()
{
    endProgram();
}

void FrmTessaly1::Command2_Click()
{
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    const UpdateSite site = readUpdateSite();
    const bool opened = platform::shell().open(downloadPageAddress(site, kmNo, kmName));
    platform::MsgBox(QStringLiteral("注意：\r\n"
                                    "1.将要进行下载新版本，请关闭你正在运行的模块，才能成功升级！\r\n"
                                    "2.下载好新版本后，直接双击运行就可以升级。\r\n"
                                    "\r\n"
                                    "你确定要下载新版软件吗？"),
                     platform::vbYesNoCancel + platform::vbInformation, QStringLiteral("请仔细阅读下列说明"));
    if (!opened)
        platform::MsgBox(QStringLiteral("请打开网页 ") + site.host + QStringLiteral(" 进行下载！"),
                         platform::vbOKOnly + platform::vbCritical, QStringLiteral("不能自动打开"));
    endProgram();
}

void FrmTessaly1::endProgram(int exitCode)
{
    reply.reset();
    platform::app::end(exitCode);
    Unload();
}

} // namespace updater
