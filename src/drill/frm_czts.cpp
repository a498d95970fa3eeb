// The exam tips dialog and its answer view.
#include "drill/frm_czts.h"

#include "common/drill_state.h"
#include "drill/panel_link.h"
#include "platform/msgbox.h"

using namespace platform;

namespace drill {

FrmCZTS::FrmCZTS()
    : Form(QStringLiteral("FrmCZTS"))
{
    onClick = [this] { close(); };
    Label2.onClick = [this] { close(); };
    Label3.onClick = [this] { close(); };
    Command1.onClick = [this] { close(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void FrmCZTS::design()
{
    setBorderStyle(vbFixedDialog);
    setCaption(QStringLiteral("操作提示"));
    setCentred(true);
    setStayOnTop(true);
    setShowInTaskbar(false);
    Move(0, 0, 4815, 5130);
    for (Shape* s : {&Shape1, &Shape2}) {
        s->setShape(vbShapeRectangle);
        s->setFillStyle(vbFSTransparent);
    }
    Shape1.setBorderColor(0x808080);
    Shape1.Move(60, 60, 4695, 5010);
    Shape2.setBorderColor(0xFFFFFF);
    Shape2.Move(75, 75, 4695, 5010);

    Label3.setCaption(QStringLiteral("请注意!!!"));
    Label3.Move(240, 360, 1080, 240);
    Label3.setFontName(QStringLiteral("宋体"));
    Label3.setFontSize(12);
    Label3.setForeColor(0xFF0000);
    Label3.setBackStyle(vbTransparent);

    Label2.setCaption(
        QStringLiteral("1.正式考试时不能看答案。\r\n\r\n"
                       "2.如果有不会做的题目，在结束考试后，可以点“本次错题复习”或者“本次考题复习”，"
                       "这时，所有试题都可以查看答案（手把手教和操作演示都可以）。\r\n\r\n"
                       "3.如果你等不及了，可以点“我想立即看答案”。"));
    Label2.Move(240, 840, 4380, 3540);
    Label2.setFontName(QStringLiteral("宋体"));
    Label2.setFontSize(15);
    Label2.setForeColor(0xFF);
    Label2.setWordWrap(true);
    Label2.setBackStyle(vbTransparent);

    Command1.setCaption(QStringLiteral("我先独立完成"));
    Command1.Move(360, 4440, 1815, 375);
    Command2.setCaption(QStringLiteral("我想立即看答案"));
    Command2.Move(2520, 4440, 1815, 375);
}

void FrmCZTS::close()
{
    Unload();
}

void FrmCZTS::Command2_Click()
{
    const int answer = MsgBox(
        QStringLiteral("立即看答案将不能测试您的实际水平，如果你坚持现在看答案，成绩将不记入本次练习记录！"
                       "\r\n您现在就要看答案吗？"),
        vbYesNo, QStringLiteral("不建议您立即看答案"));
    if (answer != vbYes) return;
    auto& d = common::drill();
    d.ksMode = common::ModePractice;
    const PanelParts p = loadedPanel();
    if (p.CmdCZTS) p.CmdCZTS->setCaption(QStringLiteral("手把手教"));
    if (p.Command1) p.Command1->setCaption(QStringLiteral("操作演示"));
    d.canUnload = false;
    d.ksStart = QStringLiteral("-1");
    Unload();
    showDesktop();
    d.ysRun = true;
    if (p.TimStartYS) p.TimStartYS->setEnabled(true);
}

} // namespace drill
