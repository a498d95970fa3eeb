// Practising the sample installation by hand: every unit started as the home screen starts it,
// and every question solved through the window (clicks, double clicks, right clicks with a pick in
// the pop-up menu, hovers, clicks with keys, typed text, selections, list picks and automatic
// steps), each step taken by the candidate's own action (never by the last release of the double
// click before it), each left after its first step and found there again when the candidate comes back.
#include <QFile>

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
    // Why the solver cannot take question q; empty when it can.
    static QString unsupportedIn(int q)
    {
        for (const QString& rec : recordsOf(q))
            if (const QString why = testkit::unsupported(rec); !why.isEmpty()) return why;
        return {};
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

TEST_F(SamplePractice, EveryQuestionIsSolvedByHandAndResumedWhereItWasLeft)
{
    QString error;
    ASSERT_TRUE(sample::generateInstallation(prog.path(), &error)) << error.toStdString();
    const QString data =
        common::joinPath(prog.path(), sample::sampleModuleInfo().dataFolder) + QLatin1Char('/');
    int questions = 0, solved = 0, lists = 0, menuPicks = 0;
    QStringList unsolvable; // "unit.question: why"
    for (int unit = 0; QFile::exists(common::tmPath(data, 20, unit)); ++unit) {
        SCOPED_TRACE(testing::Message() << "unit " << unit);
        startUnit(data, unit);
        auto& d = common::drill();
        ASSERT_GT(d.tmCount, 1);
        questions += d.tmCount;
        for (int q = 1; q <= d.tmCount; ++q) {
            SCOPED_TRACE(testing::Message() << "question " << q);
            const QString id = QStringLiteral("%1.%2").arg(unit).arg(q);
            if (const QString why = unsupportedIn(q); !why.isEmpty()) {
                unsolvable << id + QStringLiteral(": ") + why;
                continue;
            }
            bool menuQuestion = false;
            for (const QString& rec : recordsOf(q)) {
                lists += common::field(rec, 8, 1) == QLatin1String("L");
                // A pick in a drop-down: a hot-spot action whose path names a row.
                menuQuestion |= common::field(rec, 8, 4) == QLatin1String("7000") &&
                                common::field(rec, common::col::TargetC + 3, 2) != QLatin1String("00");
            }
            menuPicks += menuQuestion;
            choose(q);
            rendered();
            ASSERT_EQ(d.dqTm, q);
            ASSERT_EQ(d.dqStep, 1);
            testkit::Solver solver(desk(), time.clock());

            // Left after its first step, another question shown, and back at the same step.
            ASSERT_TRUE(solver.solveStepAsRecorded());
            const int leftAt = d.dqStep;
            const QString leftRec = d.stepRec;
            const bool leftSolved = testkit::recCol(8, 4) == QLatin1String("9999");
            choose(q == 1 ? 2 : 1);
            rendered();
            ASSERT_NE(d.dqTm, q);
            choose(q);
            rendered();
            EXPECT_EQ(d.dqStep, leftAt);
            EXPECT_EQ(d.stepRec, leftRec);
            EXPECT_EQ(desk().LblSuccess.Visible(), leftSolved);

            ASSERT_TRUE(solver.solveQuestion());
            EXPECT_EQ(desk().LblSuccess.Caption(), QStringLiteral("操作成功！"));
            EXPECT_TRUE(desk().LblSuccess.Visible());
            EXPECT_FALSE(desk().LHelp.Visible());
            EXPECT_EQ(d.tmState[q] & common::TmSolved, common::TmSolved);
            EXPECT_EQ(d.tmDone[q], QStringLiteral("T"));
            ++solved;
        }
        endDrill();
    }
    // Every question of the sample is made of actions the desktop judges.
    EXPECT_EQ(unsolvable, QStringList());
    EXPECT_EQ(solved, questions);
    EXPECT_EQ(questions, 84);
    EXPECT_GT(lists, 0);      // the list picks were among them
    EXPECT_EQ(menuPicks, 13); // and the drop-down picks of all three levels, the desktop's menu and Notepad's
    RecordProperty("solved", solved);
}

// Renaming a folder, new or old, starts with an empty field over its name: the new name typed
// straight in is the whole name, and Enter takes it.
TEST_F(SamplePractice, RenamingAFolderTypesOverItsWholeName)
{
    QString error;
    ASSERT_TRUE(sample::generateInstallation(prog.path(), &error)) << error.toStdString();
    const QString data =
        common::joinPath(prog.path(), sample::sampleModuleInfo().dataFolder) + QLatin1Char('/');
    int renamed = 0;
    for (int unit = 0; QFile::exists(common::tmPath(data, 20, unit)); ++unit) {
        const QStringList list = common::readTextFile(common::tmPath(data, 20, unit)).lines;
        bool started = false;
        for (int q = 1; q <= list.size(); ++q) {
            const QString text = list[q - 1].mid(6);
            if (!text.contains(QStringLiteral("文件夹")) ||
                !(text.contains(QStringLiteral("名为")) || text.contains(QStringLiteral("重命名"))))
                continue;
            SCOPED_TRACE(text.toStdString());
            if (!started) startUnit(data, unit);
            started = true;
            choose(q);
            rendered();
            auto& d = common::drill();
            testkit::Solver solver(desk(), time.clock());
            // On to the step that shows the name's field.
            while (testkit::recCol(8, 3) != QLatin1String("002")) {
                ASSERT_NE(testkit::recCol(8, 4), QStringLiteral("9999"));
                ASSERT_TRUE(solver.solveStepAsRecorded());
            }
            const int step = d.dqStep;
            const QString answer = testkit::entry(109).section(u'|', 0, 0);
            ASSERT_TRUE(desk().Text1.Visible());
            ASSERT_EQ(desk().Text1.Text(), QString());
            testkit::type(desk(), answer);
            EXPECT_EQ(d.dqStep, step); // Enter still to come
            testkit::key(desk(), platform::vbKeyReturn);
            EXPECT_EQ(d.dqStep, step + 1) << "the field reads " << desk().Text1.Text().toStdString();
            ++renamed;
        }
        if (started) endDrill();
    }
    EXPECT_EQ(renamed, 3);
}

} // namespace
