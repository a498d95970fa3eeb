#pragma once
// The demonstration desktop: a second copy of the simulated desktop on which a drawn pointer glides
// to each step's target and performs the step, from the question's first step to its terminal
// record, then hands the question back to the panel. Nothing here is judged or scored.
//
// One class, its members defined across several files by concern:
//   frm_yanshi.cpp         construction, design state, load, per-step reset, advance, jump, the end
//   frm_yanshi_render.cpp  setData: the scene of a step record
//   frm_yanshi_glide.cpp   the pointer, the glide, the step's first target and the arrival actions,
//                          typing, the drag, the pause and the click ring
//   frm_yanshi_menus.cpp   the drawn context menu and its sub-menu
//   frm_yanshi_dropdown.cpp the menu-bar titles, the hot-spot click, the Start menu and the
//                          drop-down cascade
#include <QPointF>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/overlay.h"
#include "scene/render_phases.h"
#include "scene/scene_parts.h"
#include "scene/step_engine.h"
#include "steps/completion.h"
#include "steps/hotspot_tables.h"
#include "steps/step.h"

// What the screen that starts a demonstration hands it, since the demonstration names neither
// the candidate's desktop nor the question panel: the desktop, over which it lies when that is a
// window, and what follows its end (the question goes back to the candidate).
struct DemoHandOver {
    const platform::Form* candidateDesktop = nullptr;
    std::function<void()> ended;
};

class FrmYanShi final : public platform::Form {
public:
    FrmYanShi();
    ~FrmYanShi() override;

    // ---- Controls, named as the screen names them --------------------------------------------
    // Created in the order declared, so graphical controls lie below windowed ones, each stratum
    // in this order; the drawn pointer comes last, above everything.
    platform::Image Image1{this, "Image1"};
    platform::Image Image2{this, "Image2"};
    platform::Image Image3{this, "Image3"};
    platform::Image Image4{this, "Image4"};
    platform::Image Image5{this, "Image5"};
    platform::Image ImgLogo{this, "ImgLogo"};

    // Area pictures (plain pictures: their hot-spots lie on the form) and their highlights.
    platform::Image PicTool{this, "PicTool"}, PicMenu{this, "PicMenu"}, PicHui{this, "PicHui"},
        PicMyPc{this, "PicMyPc"}, PicStart{this, "PicStart"};
    platform::Image ImgMenu{this, "ImgMenu"}, ImgTool{this, "ImgTool"}, ImgHui{this, "ImgHui"},
        ImgStart{this, "ImgStart"}, ImgMyPc{this, "ImgMyPc"};

    // Hot-spots 0-105 on the form, numbered as on the candidate's desktop.
    platform::LabelArray LblZHU{this, "LblZHU"};

    // Hint and targets.
    platform::Label LHelp{this, "LHelp"};
    platform::Label Label4{this, "Label4"};
    platform::Label Label1{this, "Label1"};
    platform::LabelArray LblXXK{this, "LblXXK"}; // 0 back button / list display, 1-13 tabs

    // Drop-down panels, their row highlights and row labels.
    platform::Image Pic1J{this, "Pic1J"}, Pic2J{this, "Pic2J"}, Pic3J{this, "Pic3J"};
    platform::Image Img1J{this, "Img1J"}, Img2J{this, "Img2J"};
    platform::LabelArray Lbl1J{this, "Lbl1J"}; // 0-44
    platform::LabelArray Lbl2J{this, "Lbl2J"}; // 0-44
    platform::LabelArray Lbl3J{this, "Lbl3J"}; // 0-10

    // The drawn context menu and its sub-menu.
    platform::Label LRightMMenu{this, "LRightMMenu"};
    platform::Shape ShapeRMain{this, "ShapeRMain"};
    platform::LabelArray LRM2{this, "LRM2"}, LRM4{this, "LRM4"}, LRM6{this, "LRM6"}, LRM9{this, "LRM9"};
    platform::LabelArray LRMJL{this, "LRMJL"};               // 1, 3, 5, 7, 8
    platform::ImageArray ImgJLSanjiao{this, "ImgJLSanjiao"}; // 1, 3, 5, 7, 8
    platform::LineArray LRFGX{this, "LRFGX"};                // 0-9
    platform::Label LRightSub{this, "LRightSub"};
    platform::Shape ShapeRSUB{this, "ShapeRSUB"};
    platform::LabelArray LRS{this, "LRS"};      // 0-9
    platform::LineArray LRSFgx{this, "LRSFgx"}; // 0-5

