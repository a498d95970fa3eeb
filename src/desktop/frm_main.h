#pragma once
// The candidate's desktop: the simulated Windows XP desktop drawn from pictures. The step engine
// renders the current step record of the current question onto it, advances, jumps and marks a
// question solved; the hot-spot builders, the menus and the judges of the other subsystems work on
// the same form and its controls.
//
// One class, its members defined across several files by concern:
//   frm_main.cpp          construction, design state, load, window modes, z-order pair
//   frm_main_engine.cpp   setData's record reading, doNext, GoStep, Timer2, Timer3, deferred events
//   frm_main_render.cpp   the render phases of setData
//   frm_main_text.cpp     typed-text fields and the simulated list
//   frm_main_menus.cpp    menu-bar titles, drop-down menus and their picks, per-step reset
//   frm_main_judge.cpp    the action judges (wireJudges)
//   frm_main_hotspots.cpp the fixed hot-spots, task pane and dialog layouts, hot-spot clicks and hover
//   frm_main_frames.cpp   the teaching frames (TimerDisFK)
//   frm_main_drag.cpp     the second target's band and drag, picture clicks and the picture drag
//   frm_main_keys.cpp     the key judge and the keys forwarded to it
//   frm_main_tabs.cpp     the simulated tab dialog
#include <QSet>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "scene/render_phases.h"
#include "scene/scene_parts.h"
#include "steps/dropdown.h"

class FrmMain final : public platform::Form {
public:
    FrmMain();
    ~FrmMain() override;

    // ---- Controls, named as the screen names them ------------------------------------------
    // Declaration order is creation order: within a container, graphical controls (labels,
    // images, shapes, lines) lie below windowed ones, each stratum in this order.

    // Overlay pictures of the six ImageSlots; Image6 is a picture box.
    platform::Image Image1{this, "Image1"}, Image2{this, "Image2"}, Image3{this, "Image3"},
        Image4{this, "Image4"}, Image5{this, "Image5"};
    platform::Image ImgLogo{this, "ImgLogo"};

    // Area boxes of the desktop (hot-spot containers) and their highlight images.
    platform::PictureBox PicTable{this, "PicTable"};                  // desktop icons, hot-spots 61-70
    platform::Image ImgTable{this, "ImgTable"};                       // in PicTable
    platform::Shape ShapeTable{this, "ShapeTable"};                   // in PicTable
    platform::PictureBox PicMenu{this, "PicMenu"};                    // menu bar, hot-spots 1-10
    platform::Image ImgMenu{this, "ImgMenu"};                         // in PicMenu
    platform::Shape ShapeMenu{this, "ShapeMenu"};                     // in PicMenu
    platform::PictureBox PicTool{this, "PicTool"};                    // toolbar, hot-spots 11-25
    platform::Image ImgTool{this, "ImgTool"};                         // in PicTool
    platform::Shape ShapeTool{this, "ShapeTool"};                     // in PicTool
    platform::PictureBox PicHui{this, "PicHui"};                      // task pane, hot-spots 26-40
    platform::Image ImgHui{this, "ImgHui"}, ImgHui2{this, "ImgHui2"}; // in PicHui
    platform::Shape ShapeHui{this, "ShapeHui"};                       // in PicHui
    platform::PictureBox PicCtrl{this, "PicCtrl"};                    // dialog panel, hot-spots 41-60
    platform::Line ImgCtrl{this, "ImgCtrl"};       // in PicCtrl: hover line of a dialog item
    platform::Shape ShapeCtrl{this, "ShapeCtrl"};  // in PicCtrl
    platform::PictureBox PicMyPc{this, "PicMyPc"}; // My Computer pane, hot-spots 92-102
    platform::Image ImgMyPc{this, "ImgMyPc"};      // in PicMyPc
    platform::Shape ShapeMyPc{this, "ShapeMyPc"};  // in PicMyPc
    platform::PictureBox Image6{this, "Image6"};
    platform::PictureBox PicStart{this, "PicStart"}; // open Start menu, hot-spots 71-91
    platform::Image ImgStart{this, "ImgStart"};      // in PicStart

