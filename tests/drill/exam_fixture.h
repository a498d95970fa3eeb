#pragma once
// A mock exam run through the window: the login to a set of the standard bank, questions solved
// on the candidate's desktop (each an automatic step and the terminal one), the hand-in dialogs.
#include "desktop/frm_main.h"
#include "drill/frm_chengji.h"
#include "drill/frm_end.h"
#include "drill/frm_logon.h"
#include "drill_fixture.h"

namespace drilltest {

class Exam : public DrillTest {
protected:
    void SetUp() override
    {
        DrillTest::SetUp();
        writeStandardBank();
    }
    // The home screen's exam-set click, the login with this seat, and the bar run to its end.
    void login(int set, const QString& seat = QStringLiteral("7"))
    {
        auto& d = common::drill();
        d.tmCount = 40;
        d.fileBase = 0;
        d.ksMode = common::ModeExam;
        d.setNo = set;
        home().Unload();
        drill::FrmLogon& f = platform::form<drill::FrmLogon>();
        f.Show();
        time.advance(100);
        f.TxtZwh.setText(seat);
        testkit::click(f.CmdLog);
        time.advance(700);
        ASSERT_FALSE(f.isLoaded());
    }
    // Question q shown on the candidate's desktop and solved: its automatic step advances a
    // second later to the terminal step.
    void solve(int q)
    {
        auto& d = common::drill();
        d.dqTm = q;
        d.dqStep = 1;
        FrmMain& desk = platform::form<FrmMain>();
        desk.Timer2.setEnabled(true);
        time.advance(100);
        time.advance(1000);
    }
    // The panel's end command, with the answers to the dialogs it opens armed first.
    void endCommand() { testkit::click(tm().CmdEnd); }

    template <class Dialog> static Dialog& as(platform::Form& f) { return static_cast<Dialog&>(f); }
    static void press(platform::Form& f, bool handIn)
    {
        auto& d = static_cast<drill::HandInDialog&>(f);
        testkit::click(handIn ? d.Command1 : d.Command2);
    }

    drill::FrmChengji& results() { return platform::Forms::instance<drill::FrmChengji>(); }
    bool loaded(const char* formName)
    {
        platform::Form* f = drill::formNamed(QString::fromUtf8(formName));
        return f && f->isLoaded();
    }
};

// The exam at the screen scale of the test's parameter (twips per pixel), back at 15 after.
class ScaledExam : public Exam, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        Exam::SetUp();
        platform::setTwipsPerPixel(GetParam(), GetParam());
        common::computeScale();
    }
    void TearDown() override
    {
        Exam::TearDown();
        platform::setTwipsPerPixel(15, 15);
        common::computeScale();
    }
};

} // namespace drilltest