    // The frames lie above the menus they mark.
    platform::Shape Shape1{this, "Shape1"}; // red frame of the target (and of a menu row)
    platform::Shape Shape2{this, "Shape2"}; // yellow frame
    platform::Shape Shape4{this, "Shape4"}; // green frame of Label4; Left -100 marks a click
    platform::Shape Shape6{this, "Shape6"}; // rubber band

    // The click ring and the pointer: a cursor picture during band and drag legs, otherwise the
    // drawn arrow.
    platform::Shape Shape5{this, "Shape5"};
    platform::Image ImgICO{this, "ImgICO"};
    platform::LineArray LPoint{this, "LPoint"}; // 0-7 outline
    platform::LineArray LPoinB{this, "LPoinB"}; // 0-5 white filling

    // The layer above every control that the ring and the pointer are drawn on.
    platform::Overlay overlay{this};

    // Windowed controls.
    platform::PictureBox Image6{this, "Image6"};
    platform::TextBox Text1{this, "Text1"}, Text2{this, "Text2"}, Text4{this, "Text4"};
    platform::ListBox LstLA{this, "LstLA"};
    platform::PictureBox PicLeft{this, "PicLeft"}, PicRight{this, "PicRight"}, PicTop{this, "PicTop"},
        PicBottom{this, "PicBottom"};

    // The number of steps of the question played (0 when unknown).
    int stepCount() const;
    // The step shown (1-based within the question) and its record.
    int shownStep() const { return ysStep; }
    const QString& shownRecord() const { return ysRec; }
    // Shows step n of the question, as a jump there does.
    void showStep(int n);
    // Every clock at its base interval times `factor` (1 normal, 2 half speed); the glide into the
    // drawn Start menu keeps its pace.
    void setSpeed(int factor);
    // Given before each demonstration loads; its end uses it once and forgets it.
    void handOver(DemoHandOver h) { handed = std::move(h); }

protected:
    void design() override;
    void Form_Load() override;

private:
    // The end of a completed action and the jump go on by the rules both desktops share.
    template <class Desk> friend void scene::endStepBy(Desk& desk, const QString& jump);
    template <class Desk> friend void scene::goStep(Desk& desk, const QString& code);
    void jumpPastBlock();

    // ---- Procedures ---------------------------------------------------------------------------
    void setData();
    void doNext();
    void GoStep(const QString& code);
    void CSH();
    void ToolCSH();
    void pointMove();
    void MuBiaoWei();
    void RightKeyMenu();
    void RightKeySub();
    // Lays out a drawn menu's items from y on, left its left edge: "-" a separator line 135 twips
    // high, any other item a row label 270 twips high. Returns the widest label's width.
    double layOutItems(const QStringList& items, double left, double& y, platform::LabelArray& rows,
                       platform::LineArray& separators, int& separatorNo);
    void MenuCSH();
    void HuiRenwuCSH();
    void CtrlCSH();
    void Tool1JCSH();
    void Tool2JCSH();
    void Tool3JCSH();
    void DoubleXXK();

    // The player's clocks, all off at design; setSpeed sets each interval to base × speed.
    platform::Timer Timer1{500, false};     // typing
    platform::Timer Timer2{100, false};     // a step's glide and its arrival
    platform::Timer Timer3{1000, false};    // the drag of Image5
    platform::Timer Timer4{200, false};     // the pause of key and automatic steps
    platform::Timer Timer5{100, false};     // the click ring's blink
    platform::Timer Timer6{100, false};     // glide to a first-level row
    platform::Timer Timer7{200, false};     // glide to a second-level row
    platform::Timer Timer8{100, false};     // glide to a third-level row
    platform::Timer Timer9{100, false};     // wait after a third-level pick
    platform::Timer Timer10{100, false};    // no role
    platform::Timer Timer11{100, false};    // no role
    platform::Timer TimerRM{100, false};    // glide into the drawn context menu
    platform::Timer TimEnd{100, false};     // the end ticks
    platform::Timer TimerRS{100, false};    // glide into the drawn sub-menu
    platform::Timer TimTool{100, false};    // no role
    platform::Timer TimerStart{100, false}; // glide into the drawn Start menu (not slowed)

