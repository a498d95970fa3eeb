// Practising the sample installation by hand: every unit started as the home screen starts it,
// and every question whose steps are clicks, double clicks, right clicks with a pick in the pop-up
// menu, hovers, clicks with keys and typed text solved through the window.
#if __has_include("sample/generator.h")

#include <QFile>
#include <algorithm>

#include "common/record.h"
#include "common/text_file.h"
#include "sample/generator.h"
#include "test_practice_fixture.h"

using namespace practice;

namespace {

class SamplePractice : public Practice {
protected:
    // The records of question q of the drill.
    static QStringList recordsOf(int q)
    {
        const auto& d = common::drill();
        const QStringList lines = common::readTextFile(d.stepPath).lines;
        return lines.mid(d.tmStart[q] - 1, d.tmStart[q + 1] - d.tmStart[q]);
    }
    void endDrill()
    {
        desk().Unload();
        common::drill().canUnload = true;
        panel().Unload();
        testkit::settle();
    }

    testkit::TempProgramFolder prog;
};

TEST_F(SamplePractice, EveryQuestionOfTheseActionsIsSolvedByHand)
{
    QString error;
    ASSERT_TRUE(sample::generateInstallation(prog.path(), &error)) << error.toStdString();
    const QString data =
        common::joinPath(prog.path(), sample::sampleModuleInfo().dataFolder) + QLatin1Char('/');
    int solved = 0, others = 0;
    for (int unit = 0; QFile::exists(common::tmPath(data, 20, unit)); ++unit) {
        SCOPED_TRACE(testing::Message() << "unit " << unit);
        startUnit(data, unit);
        auto& d = common::drill();
        ASSERT_GT(d.tmCount, 0);
        for (int q = 1; q <= d.tmCount; ++q) {
            SCOPED_TRACE(testing::Message() << "question " << q);
            const QStringList records = recordsOf(q);
            if (!std::all_of(records.begin(), records.end(), solvable)) {
                ++others;
                continue;
            }
            choose(q);
            ASSERT_EQ(d.dqTm, q);
            ASSERT_TRUE(Solver(desk(), time.clock()).solveQuestion());
            EXPECT_EQ(desk().LblSuccess.Caption(), QStringLiteral("操作成功！"));
            EXPECT_TRUE(desk().LblSuccess.Visible());
            EXPECT_EQ(d.tmState[q] & common::TmSolved, common::TmSolved);
            EXPECT_EQ(d.tmDone[q], QStringLiteral("T"));
            ++solved;
        }
        endDrill();
    }
    // Most of the sample's questions are made of these actions.
    EXPECT_GT(solved, others);
    RecordProperty("solved", solved);
    RecordProperty("others", others);
}

} // namespace

#endif
