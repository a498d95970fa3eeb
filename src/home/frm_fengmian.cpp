// The home screen's controls: where they lie, their design state and the wiring of their events.
#include "home/frm_fengmian.h"

#include "home/home_art.h"
#include "home/home_files.h"

namespace home {

namespace {

constexpr int CatalogueSlots = 19;

// A transparent click area with the home screen's hand pointer.
void hotSpot(platform::Label& l)
{
    l.setBackStyle(platform::vbTransparent);
    l.setMousePointer(99);
    l.setMouseIcon(art::handPointer());
}

// A transparent label that sizes itself to its caption.
void textLabel(platform::Label& l, const QString& fontName = QStringLiteral("宋体"), bool bold = false)
{
    l.setBackStyle(platform::vbTransparent);
    l.setAutoSize(true);
    l.setFontName(fontName);
    l.setFontBold(bold);
}

} // namespace

FrmFengmian::FrmFengmian()
    : Form(QStringLiteral("FrmFengmian"))
{
    for (int i = 1; i <= 4; ++i)
        LblPro.design(i);

    // The unit panel, back to front.
    for (int u = 0; u < UnitCards; ++u)
        ImgUnit.design(u).setContainer(&PicTiKu);
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&ImgJinRuXXM, &ImgJinRuXXD, &LblFanHui1, &LblExit1})
        c->setContainer(&PicTiKu);
    for (platform::LabelArray* a : {&LblUnitNo, &LblUnintSL, &LblUnitWei, &LblJinRuXX})
        for (int u = 0; u < UnitCards; ++u)
            a->design(u).setContainer(&PicTiKu);

    // The exam-set panel, back to front.
    for (int s = 0; s < ExamCards; ++s)
        ImgShiJuan.design(s).setContainer(&PicKaCH);
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&ImgStartKsM, &ImgStartKsD, &LblExit2, &LblFanHui2})
        c->setContainer(&PicKaCH);
    for (platform::LabelArray* a : {&LblShiJuanNo, &LblKSInFo, &LblStartKs, &LblErr})
        for (int s = 0; s < ExamCards; ++s)
            a->design(s).setContainer(&PicKaCH);

    // The information-page panel, back to front.
    for (int i = 0; i < CatalogueSlots; ++i)
        ShapeKm.design(i).setContainer(&PicPro);
    for (int i = 0; i < CatalogueSlots; ++i)
        LblKmLj.design(i).setContainer(&PicPro);
    LblLast.setContainer(&PicPro);
    LblNext.setContainer(&PicPro);

    // Views, pages, links and exit.
    LblTiKu.onClick = [this] { LblTiKu_Click(); };
    LblKaCH.onClick = [this] { LblKaCH_Click(); };
    LblFanHui1.onClick = [this] { LblFanHui1_Click(); };
    LblFanHui2.onClick = [this] { LblFanHui2_Click(); };
    LblTiKu.onMouseMove = [this](int, int, double, double) { LblTiKu_MouseMove(); };
    LblTiKu.onMouseDown = [this](int, int, double, double) { LblTiKu_MouseDown(); };
    LblKaCH.onMouseMove = [this](int, int, double, double) { LblKaCH_MouseMove(); };
    LblKaCH.onMouseDown = [this](int, int, double, double) { LblKaCH_MouseDown(); };
    LblPro.onClick = [this](int i) { LblPro_Click(i); };
    LblPro.onMouseMove = [this](int i, int, int, double, double) { LblPro_MouseMove(i); };
    LblPro.onMouseDown = [this](int i, int, int, double, double) { LblPro_MouseDown(i); };
    LblLast.onClick = [this] { LblLast_Click(); };
    LblNext.onClick = [this] { LblNext_Click(); };
    LblAbout.onClick = [this] { LblAbout_Click(); };
    CmdExit.onClick = [this] { CmdExit_Click(); };
    CmdExit.onMouseMove = [this](int, int, double, double) { CmdExit_MouseMove(); };
    LblWeb1.onClick = [this] { LblWeb1_Click(); };
    LblWeb2.onClick = [this] { LblWeb2_Click(); };
    LblQQ1.onClick = [this] { LblQQ1_Click(); };
    LblQQ2.onClick = [this] { LblQQ2_Click(); };
    LblClose.onClick = [this] { LblClose_Click(); };
    LblClose.onMouseMove = [this](int, int, double, double) { LblClose_MouseMove(); };
    LblExit1.onClick = [this] { LblExit1_Click(); };
    LblExit2.onClick = [this] { LblExit2_Click(); };
    LblCaption.onMouseDown = [this](int button, int, double, double) { LblCaption_MouseDown(button); };
    LblKmLj.onClick = [this](int i) { LblKmLj_Click(i); };
    onMouseMove = [this](int, int, double, double) { Form_MouseMove(); };
    onMouseDown = [this](int button, int, double, double) { Form_MouseDown(button); };

    // Launchers and card looks.
    LblJinRuXX.onClick = [this](int i) { LblJinRuXX_Click(i); };
    LblStartKs.onClick = [this](int i) { LblStartKs_Click(i); };
    LblErr.onClick = [this](int i) { LblErr_Click(i); };
    LblJinRuXX.onMouseMove = [this](int i, int, int, double, double) { LblJinRuXX_MouseMove(i); };
    LblJinRuXX.onMouseDown = [this](int i, int, int, double, double) { LblJinRuXX_MouseDown(i); };
    LblStartKs.onMouseMove = [this](int i, int, int, double, double) { LblStartKs_MouseMove(i); };
    LblStartKs.onMouseDown = [this](int i, int, int, double, double) { LblStartKs_MouseDown(i); };
    PicTiKu.onMouseMove = [this](int, int, double, double) { PicTiKu_MouseMove(); };
    PicKaCH.onMouseMove = [this](int, int, double, double) { PicKaCH_MouseMove(); };
}

