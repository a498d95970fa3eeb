// The step engine: the render's frame and record reading, the advance, the jump and the two
// timers that start renders by themselves.
#include <QStringView>

#include "common/drill_state.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/text_file.h"
#include "desktop/frm_main.h"

namespace {

bool questionInRange(int q)
{
    return q >= 1 && q <= common::DrillVars::MaxQuestions;
}

} // namespace

int FrmMain::stepCount() const
{
    const auto& d = common::drill();
    const int q = d.dqTm;
    if (!questionInRange(q)) return 0;
    const int n = d.tmStart[q + 1] - d.tmStart[q];
    return n > 0 ? n : 0;
}

int FrmMain::clampStep(int step) const
{
    // A question never leaves its own block of records: a jump, the back button or an advance
    // past the end would otherwise reach a neighbour's records (and its terminal record).
    const int n = stepCount();
    if (n > 0 && step > n) step = n;
    return step < 1 ? 1 : step;
}

void FrmMain::setData()
{
    ++renderDepth;
    ++renderCount;
    auto& d = common::drill();
    d.dqStep = clampStep(d.dqStep);

    resetScene();
    readStepRecord();
    parkTabLabels();
    pictures();
    editField();
    hint();
    teachingAids();
    mainTarget();
    tabDialog();
    secondTarget();
    terminalOrFrame();
    overlaysAndList();
    lastFrameRule();
    panes();
    finishRender();

    --renderDepth;
    if (renderDepth > 0) return;
    // Events the render raised, judged now against the record it rendered; once one of them has
    // moved the task on, the others belong to a record that is gone.
    auto pending = std::move(deferred);
    deferred.clear();
    const int rendered = renderCount;
    for (auto& f : pending) {
        if (renderCount != rendered) break;
        f();
    }
}

void FrmMain::afterRender(std::function<void()> f)
{
    if (renderDepth > 0)
        deferred.push_back(std::move(f));
    else
        f();
}

void FrmMain::readStepRecord()
{
    auto& d = common::drill();
    if (!questionInRange(d.dqTm)) return;
    const int first = d.tmStart[d.dqTm];
    const common::TextReadResult file = common::readTextFile(d.stepPath);
    if (file.status != common::TextStatus::Ok && file.status != common::TextStatus::BadEncoding) return;
    // A file that ends before the question's block holds none of its records: the previous record
    // stays, as for a file that cannot be read.
    if (file.lines.isEmpty() || file.lines.size() < first) return;
    if (auto line = common::lineOrLast(file.lines, first + d.dqStep - 1)) d.stepRec = *line;
}

void FrmMain::doNext()
{
    auto& d = common::drill();
    frmCsh();
    menuId = QStringLiteral("00");
    menuRow1 = 0;
    if (common::field(d.stepRec, 8, 4) == QLatin1String("9999")) {
        if (questionInRange(d.dqTm) && d.tmState[d.dqTm] < 4) d.tmState[d.dqTm] += 4;
    } else {
        d.dqStep += 1;
        setData();
    }
    raisePair();
}

void FrmMain::GoStep(const QString& code)
{
    if (code == QLatin1String("0")) return;
    const std::optional<qint16> value = common::FieldNumber(code);
    if (!value) return;
    int n = *value;
    if (n == 0) n = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ").indexOf(code) + 1 + 9;
    common::drill().dqStep = n;
    setData();
}

void FrmMain::Timer2_Timer()
{
    setData();
    Timer2.setEnabled(false);
}

void FrmMain::Timer3_Timer()
{
    const auto& d = common::drill();
    // Only the automatic step the candidate is looking at advances: a hidden desktop, a question
    // load waiting for its first render, or another question or step stops the timer.
    if (!Visible() || Timer2.Enabled() || d.dqTm != autoTm || d.dqStep != autoStep) {
        Timer3.setEnabled(false);
        return;
    }
    if (actCode == 8888) doNext();
}