    // Drop-down panels of three levels with their row labels and row highlights.
    platform::PictureBox Pic1J{this, "Pic1J"};
    platform::Image Img1J{this, "Img1J"}, Img1jBK{this, "Img1jBK"}; // in Pic1J
    platform::LabelArray Lbl1J{this, "Lbl1J"};                      // 1-44, in Pic1J
    platform::PictureBox Pic2J{this, "Pic2J"};
    platform::Image Img2J{this, "Img2J"};      // in Pic2J
    platform::LabelArray Lbl2J{this, "Lbl2J"}; // 1-44, in Pic2J
    platform::PictureBox Pic3J{this, "Pic3J"};
    platform::Image Img3J{this, "Img3J"};      // in Pic3J
    platform::LabelArray Lbl3J{this, "Lbl3J"}; // 1-9, in Pic3J

    // Hot-spots 1-102, each inside the area box of its range (1-10 PicMenu, 11-25 PicTool,
    // 26-40 PicHui, 41-60 PicCtrl, 61-70 PicTable, 71-91 PicStart, 92-102 PicMyPc).
    platform::LabelArray LblZHU{this, "LblZHU"};

    // Hint, targets, frames and labels on the form (later ones lie above earlier ones).
    platform::Label LHelp{this, "LHelp"};           // the hint
    platform::Label LblSuccess{this, "LblSuccess"}; // "操作成功！"
    platform::Label Label4{this, "Label4"};         // second target on auxRect
    platform::Label Label1{this, "Label1"};         // main target on mainRect
    platform::Image ImgElse{this, "ImgElse"};       // object picture over the main target ("S" steps)
    platform::Shape Shape1{this, "Shape1"};         // red frame of Label1 (teaching)
    platform::Shape Shape2{this, "Shape2"};         // yellow frame at its design place (teaching)
    platform::Shape Shape4{this, "Shape4"};         // green frame of Label4 (teaching)
    platform::Shape Shape6{this, "Shape6"};         // rubber-band frame
    platform::Shape ShapeStart{this, "ShapeStart"}; // teaching frame of the Start button
    platform::LabelArray LblXXK{this, "LblXXK"};    // 0 back button / list display, 1-13 tabs
    platform::Label StartMenu{this, "StartMenu"};   // hot-spot of the Start button
    platform::Label LblMove{this, "LblMove"};       // caption strip: drags a windowed desktop

    // Edit fields, the simulated list and its border boxes.
    platform::TextBox Text1{this, "Text1"}, Text2{this, "Text2"}, Text3{this, "Text3"};
    platform::ListBox LstLA{this, "LstLA"};
    platform::PictureBox PicLeft{this, "PicLeft"}, PicRight{this, "PicRight"}, PicTop{this, "PicTop"},
        PicBottom{this, "PicBottom"};

    // Timers (all disabled at design).
    platform::Timer Timer2{100, false};     // one-shot first render of a question
    platform::Timer Timer3{1000, false};    // automatic "8888" steps
    platform::Timer TimerDisFK{100, false}; // one-shot teaching frames
    platform::Timer TimerDrag{50, false};   // Image5 closing in on a resting pointer

    // The right-click pop-up menu: five cascades and nine item arrays (element 0 at design,
    // 1-10 created at load).
    platform::Menu wm100{"wm100"};
    platform::Menu sTolqMain1{"sTolqMain1", &wm100};
    platform::MenuArray sTolqSub1{"sTolqSub1", &sTolqMain1};
    platform::MenuArray sTolqInde1{"sTolqInde1", &wm100};
    platform::Menu sTolqMain2{"sTolqMain2", &wm100};
    platform::MenuArray sTolqSub2{"sTolqSub2", &sTolqMain2};
    platform::MenuArray sTolqInde2{"sTolqInde2", &wm100};
    platform::Menu sTolqMain3{"sTolqMain3", &wm100};
    platform::MenuArray sTolqSub3{"sTolqSub3", &sTolqMain3};
    platform::MenuArray sTolqInde3{"sTolqInde3", &wm100};
    platform::Menu sTolqMain4{"sTolqMain4", &wm100};
    platform::MenuArray sTolqSub4{"sTolqSub4", &sTolqMain4};
    platform::Menu sTolqMain5{"sTolqMain5", &wm100};
    platform::MenuArray sTolqSub5{"sTolqSub5", &sTolqMain5};
    platform::MenuArray sTolqInde4{"sTolqInde4", &wm100};

