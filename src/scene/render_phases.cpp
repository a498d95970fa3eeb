// The render phases that work alike on both desktops.
#include "scene/render_phases.h"

#include "common/scale.h"
#include "steps/menu_tables.h"

using namespace platform;

namespace scene {

void teachingAids(bool teaching, Label& hint, Shape& shape1, Shape& shape2, Shape& shape4)
{
    for (Control* c : std::initializer_list<Control*>{&hint, &shape1, &shape2, &shape4})
        c->setVisible(teaching);
}

void lastFrameRule(const Label& label1, Shape& shape1, Shape& shape2, const Label& hint)
{
    if (label1.Height() <= 10 || !label1.Visible()) shape1.setVisible(false);
    shape2.setVisible(hint.Visible());
}

void overlayField(const QString& code, TextBox& text1, TextBox& text2)
{
    if (steps::actionKind(code) != steps::ActionKind::Typing || steps::actionNumber(code) != 21) {
        text2.setVisible(false);
        return;
    }
    text2.setText(text1.Text());
    text2.setLeft(text1.Left());
    text2.setTop(text1.Top());
    text2.setHeight(text1.Height());
    text2.setWidth(text1.Width());
    text2.setVisible(true);
    text1.setVisible(false);
}

void myComputerPane(const steps::Step& step, Control& pane)
{
    pane.setVisible(step.paneLetter() == u'P');
}

void placeMenuBar(const steps::Step& step, Control& box, LabelArray& titles, bool titlesOnForm)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const menus::Offset at = menus::menuBarPlace(step);
    box.Move(at.x * sx, at.y * sy);
    if (step.appLetter().isNull()) return;
    const menus::Offset offset = titlesOnForm ? menus::Offset{box.Left(), box.Top()} : menus::Offset{};
    const auto boxes = menus::menuTitles(step.appLetter(), sx, sy, offset);
    if (!boxes) return;
    for (int i = menus::FirstTitleHotSpot; i <= menus::LastTitleHotSpot; ++i) {
        const menus::Box& b = (*boxes)[size_t(i)];
        titles(i).Move(b.left, b.top, b.width, b.height);
    }
}

} // namespace scene
