// The home screen's views, information pages, links, update button and exit.
#include "common/drill_state.h"
#include "common/naming.h"
#include "home/frm_about.h"
#include "home/frm_fengmian.h"
#include "home/frm_start.h"
#include "home/home_art.h"
#include "platform/app.h"
#include "platform/msgbox.h"
#include "platform/services.h"

namespace home {

namespace {

constexpr int LastPage = 17;
constexpr long LinkIdle = 0xB28A4F;

// The information page's picture: "9l00" & NN & ".rar" in the question-bank folder.
QString pageFile(int page)
{
    return common::joinPath(common::drill().dataPath,
                            QStringLiteral("9l00") + common::twoDigits(page) + QStringLiteral(".rar"));
}

} // namespace

const QString FrmFengmian::Web1Address = QStringLiteral("https://www.ostrel.example/");
const QString FrmFengmian::Web2Address = QStringLiteral("https://bbs.ostrel.example/");
const QString FrmFengmian::QQ1Address = QStringLiteral("tencent://message/?uin=10001&Site=ostrel&Menu=yes");
const QString FrmFengmian::QQ2Address = QStringLiteral("tencent://message/?uin=10002&Site=ostrel&Menu=yes");

bool askExit()
{
    return platform::MsgBox(QStringLiteral("确实要退出考试系统吗？"),
                            platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2,
                            QStringLiteral("Ostrel软件")) == platform::vbYes;
}

void FrmFengmian::LblTiKu_Click()
{
    PicTiKu.setVisible(true);
    PicKaCH.setVisible(false);
}

void FrmFengmian::LblKaCH_Click()
{
    PicTiKu.setVisible(false);
    PicKaCH.setVisible(true);
}

void FrmFengmian::LblFanHui1_Click()
{
    PicTiKu.setVisible(false);
    PicKaCH.setVisible(false);
}

void FrmFengmian::LblFanHui2_Click()
{
    LblFanHui1_Click();
}

void FrmFengmian::LblTiKu_MouseMove()
{
    ImgTiKu1.setVisible(true);
    ImgTiKu.setVisible(false);
    ImgTiKu2.setVisible(false);
    ImgKaCH.setVisible(true);
    ImgKaCH1.setVisible(false);
    ImgKaCH2.setVisible(false);
}

void FrmFengmian::LblTiKu_MouseDown()
{
    ImgTiKu2.setVisible(true);
    ImgTiKu.setVisible(false);
    ImgTiKu1.setVisible(false);
    ImgKaCH.setVisible(true);
    ImgKaCH1.setVisible(false);
    ImgKaCH2.setVisible(false);
}

void FrmFengmian::LblKaCH_MouseMove()
{
    ImgKaCH1.setVisible(true);
    ImgKaCH.setVisible(false);
    ImgKaCH2.setVisible(false);
    ImgTiKu.setVisible(true);
    ImgTiKu1.setVisible(false);
    ImgTiKu2.setVisible(false);
}

void FrmFengmian::LblKaCH_MouseDown()
{
    ImgKaCH2.setVisible(true);
    ImgKaCH.setVisible(false);
    ImgKaCH1.setVisible(false);
    ImgTiKu.setVisible(true);
    ImgTiKu1.setVisible(false);
    ImgTiKu2.setVisible(false);
}

void FrmFengmian::LblPro_Click(int index)
{
    static const int firstPages[] = {0, 1, 9, 13, 17};
    if (index < 1 || index > 4) return;
    proPage = firstPages[index];
    LoadProPic();
    PicPro.setVisible(true);
    PicTiKu.setVisible(false);
    PicKaCH.setVisible(false);
}

void FrmFengmian::LblPro_MouseMove(int index)
{
    for (int i = 1; i <= 4; ++i) {
        LblPro(i).setForeColor(LinkIdle);
        LblPro(i).setFontUnderline(false);
    }
    LblPro(index).setForeColor(0x0);
    LblPro(index).setFontUnderline(true);
}

void FrmFengmian::LblPro_MouseDown(int index)
{
    for (int i = 1; i <= 4; ++i) {
        LblPro(i).setForeColor(LinkIdle);
        LblPro(i).setFontUnderline(false);
    }
    LblPro(index).setForeColor(0xFFFFFF);
}

void FrmFengmian::LoadProPic()
{
    bool catalogue = false;
    if (proPage >= 1 && proPage <= LastPage) {
        const QString file = pageFile(proPage);
        // A page whose picture is missing says so and keeps its page buttons.
        if (!PicPro.LoadPicture(file))
            PicPro.setPicture(art::missingPage(QStringLiteral("9l00") + common::twoDigits(proPage) +
                                               QStringLiteral(".rar")));
        catalogue = proPage == LastPage;
    }
    ShapeKm.forEach([catalogue](int, platform::Shape& s) { s.setVisible(catalogue); });
    LblKmLj.forEach([catalogue](int, platform::Label& l) { l.setVisible(catalogue); });
}

void FrmFengmian::LblLast_Click()
{
    if (proPage > 1) {
        --proPage;
        LoadProPic();
        return;
    }
    platform::MsgBox(QStringLiteral("已经到第一页"));
    PicPro.setVisible(false);
}

void FrmFengmian::LblNext_Click()
{
    if (proPage < LastPage) {
        ++proPage;
        LoadProPic();
        return;
    }
    platform::MsgBox(QStringLiteral("已经到最后一页"));
    PicPro.setVisible(false);
}

void FrmFengmian::LblAbout_Click()
{
    platform::form<FrmAbout>().Show(platform::vbModal);
}

void FrmFengmian::CmdExit_Click()
{
    platform::shell().startProgram(tessalyPath());
}

void FrmFengmian::CmdExit_MouseMove()
{
    Shape2.setFillStyle(platform::vbFSSolid);
}

void FrmFengmian::LblWeb1_Click()
{
    platform::shell().open(Web1Address);
}

void FrmFengmian::LblWeb2_Click()
{
    platform::shell().open(Web2Address);
}

void FrmFengmian::LblQQ1_Click()
{
    platform::shell().open(QQ1Address);
}

void FrmFengmian::LblQQ2_Click()
{
    platform::shell().open(QQ2Address);
}

void FrmFengmian::LblClose_Click()
{
    if (PicPro.Visible()) {
        PicPro.setVisible(false);
        return;
    }
    if (askExit()) {
        platform::app::end();
        return;
    }
    ImgClose.setVisible(false);
}

void FrmFengmian::LblClose_MouseMove()
{
    ImgClose.setVisible(true);
}

void FrmFengmian::LblExit1_Click()
{
    if (askExit()) platform::app::end();
}

void FrmFengmian::LblExit2_Click()
{
    LblExit1_Click();
}

void FrmFengmian::LblCaption_MouseDown(int button)
{
    if (button == platform::vbLeftButton) beginMoveByPointer();
}

void FrmFengmian::Form_MouseMove()
{
    ImgTiKu.setVisible(true);
    ImgKaCH.setVisible(true);
    for (platform::Image* i : {&ImgTiKu1, &ImgKaCH1, &ImgTiKu2, &ImgKaCH2, &ImgClose})
        i->setVisible(false);
    Shape2.setFillStyle(platform::vbFSTransparent);
    for (int i = 1; i <= 4; ++i) {
        LblPro(i).setForeColor(LinkIdle);
        LblPro(i).setFontUnderline(false);
    }
}

void FrmFengmian::Form_MouseDown(int button)
{
    if (button == platform::vbLeftButton) beginMoveByPointer();
}

} // namespace home