    // ---- Form variables (they survive unloading) ---------------------------------------------
    int actCode = 0;                       // numeric action code of the current record
    QString menuId = QStringLiteral("00"); // the open drop-down
    int menuRow1 = 0;                      // first-level row last clicked
    int menuRow2 = 0;                      // second-level row last clicked
    int popupSet = 0;                      // set digit of the pop-up about to open
    QString deskPath;                      // program folder + "/examdata/": the desktop pictures
    int dragLeft = 0, dragTop = 0;         // design place of the last shown ImageSlot 5 or 6
    int dragToX = 0, dragToY = 0;          // drop point of an Image5 drag (pointSpec), design twips
    QString tabHint;                       // hint text last read from the answer texts
    int mainWidth = 0, mainHeight = 0;     // mainRect's size, design twips

    // ---- Procedures other screens call ------------------------------------------------------
    // Renders step dqStep of question dqTm (clamped to the question's own block of records).
    void setData();
    // Next step, or on the terminal record only the solved bit.
    void doNext();
    // The step record on screen, read through the step library's accessors.
    static steps::Step step();
    // Jump by a JumpChar: "0" nothing, "1"-"9" steps 1-9, "A"-"Z" steps 10-35, others step 9. A
    // jump past the question's block leaves the step where it is and tells the candidate once.
    void GoStep(const QString& code);
    // Runs f now, or, while a render is running, once the render has finished (events that a
    // render raises by writing a field or the list are judged against the rendered record).
    void afterRender(std::function<void()> f);
    bool rendering() const { return renderDepth > 0; }
    // Number of steps of the current question (tmStart(q+1) - tmStart(q)); 0 when unknown.
    int stepCount() const;
    // GoStep's two outcomes: step n of the question shown; a jump past its block refused.
    void showStep(int n);
    void jumpPastBlock();

    // The windowed-mode test: the screen is taller than 650 pixels.
    bool windowedMode() const;
    // Puts the question panel's bottom-right corner on the desktop's bottom-right corner.
    void dockPanel();
    // Raises the question panel, then the desktop (the panel stays above as a topmost window).
    void raisePair();

    // Hot-spot layout (frm_main_hotspots.cpp), menus (frm_main_menus.cpp) and the tab dialog
    // (frm_main_tabs.cpp).
    void ToolCSH();
    void MenuCSH();
    void HuiRenwuCSH();
    void CtrlCSH();
    void frmCsh();
    void Tool1JCSH();
    void Tool2JCSH();
    void Tool3JCSH();
    void tabDialog(); // render phase 12: tab dialog and back button

    // Typed text and the simulated list (frm_main_text.cpp).
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void LstLA_Click();

    // ==== Action judging and context menus (owned by the judges; add declarations below) =====
    // Wires the judges' handlers; called once by the constructor (frm_main_judge.cpp).
    void wireJudges();

    // The expected answer named by a 3-character record field (answerLine, or hintLine for a
    // selection): the answer-text entry, and its two accepted answers split at the first "|" (both
    // the whole text when it holds none). "000" names the empty answer. ok is false when the file
    // cannot give the entry (missing, unreadable or empty): then nothing typed matches.
    struct Answer {
        bool ok = false;
        QString text, first, second;
    };
    Answer getAnswer(const QString& lineField) const;
    // Text1 holds an accepted answer of the step: trimmed and lower-cased, it equals one of the two
    // answers of answerLine treated alike.
    bool acceptedInText1() const;
    // A match that carries a JumpChar: "0" the next step, any other character a jump.
    void advance(const QString& jump);

    // The step's main target (frm_main_judge.cpp).
    void Label1_MouseUp(int button, int shift, double x, double y);
    void Label1_DblClick();
    void Label1_MouseMove(int button, int shift, double x, double y);

    // Typed text: Enter, a selection made with the mouse, the input method (frm_main_text.cpp).
    void Text1_KeyUp(int keyCode, int shift);
    void Text1_MouseUp(int button, int shift, double x, double y);
    void Text1_GotFocus();
    void Text3_GotFocus();

    // The right-click pop-up (frm_main_judge_popup.cpp). systemMenu fills wm100 from the record of
    // "sMenu.sys" that the step's pop-up code and popupSet select and leaves that code in actCode;
    // false when the file cannot be read, and then no menu is shown.
    bool systemMenu();
    // Opens wm100 for the set digit of code at the pointer; the pick is judged before it returns.
    void openPopup(int code);
    // The item judges sTolqSub1_Click ... sTolqInde4_Click: a pick of position index in the list
    // numbered list (1-9, top to bottom) advances when the step's pop-up code names it.
    void popupItem_Click(int list, int index);
    // ==== end of the judges' section ==========================================================

