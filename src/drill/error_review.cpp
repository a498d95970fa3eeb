#include "drill/error_review.h"

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "drill/bank_files.h"
#include "drill/exam_clock.h"
#include "drill/frm_chengji.h"
#include "drill/panel_link.h"
#include "drill/progress_files.h"
#include "platform/msgbox.h"

using namespace platform;

namespace drill {

namespace {

// A review that cannot start: the candidate is told why, and the drill state is the exam set's
// again.
bool refuse(ReviewFrom from, int examSet, const QString& why)
{
    common::drill().setNo = examSet;
    MsgBox(why, vbOKOnly + vbExclamation);
    if (from == ReviewFrom::Results) leaveResults();
    return false;
}

} // namespace

QString noWrongAnswersText()
{
    return QStringLiteral("本套试题没有生成错题！\r\n你可能是还没有做本套试题，或者上次得分为0。\r\n"
                          "请点“开始考试”做本套试题。");
}

bool startErrorReview(ReviewFrom from, Form& caller, const std::optional<QString>& computed)
{
    auto& d = common::drill();
    const int examSet = d.setNo;
    WrongListRead list;
    if (computed) {
        list.status = common::TextStatus::Ok;
        list.line = *computed;
    } else {
        list = readWrongList(examSet);
    }
    if (list.status != common::TextStatus::Ok && list.status != common::TextStatus::Missing)
        return refuse(from, examSet, unreadableFileText(wrongListPath(examSet)));
    const QString& codes = list.line;
    if (codes.size() < 4) {
        MsgBox(noWrongAnswersText(), vbOKOnly);
        return false;
    }
    const int count =
        from == ReviewFrom::Results ? int(common::roundHalfEven(codes.size() / 4.0)) : int(codes.size() / 4);
    if (count > MaxDrillQuestions)
        return refuse(from, examSet,
                      QStringLiteral("错题记录中的题目超过%1道，无法复习。").arg(MaxDrillQuestions));

    d.tmCount = count;
    d.setNo = bankno::ReviewSet;
    if (Outcome built = copyShiTI(codes, count, bankno::ReviewSet); !built.ok())
        return refuse(from, examSet,
                      built.failure + QStringLiteral("\r\n无法开始错题复习，请检查或重新安装题库。"));

    d.fileBase = 20;
    d.ksMode = common::ModePractice;
    d.setNo = -1;
    d.dataExt = common::defaultDataExt();
    d.txtPath = common::txtPath(d.dataPath, d.dataExt);
    common::setDrillPaths(d);
    d.dqTm = 1;
    d.dqStep = 1;
    d.timeLeft = ExamMinutes;
    if (TmStartResult starts = buildTmStart(); !starts.ok())
        return refuse(from, examSet,
                      starts.failure + QStringLiteral("\r\n无法开始错题复习，请检查或重新安装题库。"));
    d.tmState.fill(0);
    for (int i = 1; i <= count; ++i)
        d.tmDone[i] = QStringLiteral("F");
    if (from == ReviewFrom::Home) caller.Unload();

    const PanelParts p = panel();
    offerQuestions(p, count);
    setReviewCaptions(p);
    showUnitBox(p, true);
    setTitle(p, QStringLiteral("错题复习-"), QString());
    d.dqTm = 1;
    reloadQuestion(p);

    if (from == ReviewFrom::Results) {
        caller.Unload();
        showDesktop();
        if (p.form) p.form->Show();
        dockAtDesktop(p);
        if (p.TimeKS) p.TimeKS->setEnabled(false);
    } else {
        if (p.form) p.form->Show();
        showDesktop();
    }
    return true;
}

} // namespace drill
