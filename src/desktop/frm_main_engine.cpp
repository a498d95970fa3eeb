// The step engine: the render's frame and record reading, the advance, the jump and the two
// timers that start renders by themselves.
#include <QDir>
#include <QStringView>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/question_state.h"
#include "common/record.h"
#include "desktop/frm_main.h"
#include "platform/msgbox.h"
#include "scene/step_engine.h"
#include "steps/question_block.h"
#include "steps/step.h"
#include "steps/step_file.h"

namespace {

bool questionInRange(int q)
{
    return q >= 1 && q <= common::DrillVars::MaxQuestions;
}

} // namespace

steps::Step FrmMain::step()
{
    return steps::Step(common::drill().stepRec);
}

int FrmMain::stepCount() const
{
    return steps::stepCount(common::drill(), common::drill().dqTm);
}

void FrmMain::setData()
{
    ++renderDepth;
    ++renderCount;
    auto& d = common::drill();
    d.dqStep = steps::clampStep(d, d.dqTm, d.dqStep);

    resetScene();
    if (readStepRecord()) {
        recordNotice.clear();
        scene::renderPhases(*this, step());
    } else {
        noRecord();
    }

    --renderDepth;
    if (renderDepth > 0) return;
    scene::prefetchNextSteps(d.dqTm, d.dqStep);
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

bool FrmMain::readStepRecord()
{
    auto& d = common::drill();
    // Only a record of the question's own block is ever rendered or judged: a file that is
    // missing, damaged or ends before the block gives none, never a record of another question.
    const std::optional<QString> rec = steps::questionRecord(d.dqTm, d.dqStep);
    if (!rec) return false;
    d.stepRec = *rec;
    return true;
}

void FrmMain::noRecord()
{
    auto& d = common::drill();
    d.stepRec.clear();
    actCode = 0;
    Timer3.setEnabled(false);
    // Nothing of an earlier record may stay clickable: the candidate can still move to another
    // question or end the drill from the panel.
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Label1, &Label4, &ImgElse, &Shape1,  &Shape2,   &Shape4,  &Shape6,    &LHelp,  &Text1,
             &Text2,  &Text3,  &LstLA,   &PicLeft, &PicRight, &PicTop,  &PicBottom, &Image1, &Image2,
             &Image3, &Image4, &Image5,  &Image6,  &PicStart, &PicMyPc, &Pic1J,     &Pic2J,  &Pic3J})
        c->setVisible(false);
    raisePair();
    const QString key = recordKey();
    if (recordNotice == key) return;
    recordNotice = key;
    tellDamagedRecord();
}

QString FrmMain::recordKey() const
{
    const auto& d = common::drill();
    return d.stepPath + QLatin1Char('#') + QString::number(d.dqTm);
}

void FrmMain::tellDamagedRecord()
{
    const auto& d = common::drill();
    const QString text = QStringLiteral("第%1题的操作步骤无法读取：文件“%2”缺失、已损坏或不完整。\r\n\r\n"
                                        "本题不能练习，请选择其它题目或结束练习。")
                             .arg(d.dqTm)
                             .arg(QDir::toNativeSeparators(d.stepPath));
    afterRender([text] { platform::MsgBox(text, platform::vbOKOnly + platform::vbExclamation); });
}

void FrmMain::doNext()
{
    auto& d = common::drill();
    frmCsh();
    menuId = QStringLiteral("00");
    menuRow1 = 0;
    if (step().kind() == steps::ActionKind::Terminal) {
        if (questionInRange(d.dqTm)) d.tmState[d.dqTm] = common::solvedState(d.tmState[d.dqTm]);
    } else if (stepCount() == 0 || d.dqStep < stepCount()) {
        // On the block's last record there is nowhere to go: rendering it again would raise its
        // events again (a list step whose answer is already selected would advance forever).
        d.dqStep += 1;
        setData();
    }
    raisePair();
}

void FrmMain::GoStep(const QString& code)
{
    scene::goStep(*this, code);
}

void FrmMain::showStep(int n)
{
    common::drill().dqStep = n;
    setData();
}

void FrmMain::jumpPastBlock()
{
    // The step stays; the candidate is told once per question and step file.
    const QString key = recordKey();
    if (jumpNotices.contains(key)) return;
    jumpNotices.insert(key);
    tellDamagedRecord();
}

// The first render of a question the panel has loaded: its step file is read anew.
void FrmMain::Timer2_Timer()
{
    steps::stepFile().forget();
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
