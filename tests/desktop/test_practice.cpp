// Practising by hand: a unit started as the home screen starts it, every question solved through
// the window with the question panel moving between them, each question resumed where it was left.
#include <QColor>
#include <QDir>
#include <QImage>

#include "platform/app.h"
#include "test_practice_fixture.h"

using namespace practice;
using testkit::StepRecord;
namespace col = testkit::col;

namespace {

// A step with its target at (x, 1500), 1500 x 900 twips, and its own background "Bqqss0".
StepRecord at(const QString& action, int q, int s, int x = 1500, char jump = '0')
{
    StepRecord r;
    r.action(action);
    r.background(QStringLiteral("B%1%2").arg(q, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0')) +
                 QStringLiteral("0"));
    r.mainRect(x, jump, 1500, 1500, 900);
    return r;
}

// A typed-text step: the edit field at (1500, 3000), 3000 x 300, with its initial text and answer
// lines.
StepRecord typed(const QString& action, int q, int s, int answer, int text = 0)
{
    StepRecord r = at(action, q, s, 6000);
    r.setRect(col::EditRect, 1500, '0', 3000, 3000, 300);
    r.setNumber(col::TextLine, 3, text).setNumber(col::AnswerLine, 3, answer);
    return r;
}

QStringList menuFile()
{
    // Every record: a cascade "新建(W)" over list 1, plain items in lists 2, 4, 6, 9.
    QStringList lines;
    for (int g = 1; g <= 4; ++g)
        for (int s = 1; s <= 9; ++s) {
            const QString tag = QStringLiteral(" %1-%2").arg(g).arg(s);
            lines << QStringLiteral("record") + tag << QStringLiteral("新建(W)") + tag
                  << QStringLiteral("文件夹(F)|快捷方式(S)|-|文本文档") + tag
                  << QStringLiteral("打开(O)|资源管理器(X)|-|删除(D)") + tag << QStringLiteral("0")
                  << QString() << QStringLiteral("剪切(T)|复制(C)|粘贴(P)") + tag << QStringLiteral("0")
                  << QString() << QStringLiteral("0") << QStringLiteral("0") << QString()
                  << QStringLiteral("0") << QString() << QStringLiteral("-|属性(R)") + tag;
        }
    return lines;
}

} // namespace

class UnitPractice : public Practice {
protected:
    void SetUp() override
    {
        Practice::SetUp();
        data = prog.file(QStringLiteral("tiku"));
        QDir().mkpath(data);
        QDir().mkpath(prog.file(QStringLiteral("examdata")));
        QDir().mkpath(prog.file(QStringLiteral("ksdata")));
        testkit::writeTextLines(prog.path(), QStringLiteral("sMenu.sys"), menuFile());
        testkit::writeAnswerTexts(
            data, {QStringLiteral("记事本|notepad"), QStringLiteral("Report"), QStringLiteral("myfile"),
                   QStringLiteral("a|B"), QStringLiteral("请选中这几个字"),
                   QStringLiteral("把请选中这几个字选出来"), QStringLiteral("新建文件夹")});

        // Question 1: pointer actions. Question 2: typed text. Question 3: pop-up picks.
        // Question 4: an automatic step and a jump.
        questions = {
            {at("0001", 1, 1), at("0002", 1, 2), at("0003", 1, 3), at("9101", 1, 4), at("9002", 1, 5),
             at("0030", 1, 6), at("9999", 1, 7)},
            {typed("0020", 2, 1, 1), typed("0025", 2, 2, 2), typed("0024", 2, 3, 3), typed("0022", 2, 4, 3),
             typed("0026", 2, 5, 2), typed("0028", 2, 6, 7), typed("0021", 2, 7, 4), typed("0027", 2, 8, 1),
             typed("0023", 2, 9, 0, 6).setNumber(col::HintLine, 3, 5), at("9999", 2, 10)},
            {at("4242", 3, 1), at("8123", 3, 2), at("3113", 3, 3), at("5291", 3, 4), at("9999", 3, 5)},
            {at("8888", 4, 1), at("0001", 4, 2, 1500, '4'), at("0001", 4, 3), at("0003", 4, 4),
             at("9999", 4, 5)},
        };
        QStringList list;
        QList<StepRecord> steps;
        for (int q = 1; q <= questions.size(); ++q) {
            list << QStringLiteral("00%1%2第%3题：按提示操作。")
                        .arg(q, 2, 10, QLatin1Char('0'))
                        .arg(questions[q - 1].size(), 2, 10, QLatin1Char('0'))
                        .arg(q);
            steps += questions[q - 1];
            for (const StepRecord& r : questions[q - 1])
                writePicture(common::field(r.str(), col::BgCode, 6));
        }
        testkit::writeTextLines(data, QStringLiteral("288870.rar"), list);
        testkit::writeStepFile(data, 20, steps);
        testkit::writeTextLines(prog.file(QStringLiteral("ksdata")), QStringLiteral("288893.rar"),
                                {QStringLiteral("FFFF")});
    }

