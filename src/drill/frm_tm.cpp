// The question panel: construction, design state and wiring.
#include "drill/frm_tm.h"

#include "common/scale.h"
#include "drill/exam_clock.h"
#include "drill/frm_tm_art.h"
#include "drill/frm_tm_end.h"

using namespace platform;

namespace {

void transparent(Label& l)
{
    l.setBackStyle(vbTransparent);
}

void captionLabel(Label& l, const QString& caption)
{
    transparent(l);
    l.setAutoSize(true);
    l.setCaption(caption);
}

} // namespace

FrmTm::FrmTm()
    : Form(QStringLiteral("FrmTm"))
{
    // Stacking order inside each container: first = bottom (windowed controls lie above graphical
    // ones whatever the order).
    for (Control* c : std::initializer_list<Control*>{
             &RtbTM, &PTime, &Image2, &PicUnit, &ImgMove, &ImgDown, &LblTime, &LblName, &LblIME, &CmdPre,
             &CmdNext, &CmdRedo, &CmdBZBT, &CmdSelect, &CmdEnd, &CmdCZTS, &Command1})
        c->setContainer(&FrmZhuYa);
    for (int i = 0; i <= 7; ++i)
        CmdGN.design(i).setContainer(&FrmZhuYa);
    LblTimeJD.setContainer(&PTime);
    LblUnit.setContainer(&PicUnit);
    for (int i = 1; i <= 40; ++i)
        CmTNO.design(i).setContainer(&FrmSelect);
    CmdSelFH.setContainer(&FrmSelect);
    Image1.setContainer(&FrmKSXX);
    for (int k = 0; k <= 5; ++k)
        Label1.design(k).setContainer(&FrmKSXX);
    for (Control* c :
         std::initializer_list<Control*>{&KsName1, &KsZWH1, &KsCC1, &KsDAH1, &KsKM1, &KsSFZ1, &CmdKSFH})
        c->setContainer(&FrmKSXX);
    Label2.setContainer(&FrmZXH);
    Command2.setContainer(&FrmZXH);

    TimeKS.name = QStringLiteral("TimeKS");
    TimerREDO.name = QStringLiteral("TimerREDO");
    TimStartYS.name = QStringLiteral("TimStartYS");
    for (Timer* t : {&TimeKS, &TimerREDO, &TimStartYS})
        registerTimer(t);
    TimeKS.onTimer = [] { drill::TimeKS_Timer(); };
    TimerREDO.onTimer = [this] { TimerREDO_Timer(); };
    TimStartYS.onTimer = [this] { TimStartYS_Timer(); };

    registerMenu(&mIme);
    mIme.setDesign(QStringLiteral("输入法"));
    mEng.setDesign(QStringLiteral("英语（美国）"));
    Menu* chinese[] = {&mCn1, &mCn2, &mCn3, &mCn4, &mCn5, &mCn6, &mCn7, &mCn8, &mCn9, &mCn10};
    for (int k = 1; k <= 10; ++k)
        chinese[k - 1]->setDesign(QStringLiteral("中文%1").arg(k));

    onUnload = [this](int& cancel) {
        if (!noDrill) drill::Form_Unload(cancel);
    };

    CmdPre.onClick = [this] { CmdPre_Click(); };
    CmdNext.onClick = [this] { CmdNext_Click(); };
    CmdRedo.onClick = [this] { CmdRedo_Click(); };
    CmdBZBT.onClick = [this] { CmdBZBT_Click(); };
    CmdSelect.onClick = [this] { CmdSelect_Click(); };
    CmdEnd.onClick = [] { drill::CmdEnd_Click(); };
    CmdCZTS.onClick = [this] { CmdCZTS_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    CmdGN.onClick = [this](int i) { CmdGN_Click(i); };
    CmdGN.onMouseDown = [this](int i, int b, int s, double x, double y) { CmdGN_MouseDown(i, b, s, x, y); };
    CmdGN.onMouseMove = [this](int i, int b, int s, double x, double y) { CmdGN_MouseMove(i, b, s, x, y); };
    CmdGN.onMouseUp = [this](int i, int b, int s, double x, double y) { CmdGN_MouseUp(i, b, s, x, y); };
    CmTNO.onClick = [this](int i) { CmTNO_Click(i); };
    CmdSelFH.onClick = [this] { CmdSelFH_Click(); };
    CmdKSFH.onClick = [this] { CmdKSFH_Click(); };
    // Leaving the buttons for the rest of the main view takes their looks away.
    FrmZhuYa.onMouseMove = [this](int, int, double, double) {
        ImgZXH.setVisible(false);
        parkButtonLooks();
    };
    wireWindow();
}

FrmTm::~FrmTm() = default;

void FrmTm::design()
{
    setBorderStyle(vbBSNone);
    setShowInTaskbar(false);
    Move(0, 0, 4980, 3630);
    setPicture(drill::panelArt::titleStrip());

    FrmZhuYa.Move(0, 450, 4980, 3165);
    FrmZhuYa.setBorderStyle(0);
    FrmZhuYa.setPicture(drill::panelArt::mainView());
    for (Frame* f : {&FrmKSXX, &FrmSelect}) {
        f->Move(0, 450, 4980, 3630);
        f->setBorderStyle(0);
        f->setCaption(QString());
    }
    FrmZXH.Move(0, 0, 810, 870);
    FrmZXH.setBorderStyle(0);
    FrmZXH.setPicture(drill::panelArt::minimisedBox());
    FrmZXH.setVisible(false);
    transparent(Label2);
    Label2.Move(0, 0, 855, 255);
    transparent(Command2);
    Command2.Move(82, 270, 645, 540);

    ImgZXH.Move(3870, 30, 315, 315);
    ImgZXH.setPicture(drill::panelArt::minimiseGlyph());
    ImgZXH.setVisible(false);
    captionLabel(LblBiao, QString());
    LblBiao.Move(510, 90);
    LblBiao.setForeColor(0xFFFFFF);
    LblBiao.setFontName(QStringLiteral("宋体"));
    LblBiao.setFontBold(true);
    transparent(LblMove);
    LblMove.Move(0, 0, 3900, 450);
    transparent(LblZXH);
    LblZXH.Move(3870, 30, 330, 330);
    LblZXH.setToolTipText(QStringLiteral("最小化"));

    designMainView();
    designSelector();
    designCard();
}

void FrmTm::designMainView()
{
    RtbTM.Move(90, 450, 4770, 1815);
    RtbTM.setMultiLine(true);
    RtbTM.setLocked(true);
    RtbTM.setFontName(QStringLiteral("宋体"));
    RtbTM.setFontSize(11);

    LblTime.Move(90, 2760, 1215, 285);
    transparent(LblTime);
    PTime.Move(1365, 2760, 2055, 285);
    PTime.setBorderStyle(0);
    PTime.setBackColor(0xFFFFFF);
    LblTimeJD.Move(0, 0, 0, 255);
    LblTimeJD.setBackStyle(vbOpaque);
    LblTimeJD.setBackColor(0xFF0000);
    LblName.Move(3450, 2760, 735, 285);
    transparent(LblName);
    LblIME.Move(4230, 2760, 615, 285);
    LblIME.setCaption(QStringLiteral("EN"));
    LblIME.setAlignment(vbCenter);
    LblIME.setForeColor(0xFFFFFF);
    LblIME.setBackColor(0xFF0000);
    PicUnit.Move(90, 2760, 4080, 285);
    PicUnit.setBorderStyle(0);
    captionLabel(LblUnit, QStringLiteral("未完成的题目:"));

    Image2.Move(3720, 1800, 1065, 375);
    Image2.setCaption(QStringLiteral("显示图片"));

    for (int i = 0; i <= 7; ++i) {
        transparent(CmdGN(i));
        CmdGN(i).setCaption(QString());
        const bool bottom = i >= 5;
        CmdGN(i).Move(bottom ? 90 + (i - 5) * 1920 : 90 + i * 960, bottom ? 2355 : 15, 945, 360);
    }
    captionLabel(CmdPre, QStringLiteral("上一题"));
    captionLabel(CmdNext, QStringLiteral("下一题"));
    captionLabel(CmdRedo, QStringLiteral("重做本题"));
    captionLabel(CmdBZBT, QStringLiteral("标识本题"));
    captionLabel(CmdSelect, QStringLiteral("选 题"));
    captionLabel(CmdEnd, QStringLiteral("结束练习"));
    captionLabel(CmdCZTS, QStringLiteral("手把手教"));
    captionLabel(Command1, QStringLiteral("操作演示"));

    ImgMove.Move(6030, 15, 945, 360);
    ImgMove.setPicture(drill::panelArt::buttonHover());
    ImgDown.Move(6000, 15, 945, 360);
    ImgDown.setPicture(drill::panelArt::buttonPressed());
}

void FrmTm::designSelector()
{
    for (int i = 1; i <= 40; ++i) {
        CommandButton& b = CmTNO(i);
        b.setStyle(1);
        b.setCaption(QString::number(i));
        b.setBackColor(0x8000000F);
    }
    CmdSelFH.setCaption(QStringLiteral("返回"));
    CmdSelFH.setToolTipText(QStringLiteral("返回"));
    CmdSelFH.Move(1747, 2353, 1215, 375);
}

void FrmTm::designCard()
{
    Image1.Move(120, 120, 1455, 1740);
    Image1.setStretch(true);
    Image1.setPicture(drill::panelArt::photo());
    const char* rows[] = {"姓    名：", "座 位 号：", "场    次：", "档 案 号：", "报考科目：", "身份证号："};
    for (int k = 0; k <= 5; ++k) {
        captionLabel(Label1(k), QString::fromUtf8(rows[k]));
        Label1(k).Move(1680, 120 + 315 * k);
    }
    Label* values[] = {&KsName1, &KsZWH1, &KsCC1, &KsDAH1, &KsKM1, &KsSFZ1};
    for (int k = 0; k <= 5; ++k) {
        captionLabel(*values[k], QString());
        values[k]->Move(2640, 120 + 315 * k);
    }
    CmdKSFH.setCaption(QStringLiteral("返回"));
    CmdKSFH.setToolTipText(QStringLiteral("返回"));
    CmdKSFH.Move(1680, 2400, 1335, 435);
}
