// The panel as a window: dragged by its title strip, shrunk to a small box and restored, and
// handing the keyboard back to the candidate's desktop whenever its text is clicked or a key is
// let go over it; and the illustration button.
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "drill/frm_picture.h"
#include "drill/frm_tm.h"

using namespace platform;

void FrmTm::wireWindow()
{
    LblMove.onMouseDown = [this](int b, int, double, double) { LblMove_MouseDown(b); };
    Label2.onMouseDown = [this](int b, int, double, double) { Label2_MouseDown(b); };
    FrmZXH.onMouseDown = [this](int b, int, double, double) { FrmZXH_MouseDown(b); };
    LblZXH.onClick = [this] { LblZXH_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command2.onMouseMove = [this](int, int, double, double) { Command2.setBorderStyle(1); };
    FrmZXH.onMouseMove = [this](int, int, double, double) { Command2.setBorderStyle(0); };
    LblZXH.onMouseMove = [this](int, int, double, double) { ImgZXH.setVisible(true); };
    onMouseMove = [this](int, int, double, double) { ImgZXH.setVisible(false); };
    LblMove.onMouseMove = [this](int, int, double, double) {
        ImgZXH.setVisible(false);
        parkButtonLooks();
    };
    PicUnit.onMouseUp = [this](int, int, double, double) { parkButtonLooks(); };
    PTime.onMouseMove = [this](int, int, double, double) { parkButtonLooks(); };
    RtbTM.onMouseMove = [this](int, int, double, double) {
        RtbTM.setSelLength(0);
        parkButtonLooks();
    };
    RtbTM.onDblClick = [this] { RtbTM.setSelLength(0); };
    RtbTM.onKeyPress = [this](int&) { RtbTM.setSelLength(0); };
    RtbTM.onMouseDown = [this](int, int, double, double) { RtbTM.setSelLength(0); };
    RtbTM.onMouseUp = [this](int, int, double, double) { RtbTM.setSelLength(0); };
    RtbTM.onClick = [this] {
        RtbTM.setSelLength(0);
        showDesktopNormal();
    };
    RtbTM.onKeyUp = [this](int&, int) {
        RtbTM.setSelLength(0);
        showDesktopNormal();
    };
    onKeyUp = [this](int&, int) { showDesktopNormal(); };
    PicUnit.onKeyUp = [this](int&, int) { showDesktopNormal(); };
    Image2.onClick = [this] { Image2_Click(); };
    LblIME.onClick = [this] { LblIME_Click(); };
    mEng.onClick = [this] { imePick(0); };
    for (int k = 1; k <= 10; ++k)
        imeEntry(k).onClick = [this, k] { imePick(k); };
}

void FrmTm::parkButtonLooks()
{
    ImgDown.setLeft(6000 * common::scaleX());
    ImgMove.setLeft(6030 * common::scaleX());
}

void FrmTm::LblMove_MouseDown(int button)
{
    if (button == vbLeftButton) beginMoveByPointer();
    showDesktopNormal();
}

void FrmTm::Label2_MouseDown(int button)
{
    if (button == vbLeftButton) beginMoveByPointer();
    Command2.setBorderStyle(0);
    showDesktopNormal();
}

void FrmTm::FrmZXH_MouseDown(int button)
{
    if (button == vbLeftButton) beginMoveByPointer();
    Command2.setBorderStyle(0);
}

void FrmTm::LblZXH_Click()
{
    setWidth(FrmZXH.Width());
    setHeight(FrmZXH.Height());
    setLeft(2700 * common::scaleX() - Width());
    setTop(8550 * common::scaleY() - Height());
    FrmZXH.setVisible(true);
}

void FrmTm::Command2_Click()
{
    showDesktopNormal();
    const FrmMain& desk = form<FrmMain>();
    setWidth(4980 * common::scaleX());
    setHeight(3630 * common::scaleY());
    setLeft(desk.Left() + desk.Width() - Width());
    setTop(desk.Top() + desk.Height() - Height());
    FrmZXH.setVisible(false);
}

void FrmTm::Image2_Click()
{
    drill::FrmPicture& viewer = form<drill::FrmPicture>();
    if (Image2.Caption() == QStringLiteral("显示图片")) {
        viewer.Show();
        viewer.Timer1.setEnabled(true);
        Image2.setCaption(QStringLiteral("隐藏图片"));
    } else {
        viewer.setVisible(false);
        Image2.setCaption(QStringLiteral("显示图片"));
    }
}
