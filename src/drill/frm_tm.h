#pragma once
// The question panel: the small topmost window through which the candidate runs a drill. It shows
// the current question, moves between questions, marks, redoes and teaches, shows the candidate
// card, and sits at the desktop's bottom-right corner, above the desktop.
//
// One class, its members defined across several files by concern:
//   frm_tm.cpp          construction, design state, wiring
//   frm_tm_load.cpp     the panel's load: layout, mode captions, question grid, candidate card
//   frm_tm_nav.cpp      the question load DqExam, TimerREDO, previous, next, redo, the selector
//   frm_tm_commands.cpp the button family, mark, teaching, candidate card, demonstration button
//   frm_tm_art.cpp      the panel's pictures
//   frm_tm_desktop.cpp  what the desktops ask of the panel
// The end command, the unload guard and the exam clock are the drill end's (frm_tm_end.h,
// exam_clock.h).
#include <QString>
#include <array>

#include "common/question_panel.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"

class FrmTm final : public platform::Form, public common::QuestionPanel {
public:
    FrmTm();
    ~FrmTm() override;

    // What the candidate's desktop asks of the panel (frm_tm_desktop.cpp).
    void dockAtCorner(double right, double bottom) override;
    void bringPanelToTop() override;
    void showTitle(const QString& title) override;
    void showUnfinished(const QString& unfinished) override;

    // ---- Controls, named as the screen names them --------------------------------------------
    // Declaration order is creation order; the constructor puts each control into its container,
    // bottom of the stacking order first.

    // Containers on the window.
    platform::PictureBox FrmZhuYa{this, "FrmZhuYa"}; // the main view
    platform::Frame FrmKSXX{this, "FrmKSXX"};        // the candidate card, over the main view
    platform::Frame FrmSelect{this, "FrmSelect"};    // the question selector, over the main view
    platform::PictureBox FrmZXH{this, "FrmZXH"};     // the minimised box
    // The title strip.
    platform::Image ImgZXH{this, "ImgZXH"};   // look of the minimise button
    platform::Label LblBiao{this, "LblBiao"}; // title: set or unit and question
    platform::Label LblMove{this, "LblMove"}; // drag strip
    platform::Label LblZXH{this, "LblZXH"};   // minimise button

    // In FrmZhuYa.
    platform::TextBox RtbTM{this, "RtbTM"};         // the question text
    platform::PictureBox PTime{this, "PTime"};      // the time bar
    platform::CommandButton Image2{this, "Image2"}; // "显示图片": the illustration
    platform::PictureBox PicUnit{this, "PicUnit"};  // unfinished questions; hidden in exams
    platform::Image ImgMove{this, "ImgMove"};       // hover look of a button area
    platform::Image ImgDown{this, "ImgDown"};       // pressed look of a button area
    platform::Label LblTime{this, "LblTime"};       // "剩余" & minutes left & "分钟"
    platform::Label LblName{this, "LblName"};       // the candidate's name
    platform::Label LblIME{this, "LblIME"};         // "EN": the input-method menu
    platform::Label CmdPre{this, "CmdPre"}, CmdNext{this, "CmdNext"}, CmdRedo{this, "CmdRedo"},
        CmdBZBT{this, "CmdBZBT"}, CmdSelect{this, "CmdSelect"};
    // The mode captions: they tell the panel's own handlers which kind of drill runs.
    platform::Label CmdEnd{this, "CmdEnd"}, CmdCZTS{this, "CmdCZTS"}, Command1{this, "Command1"};
    platform::LabelArray CmdGN{this, "CmdGN"};    // 0-7: the eight button areas
    platform::Label LblTimeJD{this, "LblTimeJD"}; // in PTime: the elapsed part of the exam time
    platform::Label LblUnit{this, "LblUnit"};     // in PicUnit

    // In FrmSelect.
    platform::CommandButtonArray CmTNO{this, "CmTNO"}; // 1-40: the question buttons
    platform::CommandButton CmdSelFH{this, "CmdSelFH"};

    // In FrmKSXX.
    platform::Image Image1{this, "Image1"};      // the candidate's photograph
    platform::LabelArray Label1{this, "Label1"}; // 0-5: the row captions
    platform::Label KsName1{this, "KsName1"}, KsZWH1{this, "KsZWH1"}, KsCC1{this, "KsCC1"},
        KsDAH1{this, "KsDAH1"}, KsKM1{this, "KsKM1"}, KsSFZ1{this, "KsSFZ1"};
    platform::CommandButton CmdKSFH{this, "CmdKSFH"};

