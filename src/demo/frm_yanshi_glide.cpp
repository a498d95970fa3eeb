// The drawn pointer and its glide, the first target of each step, the arrival actions of the glide
// tick, and the small timers that type, drag, pause and blink the click ring.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/drill_state.h"
#include "common/naming.h"
#include "common/numbers.h"
#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "demo/frm_yanshi.h"
#include "platform/app.h"
#include "steps/completion.h"
#include "steps/dropdown.h"
#include "steps/hotspot_tables.h"
#include "steps/step.h"

using namespace platform;

namespace {

// The arrow's lines as offsets from the pointer's reference point, design twips: X1, Y1, X2, Y2.
constexpr int Outline[7][4] = {{60, 0, 60, 240},     {60, 240, 120, 180},  {120, 180, 180, 300},
                               {150, 150, 225, 285}, {165, 150, 240, 150}, {60, -15, 240, 165},
                               {195, 300, 225, 270}};
constexpr int Filling[6][4] = {{75, 15, 75, 210},    {105, 45, 105, 180},  {135, 75, 135, 150},
                               {165, 105, 165, 135}, {195, 120, 195, 135}, {135, 165, 210, 300}};

constexpr double Marker = -100; // Shape4's Left when the next arrival of the step is a click

int roundStep(double v)
{
    const double r = common::roundHalfEven(v);
    return int(std::clamp(r, -32768.0, 32767.0));
}

long centreX(const Control& c)
{
    return long(common::roundHalfEven(c.Left() + c.Width() / 2));
}

long centreY(const Control& c)
{
    return long(common::roundHalfEven(c.Top() + c.Height() / 2));
}

using steps::ActionKind;

// The kinds completed by a click on the main target.
bool clickOnTarget(ActionKind k)
{
    return k == ActionKind::Click || k == ActionKind::DoubleClick || k == ActionKind::RightClick;
}

} // namespace

void FrmYanShi::pointMove()
{
    bringToTop();
    const double sx = common::scaleX(), sy = common::scaleY();
    // Each line goes from where it was to where it is in one move.
    auto place = [&](Line& l, const int* p) {
        l.setPoints(ysPosX + p[0] * sx, ysPosY + p[1] * sy, ysPosX + p[2] * sx, ysPosY + p[3] * sy);
    };
    for (int i = 0; i < 7; ++i)
        place(LPoint(i), Outline[i]);
    LPoint(7).setPoints(LPoint(2).X2(), LPoint(2).Y2(), LPoint(6).X1(), LPoint(6).Y1());
    for (int i = 0; i < 6; ++i)
        place(LPoinB(i), Filling[i]);
}

// GlideStep set-up: one fifteenth of the distance along the major axis per tick. A target where
// the pointer already stands is a glide of no length, which arrives on the next tick.
void FrmYanShi::glideTo(long x, long y)
{
    ysToX = x;
    ysToY = y;
    const double dx = double(ysToX - ysPosX), dy = double(ysToY - ysPosY);
    ysLen = std::sqrt(dx * dx + dy * dy) / 15;
    if (dx == 0 && dy == 0) {
        ysDx = ysDy = 0;
        return;
    }
    if (std::fabs(dx) > std::fabs(dy)) {
        ysDx = roundStep(ysLen);
        ysDy = roundStep(std::fabs(dy) * ysLen / std::fabs(dx));
    } else {
        ysDx = roundStep(std::fabs(dx) * ysLen / std::fabs(dy));
        ysDy = roundStep(ysLen);
    }
    if (dx < 0) ysDx = -ysDx;
    if (dy < 0) ysDy = -ysDy;
}

void FrmYanShi::glideToCentre(const Control& c)
{
    glideTo(centreX(c), centreY(c));
}

void FrmYanShi::moveOneStep()
{
    ysPosX += ysDx;
    ysPosY += ysDy;
}

bool FrmYanShi::arrived() const
{
    const double ex = std::fabs(double(ysPosX - ysToX)), ey = std::fabs(double(ysPosY - ysToY));
    const double dist = std::sqrt(ex * ex + ey * ey);
    return (ex <= 1.2 * ysLen && ey <= 1.2 * ysLen) || dist < 1.5 * ysLen || dist < 120 * common::scaleX();
}

// The glide has arrived: the pointer is put on its target, so that what it does there (a click, a
// pick, the end of a drag) happens inside the target, whatever the last step left over. The
// arrival keeps its tick.
bool FrmYanShi::land()
{
    if (!arrived()) return false;
    ysPosX = ysToX;
    ysPosY = ysToY;
    if (ImgICO.Visible())
        ImgICO.Move(ysPosX, ysPosY);
    else
        pointMove();
    return true;
}

bool FrmYanShi::glideTick()
{
    moveOneStep();
    pointMove();
    return land();
}

