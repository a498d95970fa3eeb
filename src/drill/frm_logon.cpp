#include "drill/frm_logon.h"

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/scale.h"
#include "drill/bank_files.h"
#include "drill/drill_art.h"
#include "drill/exam_clock.h"
#include "drill/panel_link.h"
#include "drill/progress_files.h"
#include "platform/msgbox.h"
#include "platform/units.h"

using namespace platform;

namespace drill {

namespace {

const QString DefaultId = QStringLiteral("110101198001011234");

} // namespace

FrmLogon::FrmLogon()
    : Form(QStringLiteral("FrmLogon"))
{
    for (Control* c : std::initializer_list<Control*>{&TxtZwh, &TxtSFZ, &CmdLog, &CmdExit})
        c->setContainer(&Picture1);
    for (Control* c :
         std::initializer_list<Control*>{&LblName, &LblZwh, &LblCC, &LblKm, &LblSfz, &LblDah, &LblDate, &P2})
        c->setContainer(&Picture2);
    LJD.setContainer(&P2);
    registerTimer(&Timer1);
    registerTimer(&Timer2);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    TxtSFZ.onKeyPress = [this](int& k) { TxtSFZ_KeyPress(k); };
    CmdLog.onClick = [this] { CmdLog_Click(); };
    CmdExit.onClick = [this] { CmdExit_Click(); };
}

void FrmLogon::design()
{
    setBorderStyle(vbBSNone);
    setWindowState(vbMaximized);
    setBackColor(0x808040);
    setCaption(QStringLiteral("考生登录"));

    for (PictureBox* p : {&Picture1, &Picture2}) {
        p->Move(0, 0, 12000, 9000);
        p->setBorderStyle(0);
        p->setVisible(false);
    }
    Picture1.setPicture(art::loginPage());
    Picture2.setPicture(art::confirmCard());

    for (TextBox* t : {&TxtZwh, &TxtSFZ}) {
        t->setFontName(QStringLiteral("宋体"));
        t->setFontSize(12);
        t->setFontBold(true);
    }
    TxtZwh.Move(0, 0, 1215, 345);
    TxtZwh.setText(QStringLiteral("18"));
    TxtZwh.setMaxLength(3);
    TxtZwh.setTabIndex(0);
    TxtSFZ.Move(0, 0, 3135, 345);
    TxtSFZ.setText(DefaultId);
    TxtSFZ.setMaxLength(18);
    TxtSFZ.setTabIndex(1);
    for (Label* b : {&CmdLog, &CmdExit}) {
        b->Move(0, 0, 1335, 495);
        b->setBackStyle(vbTransparent);
        b->setCaption(QString());
        b->setMousePointer(99);
        b->setMouseIcon(art::handPointer());
    }

    for (Label* l : {&LblName, &LblZwh, &LblCC, &LblKm, &LblSfz, &LblDah, &LblDate}) {
        l->setBackStyle(vbTransparent);
        l->setAutoSize(true);
        l->setFontName(QStringLiteral("宋体"));
        l->setFontSize(12);
        l->setFontBold(true);
        l->setCaption(QString());
    }
    P2.Move(0, 0, 10335, 180);
    P2.setBorderStyle(0);
    P2.setBackColor(WindowBackgroundColor);
    LJD.Move(0, 0, 255, 375);
    LJD.setBackColor(0xFF0000);
    LJD.setCaption(QString());
}

void FrmLogon::Form_Load()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    // The pages are pictures of fixed pixels, and the controls lie on them at scaled places: each
    // box keeps to its picture's size, so that centring the box centres the page at any dpi.
    for (PictureBox* p : {&Picture1, &Picture2})
        p->Move(0, 0, 12000 * sx, 9000 * sy);
    TxtZwh.Move(5070 * sx, 4440 * sy);
    TxtSFZ.Move(TxtZwh.Left(), 4905 * sy);
    CmdLog.Move(4275 * sx, 5640 * sy);
    CmdExit.Move(6660 * sx, 5640 * sy);
    LblName.Move(4080 * sx, 2610 * sy);
    LblZwh.Move(LblName.Left(), 2940 * sy);
    LblCC.Move(LblName.Left(), 3300 * sy);
    LblKm.Move(2505 * sx, 4215 * sy);
    LblSfz.Move(LblKm.Left(), 4590 * sy);
    LblDah.Move(LblKm.Left(), 4950 * sy);
    LblDate.Move(LblKm.Left(), 5250 * sy);
    P2.Move(1110 * sx, 7980 * sy, 10335 * sx);

