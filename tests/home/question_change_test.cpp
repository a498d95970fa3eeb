// A practice of one unit, then the next unit's: no question change of the second drill shows a
// picture of the first, nor of the question before.
#include "desktop/frm_main.h"
#include "drill/frm_tm.h"
#include "home_fixture.h"
#include "support/question_pictures.h"
#include "support/step_record.h"

using namespace hometest;
using platform::Forms;

namespace {

class QuestionChange : public HomeTest {
protected:
    void SetUp() override
    {
        HomeTest::SetUp();
        // Units 1 and 2 as the installation lists them (3 and 2 questions), every step a click
        // on the main target up to the terminal record, every picture named by its question's
        // code: the background "UUQQSS" (SS the step), the six overlays "UUQQIk" on step 1.
        const QList<QList<int>> steps{{2, 3, 1}, {2, 4}};
        for (int u = 0; u < steps.size(); ++u) {
            QList<testkit::StepRecord> records;
            for (int q = 1; q <= steps[u].size(); ++q) {
                const QString code = QStringLiteral("%1").arg(u * 100 + q, 4, 10, QLatin1Char('0'));
                const int count = steps[u][q - 1];
                for (int s = 1; s <= count; ++s) {
                    testkit::StepRecord r;
                    r.action(s == count ? QStringLiteral("9999") : QStringLiteral("0001"));
                    r.mainRect(3000, '0', 3000, 1500, 900);
                    r.background(code + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0')));
                    inst.writePicture(code + QStringLiteral("%1.rar").arg(s, 2, 10, QLatin1Char('0')));
                    for (int k = 1; k <= 6 && s == 1; ++k) {
                        const QString image = code + QStringLiteral("I%1").arg(k);
                        r.setSlot(common::col::Slots[k - 1], 1200 * k, '0', 600, image);
                        inst.writePicture(image + QStringLiteral(".rar"));
                    }
                    records << r;
                }
            }
            testkit::writeStepFile(inst.bank(QString()), 20 + u, records);
        }
    }

    FrmTm& panel() { return Forms::instance<FrmTm>(); }
    FrmMain& desk() { return Forms::instance<FrmMain>(); }

    void startUnit(int unit)
    {
        home::FrmFengmian& h = home();
        testkit::click(h.LblTiKu);
        testkit::click(h.LblJinRuXX(unit));
        ASSERT_FALSE(h.isLoaded());
    }
    // From a question change to the render of the question's step, and just after it.
    void watchChange(const char* what)
    {
        EXPECT_EQ(testkit::firstSampleOfAnotherQuestion(panel(), desk(), time), QString()) << what;
        EXPECT_TRUE(testkit::pictureName(desk().picture()).startsWith(testkit::currentQuestionCode()))
            << what;
        EXPECT_EQ(testkit::otherQuestionShown(desk()), QString()) << what;
    }
    // The shown question's steps taken by clicks on their target, up to "操作成功！".
    void solveShown()
    {
        for (int i = 0; i < 10 && !desk().LblSuccess.Visible(); ++i)
            testkit::click(desk().Label1);
        ASSERT_TRUE(desk().LblSuccess.Visible());
    }
};

TEST_F(QuestionChange, TheNextUnitsPracticeShowsNothingOfTheUnitBefore)
{
    start();
    startUnit(0);
    watchChange("unit 1, question 1");
    for (int q = 1; q <= 3; ++q) {
        solveShown();
        if (q == 3) break;
        testkit::click(panel().CmdNext);
        watchChange("unit 1, the next question");
    }
    testkit::click(panel().CmdEnd);
    ASSERT_TRUE(home().Visible());

    startUnit(1);
    watchChange("unit 2, question 1");
    solveShown();
    testkit::click(panel().CmdNext);
    watchChange("unit 2, question 2");
    testkit::click(panel().CmdPre);
    watchChange("unit 2, back to question 1");
}

} // namespace