bool FrmYanShi::clickMarked() const
{
    return Shape4.Left() == Marker;
}

void FrmYanShi::setClickMarker()
{
    Shape4.setLeft(Marker);
}

Control& FrmYanShi::overlayPicture(int k)
{
    Control* slots[] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6};
    return *slots[std::clamp(k, 1, 6) - 1];
}

void FrmYanShi::ringAtPointer()
{
    Shape5.Move(ysPosX - 180, ysPosY - 180);
    Timer5.setEnabled(true);
}

// The step's first target: a tab to switch to, the target rectangle, the start of a band or drag,
// the edit field, the picture to drag, the list, or the hot-spot of a menu step; key and
// automatic steps pause instead.
void FrmYanShi::MuBiaoWei()
{
    if (!common::drill().ysRun) return;
    const double sx = common::scaleX(), sy = common::scaleY();
    const steps::Step s = step();
    const ActionKind kind = s.kind();
    const steps::Completion how = steps::completion(s, ysStep);
    if (how.way == steps::Way::Nothing) {
        // Nothing the candidate does completes this step: the demonstration ends here, as on a
        // record it cannot read, instead of passing a step the candidate cannot.
        endUnplayable();
        return;
    }
    long x = ysToX, y = ysToY;
    if (s.tabChange()) {
        // The expected tab first, framed as the candidate's desktop frames it.
        const Label& t = LblXXK(ysTabNo);
        Shape1.Move(t.Left(), t.Top(), t.Width(), t.Height());
        Shape1.setVisible(LHelp.Visible());
        x = centreX(t);
        y = centreY(t);
    } else {
        if (clickOnTarget(kind) || kind == ActionKind::Hint || kind == ActionKind::Terminal ||
            kind == ActionKind::PopupPick) {
            x = centreX(Label1);
            y = centreY(Label1);
        }
        if (kind == ActionKind::Band || kind == ActionKind::Drag) {
            x = centreX(Label4);
            y = centreY(Label4);
        }
        if (kind == ActionKind::Typing) {
            x = long(common::roundHalfEven(Text1.Left() + 300));
            y = long(common::roundHalfEven(Text1.Top() + Text1.Height() / 2));
        }
        if (kind == ActionKind::ImageDrag) {
            x = centreX(Image5);
            y = centreY(Image5);
        }
        if (kind == ActionKind::Menu) {
            const int n = steps::hotSpotOf(menuId);
            Label& spot = LblZHU(n);
            if (menuId.startsWith(QLatin1Char('S')))
                spot.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
            Shape1.Move(spot.Left(), spot.Top(), spot.Width(), spot.Height());
            Shape1.setVisible(true);
            x = centreX(spot);
            y = centreY(spot);
            if (n == steps::StartButtonMenu || hotspots::areaOf(n) == hotspots::Area::StartMenu) {
                Shape1.Move(0, 8520 * sy, 1455 * sx, 450 * sy);
                x = centreX(Shape1);
                y = centreY(Shape1);
            }
            if (menuId.startsWith(QLatin1Char('S'))) {
                Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
                x = centreX(Label1);
                y = centreY(Label1);
            }
        }
        // A step whose action code does not complete it: where the candidate completes it.
        if (how.way == steps::Way::SecondPress || how.way == steps::Way::SecondRelease) {
            x = centreX(Label4);
            y = centreY(Label4);
        } else if (how.way == steps::Way::Picture) {
            x = centreX(overlayPicture(how.slot));
            y = centreY(overlayPicture(how.slot));
        } else if (how.way == steps::Way::MainRelease) {
            x = centreX(Label1);
            y = centreY(Label1);
        }
        // Steps that a key completes pause so that the hint is read: key steps and the codes
        // beginning "6" ("6000" too, which the candidate may complete by its key alternatives),
        // and steps whose only way is a key.
        const bool keyed = kind == ActionKind::Key || s.action().startsWith(QLatin1Char('6'));
        if (how.way == steps::Way::Key || (how.way == steps::Way::Action && keyed)) {
            ysTick = 0;
            glideTo(ysPosX, ysPosY);
            Timer4.setEnabled(true);
            Timer2.setEnabled(false);
            return;
        }
        if (kind == ActionKind::Auto) {
            Timer4.setEnabled(true);
            Timer2.setEnabled(false);
            return;
        }
        if (kind == ActionKind::List) {
            x = centreX(LstLA);
            y = centreY(LstLA);
        }
    }
    glideTo(x, y);
    Timer2.setEnabled(true);
}

