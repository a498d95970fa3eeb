// The two desktops held together over the whole sample bank: every step record lays out the same
// scene on the demonstration desktop as on the candidate's, and in every step the candidate
// completes by pointing (its action code's own rule, or a press on the second target, a click on a
// picture or a release over a target), the demonstration's pointer arrives inside the step's
// target before the step advances.
#include <QFile>
#include <QPointF>
#include <QRectF>
#include <optional>

#include "common/record.h"
#include "common/scale.h"
#include "demo/frm_yanshi.h"
#include "desktop/test_practice_fixture.h"
#include "sample/generator.h"
#include "steps/completion.h"
#include "steps/step.h"

namespace {

using steps::ActionKind;

QRectF rectOf(const platform::Control& c)
{
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

QString pictureName(const platform::Picture& p)
{
    return p.source().section(QLatin1Char('/'), -1);
}

// A RectSpec of the record on the screen (Left 5, JumpChar 1, Top 4, Width 5, Height 5).
QRectF recordRect(const steps::Step& s, int column)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    return {s.number(column, 5) * sx, s.number(column + 6, 4) * sy, s.number(column + 10, 5) * sx,
            s.number(column + 15, 5) * sy};
}

// The hot-spots of an area of the candidate's desktop (inside their box) on the screen.
QRectF onScreen(const platform::Control& spot, const platform::Control& box)
{
    return rectOf(spot).translated(box.Left(), box.Top());
}

class SampleSteps : public practice::Practice {
protected:
    // A unit's demonstration is closed with its desktop.
    void closeUnit() override
    {
        if (platform::Forms::isLoaded<FrmYanShi>()) platform::Forms::instance<FrmYanShi>().Unload();
        Practice::closeUnit();
    }

    testkit::TempProgramFolder prog;
};

// Places, visibility and pictures of the controls both desktops lay out for a record.
void expectSameScene(FrmMain& f, FrmYanShi& p, const steps::Step& s)
{
    auto same = [](const platform::Control& a, const platform::Control& b, const char* what) {
        EXPECT_EQ(a.Visible(), b.Visible()) << what;
        if (!a.Visible() || !b.Visible()) return;
        EXPECT_EQ(rectOf(a), rectOf(b)) << what;
    };
    EXPECT_EQ(pictureName(f.picture()), pictureName(p.picture())) << "background";
    const platform::Control* fs[] = {&f.Image1, &f.Image2, &f.Image3, &f.Image4, &f.Image5, &f.Image6};
    const platform::Control* ps[] = {&p.Image1, &p.Image2, &p.Image3, &p.Image4, &p.Image5, &p.Image6};
    const platform::Picture* fp[] = {&f.Image1.picture(), &f.Image2.picture(), &f.Image3.picture(),
                                     &f.Image4.picture(), &f.Image5.picture(), &f.Image6.picture()};
    const platform::Picture* pp[] = {&p.Image1.picture(), &p.Image2.picture(), &p.Image3.picture(),
                                     &p.Image4.picture(), &p.Image5.picture(), &p.Image6.picture()};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(testing::Message() << "overlay " << k + 1);
        same(*fs[k], *ps[k], "overlay");
        if (fs[k]->Visible()) {
            EXPECT_EQ(pictureName(*fp[k]), pictureName(*pp[k]));
        }
    }
    same(f.Label1, p.Label1, "Label1");
    EXPECT_EQ(f.Label1.MousePointer(), p.Label1.MousePointer()) << "Label1's pointer";
    // A parked second target keeps the Top it had: compare it only where the record places it.
    if (f.Label4.Left() >= 0 || p.Label4.Left() >= 0) same(f.Label4, p.Label4, "Label4");
    // A "0027" field is Text3 over Text1 on the candidate's desktop, Text1 itself on the other.
    same(s.action() == QLatin1String("0027") ? f.Text3 : f.Text1, p.Text1, "edit field");
    same(f.LstLA, p.LstLA, "LstLA");
    for (int i = 0; i <= 13; ++i) {
        SCOPED_TRACE(testing::Message() << "LblXXK(" << i << ")");
        EXPECT_EQ(rectOf(f.LblXXK(i)), rectOf(p.LblXXK(i)));
    }
    // The hint's words, where the two desktops do not word a typed-text prompt on purpose apart.
    const QString code = s.action();
    if (code != QLatin1String("0025") && code != QLatin1String("0028")) {
        EXPECT_EQ(f.LHelp.Caption(), p.LHelp.Caption()) << "hint";
    }
    EXPECT_EQ(rectOf(f.LHelp).topLeft(), rectOf(p.LHelp).topLeft()) << "hint";