    // ==== Simulated drop-down menus (frm_main_menus.cpp; the tables are menu_tables.h) ========
    // Wires the row labels of the three drop-down levels; called once by the constructor.
    void wireMenus();
    // Row-group placement of the first-level rows inside their panel.
    void Tool1JTop(const QString& layout, int width, int height);
    // Hover and pick of the rows of the three levels.
    void Lbl1J_MouseMove(int index, int button, int shift, double x, double y);
    void Lbl1J_Click(int index);
    void Lbl2J_MouseMove(int index, int button, int shift, double x, double y);
    void Lbl2J_Click(int index);
    void Lbl3J_MouseMove(int index, int button, int shift, double x, double y);
    void Lbl3J_Click(int index);
    // Loads the desktop picture `name` (deskPath & name & ".rar"). False when the name is not a
    // code of letters and digits or the file cannot be read: a box then keeps its picture, while an
    // image (a highlight or a look laid over a box) is emptied, so it never shows another item's.
    bool loadDeskPicture(platform::Image& img, const QString& name);
    bool loadDeskPicture(platform::PictureBox& box, const QString& name);
    // Loads a drop-down panel. A panel that cannot be read opens nothing: it is hidden, its rows
    // parked and its hovered row emptied, so no other menu's picture or rows stand in its place.
    bool loadDropDownPanel(platform::PictureBox& panel, platform::LabelArray& rows, int count,
                           platform::Image& hovered, const QString& name);
    // ==== end of the menus' section ===========================================================

    // ==== Hot-spots, window panes and teaching frames (frm_main_hotspots.cpp, frm_main_frames.cpp) ====
    // Wires the hot-spot, object-picture, bare-area and pointer-travel handlers; called once by the
    // constructor.
    void wireHotspots();
    // The menu id a click on hot-spot n names: the application letter and n, last two characters;
    // "Z" and the last digit from 100 on.
    QString hotSpotMenuId(int n) const;
    // Hover, release and double click on hot-spot index (1-102).
    void LblZHU_MouseMove(int index, int button, int shift, double x, double y);
    void LblZHU_MouseUp(int index, int button, int shift, double x, double y);
    void LblZHU_DblClick(int index);
    // Release and double click on the object picture of an "S" step.
    void ImgElse_MouseUp(int button, int shift, double x, double y);
    void ImgElse_DblClick();
    // Right releases on the bare toolbar, desktop and My Computer window; any release on the
    // Start button (the left one opens or closes the Start menu).
    void PicTool_MouseUp(int button, int shift, double x, double y);
    void PicTable_MouseUp(int button, int shift, double x, double y);
    void PicMyPc_MouseUp(int button, int shift, double x, double y);
    void StartMenu_MouseUp(int button, int shift, double x, double y);
    void PicMyPc_MouseMove(int button, int shift, double x, double y);
    // A pointer that has travelled more than 3000 design twips (either axis) from the point stored
    // last closes the menus (frmCsh) and is stored; x and y in the reporting control's twips.
    void travelReset(double x, double y);
    // On a My Computer step ("P" and a drive letter) the drive is shown selected (the per-step reset
    // and every move over the window).
    void showStepDrive();
    long lastMoveX = 0, lastMoveY = 0; // where the pointer was at the last travel reset
    // Helpers of the handlers: the underline pictures of the task pane, the hover's closing of the
    // menus and highlights, the judge of one target slot ("H" path or "S" double click ending at
    // menuId; true when it moved the task on), and Pic1J opened with the first level of menuId
    // where `place` puts a panel of its width and height (or at (left, top)), flipped back over the
    // edges when they are given (steps/dropdown.h).
    using Placement = std::function<steps::Rect(double width, double height)>;
    void underlinePictures();
    // The highlights of menu-bar titles, toolbar buttons, task-pane links and dialog items at rest
    // (emptied, or parked just above their boxes).
    void restHighlights();
    void closeHotSpotMenus();
    bool judgeSlot(const QString& slot, QChar kind);
    void openDropDown(const Placement& place, std::optional<steps::Edges> edges = std::nullopt);
    void openDropDown(double left, double top, std::optional<steps::Edges> edges = std::nullopt);
    // ==== end of the hot-spots' section =======================================================

