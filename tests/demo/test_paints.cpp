// What the demonstration repaints as it plays: a glide tick repaints where the pointer's lines were
// and where they are, nothing else; a step that keeps the background repaints the places that
// changed, not the desktop.
#include <QWidget>
#include <vector>

#include "demo_fixture.h"

using namespace demotest;

namespace {

// Where the arrow's lines lie in the window.
std::vector<QRect> arrowRects(FrmYanShi& p)
{
    std::vector<QRect> out;
    QWidget* window = p.hostWidget();
    for (platform::LineArray* a : {&p.LPoint, &p.LPoinB})
        a->forEach([&](int, platform::Line& l) {
            QWidget* w = l.widget();
            out.push_back(QRect(w->mapTo(window, QPoint()), w->size()));
        });
    return out;
}

int areaOf(const QRegion& r)
{
    int sum = 0;
    for (const QRect& rect : r)
        sum += rect.width() * rect.height();
    return sum;
}

int paintsIn(const testkit::PaintLog& log, const QWidget* window)
{
    int n = 0;
    for (const auto& p : log.paints())
        n += p.window == window;
    return n;
}

} // namespace

TEST_F(Demo, AGlideTickRepaintsWhereThePointerWasAndWhereItIs)
{
    start({{aimed("0001", -4500, -3000), terminal()}});
    startDemo();
    ASSERT_TRUE(playing());
    FrmYanShi& p = player();
    QWidget* window = p.hostWidget();
    testkit::PaintLog log;
    int glides = 0;
    for (int tick = 0; tick < 30 && p.shownStep() == 1; ++tick) {
        testkit::paintPending();
        log.clear();
        const std::vector<QRect> before = arrowRects(p);
        const QPointF was = pointer();
        time.advance(100);
        testkit::paintPending();
        // Only the ticks of the glide itself: the arrival clicks and rings.
        if (pointer() == was) continue;
        if (pointer() == QPointF(StartX - 4500, StartY - 3000)) break;
        ++glides;
        SCOPED_TRACE(glides);
        QRegion arrow;
        for (const QRect& r : before)
            arrow += r;
        for (const QRect& r : arrowRects(p))
            arrow += r;
        const QRegion painted = log.area(window);
        EXPECT_FALSE(painted.isEmpty());
        EXPECT_TRUE((painted - arrow).isEmpty())
            << "painted beyond the arrow: " << areaOf(painted - arrow) << " pixels";
        // The lines, the layer they lie on, the desktop under them and the hot-spots there.
        EXPECT_LE(paintsIn(log, window), 24) << log.names().toStdString();
    }
    EXPECT_GE(glides, 5);
}

TEST_F(Demo, AStepThatKeepsTheBackgroundRepaintsWhatChangedNotTheDesktop)
{
    start({{at("0001", 1500, 1500), at("0001", 4500, 1500), terminal()}});
    startDemo();
    ASSERT_TRUE(playing());
    FrmYanShi& p = player();
    QWidget* window = p.hostWidget();
    const int whole = window->width() * window->height();
    testkit::PaintLog log;
    bool changed = false;
    for (int tick = 0; tick < 60 && !changed; ++tick) {
        testkit::paintPending();
        log.clear();
        time.advance(100);
        testkit::paintPending();
        changed = p.shownStep() == 2;
    }
    ASSERT_TRUE(changed);
    // The old target and its frame, the new ones, the pointer and its ring: a small part.
    EXPECT_LT(areaOf(log.area(window)), whole / 10) << log.names().toStdString();
}
