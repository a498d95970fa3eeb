// The drawn pointer and the click ring lie above every control of the demonstration desktop,
// windowed ones included: over an edit field or a list they are what the window shows.
#include <QImage>
#include <QWidget>

#include "demo_fixture.h"
#include "platform/units.h"

using namespace demotest;

namespace {

// The widget drawn last at a point of the window: the deepest visible widget there, children
// above their parent and later siblings above earlier ones.
QWidget* topmostAt(QWidget* parent, QPoint at)
{
    const QObjectList& kids = parent->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || !w->isVisible() || w->isWindow() || !w->geometry().contains(at)) continue;
        return topmostAt(w, at - w->geometry().topLeft());
    }
    return parent;
}

QPoint pixelAt(double x, double y)
{
    return QPoint(platform::toPixelsX(x), platform::toPixelsY(y));
}

} // namespace

TEST_F(Demo, ThePointerAndTheRingLieAboveEditFieldsAndLists)
{
    StepRecord r;
    r.action("0020");
    r.mainRect(6000, '0', 6000, 600, 300);
    r.setRect(col::EditRect, 1500, '0', 3000, 3000, 600);
    start({{r, terminal()}});
    startDemo();
    FrmYanShi& p = player();
    ASSERT_TRUE(p.Text1.Visible());
    // The pointer glides to the edit field's start, where the typing begins.
    const QPointF fieldStart(1500 + 300, 3000 + 300);
    for (int i = 0; i < 30 && pointer() != fieldStart; ++i)
        time.advance(100);
    ASSERT_EQ(pointer(), fieldStart);

    for (platform::Control* field :
         {static_cast<platform::Control*>(&p.Text1), static_cast<platform::Control*>(&p.LstLA)}) {
        SCOPED_TRACE(field->Name().toStdString());
        if (field == &p.LstLA) {
            // A list shown under the pointer.
            p.LstLA.Move(fieldStart.x() - 300, fieldStart.y() - 60, 2400, 1200);
            p.LstLA.setVisible(true);
        }
        p.Shape5.Move(field->Left() + 900, field->Top() + 60);
        p.Shape5.setVisible(true);
        QWidget* window = p.hostWidget();

        // The arrow's outline: its left edge, halfway down.
        const platform::Line& edge = p.LPoint(0);
        const QPoint onEdge = pixelAt(edge.X1(), (edge.Y1() + edge.Y2()) / 2);
        ASSERT_TRUE(field->widget()->geometry().contains(onEdge));
        EXPECT_TRUE(topmostAt(window, onEdge)->objectName().startsWith(QStringLiteral("LPoint")));
        // The ring's left edge.
        const QPoint onRing = pixelAt(p.Shape5.Left() + 4, p.Shape5.Top() + p.Shape5.Height() / 2);
        EXPECT_EQ(topmostAt(window, onRing)->objectName(), QStringLiteral("Shape5"));

        // What the window shows there: the black outline, not the field's white page.
        const QImage shown = window->grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(onEdge)), QColor(Qt::black));
        // The pointer is never hit: a click there still reaches the field.
        EXPECT_EQ(window->childAt(onEdge), field->widget()->childAt(onEdge - field->widget()->pos())
                                               ? field->widget()->childAt(onEdge - field->widget()->pos())
                                               : field->widget());
    }
}
