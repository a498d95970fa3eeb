#include "drill/frm_chengji.h"

#include <QStringList>
#include <utility>

#include "common/drill_state.h"
#include "common/question_state.h"
#include "common/record.h"
#include "common/scale.h"
#include "drill/bank_files.h"
#include "drill/drill_art.h"
#include "drill/error_review.h"
#include "drill/frm_logon.h"
#include "drill/panel_link.h"
#include "drill/progress_files.h"
#include "platform/msgbox.h"

using namespace platform;

namespace drill {

namespace {

constexpr long Green = 0xFF00;
constexpr long Red = 0xFF;
constexpr double Square = 430;

// The text a question shows: the list line from character 7, or from character 20 when that text
// begins "picture" (its illustration's name comes first).
QString questionText(const QString& listLine)
{
    const QString text = listLine.mid(6);
    return text.startsWith(QLatin1String("picture")) ? listLine.mid(19) : text;
}

} // namespace

FrmChengji::FrmChengji()
    : Form(QStringLiteral("FrmChengji"))
{
    for (Control* c : std::initializer_list<Control*>{&Label1, &Command3, &Command1, &Command2, &Frame1})
        c->setContainer(&Picture1);
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        CmTNO.design(i).setContainer(&Frame1);
    registerTimer(&Timer1);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
}

void FrmChengji::design()
{
    setBorderStyle(vbBSNone);
    setWindowState(vbMaximized);
    setBackColor(0xFEF9F6);
    setCaption(QStringLiteral("考试成绩"));

    Picture1.Move(0, 0, 12000, 9000);
    Picture1.setBorderStyle(0);
    Picture1.setPicture(art::resultsPage());
    Command3.setCaption(QStringLiteral("本次错题复习"));
    Command1.setCaption(QStringLiteral("本次考题复习"));
    Command2.setCaption(QStringLiteral("退出"));
    Label1.setAutoSize(true);
    Label1.setBackStyle(vbTransparent);
    Label1.setFontName(QStringLiteral("宋体"));
    Label1.setFontSize(12);
    Label1.setFontBold(true);
    Label1.setCaption(QString());
    Frame1.setCaption(QString());
    Frame1.setBorderStyle(0);
    Frame1.setEnabled(false);
    CmTNO.forEach([](int, CommandButton& b) {
        b.setStyle(1);
        b.setBackColor(Red);
        b.setCaption(QString());
        b.setToolTipText(QString());
    });
}

void FrmChengji::Form_Load()
{
    auto& d = common::drill();
    const double sx = common::scaleX(), sy = common::scaleY();
    QStringList failures;

    unloadDesktop();
    if (const PanelParts p = loadedPanel()) p.form->Unload(); // refused while the exam's panel is kept
    // The page is a picture of fixed pixels with the controls at scaled places on it: the box
    // keeps to the picture's size, so that centring the box centres the page at any dpi.
    Picture1.Move(0, 0, 12000 * sx, 9000 * sy);
    Command3.setVisible(true);
    Command3.Move(2880 * sx, 4080 * sy, 2175 * sx, 495 * sy);
    Command1.Move(5160 * sx, 4080 * sy, 2175 * sx, 495 * sy);
    Command2.Move(7440 * sx, 4080 * sy, 1095 * sx, 495 * sy);
    for (CommandButton* b : {&Command3, &Command1, &Command2})
        b->setFontSize(12 * sx);
    Label1.Move(5310 * sx, 5040 * sy);
    Frame1.Move(3900 * sx, 5520 * sy);

    // The set's codes name the wrong answers; without them the old list is kept.
    const QString tablePath = bankPath(bankno::SetTable);
    const common::TextReadResult table = common::readTextFile(tablePath);
    const bool haveCodes = table.ok() && table.lines.size() >= d.setNo + 3;
    const QString codes = haveCodes ? table.lines[d.setNo + 2] : QString();
    if (!haveCodes)
        failures << (table.ok() ? QStringLiteral("题库的试卷表中没有第%1套试题。").arg(d.setNo + 1)
                                : readFailureText(table, tablePath));

    const double score = examScore(d.tmState);
    QString wrong;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i) {
        CommandButton& b = CmTNO(i);
        b.setCaption(QString::number(i));
        b.Move(((i - 1) % 10) * Square * sx, ((i - 1) / 10) * Square * sy, Square * sx, Square * sy);
        const bool solved = common::isSolved(d.tmState[i]);
        b.setBackColor(solved ? Green : Red);
        if (!solved) wrong += common::field(codes, 4 * i - 3, 4);
        b.setFontBold(true);
    }
    wrongList.reset();
    if (haveCodes) wrongList = wrong;
    if (haveCodes)
        if (Outcome o = saveWrongList(d.setNo, wrong, common::TextEnding::CrLfAfterEach); !o.ok())
            failures << o.failure;