    // In FrmZXH.
    platform::Label Label2{this, "Label2"}, Command2{this, "Command2"};

    // Timers.
    platform::Timer TimeKS{60000, true};    // the exam clock's minute
    platform::Timer TimerREDO{100, false};  // one-shot (re)load of question dqTm
    platform::Timer TimStartYS{100, false}; // the deferred demonstration start

    // The input-method menu, never shown as a menu bar: the pop-up of LblIME.
    platform::Menu mIme{"mIme"};
    platform::Menu mEng{"mEng", &mIme};
    platform::Menu mCn1{"mCn1", &mIme}, mCn2{"mCn2", &mIme}, mCn3{"mCn3", &mIme}, mCn4{"mCn4", &mIme},
        mCn5{"mCn5", &mIme}, mCn6{"mCn6", &mIme}, mCn7{"mCn7", &mIme}, mCn8{"mCn8", &mIme},
        mCn9{"mCn9", &mIme}, mCn10{"mCn10", &mIme};

    // ---- Form variables (they survive unloading) ---------------------------------------------
    int ysSpeed = 1;                // demonstration speed: 1 normal, 2 half speed
    int ysTicks = 0;                // ticks TimStartYS has counted
    QString picFile;                // the illustration of the question shown, empty when it has none
    bool noDrill = false;           // created by the desktop, no question loaded on it yet
    std::array<int, 17> hklList{};  // 1-16: the system's layouts by their place, 0 where none
    int imeNext = 1;                // 1 + the layouts with an input-method name
    int imeEng = 0;                 // the first layout without one
    std::array<int, 11> imeNamed{}; // 1-10: the layout of each named entry

    // ---- Procedures ---------------------------------------------------------------------------
    // Loads and shows question dqTm: its text, illustration button, title and unfinished list, the
    // pictures it showed when last left, its visited bit and its remembered step, then the
    // desktop's one-shot render.
    void DqExam();
    // The question's text from its line of the question list, and its illustration button.
    void showQuestionText();

    // Navigation (frm_tm_nav.cpp).
    void TimerREDO_Timer();
    void CmdNext_Click();
    void CmdPre_Click();
    void CmdRedo_Click();
    void CmdSelect_Click();
    void CmTNO_Click(int index);
    void CmdSelFH_Click();

    // Commands (frm_tm_commands.cpp).
    void CmdGN_Click(int index);
    void CmdGN_MouseDown(int index, int button, int shift, double x, double y);
    void CmdGN_MouseMove(int index, int button, int shift, double x, double y);
    void CmdGN_MouseUp(int index, int button, int shift, double x, double y);
    void CmdBZBT_Click();
    void CmdCZTS_Click();
    void CmdKSFH_Click();
    void Command1_Click();
    void TimStartYS_Timer();

    // The input-method menu (frm_tm_ime.cpp).
    void buildImeMenu();
    platform::Menu& imeEntry(int k); // mCn1 .. mCn10
    void LblIME_Click();
    void imePick(int entry); // 0 mEng, 1-10 mCn1 .. mCn10

    // The panel as a window and the illustration button (frm_tm_window.cpp).
    void wireWindow();
    void parkButtonLooks();
    void LblMove_MouseDown(int button);
    void Label2_MouseDown(int button);
    void FrmZXH_MouseDown(int button);
    void LblZXH_Click();
    void Command2_Click();
    void Image2_Click();

    // Hands the candidate's desktop the focus: window state normal (a desktop maximised on a small
    // screen keeps filling it), shown, the panel docked at its corner.
    void showDesktopNormal();

protected:
    void design() override;
    void Form_Load() override;

private:
    void designMainView();
    void designSelector();
    void designCard();
    // The title and the unfinished-question list of the question shown.
    void writeTitle();
    // Question buttons 1 .. tmCount shown, the others hidden.
    void offerQuestions();
    // The end of a demonstration, handed to it when it starts: the candidate's desktop and the
    // panel come back, and the panel reloads the question at the candidate's own step.
    void demonstrationEnded();
};