    // The teaching aids, both desktops teaching: the hint, the red frame (which the demonstration
    // keeps on a "0028" step for its own box), the yellow frame, the second target's frame (which
    // a tab dialog hides on the demonstration desktop) and the "0021" overlay field.
    EXPECT_EQ(f.LHelp.Visible(), p.LHelp.Visible()) << "hint";
    if (code != QLatin1String("0028")) {
        EXPECT_EQ(f.Shape1.Visible(), p.Shape1.Visible()) << "red frame";
    }
    EXPECT_EQ(f.Shape2.Visible(), p.Shape2.Visible()) << "yellow frame";
    if (!s.hasTabs()) {
        EXPECT_EQ(f.Shape4.Visible(), p.Shape4.Visible()) << "second target's frame";
        if (f.Label4.Left() >= 0 || p.Label4.Left() >= 0) same(f.Shape4, p.Shape4, "second target's frame");
    }
    same(f.Text2, p.Text2, "overlay field");

    // The window's chrome and its hot-spots, which lie inside their boxes on the candidate's
    // desktop and on the form on the demonstration desktop.
    for (const auto& [a, b, what] :
         {std::tuple{&f.PicMenu, &p.PicMenu, "menu bar"}, std::tuple{&f.PicHui, &p.PicHui, "task pane"},
          std::tuple{&f.PicMyPc, &p.PicMyPc, "My Computer"}}) {
        EXPECT_EQ(a->Visible(), b->Visible()) << what;
        if (!a->Visible()) continue;
        EXPECT_EQ(rectOf(*a).topLeft(), rectOf(*b).topLeft()) << what;
        EXPECT_EQ(pictureName(a->picture()), pictureName(b->picture())) << what;
    }
    EXPECT_EQ(f.PicTool.Visible(), p.PicTool.Visible()) << "toolbar";
    EXPECT_EQ(pictureName(f.PicTool.picture()), pictureName(p.PicTool.picture())) << "toolbar";
    const auto spots = [&](bool shown, int first, int last, const platform::Control& box, const char* what) {
        for (int n = first; shown && n <= last; ++n) {
            EXPECT_EQ(onScreen(f.LblZHU(n), box), rectOf(p.LblZHU(n))) << what << " " << n;
        }
    };
    spots(f.PicMenu.Visible(), 1, 10, f.PicMenu, "menu title");
    spots(f.PicHui.Visible(), 26, 40, f.PicHui, "task-pane link");
    spots(s.paneLetter() == u'N', 41, 60, f.PicCtrl, "dialog item");
}

TEST_F(SampleSteps, EveryRecordLaysOutTheSameSceneOnBothDesktops)
{
    int compared = 0, tabs = 0;
    forEachSampleUnit(prog.path(), [&](int) {
        const int questions = common::drill().tmCount;
        auto& d = common::drill();
        FrmMain& f = desk();
        for (int q = 1; q <= questions; ++q) {
            choose(q);
            rendered();
            // The demonstration desktop, loaded and rendered without playing (no glide runs).
            d.ysRun = false;
            FrmYanShi& p = platform::Forms::instance<FrmYanShi>();
            p.Load(); // in teaching mode, as a demonstration shows every step
            const int count = d.tmStart[q + 1] - d.tmStart[q];
            for (int k = 1; k <= count; ++k) {
                SCOPED_TRACE(testing::Message() << "question " << q << " step " << k);
                d.dqStep = k;
                f.setData();
                p.showStep(k);
                ASSERT_EQ(p.shownRecord(), d.stepRec);
                const steps::Step s(d.stepRec);
                // The terminal record is the demonstration's own ending.
                if (s.kind() == ActionKind::Terminal) continue;
                expectSameScene(f, p, s);
                ++compared;
                tabs += s.hasTabs();
            }
            p.Unload();
            testkit::settle();
            d.ksMode = common::ModePractice;
        }
    });
    EXPECT_GT(compared, 50);
    EXPECT_GT(tabs, 0);
    RecordProperty("records", compared);
}

