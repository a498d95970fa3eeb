// A question change shows only the question's own pictures: from the moment the panel changes
// the question (its navigation, a drill start, the end of a demonstration) to the desktop's render
// of the question's step, the candidate's desktop shows no picture of another question and no
// "操作成功！" of the question before, within a drill and from one drill to the next.
#include <QImage>

#include "demo/frm_yanshi.h"
#include "drill/frm_tm.h"
#include "exam_fixture.h"
#include "support/question_pictures.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

class QuestionChange : public Exam {
protected:
    void SetUp() override
    {
        Exam::SetUp();
        setPanelSource({}); // the program's question panel
        // Four units of ten questions: an automatic step, then the terminal one. Every picture
        // is named by its question's code (unit and question): the background "UUQQSS" (SS the
        // step) and, on the first step, the six overlays "UUQQIk".
        for (int u = 0; u < 4; ++u) {
            QStringList list;
            QList<StepRecord> steps;
            for (int q = 1; q <= 10; ++q) {
                const QString code = QStringLiteral("%1").arg(u * 100 + q, 4, 10, QLatin1Char('0'));
                list << listLine(u, q, 2);
                StepRecord first = record(u, q, 1, QStringLiteral("8888"));
                for (int k = 1; k <= 6; ++k) {
                    const QString image = code + QStringLiteral("I%1").arg(k);
                    first.setSlot(common::col::Slots[k - 1], 600 * k, '0', 600 * k, image);
                    writePicture(image);
                }
                steps << first << record(u, q, 2, QStringLiteral("9999"));
                writePicture(code + QStringLiteral("01"));
                writePicture(code + QStringLiteral("02"));
            }
            testkit::writeTextLines(dataPath, bankName(70 + u), list);
            testkit::writeStepFile(dataPath, 20 + u, steps);
        }
    }

    void writePicture(const QString& code)
    {
        QImage img(20, 20, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        ASSERT_TRUE(img.save(dataPath + QLatin1Char('/') + code + QStringLiteral(".rar"), "BMP"));
    }

    FrmTm& panel() { return Forms::instance<FrmTm>(); }
    FrmMain& desk() { return Forms::instance<FrmMain>(); }

    // From a question change to the render of the question's step, and just after it.
    void watchChange(const char* what)
    {
        EXPECT_EQ(testkit::firstSampleOfAnotherQuestion(panel(), desk(), time), QString()) << what;
        EXPECT_TRUE(testkit::pictureName(desk().picture()).startsWith(testkit::currentQuestionCode()))
            << what;
        EXPECT_EQ(testkit::otherQuestionShown(desk()), QString()) << what;
    }

    // The automatic step runs to the terminal one.
    void solveShown() { time.advance(1000); }
};

TEST_F(QuestionChange, OnlyTheQuestionsOwnPicturesFromAnExamToTheReviewOfItsWrongAnswers)
{
    login(0);
    watchChange("the exam's first question");
    auto& d = common::drill();
    for (int q = 1; q <= 4; ++q) {
        solveShown();
        ASSERT_GE(d.tmState[q], common::TmSolved);
        testkit::click(panel().CmdNext);
        watchChange("the next question of the exam");
    }
    testkit::click(panel().CmdPre);
    watchChange("back to a question of the exam");
    handIn();

    // The review of questions 5-40: its question 1 is the exam's question 5.
    testkit::click(results().Command3);
    ASSERT_EQ(d.setNo, -1);
    ASSERT_EQ(testkit::currentQuestionCode(), QStringLiteral("0005"));
    watchChange("the review's first question");
    for (int q = 1; q <= 3; ++q) {
        solveShown();
        ASSERT_TRUE(desk().LblSuccess.Visible());
        testkit::click(panel().CmdNext);
        watchChange("the next question of the review, the one before solved");
    }
    testkit::click(panel().CmdGN(4));
    testkit::click(panel().CmTNO(7));
    watchChange("a question of the review chosen in the selector");

    // A demonstration of the question, and the question back on the candidate's desktop.
    testkit::click(panel().CmdGN(7));
    time.advance(200);
    ASSERT_TRUE(Forms::isLoaded<FrmYanShi>());
    for (int tick = 0; tick < 100 && Forms::isLoaded<FrmYanShi>(); ++tick) {
        EXPECT_EQ(testkit::otherQuestionShown(Forms::instance<FrmYanShi>()), QString())
            << "the demonstration, tick " << tick;
        time.advance(100);
    }
    ASSERT_FALSE(Forms::isLoaded<FrmYanShi>());
    watchChange("the question back after its demonstration");
}

} // namespace
} // namespace drilltest
