#pragma once
// The two hand-in dialogs of a mock exam. FrmEnd1 asks first and warns when a question was never
// opened or is still marked; FrmEnd2 says that handing in ends the exam for good and asks again.
// Only FrmEnd2's "交卷" ends the exam; "继续考试" on either, or closing either by its frame, goes
// back to the exam with the panel docked at the desktop again.
#include <QString>

#include "drill/progress_files.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

// The layout both dialogs share: the message in a frame and the two buttons.
class HandInDialog : public platform::Form {
public:
    platform::Frame Frame1{this, "Frame1"};
    platform::Label Label1{this, "Label1"};             // in Frame1: the message
    platform::CommandButton Command1{this, "Command1"}; // "交卷"
    platform::CommandButton Command2{this, "Command2"}; // "继续考试"

protected:
    explicit HandInDialog(const QString& name);
    void design() override;
    // "继续考试": the dialog goes and the exam goes on where it was.
    void Command2_Click();
    virtual void Command1_Click() = 0;
};

class FrmEnd1 final : public HandInDialog {
public:
    FrmEnd1();

    // The first message: the warning when a question is not in order (state other than 1 or 5).
    static QString message(const States& states);

protected:
    void Form_Load() override;
    void Command1_Click() override; // opens FrmEnd2
};

class FrmEnd2 final : public HandInDialog {
public:
    FrmEnd2();

protected:
    void Form_Load() override;
    void Command1_Click() override; // the final hand-in
};

// The final hand-in (FrmEnd2's "交卷" and the time-up): any open hand-in dialog goes, the clock
// stops for good, the panel is hidden (it may not close during the exam) and the candidate's
// desktop unloaded, and the results screen shows the score.
void handIn();

} // namespace drill