// One tick of a step's glide: the ring's colour, a move, the pointer drawn (the cursor picture
// during band and drag legs), and on arrival the step's action.
void FrmYanShi::Timer2_Timer()
{
    const steps::Step s = step();
    const ActionKind kind = s.kind();
    Shape5.setBorderColor(0xFF);
    if (kind == ActionKind::DoubleClick) Shape5.setBorderColor(0xFF00);
    if (kind == ActionKind::RightClick || kind == ActionKind::PopupPick) Shape5.setBorderColor(0xFFFF);
    if (!common::drill().ysRun) {
        Timer2.setEnabled(false);
        return;
    }
    const double sx = common::scaleX(), sy = common::scaleY();
    Shape6.setWidth(1);
    Shape6.setHeight(1);
    moveOneStep();

    const bool band = kind == ActionKind::Band;
    if (band || (kind == ActionKind::Drag && clickMarked())) {
        if (band && ysBand) {
            // The band spans its anchor and the pointer whichever way the pointer went, as on the
            // candidate's desktop; it reaches past the arrow when it grows right or down.
            const double px = ysPosX >= bandX ? ysPosX + 120 * sx : double(ysPosX);
            const double py = ysPosY >= bandY ? ysPosY + 120 * sy : double(ysPosY);
            Shape6.Move(std::min(bandX, px), std::min(bandY, py), std::fabs(px - bandX),
                        std::fabs(py - bandY));
        }
        const QString nn = s.cursorKind() == u'S' ? QStringLiteral("00") : s.cursorCode();
        if (const QString file = scene::cursorFile(nn); !file.isEmpty()) ImgICO.LoadPicture(file);
        ImgICO.Move(ysPosX, ysPosY);
        ImgICO.setVisible(true);
        for (LineArray* a : {&LPoinB, &LPoint})
            a->forEach([](int, Line& l) { l.setPoints(-100, l.Y1(), -100, l.Y2()); });
    } else {
        ImgICO.setVisible(false);
        pointMove();
    }

    if (!land()) return;
    ringAtPointer();
    arrivalAction();
}

void FrmYanShi::arrivalAction()
{
    const auto& d = common::drill();
    const steps::Step s = step();

    if (s.tabChange() && !clickMarked()) {
        // The tab click: the expected page, the step's hint, and on to the target.
        Image* slots[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
        if (ysTabSlot >= 1 && ysTabSlot <= 5) {
            const QString file = common::pictureFile(d.dataPath, s.slotCode(ysTabSlot), d.dataExt);
            if (!file.isEmpty()) slots[ysTabSlot - 1]->LoadPicture(file);
        }
        if (tab.count >= 10) {
            tab.row = ysTabNo > 6 ? 2 : 1;
            DoubleXXK();
        }
        Label1.setVisible(true);
        LHelp.setCaption(ysTabHint);
        Label1.setHeight(ysMainH * common::scaleY());
        Label1.setWidth(ysMainW * common::scaleX());
        Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
        glideToCentre(Label1);
        setClickMarker();
        Timer2_Timer();
        return;
    }
    // The click, double click or right click on the target, or the click that ends a tab change, a
    // typing, a band or a drag: the step follows the jump the candidate's action follows.
    const ActionKind kind = s.kind();
    const steps::Completion how = steps::completion(s, ysStep);
    if (clickMarked() ||
        (how.way == steps::Way::Action && (clickOnTarget(kind) || kind == ActionKind::List))) {
        endStepBy(kind == ActionKind::None ? QStringLiteral("0") : how.jump);
        return;
    }
    if (how.way != steps::Way::Action) {
        // A press on the second target, a click on a picture or a release over a target, where the
        // step's own action is none the candidate can carry out: the step goes where it leads.
        Timer2.setEnabled(false);
        endStepBy(how.jump);
        return;
    }
    if (kind == ActionKind::Band || kind == ActionKind::Drag) {
        // Second leg: from the corner of the second target to the target, the band following.
        glideToCentre(Label1);
        ysBand = true;
        bandX = Shape4.Left();
        bandY = Shape4.Top();
        Shape6.Move(bandX, bandY, 1, 1);
        Shape6.setVisible(kind == ActionKind::Band);
        setClickMarker();
        Shape4.setWidth(15);
        Timer2_Timer();
        return;
    }
    Shape6.setVisible(false);
    if (kind == ActionKind::Hint) {
        endStepBy(how.jump);
        return;
    }
    if (kind == ActionKind::PopupPick) {
        RightKeyMenu();
        Timer2.setEnabled(false);
        return;
    }
    if (kind == ActionKind::Typing) {
        typingSetUp();
        return;
    }
    if (kind == ActionKind::ImageDrag) {
        pictureDragSetUp();
        return;
    }
    if (kind == ActionKind::Terminal) {
        TimEnd.setEnabled(true);
        Timer2.setEnabled(false);
        return;
    }
    if (kind == ActionKind::Menu) {
        startMenuAndClick();
        return;
    }
    Timer2.setEnabled(false);
    endStepBy(how.jump);
}

// The picture is carried as the candidate's desktop moves it: its Left and Top close in on the
// pointer's tip, along the axes its code moves it. The pointer takes it where it stands on it and
// lets go of it with the tip three pixels past the drop point, in the directions the code judges:
// a candidate who lets go there has the picture accepted (the candidate's picture, closing in on a
// pointer on whole pixels, may stop short of a point on the line itself, and a goal framed round
// the drop point has that point on its edge).
void FrmYanShi::pictureDragSetUp()
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const steps::PictureDrag drag = steps::pictureDrag(ysCode).value_or(steps::PictureDrag{});
    constexpr double Past = 45; // design twips: three pixels
    const QPointF tip = pointerTip();
    const double x = drag.x != 0 ? (ysDragToX + drag.x * Past) * sx : tip.x();
    const double y = drag.y != 0 ? (ysDragToY + drag.y * Past) * sy : tip.y();
    glideTo(long(common::roundHalfEven(x - (tip.x() - ysPosX))),
            long(common::roundHalfEven(y - (tip.y() - ysPosY))));
    Timer2.setEnabled(false);
    Timer3.setEnabled(true);
}