    void writePicture(const QString& code)
    {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(QColor(0, 128, 255));
        ASSERT_TRUE(img.save(data + QLatin1Char('/') + code + QStringLiteral(".rar"), "BMP"));
    }
    QString background() const { return desk().picture().source().section(QLatin1Char('/'), -1); }
    FrmMain& desk() const { return platform::Forms::instance<FrmMain>(); }
    Solver solver() { return Solver(desk(), time.clock()); }
    void solveSteps(int n)
    {
        Solver s = solver();
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(s.solveStep());
    }

    testkit::TempProgramFolder prog;
    QString data;
    QList<QList<StepRecord>> questions;
};

TEST_F(UnitPractice, EveryQuestionIsSolvedByHandAndResumedWhereItWasLeft)
{
    startUnit(data + QLatin1Char('/'), 0);
    auto& d = common::drill();
    FrmTm& tm = panel();
    ASSERT_TRUE(tm.Visible());
    ASSERT_TRUE(desk().Visible());
    EXPECT_EQ(d.dqTm, 1);
    EXPECT_EQ(d.stepRec, questions[0][0].str());
    EXPECT_EQ(tm.LblBiao.Caption(), QStringLiteral("第1单元  第1/4题（未完成）"));
    EXPECT_EQ(tm.LblUnit.Caption(), QStringLiteral("未完成的题目 1 2 3 4"));
    EXPECT_EQ(tm.RtbTM.Text(), QStringLiteral("第1题：按提示操作。"));
    EXPECT_EQ(d.tmState[1], 1);

    // Question 1 left at its third step, question 2 at its fourth.
    solveSteps(2);
    EXPECT_EQ(d.dqStep, 3);
    EXPECT_EQ(background(), "B01030.rar");
    command(1);
    rendered();
    EXPECT_EQ(d.dqTm, 2);
    EXPECT_EQ(d.dqStep, 1);
    EXPECT_EQ(d.tmState[2], 1);
    solveSteps(3);
    EXPECT_EQ(d.dqStep, 4);

    // Back to question 1: its third step, with its picture restored before the render.
    command(0);
    EXPECT_EQ(background(), "B01030.rar");
    EXPECT_EQ(d.dqStep, 3);
    rendered();
    EXPECT_EQ(d.dqTm, 1);
    EXPECT_EQ(d.stepRec, questions[0][2].str());
    // And to question 2 through the selector: its fourth step.
    choose(2);
    EXPECT_EQ(d.dqTm, 2);
    EXPECT_EQ(d.dqStep, 4);
    EXPECT_EQ(d.stepRec, questions[1][3].str());

    for (int q : {2, 1, 3, 4}) {
        SCOPED_TRACE(q);
        choose(q);
        ASSERT_TRUE(solver().solveQuestion());
        EXPECT_TRUE(desk().LblSuccess.Visible());
        EXPECT_EQ(desk().LblSuccess.Caption(), QStringLiteral("操作成功！"));
        EXPECT_EQ(d.tmState[q] & common::TmSolved, common::TmSolved);
        EXPECT_EQ(d.tmDone[q], QStringLiteral("T"));
        EXPECT_TRUE(tm.LblBiao.Caption().endsWith(QStringLiteral("（已完成）")));
    }
    EXPECT_EQ(tm.LblUnit.Caption(), QStringLiteral("未完成的题目"));
    // Question 4 jumped over its third step.
    EXPECT_EQ(d.tmStep[4], 5);

    // A solved question shows its terminal step when it is chosen again, still solved.
    choose(1);
    EXPECT_EQ(d.dqStep, 7);
    EXPECT_EQ(d.tmState[1], 5);
    EXPECT_TRUE(desk().LblSuccess.Visible());
}

TEST_F(UnitPractice, InAnExamNoSuccessIsShown)
{
    startUnit(data + QLatin1Char('/'), 0);
    common::drill().ksMode = common::ModeExam;
    choose(4);
    ASSERT_TRUE(solver().solveQuestion());
    EXPECT_FALSE(desk().LblSuccess.Visible());
    EXPECT_EQ(common::drill().tmState[4] & common::TmSolved, common::TmSolved);
}
