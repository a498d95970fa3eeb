#include "drill/frm_end.h"

#include "common/drill_state.h"
#include "drill/exam_clock.h"
#include "drill/frm_chengji.h"
#include "drill/panel_link.h"

using namespace platform;

namespace drill {

namespace {

const QString HandInFont = QStringLiteral("楷体_GB2312");

template <class T> void unloadIfLoaded()
{
    if (Forms::isLoaded<T>()) Forms::instance<T>().Unload();
}

// Back to the running exam: the panel shows again at the desktop's bottom-right corner.
void resumeExam()
{
    const PanelParts p = loadedPanel();
    if (!p) return;
    dockAtDesktop(p);
    p.form->Show();
}

} // namespace

HandInDialog::HandInDialog(const QString& name)
    : Form(name)
{
    Label1.setContainer(&Frame1);
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    // Closing the dialog by its frame is the same as "继续考试".
    onQueryUnload = [](int&, int mode) {
        if (mode == vbFormControlMenu) resumeExam();
    };
}

void HandInDialog::design()
{
    setCaption(QStringLiteral("重要提示"));
    setBorderStyle(vbFixedDialog);
    setCentred(true);
    setShowInTaskbar(false);
    Move(0, 0, 4410, 2670);
    setBackColor(0xD8E9EB);

    Frame1.Move(90, 60, 4215, 1935);
    Frame1.setCaption(QString());
    Frame1.setBackColor(0xD8E9EB);
    Label1.Move(150, 240, 3855, 1575);
    Label1.setBackStyle(vbTransparent);
    Label1.setWordWrap(true);
    Label1.setFontName(HandInFont);
    Label1.setFontSize(15);
    Label1.setFontBold(true);
    Label1.setForeColor(0xFF);

    for (CommandButton* b : {&Command1, &Command2}) {
        b->setFontName(HandInFont);
        b->setFontSize(10.5);
    }
    Command1.Move(600, 2160, 1335, 420);
    Command1.setCaption(QStringLiteral("交卷"));
    Command2.Move(2400, 2160, 1335, 420);
    Command2.setCaption(QStringLiteral("继续考试"));
}

void HandInDialog::Command2_Click()
{
    Unload();
    resumeExam();
}

FrmEnd1::FrmEnd1()
    : HandInDialog(QStringLiteral("FrmEnd1"))
{}

QString FrmEnd1::message(const States& states)
{
    bool warning = false;
    for (int i = 1; i <= common::DrillVars::MaxQuestions; ++i)
        if (states[i] != 1 && states[i] != 5) warning = true;
    const QString ask = QStringLiteral("您是否确定交卷?");
    return warning ? QStringLiteral("您还有题目未做或仍处于标识状态！\n\n") + ask
                   : QStringLiteral("\n") + ask;
}

void FrmEnd1::Form_Load()
{
    Command1.setTabIndex(0);
    Command2.setTabIndex(1);
    Label1.setCaption(message(common::drill().tmState));
    Command1.SetFocus();
}

void FrmEnd1::Command1_Click()
{
    Unload();
    form<FrmEnd2>().Show(vbModal);
}

FrmEnd2::FrmEnd2()
    : HandInDialog(QStringLiteral("FrmEnd2"))
{}

void FrmEnd2::Form_Load()
{
    // "继续考试" comes first, so Enter goes back to the exam.
    Command2.setTabIndex(0);
    Command1.setTabIndex(1);
    Label1.setCaption(QStringLiteral("按“交卷”后您将退出本场考试，并且不能重新登录!\n\n是否确定交卷?"));
    Command2.SetFocus();
}

void FrmEnd2::Command1_Click()
{
    handIn();
}

void handIn()
{
    detail::setExamRunning(false);
    unloadIfLoaded<FrmEnd2>();
    unloadIfLoaded<FrmEnd1>();
    const PanelParts p = loadedPanel();
    if (p.TimeKS) p.TimeKS->setEnabled(false);
    if (p.form) {
        // During the exam the panel refuses to close; hidden, it never stands over the results.
        p.form->Unload();
        if (p.form->isLoaded()) p.form->setVisible(false);
    }
    unloadDesktop();
    form<FrmChengji>().Show();
}

} // namespace drill
