// Every question of the sample installation demonstrated from the panel, at normal and at half
// speed: the player performs each step from the first to the terminal record by itself, the
// pointer stands at the target its step record names when the step ends, the half-speed run
// takes the same ticks at twice the interval, it hands the question back, and the candidate's
// own step, record and progress are as they were.
#include <QFile>
#include <QList>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "common/record.h"
#include "common/scale.h"
#include "common/text_file.h"
#include "demo/frm_yanshi.h"
#include "desktop/test_practice_fixture.h"
#include "platform/units.h"
#include "sample/generator.h"
#include "steps/completion.h"
#include "steps/hotspot_tables.h"
#include "steps/menu_tables.h"
#include "steps/step.h"

namespace {

// Where a step's last glide ends, from its record and the pictures the step shows: the centre of
// mainRect for the clicks, the typing confirmed by a click, the band and the drag; the edit
// field's left part for the other typing steps. A step of no action code of its own ends where the
// candidate completes it: the centre of the second target, of the picture that leads on (as shown
// by `p`) or of mainRect. Hot-spot and menu steps aim by the desktop's tables (below); steps that a
// key completes have no target.
bool recordTarget(const FrmYanShi& p, const QString& rec, int step, double* x, double* y)
{
    namespace col = common::col;
    const QString code = common::field(rec, col::Action, 4);
    const double sx = common::scaleX(), sy = common::scaleY();
    auto num = [&rec](int c, int w) { return double(common::fieldNumber(rec, c, w).value_or(0)); };
    auto centreOf = [&](int c) {
        *x = (num(c, 5) + num(c + 10, 5) / 2) * sx;
        *y = (num(c + 6, 4) + num(c + 15, 5) / 2) * sy;
        return true;
    };
    const steps::Completion how = steps::completion(steps::Step(rec), step);
    switch (how.way) {
    case steps::Way::SecondPress:
    case steps::Way::SecondRelease:
        return centreOf(col::AuxRect);
    case steps::Way::MainRelease:
        return centreOf(col::MainRect);
    case steps::Way::Picture: {
        const platform::Control* pictures[] = {&p.Image1, &p.Image2, &p.Image3,
                                               &p.Image4, &p.Image5, &p.Image6};
        const platform::Control& shown = *pictures[how.slot - 1];
        *x = shown.Left() + shown.Width() / 2;
        *y = shown.Top() + shown.Height() / 2;
        return true;
    }
    default:
        break;
    }
    static const QStringList clicks = {"0001", "0002", "0003", "0004", "0030", "0022", "0026"};
    if (clicks.contains(code) || code.startsWith(QLatin1String("004")) ||
        code.startsWith(QLatin1String("005"))) {
        return centreOf(col::MainRect);
    }
    if (code.startsWith(QLatin1String("002"))) {
        const int c = col::EditRect;
        *x = num(c, 5) * sx + 300;
        *y = (num(c + 6, 4) + num(c + 15, 5) / 2) * sy;
        return true;
    }
    return false;
}

// Where the pointer of a hot-spot or menu step ("7000") aims while the player `p` plays it, from
// the record, the desktop's tables and the panels shown: the row of the deepest panel open (with
// the panel it lies on), the Start-menu item while the Start menu is open, the Start button before,
// or the hot-spot the path starts at (the object picture on the main target). Form twips.
struct Aim {
    QRectF target;
    QRectF panel; // the drop-down the row lies on; empty for a hot-spot
};

std::optional<Aim> hotSpotAim(const FrmYanShi& p, const QString& rec)
{
    namespace col = common::col;
    const double sx = common::scaleX(), sy = common::scaleY();
    const auto on = [&](const hotspots::Rect& r, hotspots::Offset box = {}) {
        return QRectF((box.x + r.left) * sx, (box.y + r.top) * sy, r.width * sx, r.height * sy);
    };
    const auto rect = [](const menus::Box& b) { return QRectF(b.left, b.top, b.width, b.height); };
    const auto shown = [](const platform::Control& c) {
        return c.Visible() ? QRectF(c.Left(), c.Top(), c.Width(), c.Height()) : QRectF();
    };
    const QString path = common::field(rec, col::TargetC, 1) == QLatin1String("H")
                             ? common::field(rec, col::TargetC, 10)
                             : common::field(rec, col::TargetA, 10);
    const QString id = path.mid(1, 2);
    const int r1 = path.mid(3, 2).toInt(), r2 = path.mid(5, 2).toInt(), r3 = path.mid(7, 2).toInt();
    const menus::Desk demo = menus::Desk::Demonstration;
    const int depth = r3 ? 3 : r2 ? 2 : r1 ? 1 : 0;
    const int open = p.Pic3J.Visible() ? 3 : p.Pic2J.Visible() ? 2 : p.Pic1J.Visible() ? 1 : 0;
    const int level = std::min(depth, open);
    if (level == 1) {
        const auto rows = menus::firstLevelRows(id, sx, sy, demo, {p.Pic1J.Left(), p.Pic1J.Top()});
        return Aim{rect(rows[size_t(r1)]), shown(p.Pic1J)};
    }
    if (level == 2) {
        const auto rows = menus::secondLevelRows(menus::secondLevelKey(id, r1), sx, sy, demo,
                                                 {p.Pic2J.Left(), p.Pic2J.Top()});
        return Aim{rect(rows[size_t(r2)]), shown(p.Pic2J)};
    }
    if (level == 3) {
        const auto rows = menus::thirdLevelRows(sx, sy, demo, {p.Pic3J.Left(), p.Pic3J.Top()});
        return Aim{rect(rows[size_t(r3)]), shown(p.Pic3J)};
    }
    if (id.startsWith(u'S')) {
        const auto num = [&rec](int c, int w) { return double(common::fieldNumber(rec, c, w).value_or(0)); };
        const int m = col::MainRect;
        return Aim{QRectF(num(m, 5) * sx, num(m + 6, 4) * sy, num(m + 10, 5) * sx, num(m + 15, 5) * sy), {}};
    }
    const int n = id.startsWith(u'Z')                  ? 100 + id.mid(1).toInt()
                  : id.size() == 2 && id[0].isLetter() ? id.mid(1).toInt()
                                                       : id.toInt();
    const QString win = common::field(rec, col::WinCode, 2);
    const int digit = common::fieldNumber(rec, col::WinCode + 1, 1).value_or(0);
    using namespace hotspots;
    switch (areaOf(n)) {
    case Area::MenuBar: {
        const auto titles = menus::menuTitles(win.front(), sx, sy, {p.PicMenu.Left(), p.PicMenu.Top()});
        if (!titles) return std::nullopt;
        return Aim{rect((*titles)[size_t(n)]), {}};
    }
    case Area::TaskPane:
        return Aim{on(taskPaneLink(digit / 2, n), {TaskPaneBox.left, TaskPaneBox.top}), {}};
    case Area::Dialog:
        return Aim{on(dialogItem(common::fieldNumber(rec, col::PaneCode + 1, 1).value_or(0), n),
                      {DialogBox.left, DialogBox.top}),
                   {}};
    case Area::StartMenu:
        // First the Start button, then the item in the Start menu it opens.
        if (!p.PicStart.Visible()) return Aim{on(StartButton), {}};
        return Aim{on(fixedSpot(n)->r, {StartBox.left, StartBox.top}), {}};
    case Area::Toolbar:
        return Aim{on(fixedSpot(n)->r, {ToolBox.left, ToolBox.top}), {}};
    case Area::Desktop:
        return Aim{n == WholeDesktop ? on(DesktopBox) : on(fixedSpot(n)->r), {}};
    case Area::MyComputer:
        return Aim{n == WholeMyComputer ? on(MyComputerWindow)
                                        : on(fixedSpot(n)->r, {MyPcBox.left, MyPcBox.top}),
                   {}};
    default:
        return std::nullopt;
    }
}

struct Played {
    int steps = 0;       // the last step number shown
    int ticks = 0;       // intervals of 100 ms x speed until the form unloaded
    int checked = 0;     // arrivals compared with their record's target
    int startMenu = 0;   // of the ticks, those spent in the Start-menu glide (not slowed down)
    int hotSpots = 0;    // of the arrivals, those of hot-spot and menu steps
    int keys = 0;        // steps that a key completes, the pointer standing still
    QString lastCode;    // action code of the record shown last
    QList<int> sequence; // the steps in the order played
};

class SampleDemo : public practice::Practice {
protected:
    // Plays the current question from the panel's button (Shift: half speed) to the end.
    Played play(int speed)
    {
        Played r;
        FrmYanShi* const player = startDemonstration<FrmYanShi>(speed == 2 ? platform::vbShiftMask : 0);
        EXPECT_NE(player, nullptr);
        if (!player) return r;
        FrmYanShi& p = *player;
        const double arrowX = 60 * common::scaleX(); // the outline's first line starts there
        r.sequence << p.shownStep();
        QRectF aim;               // where the pointer of a hot-spot or menu step aims last
        bool panelsShown[4] = {}; // the Start menu and the three drop-down levels, before the tick
        int stillStep = 0;
        QPointF still; // the arrow at the start of the step shown
        for (; r.ticks < 6000 && platform::Forms::isLoaded<FrmYanShi>(); ++r.ticks) {
            const int step = p.shownStep();
            const QString rec = p.shownRecord();
            r.lastCode = common::field(rec, 8, 4);
            const steps::Step shown(rec);
            const steps::Completion how = steps::completion(shown, step);
            const bool keyed = shown.kind() == steps::ActionKind::Key || how.way == steps::Way::Key;
            double tx = 0, ty = 0;
            const bool targeted = recordTarget(p, rec, step, &tx, &ty);
            if (step != stillStep) {
                stillStep = step;
                still = QPointF(p.LPoint(0).X1(), p.LPoint(0).Y1());
            }
            // The hint, as the step shows it, lies on the screen and clear of the edit field
            // (a window of its own, which would hide it).
            if (p.LHelp.Visible() && !p.LHelp.Caption().isEmpty()) {
                const QRectF hint(p.LHelp.Left(), p.LHelp.Top(), p.LHelp.Width(), p.LHelp.Height());
                EXPECT_LE(hint.right(), platform::screenWidthTwips())
                    << "step " << step << ": " << p.LHelp.Caption().toStdString();
                if (p.Text1.Visible()) {
                    EXPECT_FALSE(hint.intersects(
                        QRectF(p.Text1.Left(), p.Text1.Top(), p.Text1.Width(), p.Text1.Height())))
                        << "step " << step << ": " << p.LHelp.Caption().toStdString();
                }
            }
            // The glide into the open Start menu, up to the item's click.
            if (p.PicStart.Visible() && !p.Pic1J.Visible()) ++r.startMenu;
            // A hot-spot or menu step: the pointer clicks its hot-spot (or the Start button and
            // then the Start-menu item) and then each row of its path, on a panel that is shown and
            // holds the row, and clear of the question panel's corner, where the candidate could
            // not reach it. Each click opens the next panel, or ends the step.
            const bool hotSpotStep = r.lastCode == QLatin1String("7000");
            std::optional<Aim> at;
            if (hotSpotStep) {
                at = hotSpotAim(p, rec);
                EXPECT_TRUE(at.has_value()) << "step " << step;
                if (at) aim = at->target;
            }
            const platform::Control* panels[] = {&p.PicStart, &p.Pic1J, &p.Pic2J, &p.Pic3J};
            for (int k = 0; k < 4; ++k)
                panelsShown[k] = panels[k]->Visible();
            time.advance(100 * speed);
            if (!platform::Forms::isLoaded<FrmYanShi>()) continue;
            bool opened = false;
            for (int k = 0; k < 4; ++k)
                opened |= !panelsShown[k] && panels[k]->Visible();
            if (hotSpotStep && at && (opened || p.shownStep() != step)) {
                const QPointF clicked(p.LPoint(0).X1() - arrowX, p.LPoint(0).Y1());
                EXPECT_TRUE(aim.adjusted(-1, -1, 1, 1).contains(clicked))
                    << "step " << step << " clicks at " << clicked.x() << "," << clicked.y() << ", not in "
                    << aim.left() << "," << aim.top() << " " << aim.width() << "x" << aim.height();
                if (!at->panel.isNull()) {
                    EXPECT_TRUE(at->panel.adjusted(-15, -15, 15, 15).contains(aim))
                        << "step " << step << ": the row is not on a panel shown";
                }
                const QRectF corner((12000 - 4980) * common::scaleX(), (9000 - 3630) * common::scaleY(),
                                    4980 * common::scaleX(), 3630 * common::scaleY());
                EXPECT_FALSE(corner.contains(clicked))
                    << "step " << step << " clicks under the question panel at " << clicked.x() << ","
                    << clicked.y();
            }
            if (p.shownStep() == step) continue;
            r.sequence << p.shownStep();
            if (keyed && !shown.tabChange()) {
                // The pointer stood where the step before left it.
                EXPECT_EQ(QPointF(p.LPoint(0).X1(), p.LPoint(0).Y1()), still)
                    << "step " << step << " (" << r.lastCode.toStdString() << ") moved the pointer";
                ++r.keys;
                continue;
            }
            if (hotSpotStep) {
                // The step ended with the click in the hot-spot or row its path ends at (above).
                ++r.hotSpots;
                continue;
            }
            // A step without an action of its own would leave the pointer where the last one
            // stood.
            EXPECT_NE(steps::Step(rec).kind(), steps::ActionKind::None)
                << "step " << step << " (" << r.lastCode.toStdString() << ") has no place to be played at";
            if (!targeted) continue;
            // The arrow as drawn at the arrival (the terminal record does not redraw it), or the
            // cursor picture that stands for it during band and drag legs.
            double px = p.LPoint(0).X1() - arrowX, py = p.LPoint(0).Y1();
            if (p.ImgICO.Visible()) px = p.ImgICO.Left(), py = p.ImgICO.Top();
            // The arrival puts the pointer on its target.
            const double ex = std::fabs(px - tx), ey = std::fabs(py - ty);
            const bool near = ex <= 1 && ey <= 1;
            EXPECT_TRUE(near) << "step " << step << " (" << r.lastCode.toStdString() << ") ends at " << px
                              << "," << py << ", its target is " << tx << "," << ty;
            ++r.checked;
        }
        r.steps = r.sequence.last();
        return r;
    }

