// The teaching frames: 100 ms after a scene is built (or teaching starts), a red frame around the
// hot-spot that the step's menu targets expect, one frame per area, shown exactly when the hint is.
#include <cmath>

#include "common/drill_state.h"
#include "common/numbers.h"
#include "common/scale.h"
#include "desktop/frm_main.h"
#include "steps/hotspot_tables.h"
#include "steps/step.h"

using namespace platform;

namespace {

// The hot-spot number named by a menu id (characters 2-3 of a target): its value; a letter and a
// digit ("A2") name the title of that digit; "Z" and a digit name 100 and up. 0 or a fraction
// names nothing.
double frameNumber(const QString& id)
{
    double n = common::leadingNumber(id);
    if (n <= 0 && !id.startsWith(u'S')) n = common::leadingNumber(id.mid(1, 1));
    if (id.startsWith(u'Z')) n = 100 + common::leadingNumber(id.mid(1, 1));
    return n;
}

} // namespace

void FrmMain::TimerDisFK_Timer()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    Shape* const frames[] = {&ShapeMenu,  &ShapeTool,  &ShapeHui, &ShapeCtrl,
                             &ShapeTable, &ShapeStart, &ShapeMyPc};
    for (Shape* s : frames)
        s->setVisible(false);

    const steps::Step rec = step();
    // targetB, targetA, targetC in this order; a MenuPick counts in the first two only.
    const std::pair<QString, bool> slots[] = {
        {rec.targetB(), true}, {rec.targetA(), true}, {rec.targetC(), false}};
    for (const auto& [slot, picks] : slots) {
        const bool counts = slot.startsWith(u'H') || (picks && slot.startsWith(u'D'));
        if (!counts) continue;
        const double value = frameNumber(slot.mid(1, 2));
        if (value != std::floor(value)) continue;
        const int n = int(value);

        Shape* frame = nullptr;
        const auto onSpot = [&](Shape& s) {
            const Label& l = LblZHU(n);
            s.Move(l.Left(), l.Top(), l.Width(), l.Height());
            frame = &s;
        };
        const auto onWhole = [&](Shape& s, const Control& box) {
            s.Move(15 * sx, 15 * sy, box.Width() - 30 * sx, box.Height() - 30 * sy);
            frame = &s;
        };
        const auto onStartButton = [&] {
            const hotspots::Rect& b = hotspots::StartButton;
            ShapeStart.Move(15 * sx, b.top * sy, b.width * sx, 450 * sy);
            frame = &ShapeStart;
        };
        switch (hotspots::areaOf(n)) {
        case hotspots::Area::MenuBar:
            onSpot(ShapeMenu);
            break;
        case hotspots::Area::Toolbar:
            if (n == hotspots::WholeToolbar)
                onWhole(ShapeTool, PicTool);
            else
                onSpot(ShapeTool);
            break;
        case hotspots::Area::TaskPane:
            onSpot(ShapeHui);
            break;
        case hotspots::Area::Dialog:
            onSpot(ShapeCtrl);
            break;
        case hotspots::Area::Desktop:
            // The icons, the whole desktop, and 70: the Start button's own menu. The parked
            // numbers between have no frame.
            if (n == hotspots::WholeDesktop)
                onWhole(ShapeTable, PicTable);
            else if (n == 70)
                onStartButton();
            else if (n <= 66)
                onSpot(ShapeTable);
            break;
        case hotspots::Area::StartMenu:
            onStartButton();
            break;
        case hotspots::Area::MyComputer:
            if (n == hotspots::WholeMyComputer)
                onWhole(ShapeMyPc, PicMyPc);
            else
                onSpot(ShapeMyPc);
            break;
        case hotspots::Area::None:
            break;
        }
        if (frame) frame->setVisible(LHelp.Visible());
    }
    TimerDisFK.setEnabled(false);
}
