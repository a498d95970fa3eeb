#pragma once
// The home screen: the module's title and versions, the two large tiles that open the unit panel
// and the exam-set panel, the cards that launch unit practice, mock exams and error reviews, the
// information pages, the web links, the update button and the exit question. It is loaded afresh
// at every showing (the start-up hand-over and the end of every drill) and unloads itself before
// a drill starts.
//
// Members are declared back to front: within a container the control created first lies lowest.
#include <QString>
#include <array>

#include "platform/controls.h"
#include "platform/form.h"

namespace home {

class FrmFengmian final : public platform::Form {
public:
    FrmFengmian();

    // The form, back to front.
    platform::Label LblKmMc1{this, QStringLiteral("LblKmMc1")};
    platform::Image ImgTiKu{this, QStringLiteral("ImgTiKu")};
    platform::Image ImgKaCH{this, QStringLiteral("ImgKaCH")};
    platform::Shape Shape2{this, QStringLiteral("Shape2")};
    platform::Label LblExit{this, QStringLiteral("LblExit")};
    platform::Label CmdExit{this, QStringLiteral("CmdExit")};
    platform::Label LblKmMc{this, QStringLiteral("LblKmMc")};
    platform::Image ImgTiKu1{this, QStringLiteral("ImgTiKu1")};
    platform::Image ImgTiKu2{this, QStringLiteral("ImgTiKu2")};
    platform::Image ImgKaCH1{this, QStringLiteral("ImgKaCH1")};
    platform::Image ImgKaCH2{this, QStringLiteral("ImgKaCH2")};
    platform::Label LblTiKu{this, QStringLiteral("LblTiKu")};
    platform::Label LblKaCH{this, QStringLiteral("LblKaCH")};
    platform::Label LblWeb1{this, QStringLiteral("LblWeb1")};
    platform::Label LblQQ1{this, QStringLiteral("LblQQ1")};
    platform::Label LblAbout{this, QStringLiteral("LblAbout")};
    platform::Label LblCaption{this, QStringLiteral("LblCaption")};
    platform::Image ImgClose{this, QStringLiteral("ImgClose")};
    platform::Label LblClose{this, QStringLiteral("LblClose")};
    platform::Label LblQQ2{this, QStringLiteral("LblQQ2")};
    platform::Label LblWeb2{this, QStringLiteral("LblWeb2")};
    platform::LabelArray LblPro{this, QStringLiteral("LblPro")}; // 1-4

    // The three panels over the same area; at most one is shown.
    platform::PictureBox PicTiKu{this, QStringLiteral("PicTiKu")};
    platform::PictureBox PicKaCH{this, QStringLiteral("PicKaCH")};
    platform::PictureBox PicPro{this, QStringLiteral("PicPro")};

    // The unit panel PicTiKu: 21 cards (0-20), back to front.
    platform::ImageArray ImgUnit{this, QStringLiteral("ImgUnit")};
    platform::Image ImgJinRuXXM{this, QStringLiteral("ImgJinRuXXM")};
    platform::Image ImgJinRuXXD{this, QStringLiteral("ImgJinRuXXD")};
    platform::Label LblFanHui1{this, QStringLiteral("LblFanHui1")};
    platform::Label LblExit1{this, QStringLiteral("LblExit1")};
    platform::LabelArray LblUnitNo{this, QStringLiteral("LblUnitNo")};
    platform::LabelArray LblUnintSL{this, QStringLiteral("LblUnintSL")};
    platform::LabelArray LblUnitWei{this, QStringLiteral("LblUnitWei")};
    platform::LabelArray LblJinRuXX{this, QStringLiteral("LblJinRuXX")};

    // The exam-set panel PicKaCH: 14 cards (0-13), back to front.
    platform::ImageArray ImgShiJuan{this, QStringLiteral("ImgShiJuan")};
    platform::Image ImgStartKsM{this, QStringLiteral("ImgStartKsM")};
    platform::Image ImgStartKsD{this, QStringLiteral("ImgStartKsD")};
    platform::Label LblExit2{this, QStringLiteral("LblExit2")};
    platform::Label LblFanHui2{this, QStringLiteral("LblFanHui2")};
    platform::LabelArray LblShiJuanNo{this, QStringLiteral("LblShiJuanNo")};
    platform::LabelArray LblKSInFo{this, QStringLiteral("LblKSInFo")};
    platform::LabelArray LblStartKs{this, QStringLiteral("LblStartKs")};
    platform::LabelArray LblErr{this, QStringLiteral("LblErr")};

    // The information-page panel PicPro: the sibling-module catalogue (0-18) and the page buttons.
    platform::ShapeArray ShapeKm{this, QStringLiteral("ShapeKm")};
    platform::LabelArray LblKmLj{this, QStringLiteral("LblKmLj")};
    platform::Label LblLast{this, QStringLiteral("LblLast")};
    platform::Label LblNext{this, QStringLiteral("LblNext")};

    // Form variables (they survive unloading, as the platform's default form instances do).
    int proPage = 0;          // the information page shown, 1-17; 0 at every load
    bool endedAtLoad = false; // the last load ended the program (question bank of another module)

    // The sibling-module catalogue (frm_fengmian_catalogue.cpp): per slot, the program to start
    // (installed) or the download id (not installed), as the last judgement left it.
    std::array<QString, 19> kmLink;
    void kmSetupYN();

    // Procedures.
    void readInfo();
    void LoadProPic();
    void InitShiTI();

    // The web and messenger addresses of the four links.
    static const QString Web1Address, Web2Address, QQ1Address, QQ2Address;

protected:
    void design() override;
    void Form_Load() override;

private:
    // Loading (frm_fengmian_load.cpp).
    void layoutTitleArea();
    void layoutScreen();
    void loadCards();

    // The view switches, information pages, links and exit (frm_fengmian_panels.cpp).
    void LblTiKu_Click();
    void LblKaCH_Click();
    void LblFanHui1_Click();
    void LblFanHui2_Click();
    void LblTiKu_MouseMove();
    void LblTiKu_MouseDown();
    void LblKaCH_MouseMove();
    void LblKaCH_MouseDown();
    void LblPro_Click(int index);
    void LblPro_MouseMove(int index);
    void LblPro_MouseDown(int index);
    void LblLast_Click();
    void LblNext_Click();
    void LblAbout_Click();
    void CmdExit_Click();
    void CmdExit_MouseMove();
    void LblWeb1_Click();
    void LblWeb2_Click();
    void LblQQ1_Click();
    void LblQQ2_Click();
    void LblClose_Click();
    void LblClose_MouseMove();
    void LblExit1_Click();
    void LblExit2_Click();
    void LblCaption_MouseDown(int button);
    void LblKmLj_Click(int index);
    void Form_MouseMove();
    void Form_MouseDown(int button);

    // The drill launchers and the looks of the card buttons (frm_fengmian_launch.cpp).
    void LblJinRuXX_Click(int index);
    void LblStartKs_Click(int index);
    void LblErr_Click(int index);
    void LblJinRuXX_MouseMove(int index);
    void LblJinRuXX_MouseDown(int index);
    void LblStartKs_MouseMove(int index);
    void LblStartKs_MouseDown(int index);
    void PicTiKu_MouseMove();
    void PicKaCH_MouseMove();
};

// The exit question of the trainer: true when the candidate answers Yes.
bool askExit();

} // namespace home
