#include "home/frm_start.h"

#include <QDir>
#include <QVariant>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "common/trim.h"
#include "home/frm_fengmian.h"
#include "home/home_art.h"
#include "home/home_files.h"
#include "home/km_info.h"
#include "home/mod_zcb.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "platform/services.h"

namespace home {

namespace {

const QString PromptTitle = QStringLiteral("系统提示");

// Ends the program at once, with a non-zero status when it could not start. Where a test
// intercepts the end, the splash closes instead, so nothing of the start-up goes on.
void endStart(platform::Form& splash, int exitCode = 0)
{
    platform::app::end(exitCode);
    splash.Unload();
}

} // namespace

QString tessalyPath()
{
    return common::joinPath(platform::app::path(), QStringLiteral("tessaly.exe"));
}

FrmStart::FrmStart()
    : Form(QStringLiteral("FrmStart"))
{
    Timer1.name = QStringLiteral("Timer1");
    registerTimer(&Timer1);
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FrmStart::design()
{
    setBorderStyle(platform::vbBSNone);
    setCentred(true);
    setShowInTaskbar(false);
    Move(0, 0, 6600, 1485);
    setPicture(art::splash());
}

void FrmStart::Form_Load()
{
    if (platform::app::prevInstance()) {
        platform::MsgBox(
            QStringLiteral("考试练习系统已在运行。如果你没有找到，请关闭其它窗口和程序，或者注销或重启。"),
            platform::vbOKOnly + platform::vbInformation, PromptTitle);
        endStart(*this);
        return;
    }
    common::computeScale();
    if (const QString failure = readInfo(); !failure.isEmpty()) {
        platform::MsgBox(failure, platform::vbOKOnly + platform::vbCritical, PromptTitle);
        endStart(*this, 1);
        return;
    }
    setWidth(6600 * common::scaleX());
    setHeight(1485 * common::scaleX());
    common::drill().reset();
    firstTick = true;
    Timer1.setEnabled(true);
}

QString FrmStart::readInfo()
{
    const InfoLoad info = loadModuleInfo();
    if (!info.ok) return info.failure;
    common::DrillState& d = common::drill();
    platform::app::setTitle(QStringLiteral("QuenmarMerovan ") + d.kmName + QStringLiteral("模块"));

    // The start flag must be there: it tells that the question bank is where ver.txt says.
    const QString flagPath = common::bankFile(d.dataPath, 92);
    const common::TextReadResult flag = common::readTextFile(flagPath);
    const QString shownPath = QDir::toNativeSeparators(flag.path.isEmpty() ? flagPath : flag.path);
    if (flag.lines.isEmpty())
        return QStringLiteral(
                   "题库文件“288892."
                   "rar”缺失、为空或无法读取，考试练习系统无法运行。\r\n请重新安装本系统。\r\n\r\n") +
               shownPath;

    const QString nn = moduleNN(d.kmNo);
    const QString key = QStringLiteral("Software\\Microsoft");
    QVariant value = QDir::toNativeSeparators(platform::app::path()) + QString(72, u'*');
    long count = 0;
    const long pathSaved = ModZCB::setRegValue(ModZCB::HkeyCurrentUser, key, QStringLiteral("ProPath") + nn,
                                               ModZCB::RegSz, value, count);
    value = platform::app::exeName() + QString(36, u'*');
    const long nameSaved = ModZCB::setRegValue(ModZCB::HkeyCurrentUser, key, QStringLiteral("ProName") + nn,
                                               ModZCB::RegSz, value, count);
    // The start goes on without them; only the sibling modules' catalogue misses this module.
    if (pathSaved != ModZCB::ErrorSuccess || nameSaved != ModZCB::ErrorSuccess) {
        const QString where = platform::settings().location();
        platform::MsgBox(QStringLiteral("无法写入设置文件%1，其它模块将找不到本模块的安装位置。")
                             .arg(where.isEmpty()
                                      ? QString()
                                      : QStringLiteral("“%1”").arg(QDir::toNativeSeparators(where))),
                         platform::vbOKOnly + platform::vbExclamation);
    }

    if (common::writeTextFile(flagPath, {QStringLiteral("1")}) != common::WriteStatus::Ok)
        return QStringLiteral("无法写入题库文件“288892."
                              "rar”，考试练习系统无法运行。\r\n请检查题库文件夹是否可写。\r\n\r\n") +
               shownPath;
    return {};
}

void FrmStart::Timer1_Timer()
{
    if (!firstTick) return;
    firstTick = false;
    Timer1.setEnabled(false);
    Unload();
    platform::Forms::instance<FrmFengmian>().Show();
    // The home screen ends the program when the question bank belongs to another module; the
    // start is then not counted.
    if (platform::Forms::instance<FrmFengmian>().endedAtLoad) return;
    TessalyExe();
}

void FrmStart::TessalyExe()
{
    const common::TextReadResult flag =
        common::readTextFile(common::joinPath(platform::app::path(), QStringLiteral("tessaly.txt")));
    const QString counterPath = common::bankFile(common::drill().dataPath, 97);
    const common::TextReadResult counter = common::readTextFile(counterPath);
    const QString line = counter.lines.value(0);
    const int n = common::cint16(common::leadingNumber(line)).value_or(0);
    // A 16-bit count stops at its limit: the line is written back as it was read, and as 32767 is
    // no multiple of ten the checker is not started by this rule any more.
    const QString next = n == 32767 ? line : QString::number(n + 1);
    // The counter is not progress: a damaged one is simply counted again from 0.
    common::writeTextFile(counterPath, {next});
    if (common::trimSpaces(flag.lines.value(0)) == QLatin1String("1") && n % 10 == 0)
        platform::shell().startProgram(tessalyPath());
}

} // namespace home