void FrmFengmian::design()
{
    setBorderStyle(platform::vbBSNone);
    setCentred(true);
    Move(0, 0, 12000, 9000);
    setPicture(art::background());

    textLabel(LblKmMc1, QStringLiteral("黑体"), true);
    LblKmMc1.setForeColor(0xC0C0C0);
    textLabel(LblKmMc, QStringLiteral("黑体"), true);
    LblKmMc.setForeColor(0xFF);
    textLabel(LblCaption);
    LblCaption.setForeColor(0xB28A4F);

    ImgTiKu.setPicture(art::unitTile(art::Normal));
    ImgTiKu1.setPicture(art::unitTile(art::Hover));
    ImgTiKu2.setPicture(art::unitTile(art::Pressed));
    ImgKaCH.setPicture(art::examTile(art::Normal));
    ImgKaCH1.setPicture(art::examTile(art::Hover));
    ImgKaCH2.setPicture(art::examTile(art::Pressed));
    for (platform::Label* l : {&LblTiKu, &LblKaCH, &LblWeb1, &LblWeb2, &LblQQ1, &LblQQ2, &LblAbout, &CmdExit})
        hotSpot(*l);

    Shape2.setShape(platform::vbShapeRectangle);
    Shape2.Move(0, 0, 1335, 495);
    Shape2.setBorderColor(0xFF8080);
    Shape2.setFillColor(0xFFC0C0);
    Shape2.setFillStyle(platform::vbFSTransparent);
    // A fixed size, centred in the frame: the caption keeps its place whatever the font measures.
    LblExit.setBackStyle(platform::vbTransparent);
    LblExit.setFontName(QStringLiteral("宋体"));
    LblExit.setFontSize(12);
    LblExit.setAlignment(platform::vbCenter);
    LblExit.Move(0, 0, 960, 240);

    ImgClose.setPicture(art::closeHover());
    ImgClose.setVisible(false);
    LblClose.setBackStyle(platform::vbTransparent);

    const QString links[] = {QString(), QStringLiteral("考试简介"), QStringLiteral("考试大纲"),
                             QStringLiteral("使用说明"), QStringLiteral("其它模块")};
    for (int i = 1; i <= 4; ++i) {
        textLabel(LblPro(i));
        hotSpot(LblPro(i));
        LblPro(i).setCaption(links[i]);
    }

    for (platform::PictureBox* p : {&PicTiKu, &PicKaCH, &PicPro}) {
        p->setBorderStyle(0);
        p->setVisible(false);
    }
    PicTiKu.setPicture(art::unitPanel());
    PicKaCH.setPicture(art::examPanel());
    PicPro.setBackColor(0xFFFFFF);

    ImgJinRuXXM.setPicture(art::enterButton(art::Hover));
    ImgJinRuXXD.setPicture(art::enterButton(art::Pressed));
    ImgStartKsM.setPicture(art::startButton(art::Hover));
    ImgStartKsD.setPicture(art::startButton(art::Pressed));
    for (platform::Image* i : {&ImgJinRuXXM, &ImgJinRuXXD, &ImgStartKsM, &ImgStartKsD})
        i->setVisible(false);
    for (platform::Label* l : {&LblFanHui1, &LblExit1, &LblFanHui2, &LblExit2, &LblLast, &LblNext})
        hotSpot(*l);

    for (int u = 0; u < UnitCards; ++u) {
        ImgUnit(u).setPicture(art::unitCard());
        textLabel(LblUnitNo(u), QStringLiteral("宋体"), true);
        textLabel(LblUnintSL(u), QStringLiteral("宋体"), true);
        textLabel(LblUnitWei(u), QStringLiteral("宋体"), true);
        hotSpot(LblJinRuXX(u));
    }
    for (int s = 0; s < ExamCards; ++s) {
        ImgShiJuan(s).setPicture(art::examCard());
        textLabel(LblShiJuanNo(s), QStringLiteral("宋体"), true);
        textLabel(LblKSInFo(s));
        hotSpot(LblStartKs(s));
        textLabel(LblErr(s));
        hotSpot(LblErr(s));
        LblErr(s).setCaption(QStringLiteral("错题复习"));
        LblErr(s).setForeColor(0x808080);
    }

    for (int i = 0; i < CatalogueSlots; ++i) {
        ShapeKm(i).setShape(platform::vbShapeRectangle);
        ShapeKm(i).setBorderWidth(1);
        ShapeKm(i).setBorderStyle(platform::vbBSSolid);
        ShapeKm(i).setFillStyle(platform::vbFSTransparent);
        hotSpot(LblKmLj(i));
    }
}

} // namespace home