    testkit::TempProgramFolder prog;
};

TEST_F(SampleDemo, EveryQuestionPlaysFromItsFirstStepToItsEndAtBothSpeeds)
{
    int played = 0, steps = 0, questions = 0, checked = 0, startMenus = 0, hotSpotArrivals = 0, keySteps = 0;
    forEachSampleUnit(prog.path(), [&](int) {
        auto& d = common::drill();
        questions += d.tmCount;
        for (int q = 1; q <= d.tmCount; ++q) {
            choose(q);
            rendered();
            const int dqStep = d.dqStep;
            const QString stepRec = d.stepRec;
            const auto states = d.tmState;
            const auto remembered = d.tmStep;
            const auto done = d.tmDone;
            Played atSpeed[3];
            for (int speed : {1, 2}) {
                SCOPED_TRACE(testing::Message() << "question " << q << " speed " << speed);
                const Played r = play(speed);
                atSpeed[speed] = r;
                ASSERT_FALSE(platform::Forms::isLoaded<FrmYanShi>()) << "still at step " << r.steps;
                EXPECT_EQ(r.lastCode, QStringLiteral("9999"));
                EXPECT_EQ(r.steps, d.tmStart[q + 1] - d.tmStart[q]);
                EXPECT_FALSE(d.ysRun);
                EXPECT_EQ(d.dqStep, dqStep);
                EXPECT_EQ(d.stepRec, stepRec);
                EXPECT_EQ(d.tmState, states);
                EXPECT_EQ(d.tmStep, remembered);
                EXPECT_EQ(d.tmDone, done);
                EXPECT_TRUE(desk().Visible());
                EXPECT_TRUE(panel().Visible());
                // The panel reloads the question where the candidate left it.
                time.advance(200);
                EXPECT_EQ(d.dqTm, q);
                EXPECT_EQ(d.dqStep, dqStep);
                checked += r.checked;
                hotSpotArrivals += r.hotSpots;
                keySteps += r.keys;
            }
            SCOPED_TRACE(testing::Message() << "question " << q);
            EXPECT_EQ(atSpeed[2].sequence, atSpeed[1].sequence);
            // Every interval is doubled except the Start-menu glide's: the same ticks apart from
            // that glide, which takes half as many of the longer ticks.
            EXPECT_EQ(atSpeed[2].ticks - atSpeed[2].startMenu, atSpeed[1].ticks - atSpeed[1].startMenu);
            EXPECT_LE(atSpeed[2].startMenu, (atSpeed[1].startMenu + 1) / 2 + 1);
            steps += atSpeed[1].steps;
            startMenus += atSpeed[1].startMenu > 0;
            ++played;
        }
    });
    EXPECT_GT(questions, 0);
    EXPECT_EQ(played, questions);
    EXPECT_GT(checked, questions);
    EXPECT_GT(startMenus, 0);
    EXPECT_GT(keySteps, 0);
    // Every step of the hot-spot and menu units, at both speeds.
    EXPECT_GE(hotSpotArrivals, 2 * 33);
    RecordProperty("played", played);
    RecordProperty("steps", steps);
    RecordProperty("arrivals", checked);
}

// Every picture drag of the sample, at scale 1.0 and 0.8: the demonstration takes the picture and
// lets go of it where a candidate who does the same passes the step on the candidate's desktop.
TEST_F(SampleDemo, EveryPictureDragIsLetGoOfWhereTheCandidatesDesktopAcceptsIt)
{
    int drags = 0;
    for (double tpp : {15.0, 12.0}) {
        SCOPED_TRACE(testing::Message() << tpp << " twips a pixel");
        platform::setTwipsPerPixel(tpp, tpp);
        common::computeScale();
        testkit::TempProgramFolder folder;
        forEachSampleUnit(folder.path(), [&](int) {
            auto& d = common::drill();
            const QStringList lines = common::readTextFile(d.stepPath).lines;
            for (int q = 1; q <= d.tmCount; ++q) {
                bool dragged = false;
                for (int l = d.tmStart[q]; l < d.tmStart[q + 1]; ++l)
                    dragged |= steps::Step(lines[l - 1]).kind() == steps::ActionKind::ImageDrag;
                if (!dragged) continue;
                SCOPED_TRACE(testing::Message() << "question " << q);
                choose(q);
                rendered();
                // The demonstration: where the arrow's tip takes each dragged picture (it stands on
                // the picture still at its place) and where it lets go (the step has changed).
                FrmYanShi* const player = startDemonstration<FrmYanShi>();
                ASSERT_NE(player, nullptr);
                FrmYanShi& p = *player;
                struct Drag {
                    QPointF took, letGo;
                };
                std::map<int, Drag> played;
                int shown = 0;
                QPointF slot;
                for (int tick = 0; tick < 6000 && platform::Forms::isLoaded<FrmYanShi>(); ++tick) {
                    const QPointF tip(p.LPoint(5).X1(), p.LPoint(5).Y1());
                    if (p.shownStep() != shown) {
                        if (played.count(shown)) played[shown].letGo = tip;
                        shown = p.shownStep();
                        slot = QPointF(p.Image5.Left(), p.Image5.Top());
                    }
                    if (steps::Step(p.shownRecord()).kind() == steps::ActionKind::ImageDrag &&
                        QPointF(p.Image5.Left(), p.Image5.Top()) == slot)
                        played[shown].took = tip;
                    time.advance(100);
                }
                ASSERT_FALSE(platform::Forms::isLoaded<FrmYanShi>());
                time.advance(200);
                // The candidate, step by step: the other steps solved by hand, each drag as played.
                testkit::Solver solver(desk(), time.clock());
                for (const auto& [step, drag] : played) {
                    while (d.dqStep < step)
                        ASSERT_TRUE(solver.solveStep());
                    ASSERT_EQ(d.dqStep, step);
                    testkit::dragHeld(desk(), drag.took.x(), drag.took.y(), drag.letGo.x(), drag.letGo.y(),
                                      platform::vbLeftButton, 0, 8, 16);
                    EXPECT_EQ(d.dqStep, step + 1)
                        << "step " << step << " let go of at " << drag.letGo.x() << "," << drag.letGo.y();
                    ++drags;
                }
            }
        });
    }
    platform::setTwipsPerPixel(15, 15);
    common::computeScale();
    EXPECT_GE(drags, 2 * 8);
}

} // namespace
