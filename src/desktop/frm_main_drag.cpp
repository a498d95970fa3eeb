// The second target and the overlay pictures: a plain press on Label4, the rubber band and the
// target drag that start on it, the "0028" release, the release that jumps by auxRect's JumpChar,
// clicks on the six overlay pictures and the drag of Image5 past its drop line.
#include <cmath>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "platform/app.h"
#include "platform/picture.h"
#include "steps/completion.h"
#include "steps/step.h"

using namespace platform;

namespace {

// Band ("004") or drag ("005") step whose Shift digit (column 11) is the Shift state held.
bool bandOrDrag(int shift, bool bandOnly)
{
    const steps::Step s = FrmMain::step();
    const steps::ActionKind k = s.kind();
    const bool kind = k == steps::ActionKind::Band || (!bandOnly && k == steps::ActionKind::Drag);
    return kind && shift == s.shiftDigit();
}

// Edges included.
bool inside(const Label& l, double x, double y)
{
    return x >= l.Left() && x <= l.Left() + l.Width() && y >= l.Top() && y <= l.Top() + l.Height();
}

} // namespace

void FrmMain::wireActions()
{
    Label4.onMouseDown = [this](int b, int s, double x, double y) { Label4_MouseDown(b, s, x, y); };
    Label4.onMouseMove = [this](int b, int s, double x, double y) { Label4_MouseMove(b, s, x, y); };
    Label4.onMouseUp = [this](int b, int s, double x, double y) { Label4_MouseUp(b, s, x, y); };

    Image1.onClick = [this] { Image_Click(1); };
    Image2.onClick = [this] { Image_Click(2); };
    Image3.onClick = [this] { Image_Click(3); };
    Image4.onClick = [this] { Image_Click(4); };
    Image5.onClick = [this] { Image_Click(5); };
    Image6.onClick = [this] { Image_Click(6); };
    Image5.onMouseDown = [this](int b, int, double x, double y) {
        image5ReleaseAdvanced = false;
        if (b != vbLeftButton) return;
        image5PointerX = Image5.Left() + x;
        image5PointerY = Image5.Top() + y;
        TimerDrag.setEnabled(true);
    };
    // A window system sends no move while the pointer rests: the picture closes in on it all the same
    // while the button holds it.
    TimerDrag.name = QStringLiteral("TimerDrag");
    registerTimer(&TimerDrag);
    TimerDrag.onTimer = [this] {
        if (!Image5.Visible()) {
            TimerDrag.setEnabled(false);
            return;
        }
        image5CloseIn(image5PointerX - Image5.Left(), image5PointerY - Image5.Top());
    };
    Image5.onMouseMove = [this](int b, int s, double x, double y) { Image5_MouseMove(b, s, x, y); };
    // Over the other pictures a move only closes the menus once the pointer has travelled far.
    for (platform::Image* img : {&Image1, &Image2, &Image3, &Image4})
        img->onMouseMove = [this](int, int, double x, double y) { travelReset(x, y); };
    Image5.onMouseUp = [this](int b, int s, double x, double y) { Image5_MouseUp(b, s, x, y); };

    LblXXK.onClick = [this](int index) { LblXXK_Click(index); };

    wireKeys();
}

void FrmMain::Label4_MouseDown(int button, int shift, double x, double y)
{
    label4PressAdvanced = false;
    const steps::Step s = step();
    if (button == vbLeftButton && steps::secondTargetPressAdvances(s)) {
        label4PressAdvanced = true;
        doNext();
        return;
    }
    if (bandOrDrag(shift, true)) {
        Shape6.setWidth(15);
        Shape6.setHeight(15);
        Shape6.setVisible(true);
        bandLeft = int(std::lround(Label4.Left() + x));
        bandTop = int(std::lround(Label4.Top() + y));
    }
    if (bandOrDrag(shift, false)) dragOn = true;
}

void FrmMain::Label4_MouseMove(int, int shift, double x, double y)
{
    if (bandOrDrag(shift, true)) {
        if (!Shape6.Visible()) return;
        // The band spans anchor and pointer whichever way the pointer went.
        const double px = Label4.Left() + x, py = Label4.Top() + y;
        Shape6.Move(std::min<double>(bandLeft, px), std::min<double>(bandTop, py), std::abs(px - bandLeft),
                    std::abs(py - bandTop));
    }
    // The drag pointer: also the sign that the drag has moved.
    if (bandOrDrag(shift, false) && dragOn) scene::targetPointer(step(), Label4, true);
}

void FrmMain::Label4_MouseUp(int, int shift, double x, double y)
{
    if (label4PressAdvanced) {
        // The press of this release already moved the task on.
        label4PressAdvanced = false;
        return;
    }
    const double px = Label4.Left() + x, py = Label4.Top() + y;
    if (bandOrDrag(shift, true)) {
        Shape6.setWidth(15);
        Shape6.setHeight(15);
        if (Shape6.Visible() && inside(Label1, px, py)) {
            doNext();
            return;
        }
        Shape6.setVisible(false);
    }
    if (bandOrDrag(shift, false)) {
        dragOn = false;
        if (inside(Label1, px, py) && Label4.MousePointer() != 0) {
            advance(step().cursorJump());
            return;
        }
        Label4.setMousePointer(0);
    }
    const std::optional<steps::TypedText> typed = steps::typedText(step().action());
    if (typed && typed->secondRelease && acceptedInText1()) {
        doNext();
        return;
    }
    const QString jump = step().auxJump();
    if (jump != QLatin1String("0") && !jump.isEmpty()) GoStep(jump);
}

void FrmMain::Image_Click(int slot)
{
    if (slot == 5 && image5ReleaseAdvanced) {
        // The release that ended this click dropped the picture and moved the task on.
        image5ReleaseAdvanced = false;
        return;
    }
    const QString jump = steps::pictureJump(step(), slot);
    if (!jump.isEmpty()) GoStep(jump);
}

void FrmMain::Image5_MouseMove(int button, int, double x, double y)
{
    travelReset(x, y);
    if (button != vbLeftButton) return;
    image5PointerX = Image5.Left() + x;
    image5PointerY = Image5.Top() + y;
    image5CloseIn(x, y);
}

void FrmMain::image5CloseIn(double x, double y)
{
    // Half way from where the picture is to the pointer, along the axes its code moves it: the
    // picture's own place is where the drag stands (at any scale, and whatever Image6 shows).
    const std::optional<steps::PictureDrag> drag = steps::pictureDrag(actCode);
    if (!drag) return;
    if (drag->x != 0) Image5.setLeft(Image5.Left() + x / 2);
    if (drag->y != 0) Image5.setTop(Image5.Top() + y / 2);
}

void FrmMain::Image5_MouseUp(int, int, double, double)
{
    TimerDrag.setEnabled(false);
    image5ReleaseAdvanced = false;
    const std::optional<steps::PictureDrag> drag = steps::pictureDrag(actCode);
    if (!drag) return;
    const double sx = common::scaleX(), sy = common::scaleY();
    const double tx = dragToX * sx, ty = dragToY * sy;
    if (steps::pictureDropAccepted(*drag, Image5.Left(), Image5.Top(), tx, ty)) {
        // Snapped onto the drop line; one release passes one step.
        if (drag->y != 0) Image5.setTop(ty);
        if (drag->x != 0) Image5.setLeft(tx);
        image5ReleaseAdvanced = true;
        doNext();
        return;
    }
    // Back to the slot, from where the next drag starts.
    if (drag->y != 0) Image5.setTop(step().slotTop(5) * sy);
    if (drag->x != 0) Image5.setLeft(step().slotLeft(5) * sx);
}
