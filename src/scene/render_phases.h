#pragma once
// The render of a step record as both desktops run it: its phases in their one order, and the
// phases that work alike on the controls of the same names on either desktop (the teaching aids and
// the last frame rule, the step pictures, the "0021" overlay field, the toolbar picture, the My
// Computer pane, the window chrome and the menu bar's place). The phases a desktop runs its own way
// are members of that desktop, named in renderPhases below.
#include <QString>
#include <functional>
#include <optional>
#include <type_traits>

#include "common/drill_state.h"
#include "common/naming.h"
#include "platform/controls.h"
#include "scene/scene_parts.h"
#include "steps/desk_pictures.h"
#include "steps/step.h"

namespace scene {

// Loads desktop picture `name` from the desktop pictures' folder into an image or a box. A name
// that is not a code, or a picture that cannot be read, leaves the control as it was: false.
template <class C> bool loadDeskPicture(C& control, const QString& folder, const QString& name)
{
    const QString file = steps::desk::file(folder, name);
    return !file.isEmpty() && control.LoadPicture(file);
}

// Loads the question bank's step picture `code` (dataPath, code, dataExt) into a control or the
// form. A code that names no file ("000000", "888888", not a code) or a picture that cannot be read
// leaves it as it was: false.
template <class C> bool loadStepPicture(C& control, const QString& code)
{
    const auto& d = common::drill();
    const QString file = common::pictureFile(d.dataPath, code, d.dataExt);
    return !file.isEmpty() && control.LoadPicture(file);
}

// Render phase 10: teaching mode shows the hint and the three frames; any other mode hides them.
void teachingAids(bool teaching, platform::Label& hint, platform::Shape& shape1, platform::Shape& shape2,
                  platform::Shape& shape4);

// Closing phase 9, the last frame rule: no red frame around a main target that is hidden or 10
// twips high or less (real twips: a target too flat to click); Shape2 follows the hint.
void lastFrameRule(const platform::Label& label1, platform::Shape& shape1, platform::Shape& shape2,
                   const platform::Label& hint);

// Closing phase 5: on a "0021" step Text2 takes Text1's text, Left, Top, Height and Width, in this
// order, and stands in its place (Text1 hidden); any other code hides Text2.
void overlayField(const QString& code, platform::TextBox& text1, platform::TextBox& text2);

// The My Computer pane: shown exactly when the pane letter is "P".
void myComputerPane(const steps::Step& step, platform::Control& pane);

// The menu bar's place for a step ("W" in the point field, otherwise its default place) and the ten
// title hot-spots of its application letter: inside the box on the candidate's desktop, on the form
// over the box on the demonstration desktop (titlesOnForm). A letter without titles leaves them.
void placeMenuBar(const steps::Step& step, platform::Control& box, platform::LabelArray& titles,
                  bool titlesOnForm);

// Render phases 6 and 7: the background (kept by "888888") and the six overlay slots, the picture
// of slot k in Image k (Image6 is a picture box on both desktops). pictureCode(k, code) is told of
// every picture code given, before it is loaded (k 0 the background); placed(k, left, top) of every
// slot placed, in design twips.
struct PictureHooks {
    std::function<void(int k, const QString& code)> pictureCode;
    std::function<void(int k, std::optional<qint16> left, std::optional<qint16> top)> placed;
};
template <class Desk> void stepPictures(Desk& desk, const steps::Step& step, const PictureHooks& hooks = {})
{
    const QString bg = step.background();
    if (bg != QLatin1String("888888")) {
        if (hooks.pictureCode) hooks.pictureCode(0, bg);
        loadStepPicture(desk, bg);
    }
    Slots slots;
    slots.images = {&desk.Image1, &desk.Image2, &desk.Image3, &desk.Image4, &desk.Image5, &desk.Image6};
    slots.placed = hooks.placed;
    slots.load = [&desk, &hooks](int k, const QString& code) {
        if (hooks.pictureCode) hooks.pictureCode(k, code);
        if (k == 6) {
            loadStepPicture(desk.Image6, code);
            return;
        }
        platform::Image* const images[] = {&desk.Image1, &desk.Image2, &desk.Image3, &desk.Image4,
                                           &desk.Image5};
        loadStepPicture(*images[k - 1], code);
    };
    showOverlaySlots(step.text(), slots);
}

// The render of a step record on either desktop, once the record is read: every phase in the one
// order both desktops follow. The shared phases run here on the desktop's controls of the same
// names; the desktop gives the phases it runs its own way:
//   pictures()        phases 6 and 7, with stepPictures
//   editField()       phase 8
//   hint()            phase 9
//   mainTarget()      phase 11
//   tabDialog()       phase 12
//   actionCode()      closing phase 2: the numeric code and the timers it switches
//   terminalOrFrame() closing phase 4: the terminal record's ending, or the red frame following the
//                     hint; Desk::RenderEndsAtTerminal stops the render after a terminal record
//   overlaysAndList() closing phases 5 to 8, with overlayField
//   ownPanes()        the panes of closing phases 11 to 14 that only this desktop has
//   finishRender()    closing phase 16
// and MenuCSH() and HuiRenwuCSH(), which lay out the menu bar and the task pane once shown.
template <class Desk> void renderPhases(Desk& desk, const steps::Step& step)
{
    parkTabLabels(desk.LblXXK);
    desk.pictures();
    desk.editField();
    desk.hint();
    teachingAids(common::drill().ksMode == common::ModeTeaching, desk.LHelp, desk.Shape1, desk.Shape2,
                 desk.Shape4);
    desk.mainTarget();
    desk.tabDialog();

    placeSecondTarget(step.text(), desk.Label4, desk.Shape4);
    desk.actionCode();
    shrinkTargetsForPictureDrag(step, desk.Label1, desk.Label4);
    desk.terminalOrFrame();
    if (Desk::RenderEndsAtTerminal && step.kind() == steps::ActionKind::Terminal) return;
    desk.overlaysAndList();
    lastFrameRule(desk.Label1, desk.Shape1, desk.Shape2, desk.LHelp);

    targetPointer(step, desk.Label1);
    // The toolbar's picture is chosen at every render, shown or not.
    loadDeskPicture(desk.PicTool, desk.deskPath, steps::desk::toolbar(step.driveLetter()));
    myComputerPane(step, desk.PicMyPc);
    desk.ownPanes();
    using Box = std::remove_reference_t<decltype(desk.PicMenu)>;
    WindowParts<Box> window;
    window.menuBar = &desk.PicMenu;
    window.toolbar = &desk.PicTool;
    window.taskPane = &desk.PicHui;
    window.load = [&desk](Box& box, const QString& name) {
        return loadDeskPicture(box, desk.deskPath, name);
    };
    window.menuRows = [&desk] { desk.MenuCSH(); };
    window.taskRows = [&desk] { desk.HuiRenwuCSH(); };
    windowChrome(step, window);
    hintLineBreaks(desk.LHelp);

    desk.finishRender();
}

} // namespace scene
