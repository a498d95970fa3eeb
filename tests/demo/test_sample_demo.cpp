// Every question of the sample installation demonstrated from the panel: the player performs each
// step from the first to the terminal record by itself, hands the question back, and the
// candidate's own step, record and progress are as they were.
#if __has_include("sample/generator.h")

#include <QFile>

#include "common/record.h"
#include "demo/frm_yanshi.h"
#include "desktop/test_practice_fixture.h"
#include "sample/generator.h"

namespace {

class SampleDemo : public practice::Practice {
protected:
    testkit::TempProgramFolder prog;
};

TEST_F(SampleDemo, EveryQuestionPlaysFromItsFirstStepToItsEnd)
{
    QString error;
    ASSERT_TRUE(sample::generateInstallation(prog.path(), &error)) << error.toStdString();
    const QString data =
        common::joinPath(prog.path(), sample::sampleModuleInfo().dataFolder) + QLatin1Char('/');
    int played = 0, steps = 0, questions = 0;
    for (int unit = 0; QFile::exists(common::tmPath(data, 20, unit)); ++unit) {
        SCOPED_TRACE(testing::Message() << "unit " << unit);
        startUnit(data, unit);
        auto& d = common::drill();
        questions += d.tmCount;
        for (int q = 1; q <= d.tmCount; ++q) {
            SCOPED_TRACE(testing::Message() << "question " << q);
            choose(q);
            rendered();
            const int dqStep = d.dqStep;
            const QString stepRec = d.stepRec;
            const auto states = d.tmState;
            const auto remembered = d.tmStep;
            const auto done = d.tmDone;

            command(7);
            time.advance(200);
            ASSERT_TRUE(platform::Forms::isLoaded<FrmYanShi>());
            FrmYanShi& p = platform::Forms::instance<FrmYanShi>();
            QString lastCode;
            int lastStep = 0;
            qint64 t = 0;
            for (; t < 600000 && platform::Forms::isLoaded<FrmYanShi>(); t += 100) {
                lastCode = common::field(p.ysRec, 8, 4);
                if (p.ysStep != lastStep) ++steps;
                lastStep = p.ysStep;
                time.advance(100);
            }
            ASSERT_FALSE(platform::Forms::isLoaded<FrmYanShi>()) << "still at step " << lastStep;
            EXPECT_EQ(lastCode, QStringLiteral("9999"));
            EXPECT_EQ(lastStep, d.tmStart[q + 1] - d.tmStart[q]);
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
            ++played;
        }
        desk().Unload();
        common::drill().canUnload = true;
        panel().Unload();
        testkit::settle();
    }
    EXPECT_GT(questions, 0);
    EXPECT_EQ(played, questions);
    RecordProperty("played", played);
    RecordProperty("steps", steps);
}

} // namespace

#endif