    // ---- Form variables ----------------------------------------------------------------------
    DemoHandOver handed;
    QString ysRec;        // the step record played (the candidate's stepRec is never written)
    int ysStep = 1;       // step shown, 1-based within the question
    QString menuId = "0"; // hot-spot or drop-down id of a "7000" step
    int ysRow1 = 0, ysRow2 = 0, ysRow3 = 0;
    QString ysJump = "0";        // JumpChar of that MenuPath
    bool ysStartOn = false;      // the drawn Start menu is open in this step
    double ysLen = 0;            // step length of the glide
    bool ysBand = false;         // the band frame follows the pointer
    double bandX = 0, bandY = 0; // the band's anchor: the corner of the second target
    long ysPosX = 0, ysPosY = 0; // the pointer
    long ysToX = 0, ysToY = 0;   // the glide's target
    int ysDx = 0, ysDy = 0;      // per tick
    int ysTick = 0;              // shared by Timer4, Timer5 and Timer9
    int endTicks = 0;            // TimEnd's own count
    int ysCode = 0;
    int ysDragToX = 0, ysDragToY = 0; // design twips
    QString ysText;
    int ysTyped = 0;
    int ysTabSlot = 0, ysTabNo = 0; // the tab dialog's slot and expected tab, from `tab`
    scene::TabState tab;
    QString ysTabHint;
    int ysMainW = 0, ysMainH = 0; // design twips
    int ysPopSet = 0;
    QString deskPath;
    QSet<QString> deskUnreadable; // desktop pictures that could not be read in this demonstration

    // Timer events.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void TimerRM_Timer();
    void TimerRS_Timer();
    void TimEnd_Timer();
    void Timer9_Timer();
    void TimerStart_Timer();

    void ZhuClick(const QString& code);
    void Tool1JClick(int row);
    void Tool2JClick(int row);
    void Tool3JClick();
    void rowGlideTick(platform::Timer& own, int level); // Timer6, Timer7, Timer8
    void aimAtRow(const platform::Label& row);
    bool loadDeskPicture(platform::Image& img, const QString& name);
    hotspots::Put onForm();              // places hot-spot n on the form
    void endStepBy(const QString& jump); // "0" advances, another character jumps
    void Form_KeyUp(int keyCode);
    void endByUser();

    // GlideStep: the set-up towards (ysToX, ysToY) and the arrival test after a move.
    void glideTo(long x, long y);
    void glideToCentre(const platform::Control& c);
    bool arrived() const;
    bool land();
    void moveOneStep();
    // One tick of a glide: a step towards (ysToX, ysToY) with the pointer drawn there; true once it
    // has landed.
    bool glideTick();
    bool clickMarked() const;
    void setClickMarker();
    void ringAtPointer();
    platform::Control& overlayPicture(int k); // overlay picture k, 1-6

    // Render phases (frm_yanshi_render.cpp): setData reads the record, then scene::renderPhases
    // runs every phase in its order, these among them.
    template <class Desk> friend void scene::renderPhases(Desk& desk, const steps::Step& step);
    static constexpr bool RenderEndsAtTerminal = true; // nothing is laid out after its ending
    bool readRecord();
    void endUnplayable();
    void resetScene();
    void pictures();
    void editField();
    void hint();
    void mainTarget();
    void actionCode();
    void terminalOrFrame();
    void overlaysAndList();
    void ownPanes();
    void menuTarget();
    void finishRender();
    steps::Step step() const;
    void tabDialog();
    QString textEntry(const QString& lineField) const;
    void arrivalAction();
    void typingSetUp();
    platform::TextBox& typedField(const std::optional<steps::TypedText>& rule);
    void pictureDragSetUp();
    QPointF pointerTip() const;
    void startMenuAndClick();
};
