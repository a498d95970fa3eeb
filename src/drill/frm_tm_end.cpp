#include "drill/frm_tm_end.h"

#include <QStringList>

#include "common/drill_state.h"
#include "drill/frm_end.h"
#include "drill/panel_link.h"
#include "drill/progress_files.h"
#include "platform/msgbox.h"

using namespace platform;

namespace drill {

namespace {

// Tells the candidate which progress could not be saved.
void reportUnsaved(QStringList failures)
{
    if (failures.isEmpty()) return;
    failures.removeDuplicates(); // a full disk is told once, however many files it stopped
    MsgBox(failures.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n本次的进度没有全部保存。"),
           vbOKOnly + vbExclamation);
}

// The panel and the desktop go; the home screen comes back.
void leaveDrill(const PanelParts& p)
{
    stopDrillTimers(p);
    unloadDesktop();
    if (p.form) p.form->Unload();
    showHomeScreen();
}

void endPractice(const PanelParts& p)
{
    auto& d = common::drill();
    stopDrillTimers(p);
    QStringList failures;

    QString flags;
    for (int i = 1; i <= d.tmCount && i <= common::DrillVars::MaxQuestions; ++i)
        flags += d.tmDone[i];
    if (Outcome o = saveUnitProgress(d.setNo, flags, d.unitCount); !o.ok()) failures << o.failure;

    d.canUnload = true;
    clearVisited(d.tmState);
    if (d.fileBase == 20) {
        const Outcome o = saveStates(unitStatesPath(d.setNo), statesLine(d.tmState, true));
        if (!o.ok()) failures << o.failure;
    }
    reportUnsaved(failures);
    leaveDrill(p);
}

void endExam(const PanelParts& p)
{
    if (p.form) {
        p.form->Move(0, 0);
        p.form->setVisible(false);
    }
    form<FrmEnd1>().Show(vbModal);
}

void endReview(const PanelParts& p)
{
    auto& d = common::drill();
    if (d.setNo == -1) {
        if (p.form) p.form->setVisible(false);
        const int answer =
            MsgBox(QStringLiteral("本次答对的题目要从“错题复习”中去掉吗？\r\n"
                                  "如果你认为掌握的还不太好，建议你点“否”，把它们保留在错题记录中。"),
                   vbYesNo + vbQuestion + vbDefaultButton2);
        if (answer == vbYes) {
            // A list that is gone has nothing to drop; one that cannot be read is left alone.
            const WrongListRead list = readWrongList(d.errSetNo);
            Outcome o;
            if (list.status == common::TextStatus::Ok)
                o = saveWrongList(d.errSetNo, pruneWrongList(list.line, d.tmState),
                                  common::TextEnding::ExtraCrLfAtEnd);
            else if (list.status != common::TextStatus::Missing)
                o = Outcome::fail(unreadableFileText(wrongListPath(d.errSetNo)));
            if (!o.ok()) reportUnsaved({o.failure});
        }
    }
    d.canUnload = true;
    leaveDrill(p);
}

} // namespace

void CmdEnd_Click()
{
    const PanelParts p = panel();
    hideIllustration(p);
    const QString caption = endCaption(p);
    if (caption == QStringLiteral("结束练习"))
        endPractice(p);
    else if (caption == QStringLiteral("结束考试"))
        endExam(p);
    else
        endReview(p);
}

void Form_Unload(int& cancel)
{
    if (!common::drill().canUnload) cancel = 1;
}

} // namespace drill
