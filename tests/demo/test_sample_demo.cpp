// Every question of the sample installation demonstrated from the panel, at normal and at half
// speed: the player performs each step from the first to the terminal record by itself, the
// pointer stands at the target its step record names when the step ends, the half-speed run
// takes the same ticks at twice the interval, it hands the question back, and the candidate's
// own step, record and progress are as they were.
#if __has_include("sample/generator.h")

#include <QFile>
#include <QList>
#include <QRectF>
#include <cmath>

#include "common/record.h"
#include "common/scale.h"
#include "demo/frm_yanshi.h"
#include "desktop/test_practice_fixture.h"
#include "platform/units.h"
#include "sample/generator.h"

namespace {

// Where a step's last glide ends, from its record alone: the centre of mainRect for the clicks,
// the typing confirmed by a click, the band and the drag; the edit field's left part for the
// other typing steps. Other steps (hot-spots, menus, keys) have no such target here.
bool recordTarget(const QString& rec, double* x, double* y)
{
    namespace col = common::col;
    const QString code = common::field(rec, col::Action, 4);
    const double sx = common::scaleX(), sy = common::scaleY();
    auto num = [&rec](int c, int w) { return double(common::fieldNumber(rec, c, w).value_or(0)); };
    static const QStringList clicks = {"0001", "0002", "0003", "0004", "0030", "0022", "0026"};
    if (clicks.contains(code) || code.startsWith(QLatin1String("004")) ||
        code.startsWith(QLatin1String("005"))) {
        const int c = col::MainRect;
        *x = (num(c, 5) + num(c + 10, 5) / 2) * sx;
        *y = (num(c + 6, 4) + num(c + 15, 5) / 2) * sy;
        return true;
    }
    if (code.startsWith(QLatin1String("002"))) {
        const int c = col::EditRect;
        *x = num(c, 5) * sx + 300;
        *y = (num(c + 6, 4) + num(c + 15, 5) / 2) * sy;
        return true;
    }
    return false;
}

struct Played {
    int steps = 0;       // the last step number shown
    int ticks = 0;       // intervals of 100 ms x speed until the form unloaded
    int checked = 0;     // arrivals compared with their record's target
    int startMenu = 0;   // of the ticks, those spent in the Start-menu glide (not slowed down)
    QString lastCode;    // action code of the record shown last
    QList<int> sequence; // the steps in the order played
};

class SampleDemo : public practice::Practice {
protected:
    // Plays the current question from the panel's button (Shift: half speed) to the end.
    Played play(int speed)
    {
        Played r;
        testkit::click(panel().CmdGN(7), platform::vbLeftButton, speed == 2 ? platform::vbShiftMask : 0);
        time.advance(200);
        EXPECT_TRUE(platform::Forms::isLoaded<FrmYanShi>());
        if (!platform::Forms::isLoaded<FrmYanShi>()) return r;
        FrmYanShi& p = platform::Forms::instance<FrmYanShi>();
        const double arrowX = 60 * common::scaleX(); // the outline's first line starts there
        r.sequence << p.ysStep;
        for (; r.ticks < 6000 && platform::Forms::isLoaded<FrmYanShi>(); ++r.ticks) {
            const int step = p.ysStep;
            const QString rec = p.ysRec;
            const double len = p.ysLen;
            r.lastCode = common::field(rec, 8, 4);
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
            if (p.TimerStart.Enabled()) ++r.startMenu;
            time.advance(100 * speed);
            if (!platform::Forms::isLoaded<FrmYanShi>() || p.ysStep == step) continue;
            r.sequence << p.ysStep;
            double tx = 0, ty = 0;
            if (!recordTarget(rec, &tx, &ty)) continue;
            // The arrow as drawn at the arrival (the terminal record does not redraw it), or the
            // cursor picture that stands for it during band and drag legs.
            double px = p.LPoint(0).X1() - arrowX, py = p.LPoint(0).Y1();
            if (p.ImgICO.Visible()) px = p.ImgICO.Left(), py = p.ImgICO.Top();
            const double ex = std::fabs(px - tx), ey = std::fabs(py - ty);
            const bool near = (ex <= 1.2 * len + 1 && ey <= 1.2 * len + 1) ||
                              std::hypot(ex, ey) <= std::max(1.5 * len, 120 * common::scaleX()) + 1;
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
    QString error;
    ASSERT_TRUE(sample::generateInstallation(prog.path(), &error)) << error.toStdString();
    const QString data =
        common::joinPath(prog.path(), sample::sampleModuleInfo().dataFolder) + QLatin1Char('/');
    int played = 0, steps = 0, questions = 0, checked = 0, startMenus = 0;
    for (int unit = 0; QFile::exists(common::tmPath(data, 20, unit)); ++unit) {
        SCOPED_TRACE(testing::Message() << "unit " << unit);
        startUnit(data, unit);
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
        desk().Unload();
        common::drill().canUnload = true;
        panel().Unload();
        testkit::settle();
    }
    EXPECT_GT(questions, 0);
    EXPECT_EQ(played, questions);
    EXPECT_GT(checked, questions);
    EXPECT_GT(startMenus, 0);
    RecordProperty("played", played);
    RecordProperty("steps", steps);
    RecordProperty("arrivals", checked);
}

} // namespace

#endif