    Frame1.setWidth(10 * Square * sx + 30 * sx);
    Frame1.setHeight(4 * Square * sy + 30 * sy);
    Frame1.setEnabled(true);
    Label1.setCaption(QStringLiteral("得分：") + scoreText(score) + QStringLiteral("分"));
    if (FrmLogon::seatDisablesReview(d.ksZwh)) Command3.setEnabled(false);

    if (Outcome o = recordExamHistory(d.setNo, d.setCount, d.ksStart, score, platform::clock().now());
        !o.ok())
        failures << o.failure;
    d.ksStart = QStringLiteral("-1"); // recorded once

    const QStringList list = common::readTextFile(d.tmPath).lines;
    for (int i = 1; i <= common::DrillVars::MaxQuestions && i <= list.size(); ++i)
        CmTNO(i).setToolTipText(QStringLiteral("第%1题： ").arg(i) + questionText(list[i - 1]));

    clearVisited(d.tmState);
    if (d.fileBase == 0)
        if (Outcome o = saveStates(examStatesPath(d.setNo), statesLine(d.tmState, false)); !o.ok())
            failures << o.failure;

    // Told over the results, not over an empty screen: the timer's tick comes once it shows. A
    // full disk is told once, however many files it stopped.
    failures.removeDuplicates();
    unsaved = failures.isEmpty() ? QString()
                                 : failures.join(QStringLiteral("\r\n")) +
                                       QStringLiteral("\r\n本次考试的结果没有全部保存。");
}

void FrmChengji::Timer1_Timer()
{
    Picture1.Move((Width() - Picture1.Width()) / 2, (Height() - Picture1.Height()) / 2);
    Timer1.setEnabled(false);
    if (!unsaved.isEmpty()) {
        const QString text = std::exchange(unsaved, QString());
        MsgBox(text, vbOKOnly + vbExclamation);
    }
}

void FrmChengji::Command1_Click()
{
    auto& d = common::drill();
    d.ksMode = common::ModePractice;
    d.canUnload = false;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        d.tmDone[i] = QStringLiteral("F");
    Unload();
    d.errSetNo = d.setNo;

    const PanelParts p = panel();
    setReviewCaptions(p);
    showUnitBox(p, true);
    offerQuestions(p, d.tmCount);
    showDesktop();
    if (p.form) p.form->Show();
    setTitle(p, QStringLiteral("考题复习-"), QString());
    d.dqTm = 1;
    reloadQuestion(p);
    dockAtDesktop(p);
    if (p.TimeKS) p.TimeKS->setEnabled(false);
}

void FrmChengji::Command2_Click()
{
    leaveResults();
}

void FrmChengji::Command3_Click()
{
    auto& d = common::drill();
    d.ksMode = common::ModePractice;
    d.errSetNo = d.setNo;
    InitShiTI();
}

void FrmChengji::InitShiTI()
{
    startErrorReview(ReviewFrom::Results, *this, wrongList);
}

void leaveResults()
{
    unloadDesktop();
    if (Forms::isLoaded<FrmChengji>()) Forms::instance<FrmChengji>().Unload();
    // The finished exam's panel is kept no longer: the next drill creates it afresh.
    common::drill().canUnload = true;
    if (const PanelParts p = loadedPanel()) {
        stopDrillTimers(p);
        p.form->Unload();
    }
    showHomeScreen();
}

} // namespace drill