// The text to type: the answer up to its first "|", continued after what the field already holds
// of it.
void FrmYanShi::typingSetUp()
{
    ysText.clear();
    const std::optional<steps::TypedText> rule = steps::typedText(step().action());
    const QString lineField = step().answerLine();
    if (rule && lineField != QLatin1String("000")) ysText = steps::typedAnswer(*rule, textEntry(lineField));
    const QString held = typedField(rule).Text();
    if (ysText.startsWith(held)) ysTyped = int(held.size());
    Timer1.setEnabled(true);
    Timer2.setEnabled(false);
}

// The field the answer is typed into: the second field over the edit field where the code asks for
// it; the edit field otherwise (this desktop has no third field).
TextBox& FrmYanShi::typedField(const std::optional<steps::TypedText>& rule)
{
    return rule && rule->field == steps::TypedText::Field::Second ? Text2 : Text1;
}

// Typing, one character a tick; a typed answer confirmed by a click then glides to the target and
// clicks it.
void FrmYanShi::Timer1_Timer()
{
    if (!common::drill().ysRun) {
        Timer1.setEnabled(false);
        return;
    }
    const std::optional<steps::TypedText> rule = steps::typedText(step().action());
    using Shown = steps::TypedText::Shown;
    ysTyped += 1;
    if (!rule || rule->shown == Shown::Selection) {
        // A selection step types nothing and ends at once, however long its text.
        ysTyped = int(std::max<qsizetype>(300, ysText.size()));
    } else {
        TextBox& field = typedField(rule);
        field.setText(ysText.left(ysTyped));
        field.setSelStart(ysTyped);
    }
    if (ysTyped < ysText.size()) return;
    ysTyped = 0;
    Timer1.setEnabled(false);
    if (rule && rule->shown == Shown::Click) {
        glideToCentre(Label1);
        setClickMarker();
        Timer2.setEnabled(true);
        return;
    }
    doNext();
}

// The drag of Image5, its corner at the pointer's tip along the axes its code moves it, at every
// tick.
void FrmYanShi::Timer3_Timer()
{
    if (!common::drill().ysRun) return;
    const bool done = glideTick();
    const steps::PictureDrag drag = steps::pictureDrag(ysCode).value_or(steps::PictureDrag{});
    const QPointF tip = pointerTip();
    if (drag.x != 0) Image5.setLeft(tip.x());
    if (drag.y != 0) Image5.setTop(tip.y());
    if (!done) return;
    // Let go of: the candidate's desktop puts an accepted picture onto the drop point.
    if (drag.x != 0) Image5.setLeft(ysDragToX * common::scaleX());
    if (drag.y != 0) Image5.setTop(ysDragToY * common::scaleY());
    doNext();
    Timer3.setEnabled(false);
}

// Where the drawn arrow points: the start of its long outline stroke, right of and above the
// reference point that glides.
QPointF FrmYanShi::pointerTip() const
{
    return {ysPosX + Outline[5][0] * common::scaleX(), ysPosY + Outline[5][1] * common::scaleY()};
}

// The pause of key and automatic steps: five ticks.
void FrmYanShi::Timer4_Timer()
{
    ysTick += 1;
    if (ysTick < 5) return;
    ysTick = 0;
    Timer4.setEnabled(false);
    doNext();
}

// The ring blinks once where the pointer arrived.
void FrmYanShi::Timer5_Timer()
{
    if (!common::drill().ysRun) return;
    Shape5.setVisible(ysTick % 2 == 0);
    ysTick += 1;
    if (ysTick < 3) return;
    ysTick = 0;
    Shape5.setVisible(false);
    Timer5.setEnabled(false);
}
