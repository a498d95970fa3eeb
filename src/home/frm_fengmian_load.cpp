// The home screen's load: module information, the module check, titles, the layout and the
// cards filled from the set table, the exam history and the unit progress.
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "common/trim.h"
#include "home/frm_fengmian.h"
#include "home/home_files.h"
#include "home/km_info.h"
#include "platform/app.h"

namespace home {

namespace {

double sx()
{
    return common::scaleX();
}
double sy()
{
    return common::scaleY();
}
// A grid value, a whole number of twips.
double whole(double twips)
{
    return common::roundHalfEven(twips);
}

} // namespace

void FrmFengmian::Form_Load()
{
    endedAtLoad = false;
    proPage = 0;
    common::computeScale();
    layoutTitleArea();
    readInfo();
    setWidth(12000 * sx());
    setHeight(9000 * sy());

    common::DrillState& d = common::drill();
    const QString bankVersion = common::readTextFile(common::bankFile(d.dataPath, 95)).lines.value(0);
    // A question bank of another module: the program ends at once, silently.
    const QString bankNo = common::readTextFile(common::bankFile(d.dataPath, 99)).lines.value(0);
    if (common::leadingNumber(bankNo) != d.kmNo) {
        endedAtLoad = true;
        platform::app::end();
        Unload();
        return;
    }

    setCaption(QStringLiteral("QuenmarMerovan——") + d.kmName + QStringLiteral("模块  题库版本：") +
               bankVersion);
    LblKmMc.setCaption(QStringLiteral("── ") + d.kmTitle);
    LblKmMc1.setCaption(LblKmMc.Caption());
    LblCaption.setCaption(QStringLiteral("V%1.%2.%3──")
                              .arg(platform::app::Major)
                              .arg(platform::app::Minor)
                              .arg(platform::app::Revision) +
                          d.kmName + QStringLiteral("模块(题库版本：") + bankVersion + QStringLiteral(")"));
    layoutScreen();
    loadCards();
    kmSetupYN();
}

void FrmFengmian::readInfo()
{
    const InfoLoad info = loadModuleInfo();
    // Unreadable now: the values read at start-up stay, and the unit titles are not set.
    if (!info.ok) return;
    for (int u = 0; u < UnitCards; ++u)
        LblJinRuXX(u).setToolTipText(common::trimSpaces(info.lines.value(u + 4)));
}

void FrmFengmian::layoutTitleArea()
{
    ImgClose.Move(11250 * sx(), 0);
    LblClose.Move(ImgClose.Left(), ImgClose.Top(), ImgClose.Width(), ImgClose.Height());
}

void FrmFengmian::layoutScreen()
{
    LblCaption.Move(4665 * sx(), 135 * sy());
    LblCaption.setFontSize(9 * sx());

    ImgTiKu.setVisible(true);
    ImgKaCH.setVisible(true);
    for (platform::Image* i : {&ImgTiKu1, &ImgKaCH1, &ImgTiKu2, &ImgKaCH2})
        i->setVisible(false);

    PicTiKu.Move(15 * sx(), 420 * sy(), 11970 * sx(), 8175 * sy());
    for (platform::PictureBox* p : {&PicKaCH, &PicPro})
        p->Move(PicTiKu.Left(), PicTiKu.Top(), PicTiKu.Width(), PicTiKu.Height());

    ShapeKm.forEach([](int i, platform::Shape& s) {
        s.setWidth(2655 * sx());
        s.setHeight(765 * sy());
        s.setLeft(360 * sx() + (i % 4) * 2865 * sx());
        s.setTop(990 * sy() + (i / 4) * 1095 * sy());
        s.setBorderColor(0);
    });
    LblKmLj.forEach([this](int i, platform::Label& l) {
        const platform::Shape& s = ShapeKm(i);
        l.Move(s.Left(), s.Top(), s.Width(), s.Height());
    });

    LblKmMc.Move(3600 * sx(), 1440 * sy());
    LblKmMc.setFontSize(21 * sx());
    LblKmMc1.Move(LblKmMc.Left() + 15 * sx(), LblKmMc.Top() + 15 * sy());
    LblKmMc1.setFontSize(21 * sx());

    LblTiKu.Move(2400 * sx(), 2520 * sy(), 2250 * sx(), 2250 * sx());
    for (platform::Image* i : {&ImgTiKu, &ImgTiKu1, &ImgTiKu2})
        i->Move(LblTiKu.Left(), LblTiKu.Top());
    LblKaCH.Move(6900 * sx(), LblTiKu.Top(), 2250 * sx(), 2250 * sx());
    for (platform::Image* i : {&ImgKaCH, &ImgKaCH1, &ImgKaCH2})
        i->Move(LblKaCH.Left(), LblKaCH.Top());

    Shape2.Move(9600 * sx(), 7080 * sy());
    LblExit.Move(Shape2.Left() + (Shape2.Width() - LblExit.Width()) / 2,
                 Shape2.Top() + (Shape2.Height() - LblExit.Height()) / 2);
    CmdExit.Move(Shape2.Left(), Shape2.Top(), Shape2.Width(), Shape2.Height());

    LblWeb1.Move(1620 * sx(), 7230 * sy(), 1395 * sx(), 330 * sy());
    LblWeb2.Move(3075 * sx(), 7230 * sy(), 1395 * sx(), 330 * sy());
    LblQQ1.Move(1620 * sx(), 7830 * sy(), 1395 * sx(), 330 * sy());
    LblQQ2.Move(3075 * sx(), 7830 * sy(), 1395 * sx(), 330 * sy());
    LblAbout.Move(720 * sx(), 6900 * sy(), 2535 * sx(), 375 * sy());

    for (int i = 1; i <= 4; ++i) {
        platform::Label& l = LblPro(i);
        l.setTop(8700 * sy());
        l.setFontSize(10 * sy());
        l.setFontName(QStringLiteral("宋体"));
        l.setForeColor(11700815);
        l.setFontUnderline(false);
        l.setLeft(4230 * sx() + (i + 1) * 1200 * sx());
    }

    LblLast.Move(7320 * sx(), 7620 * sy(), 1635 * sx(), 495 * sy());
    LblNext.Move(9405 * sx(), 7620 * sy(), 1635 * sx(), 495 * sy());
    LblExit.setCaption(QStringLiteral("题库升级"));

    // The unit panel: three cards a row, seven rows. The column pitch follows the vertical factor.
    PicTiKu.setVisible(false);
    ImgJinRuXXM.setVisible(false);
    ImgJinRuXXD.setVisible(false);
    double x0 = whole(480 * sx()), y0 = whole(120 * sy());
    const double rowPitch = whole(1080 * sy());
    double colPitch = whole(3720 * sy());
    LblFanHui1.Move(7320 * sx(), 7650 * sy(), 1620 * sx(), 495 * sy());
    LblExit1.Move(9390 * sx(), 7650 * sy(), 1620 * sx(), 495 * sy());
    for (int u = 0; u < UnitCards; ++u) {
        platform::Image& img = ImgUnit(u);
        img.Move(x0 + (u % 3) * colPitch, y0 + (u / 3) * rowPitch);
        LblUnitNo(u).Move(img.Left() + 450 * sx(), img.Top() + 120 * sy());
        LblUnitNo(u).setCaption((QStringLiteral(" ") + QString::number(u + 1)).right(2));
        LblUnintSL(u).Move(img.Left() + 1020 * sx(), img.Top() + 645 * sy());
        LblUnitWei(u).Move(img.Left() + 2190 * sx(), LblUnintSL(u).Top());
        LblJinRuXX(u).Move(img.Left() + 1635 * sx(), img.Top() + 75 * sy(), 1770 * sx(), 375 * sy());
        LblUnitNo(u).setFontSize(14 * sx());
        LblUnintSL(u).setFontSize(10 * sx());
        LblUnitWei(u).setFontSize(LblUnintSL(u).FontSize());
        LblUnitNo(u).setForeColor(32896);
        LblUnintSL(u).setForeColor(12582912);
        LblUnitWei(u).setForeColor(255);
    }

    // The exam-set panel: two cards a row, seven rows.
    PicKaCH.setVisible(false);
    ImgStartKsM.setVisible(false);
    ImgStartKsD.setVisible(false);
    x0 = whole(390 * sx());
    colPitch = whole(5700 * sy());
    LblFanHui2.Move(7320 * sx(), 7650 * sy(), 1620 * sx(), 495 * sy());
    LblExit2.Move(9390 * sx(), 7650 * sy(), 1620 * sx(), 495 * sy());
    for (int s = 0; s < ExamCards; ++s) {
        platform::Image& img = ImgShiJuan(s);
        img.Move(x0 + (s % 2) * colPitch, y0 + (s / 2) * rowPitch);
        LblShiJuanNo(s).Move(img.Left() + 1470 * sx(), img.Top() + 120 * sy());
        LblShiJuanNo(s).setCaption(QString::number(s + 1));
        LblKSInFo(s).Move(img.Left() + 180 * sx(), img.Top() + 690 * sy());
        LblKSInFo(s).setFontSize(9 * sx());
        LblErr(s).Move(LblKSInFo(s).Left() + 4500 * sx(), LblKSInFo(s).Top());
        LblErr(s).setFontSize(9 * sx());
        LblStartKs(s).Move(img.Left() + 3390 * sx(), img.Top() + 90 * sy(), 1770 * sx(), 375 * sy());
        LblShiJuanNo(s).setFontSize(16 * sx());
        LblShiJuanNo(s).setForeColor(16448);
        LblKSInFo(s).setForeColor(255);
    }
}

void FrmFengmian::loadCards()
{
    common::DrillState& d = common::drill();
    const SetTable table = readSetTable(d.dataPath);
    d.setCount = table.setCount;
    d.unitCount = table.unitCount;

    for (int s = std::max(d.setCount, 0); s < ExamCards; ++s) {
        ImgShiJuan(s).setVisible(false);
        LblShiJuanNo(s).setVisible(false);
        LblKSInFo(s).setVisible(false);
        LblStartKs(s).setVisible(false);
        LblErr(s).setVisible(false);
    }
    // A missing or unreadable history reads as empty entries.
    const QStringList history = firstLines(common::readTextFile(examHistoryPath()), HistoryLines);
    for (int s = 0; s < std::min(d.setCount, ExamCards); ++s)
        LblKSInFo(s).setCaption(historyCaption(history.at(3 * s), history.at(3 * s + 1)));

    // Unit 20 is never offered: its question list would be the answer-text file.
    const int offered = std::clamp(d.unitCount, 0, OfferedUnits);
    for (int u = offered; u < UnitCards; ++u) {
        ImgUnit(u).setVisible(false);
        LblUnitNo(u).setVisible(false);
        LblUnintSL(u).setVisible(false);
        LblUnitWei(u).setVisible(false);
        LblJinRuXX(u).setVisible(false);
    }

    const QString progressPath = unitProgressPath();
    const common::TextReadResult progress = common::readTextFile(progressPath);
    QStringList entries = firstLines(progress, ProgressRead);
    // Without the bank's counts there is nothing to normalise against, and the candidate's
    // progress is kept as it is.
    if (table.countsRead) {
        entries = normaliseProgress(entries, table.unitQuestions);
        QDir().mkpath(QFileInfo(progressPath).absolutePath());
        common::rewriteTextFile(progressPath, progress.status, entries, common::TextEnding::ExtraCrLfAtEnd);
    }
    for (int u = 0; u < offered; ++u) {
        LblUnintSL(u).setCaption(QString::number(common::trimSpaces(entries.at(u)).size()));
        LblUnitWei(u).setCaption(QString::number(entries.at(u).count(u'F')));
    }
}

} // namespace home