// Where a pointing step is completed, from what the demonstration shows while it plays the step:
// the target rectangle, the edit field, the list, the deepest row of a menu path (or its
// hot-spot), the picked row of the drawn context menu, a dragged picture's centre when its Left and
// Top are at the drop point; for a
// step of no action code of its own, the second target, the picture or the target that completes
// it. Steps that a key completes have none.
std::optional<QRectF> finalTarget(FrmYanShi& p, const steps::Step& s)
{
    const double sx = common::scaleX(), sy = common::scaleY();
    const QString code = s.action();
    switch (s.kind()) {
    case ActionKind::Click:
    case ActionKind::DoubleClick:
    case ActionKind::RightClick:
    case ActionKind::Hint:
    case ActionKind::Band:
    case ActionKind::Drag:
        return recordRect(s, common::col::MainRect);
    case ActionKind::Typing:
        if (code == QLatin1String("0022") || code == QLatin1String("0026"))
            return recordRect(s, common::col::MainRect);
        return recordRect(s, common::col::EditRect);
    case ActionKind::List:
        return recordRect(s, common::col::EditRect);
    case ActionKind::ImageDrag: {
        // The arrow's tip (60 design twips right of the pointer and 15 above it) lets go three pixels
        // past the drop point, in the directions the code judges, as the picture's Left and Top;
        // along an axis the code does not judge the pointer stays on the picture.
        const QRectF image = rectOf(p.Image5);
        const steps::PictureDrag drag = steps::pictureDrag(steps::actionNumber(code)).value();
        const double x = (s.number(common::col::PointSpec, 5) + 45 * drag.x - 60) * sx,
                     y = (s.number(common::col::PointSpec + 5, 5) + 45 * drag.y + 15) * sy;
        return QRectF(drag.x ? x - 1 : image.left(), drag.y ? y - 1 : image.top(), drag.x ? 2 : image.width(),
                      drag.y ? 2 : image.height());
    }
    case ActionKind::Menu: {
        const steps::MenuPath m = s.menuPath();
        if (m.row3) return rectOf(p.Lbl3J(m.row3));
        if (m.row2) return rectOf(p.Lbl2J(m.row2));
        if (m.row1) return rectOf(p.Lbl1J(m.row1));
        return rectOf(p.LblZHU(steps::hotSpotOf(m.menuId)));
    }
    case ActionKind::PopupPick: {
        const int r = s.popupRow(), i = s.popupItem();
        if (r == 2) return rectOf(p.LRM2(i));
        if (r == 4) return rectOf(p.LRM4(i));
        if (r == 6) return rectOf(p.LRM6(i));
        if (r == 9) return rectOf(p.LRM9(i));
        if (r == 1 || r == 3 || r == 5 || r == 7 || r == 8) return rectOf(p.LRS(i));
        return std::nullopt;
    }
    case ActionKind::None: {
        // Where the candidate completes a step of no action code of its own.
        const steps::Completion how = steps::completion(s, p.shownStep());
        if (how.way == steps::Way::SecondPress || how.way == steps::Way::SecondRelease)
            return recordRect(s, common::col::AuxRect);
        if (how.way == steps::Way::MainRelease) return recordRect(s, common::col::MainRect);
        if (how.way == steps::Way::Picture) {
            const platform::Control* pictures[] = {&p.Image1, &p.Image2, &p.Image3,
                                                   &p.Image4, &p.Image5, &p.Image6};
            return rectOf(*pictures[how.slot - 1]);
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// The pointer as drawn: the arrow's reference point, or the cursor picture that stands for it
// during band and drag legs.
QPointF drawnPointer(FrmYanShi& p)
{
    if (p.ImgICO.Visible()) return {p.ImgICO.Left(), p.ImgICO.Top()};
    return {p.LPoint(0).X1() - 60 * common::scaleX(), p.LPoint(0).Y1()};
}

bool contains(const QRectF& r, double x, double y)
{
    return x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom();
}

TEST_F(SampleSteps, ThePointerArrivesInsideEveryPointingStepsTargetBeforeTheStepAdvances)
{
    int checked = 0, tabSteps = 0;
    forEachSampleUnit(prog.path(), [&](int) {
        const int questions = common::drill().tmCount;
        for (int q = 1; q <= questions; ++q) {
            SCOPED_TRACE(testing::Message() << "question " << q);
            choose(q);
            rendered();
            FrmYanShi* const player = startDemonstration<FrmYanShi>();
            ASSERT_NE(player, nullptr);
            FrmYanShi& p = *player;
            bool onTab = false;
            for (int tick = 0; tick < 6000 && platform::Forms::isLoaded<FrmYanShi>(); ++tick) {
                const int step = p.shownStep();
                const steps::Step s(p.shownRecord());
                // The target as it stands before this tick; a tab dialog's expected tab comes
                // first.
                const std::optional<QRectF> target = finalTarget(p, s);
                const QRectF tab = s.tabChange() ? rectOf(p.LblXXK(s.tabExpected())) : QRectF();
                time.advance(100);
                const QPointF at = drawnPointer(p);
                if (s.tabChange() && contains(tab, at.x(), at.y())) onTab = true;
                if (!platform::Forms::isLoaded<FrmYanShi>() || p.shownStep() == step) continue;
                if (!target) {
                    onTab = false;
                    continue;
                }
                SCOPED_TRACE(testing::Message()
                             << "step " << step << " (" << s.action().toStdString() << ")");
                EXPECT_TRUE(contains(*target, at.x(), at.y()))
                    << "the pointer left the step at " << at.x() << "," << at.y() << "; its target is "
                    << target->left() << "," << target->top() << " " << target->width() << " x "
                    << target->height();
                if (s.tabChange()) {
                    EXPECT_TRUE(onTab) << "the pointer never reached the expected tab";
                    ++tabSteps;
                }
                onTab = false;
                ++checked;
            }
            ASSERT_FALSE(platform::Forms::isLoaded<FrmYanShi>());
            time.advance(200);
        }
    });
    EXPECT_GT(checked, 50);
    RecordProperty("arrivals", checked);
    RecordProperty("tab steps", tabSteps);
}

} // namespace
