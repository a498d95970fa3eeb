#pragma once
// The results screen of a mock exam: on loading it scores the exam (2.5 points a solved
// question), shows the score and the answer sheet (green solved, red not), and writes the exam's
// wrong-answer list, history entry and question marks. It offers a review of the whole exam, an
// error review of the questions answered wrongly, and the way home.
#include <QString>
#include <optional>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

class FrmChengji final : public platform::Form {
public:
    FrmChengji();

    platform::PictureBox Picture1{this, "Picture1"};
    platform::Label Label1{this, "Label1"};             // the score
    platform::CommandButton Command3{this, "Command3"}; // "本次错题复习"
    platform::CommandButton Command1{this, "Command1"}; // "本次考题复习"
    platform::CommandButton Command2{this, "Command2"}; // "退出"
    platform::Frame Frame1{this, "Frame1"};             // the answer sheet
    platform::CommandButtonArray CmTNO{this, "CmTNO"};  // 1-40, in Frame1
    platform::Timer Timer1{100, true};                  // one-shot centring of Picture1

    // The error review of this exam's wrong answers (Command3).
    void InitShiTI();

protected:
    void design() override;
    void Form_Load() override;

private:
    std::optional<QString> wrongList; // the list this screen computed, saved or not
    QString unsaved;                  // what could not be saved, told once the screen shows

    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

// From the results screen to the home screen: the finished exam's panel and desktop close too.
void leaveResults();

} // namespace drill
