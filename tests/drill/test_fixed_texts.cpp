// Every fixed text of the drill screens fits the control that shows it, at 15 and at 12 twips per
// pixel (scale 1.0 and 0.8): the question panel in practice and in exam, the exam tips dialog, the
// login page and its card, the hand-in dialogs and the results screen.
#include <gtest/gtest.h>

#include "drill/frm_czts.h"
#include "exam_fixture.h"
#include "support/fit.h"
#include "test_frm_tm_fixture.h"

namespace {

using drill::FrmCZTS;

class PanelTexts : public paneltest::Panel, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        Panel::SetUp();
        useScale(GetParam());
    }
};

TEST_P(PanelTexts, PanelAndTipsDialogFit)
{
    for (const int mode : {common::ModePractice, common::ModeExam}) {
        SCOPED_TRACE(mode);
        common::drill().ksMode = mode;
        FrmTm& panel = load();
        time.advance(200);
        EXPECT_EQ(testkit::textsThatDoNotFit(panel), QStringList());
        panel.Unload();
    }
    // All three tips stand inside their label, in the dialog's own (unscaled) twips.
    FrmCZTS& tips = platform::form<FrmCZTS>();
    tips.Show();
    EXPECT_EQ(testkit::textsThatDoNotFit(tips), QStringList());
    tips.Unload();
}

// The status row's list of unfinished questions takes the panel's scale, as the rest of the row
// does: a list that fits at one scale fits at every other.
TEST_P(PanelTexts, StatusRowShowsTheWholeUnfinishedList)
{
    writeUnit(12);
    FrmTm& panel = load();
    time.advance(200);
    ASSERT_TRUE(panel.PicUnit.Visible());
    ASSERT_TRUE(panel.LblUnit.Caption().endsWith(QStringLiteral(" 11 12")));
    EXPECT_LE(panel.LblUnit.Left() + panel.LblUnit.Width(), panel.PicUnit.Width());
    EXPECT_LE(panel.LblUnit.Height(), panel.PicUnit.Height());
    for (const platform::Label* l : {&panel.LblUnit, &panel.LblTime, &panel.LblName, &panel.LblIME})
        EXPECT_DOUBLE_EQ(l->FontSize(), 9 * sx()) << l->Name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Scales, PanelTexts, ::testing::Values(15.0, 12.0));

class ExamTexts : public drilltest::ScaledExam {};

TEST_P(ExamTexts, LoginHandInAndResultsFit)
{
    auto& d = common::drill();
    d.tmCount = 40;
    d.ksMode = common::ModeExam;
    d.setNo = 0;
    drill::FrmLogon& logon = platform::form<drill::FrmLogon>();
    logon.Show();
    time.advance(100);
    EXPECT_EQ(testkit::textsThatDoNotFit(logon), QStringList());
    logon.Unload();

    login(0);
    testkit::ModalScript modals;
    for (const char* dialog : {"FrmEnd1", "FrmEnd2"}) {
        modals.expect(dialog, [](platform::Form& f) {
            EXPECT_EQ(testkit::textsThatDoNotFit(f), QStringList()) << f.Name().toStdString();
            press(f, true);
        });
    }
    endCommand();
    EXPECT_EQ(modals.pending(), 0);
    drill::FrmChengji& r = results();
    ASSERT_TRUE(r.isLoaded());
    time.advance(100);
    EXPECT_EQ(testkit::textsThatDoNotFit(r), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Scales, ExamTexts, ::testing::Values(15.0, 12.0));

} // namespace