    auto& d = common::drill();
    d.dataExt = common::defaultDataExt();
    d.txtPath = common::txtPath(d.dataPath, d.dataExt);
    common::setDrillPaths(d);
}

void FrmLogon::Timer1_Timer()
{
    Picture1.Move((Width() - Picture1.Width()) / 2, (Height() - Picture1.Height()) / 2);
    Picture2.Move(Picture1.Left(), Picture1.Top());
    Picture1.setVisible(true);
    Picture2.setVisible(false);
    Timer1.setEnabled(false);
    TxtZwh.SetFocus();
}

void FrmLogon::TxtSFZ_KeyPress(int& keyAscii)
{
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8) return;
    if ((keyAscii == 'x' || keyAscii == 'X') && TxtSFZ.Text().size() >= 17) return;
    keyAscii = 0;
}

QString FrmLogon::seatNumber(const QString& typed)
{
    const QString seat = typed.trimmed();
    if (seatDisablesReview(seat)) return seat;
    return (QStringLiteral("00") + seat).right(2);
}

bool FrmLogon::seatDisablesReview(const QString& trimmedSeat)
{
    static const QString Marks = QStringLiteral("aAａＡ");
    return !trimmedSeat.isEmpty() && Marks.contains(trimmedSeat.front());
}

QString FrmLogon::idNumber(const QString& typed)
{
    // A short number is completed from the left with the default's leading digits.
    const QString id = typed.trimmed().right(18);
    return DefaultId.left(18 - id.size()) + id;
}

bool FrmLogon::InitShiTI()
{
    auto& d = common::drill();
    const ExamSetBuild build = buildExamSet(d.setNo, d.setCount, platform::clock().now());
    if (!build.ok()) {
        backHome(build.failure);
        return false;
    }
    if (!build.logFailure.isEmpty())
        MsgBox(build.logFailure + QStringLiteral("\r\n本次登录时间没有记录。"), vbOKOnly + vbExclamation);
    return true;
}

void FrmLogon::backHome(const QString& failure)
{
    MsgBox(failure + QStringLiteral("\r\n无法开始考试，请检查或重新安装题库。"), vbOKOnly + vbExclamation);
    Unload();
    showHomeScreen();
}

void FrmLogon::CmdLog_Click()
{
    if (!InitShiTI()) return;
    auto& d = common::drill();
    d.canUnload = false;
    d.ksZwh = seatNumber(TxtZwh.Text());
    d.ksCc = QStringLiteral("18");
    d.ksSfz = idNumber(TxtSFZ.Text());
    d.ksDah = QStringLiteral("888888");

    LblName.setCaption(d.ksName);
    LblZwh.setCaption(d.ksZwh);
    LblCC.setCaption(d.ksCc);
    LblKm.setCaption(d.kmName);
    LblSfz.setCaption(d.ksSfz);
    LblDah.setCaption(d.ksDah);
    LblDate.setCaption(platform::clock().now().toString(QStringLiteral("yyyy年MM月dd日")));

    d.dqTm = 1;
    d.dqStep = 1;
    d.timeLeft = ExamMinutes;
    const TmStartResult starts = buildTmStart();
    if (!starts.ok()) {
        backHome(starts.failure);
        return;
    }
    Picture1.setVisible(false);
    Picture2.setVisible(true);
    Timer2.setEnabled(true);
}

void FrmLogon::Timer2_Timer()
{
    LJD.setWidth(LJD.Width() + 1500 * common::scaleX());
    if (LJD.Width() <= P2.Width()) return;
    Timer2.setEnabled(false);
    startExam();
}

void FrmLogon::startExam()
{
    auto& d = common::drill();
    // The marks left by the set's previous exam; nothing visited or solved.
    d.tmState = readStates(examStatesPath(d.setNo)).states;
    Unload();

    const PanelParts p = panel();
    resetQuestionColours(p);
    offerQuestions(p, d.tmCount);
    d.ksStart = fileTime(platform::clock().now());
    d.dqTm = 1;
    reloadQuestion(p);
    setExamCaptions(p);
    showUnitBox(p, false);
    startExamClock(p);
    showDesktop();
    if (p.form) p.form->Show();
}

void FrmLogon::CmdExit_Click()
{
    if (MsgBox(QStringLiteral("确实要退出考试系统吗？"), vbYesNo + vbQuestion + vbDefaultButton2,
               QStringLiteral("Ostrel软件")) != vbYes)
        return;
    Unload();
    showHomeScreen();
}

} // namespace drill
