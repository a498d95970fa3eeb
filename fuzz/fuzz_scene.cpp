// A step record fed to everything that consumes it, on offscreen desktops: the render of the
// candidate's desktop (slots, the pointer field, panes, menus, tab dialog), its judges of clicks, keys
// and typed text, and a demonstration's ticks. The question is the record and a terminal record;
// whatever the record holds, the step stays in the question's block and the question is recorded
// as solved only on a terminal record.
#include <QApplication>
#include <QDirIterator>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/record.h"
#include "common/text_file.h"
#include "demo/frm_yanshi.h"
#include "desktop/frm_main.h"
#include "fuzz_support.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/msgbox.h"

namespace {

struct AnswerEveryBox final : platform::MessageBoxService {
    int ask(const platform::MsgBoxRequest&) override { return platform::vbOK; }
};

platform::ManualClock* clock_ = nullptr;

QString terminalRecord()
{
    QString r(200, QLatin1Char('0'));
    r.replace(7, 4, QStringLiteral("9999"));
    return r;
}

// The sample installation's bank (BRANNOCK_FUZZ_BANK), copied into the scratch folder: its
// pictures, text table and menu files are what the records name.
void copyBank()
{
    const QString from = qEnvironmentVariable("BRANNOCK_FUZZ_BANK");
    fuzz::check(!from.isEmpty(), "BRANNOCK_FUZZ_BANK names the bank folder");
    const QString to = fuzz::scratch() + QStringLiteral("/bank");
    QDir().mkpath(to);
    for (QDirIterator it(from, QDir::Files); it.hasNext();) {
        const QString f = it.next();
        QFile::copy(f, to + QLatin1Char('/') + QFileInfo(f).fileName());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The offscreen platform's notes (it cannot raise windows) would drown the fuzzer's own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the runtime's exit routines would run after the picture cache is gone.
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    static AnswerEveryBox boxes;
    platform::setMessageBoxService(&boxes);
    static platform::ManualClock clock;
    platform::setClock(&clock);
    clock_ = &clock;
    platform::app::setPath(fuzz::scratch());
    copyBank();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const int key = data[0];
    QByteArrayView bytes = fuzz::view(data + 1, size - 1);
    const qsizetype end = bytes.indexOf('\n');
    if (end >= 0) bytes = bytes.first(end);
    if (bytes.size() > 1000) return 0;
    const std::optional<QString> decoded = common::decodeGbk(bytes);
    QString rec = decoded ? *decoded : QString::fromLatin1(bytes);
    rec.remove(QLatin1Char('\r'));

    auto& d = common::drill();
    d.dataPath = fuzz::scratch() + QStringLiteral("/bank/");
    d.dataExt = common::defaultDataExt();
    d.fileBase = 20;
    d.setNo = 0;
    d.stepPath = common::stepPath(d.dataPath, 20, 0);
    d.tmPath = common::tmPath(d.dataPath, 20, 0);
    d.txtPath = common::txtPath(d.dataPath);
    if (common::writeTextFile(d.stepPath, {rec, terminalRecord()}) != common::WriteStatus::Ok) return 0;
    common::writeTextFile(d.tmPath, {QStringLiteral("000102题目")});
    d.tmCount = 1;
    d.tmStart[1] = 1;
    d.tmStart[2] = 3;
    d.dqTm = 1;
    d.dqStep = 1;
    d.tmState[1] = 1;
    d.tmStep[1] = 1;
    d.ysRun = false;
    const bool terminal = common::field(rec, 8, 4) == QLatin1String("9999");
    auto stepInBlock = [&d] { fuzz::check(d.dqStep >= 1 && d.dqStep <= 2, "the step stays in the block"); };
    auto solvedOnlyByTerminal = [&] {
        fuzz::check(!(d.tmState[1] & 4) || terminal || d.dqStep == 2,
                    "a question is solved only on a terminal record");
    };

    FrmMain& f = platform::form<FrmMain>();
    if (!f.Visible()) f.Show();
    f.setData();
    stepInBlock();
    solvedOnlyByTerminal();

    // The judges, with the left button and keys that open no pop-up menu of the system.
    const int keys[] = {13, 9, 27, 32, 37, 38, 46, 65, 112, key};
    for (int k : keys) {
        if (k == 93 || k == 121) continue;
        if (d.dqStep != 1) break;
        f.Form_KeyUp(k, (key >> 4) & 7);
    }
    if (d.dqStep == 1) f.Label1_MouseUp(platform::vbLeftButton, 0, 0, 0);
    if (d.dqStep == 1) f.Label1_DblClick();
    if (d.dqStep == 1) f.Text1_KeyUp(13, 0);
    for (int i = 0; i <= 13 && d.dqStep == 1; ++i)
        f.LblXXK_Click(i);
    for (int slot = 1; slot <= 6 && d.dqStep == 1; ++slot)
        f.Image_Click(slot);
    stepInBlock();
    solvedOnlyByTerminal();
    clock_->advance(1500); // the render tick and an automatic step
    stepInBlock();
    solvedOnlyByTerminal();

    // A demonstration of the question, for a few seconds of its ticks.
    d.dqStep = 1;
    d.tmStep[1] = 1;
    const int stateBefore = d.tmState[1];
    d.ysRun = true;
    FrmYanShi& y = platform::form<FrmYanShi>();
    y.Show();
    for (int t = 0; t < 15 && platform::Forms::isLoaded<FrmYanShi>(); ++t) {
        fuzz::check(y.shownStep() >= 1 && y.shownStep() <= 2, "a demonstration plays the question's own records");
        clock_->advance(100);
    }
    if (platform::Forms::isLoaded<FrmYanShi>()) y.Unload();
    d.ysRun = false;
    // Its end renders the candidate's step 1 again: only a terminal record there may solve.
    fuzz::check(d.tmState[1] == stateBefore || terminal, "a demonstration records nothing as solved");
    stepInBlock();
    // Every input starts on fresh forms, with no timer of an earlier one left to fire, and with
    // the events the last one posted delivered: without an event loop they would pile up, and
    // each post would search a longer queue.
    platform::Forms::destroyAll();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