    // ==== Drags, picture clicks, keys and the tab dialog ========================================
    // Wires the handlers below; called once by the constructor (frm_main_drag.cpp).
    void wireActions();

    // The second target: a plain press, the rubber band and the target drag (frm_main_drag.cpp).
    void Label4_MouseDown(int button, int shift, double x, double y);
    void Label4_MouseMove(int button, int shift, double x, double y);
    void Label4_MouseUp(int button, int shift, double x, double y);
    int bandLeft = 0, bandTop = 0; // anchor of the band, form twips
    bool dragOn = false;           // a band or drag press accepted and not yet released
    // Image1_Click ... Image6_Click: a click on overlay picture `slot` jumps by its JumpChar.
    void Image_Click(int slot);
    // The picture drag of Image5 ("8001"-"8009").
    void Image5_MouseMove(int button, int shift, double x, double y);
    void Image5_MouseUp(int button, int shift, double x, double y);
    void image5CloseIn(double x, double y);

    // The key judge and the keys that reach it (frm_main_keys.cpp).
    void KeyClick(int keyCode, int shift);
    void Form_KeyUp(int keyCode, int shift);

    // The tab dialog's tabs and back button (frm_main_tabs.cpp; the render's phase is tabDialog).
    void LblXXK_Click(int index);
    void DoubleXXK();
    scene::TabState tab; // template, slot, expected tab, row, the overlay's place, the back key

private:
    void wireKeys(); // the key forwarders (frm_main_keys.cpp)
    // A press or release that already moved the task on is not judged again by its other half
    // (the release of that press, the click of that release).
    bool label4PressAdvanced = false;
    bool image5ReleaseAdvanced = false;
    // Where the pointer was last seen while the left button holds Image5, in its container's twips.
    double image5PointerX = 0, image5PointerY = 0;
    // The judge's own answer to the window system's close request (Alt+F4 where it never reaches
    // the window as a key).
    void closeRequested(int& cancel, int unloadMode);

public:
    // ==== end of drags, picture clicks, keys and the tab dialog ================================

protected:
    void design() override;
    void Form_Load() override;

private:
    void Timer2_Timer();
    void Timer3_Timer();
    void TimerDisFK_Timer();
    void LblMove_MouseDown(int button, int shift, double x, double y);

    // Render phases (frm_main_render.cpp): setData reads the record, then scene::renderPhases runs
    // every phase in its order, these among them.
    template <class Desk> friend void scene::renderPhases(Desk& desk, const steps::Step& step);
    static constexpr bool RenderEndsAtTerminal = false; // the terminal record is laid out whole
    void resetScene();      // phases 1 and 3
    bool readStepRecord();  // phase 4: false when the question has no readable record of its own
    void noRecord();        // instead of phases 5-18 then: nothing clickable, the candidate told once
    void pictures();        // phases 6 and 7
    void editField();       // phase 8
    void hint();            // phase 9
    void mainTarget();      // phase 11
    void actionCode();      // phase 13: the action code and the automatic-step timer
    void terminalOrFrame(); // phase 14
    void overlaysAndList(); // phase 15 (frm_main_text.cpp)
    void ownPanes();        // phase 17: the Start button, dialog panel, object picture, desktop icons
    void finishRender();    // phase 18

    // Loads a StepPictures code into an image or box; false when it cannot (the control keeps its
    // picture).
    bool loadStepPicture(platform::Image& img, const QString& code);
    bool loadStepPicture(platform::PictureBox& box, const QString& code);

    int renderDepth = 0;
    QString recordNotice;      // step file and question last told to have no readable record
    QSet<QString> jumpNotices; // step files and questions told of a jump past their block
    QString recordKey() const; // the step file and the current question
    void tellDamagedRecord();  // that the question's records cannot be read, once the render is over
    int renderCount = 0;       // renders started, so deferred events of a replaced record are dropped
    std::vector<std::function<void()>> deferred;
    // Where Timer3 was armed: a tick for another question or step (or with the desktop hidden,
    // or a question load pending on Timer2) stops the timer instead of advancing.
    int autoTm = 0, autoStep = 0;
};
