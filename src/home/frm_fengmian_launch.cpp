// The home screen's drill launchers and the looks of the card buttons. A launcher reads and checks
// every file it needs before the home screen goes away: a candidate who cannot start a drill stays
// on the home screen and is told why.
#include <QDir>
#include <algorithm>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/text_file.h"
#include "common/trim.h"
#include "drill/bank_files.h"
#include "home/frm_fengmian.h"
#include "home/home_files.h"
#include "home/km_info.h"
#include "home/launch.h"
#include "platform/msgbox.h"

namespace home {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

std::optional<UnitLaunch> prepareUnitPractice(int unit, QString* failure)
{
    const common::DrillState& d = common::drill();
    UnitLaunch l;
    l.unit = unit;
    l.dataExt = common::defaultDataExt();
    l.txtPath = common::txtPath(d.dataPath, l.dataExt);
    l.stepPath = common::stepPath(d.dataPath, 20, unit, l.dataExt);
    l.tmPath = common::tmPath(d.dataPath, 20, unit, l.dataExt);

    const common::TextReadResult list = common::readTextFile(l.tmPath);
    const QuestionStarts starts = questionStarts(list.lines);
    if (list.status != common::TextStatus::Ok || starts.questions == 0) {
        *failure =
            QStringLiteral("本单元的题目文件缺失、为空或无法读取，不能开始练习。\r\n\r\n") + shown(l.tmPath);
        return std::nullopt;
    }

    const QString progressPath = unitProgressPath();
    const common::TextReadResult progress = common::readTextFile(progressPath);
    if (!progress.ok() || progress.lines.size() <= unit) {
        *failure = QStringLiteral("本单元的练习进度记录缺失或无法读取，不能开始练习。\r\n\r\n") +
                   shown(progressPath);
        return std::nullopt;
    }
    const QString line = progress.lines.at(unit);
    // A drill holds at most 40 questions.
    l.tmCount = std::min(int(common::trimSpaces(line).size()), MaxQuestions);
    if (l.tmCount == 0) {
        *failure = QStringLiteral("本单元没有题目，不能开始练习。");
        return std::nullopt;
    }
    // A list cut short would start a practice of its first questions only, and the practice's
    // end would then lose the progress of the others.
    if (starts.questions < l.tmCount) {
        *failure = QStringLiteral("本单元的题目文件不完整（练习进度记录有%1道题，题目文件只有%2道），"
                                  "不能开始练习。\r\n\r\n")
                       .arg(l.tmCount)
                       .arg(starts.questions) +
                   shown(l.tmPath);
        return std::nullopt;
    }
    // Every question's block of records must be in the step file before the home screen goes.
    const common::TextReadResult steps = common::readTextFile(l.stepPath);
    if (steps.status != common::TextStatus::Ok) {
        *failure = QStringLiteral("本单元的操作步骤文件缺失、已损坏或不完整，不能开始练习。\r\n\r\n") +
                   shown(l.stepPath);
        return std::nullopt;
    }
    // Counts that do not add up to the step file's records put a question's first step inside a
    // neighbour's block, perhaps on its terminal record: a visit alone would solve it.
    const QStringList questions = drill::listQuestions(list.lines);
    if (!drill::blocksAddUp(questions, steps.lines)) {
        *failure = drill::blocksMismatchText(l.tmPath, questions, l.stepPath, steps.lines) +
                   QStringLiteral("\r\n\r\n本单元不能开始练习。");
        return std::nullopt;
    }
    if (steps.lines.size() < starts.starts.at(l.tmCount) - 1) {
        *failure = QStringLiteral("本单元的操作步骤文件缺失、已损坏或不完整，不能开始练习。\r\n\r\n") +
                   shown(l.stepPath);
        return std::nullopt;
    }
    for (int i = 1; i <= l.tmCount; ++i)
        l.tmDone[i] = line.mid(i - 1, 1);
    for (int k = 0; k < starts.starts.size() && k < common::DrillVars::MaxStarts; ++k)
        l.tmStart[k + 1] = starts.starts.at(k);

    // Missing or unreadable question states count as all 0: nothing visited, marked or solved.
    const common::TextReadResult states = common::readTextFile(unitStatesPath(unit));
    l.tmState = statesFromLine(states.lines.value(0));
    return l;
}

void applyUnitPractice(const UnitLaunch& l)
{
    common::DrillState& d = common::drill();
    d.tmCount = l.tmCount;
    d.fileBase = 20;
    d.ksMode = common::ModePractice;
    d.setNo = l.unit;
    d.dataExt = l.dataExt;
    d.txtPath = l.txtPath;
    common::setDrillPaths(d);
    d.dqTm = 1;
    d.dqStep = 1;
    d.timeLeft = common::ExamMinutes;
    d.tmStart = l.tmStart;
    for (int i = 1; i <= l.tmCount; ++i)
        d.tmDone[i] = l.tmDone[i];
    for (int i = 1; i <= MaxQuestions; ++i)
        d.tmState[i] = l.tmState[i];
}

bool startUnitPractice(int unit, QString* failure, FrmFengmian* home)
{
    const std::optional<UnitLaunch> launch = prepareUnitPractice(unit, failure);
    if (!launch) return false;
    applyUnitPractice(*launch);
    if (home) home->Unload();
    common::drill().dqTm = 1;
    showUnitPractice();
    return true;
}

void FrmFengmian::LblJinRuXX_Click(int index)
{
    // Units 0-19 have bank files of their own; card 20 is never shown.
    if (index < 0 || index >= OfferedUnits) return;
    QString failure;
    if (!startUnitPractice(index, &failure, this))
        platform::MsgBox(failure, platform::vbOKOnly + platform::vbExclamation);
}

void FrmFengmian::LblStartKs_Click(int index)
{
    common::DrillState& d = common::drill();
    d.tmCount = 40;
    d.fileBase = 0;
    d.ksMode = common::ModeExam;
    d.setNo = index;
    showExamLogin(*this);
}

void FrmFengmian::LblErr_Click(int index)
{
    common::DrillState& d = common::drill();
    d.ksMode = common::ModePractice;
    d.dqTm = 1;
    d.setNo = index;
    d.errSetNo = index;
    InitShiTI();
}

void FrmFengmian::InitShiTI()
{
    startErrorReview(*this);
}

void FrmFengmian::LblJinRuXX_MouseMove(int index)
{
    ImgJinRuXXM.Move(LblJinRuXX(index).Left(), LblJinRuXX(index).Top());
    ImgJinRuXXM.setVisible(true);
    ImgJinRuXXD.setVisible(false);
}

void FrmFengmian::LblJinRuXX_MouseDown(int index)
{
    ImgJinRuXXD.Move(LblJinRuXX(index).Left(), LblJinRuXX(index).Top());
    ImgJinRuXXD.setVisible(true);
    ImgJinRuXXM.setVisible(false);
}

void FrmFengmian::LblStartKs_MouseMove(int index)
{
    ImgStartKsM.Move(LblStartKs(index).Left(), LblStartKs(index).Top());
    ImgStartKsM.setVisible(true);
    ImgStartKsD.setVisible(false);
}

void FrmFengmian::LblStartKs_MouseDown(int index)
{
    ImgStartKsD.Move(LblStartKs(index).Left(), LblStartKs(index).Top());
    ImgStartKsD.setVisible(true);
    ImgStartKsM.setVisible(false);
}

void FrmFengmian::PicTiKu_MouseMove()
{
    ImgJinRuXXM.setVisible(false);
    ImgJinRuXXD.setVisible(false);
}

void FrmFengmian::PicKaCH_MouseMove()
{
    ImgStartKsD.setVisible(false);
    ImgStartKsM.setVisible(false);
}

} // namespace home
