#pragma once
// The exam tips dialog: in a mock exam the demonstration button opens it instead of a
// demonstration. The candidate goes on alone, or views the answer now: the rest of the exam then
// offers teaching and demonstrations, and its result is not recorded as a timed attempt.
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

class FrmCZTS final : public platform::Form {
public:
    FrmCZTS();

    platform::Shape Shape1{this, "Shape1"}, Shape2{this, "Shape2"};
    platform::Label Label3{this, "Label3"}, Label2{this, "Label2"};
    platform::CommandButton Command1{this, "Command1"}; // "我先独立完成"
    platform::CommandButton Command2{this, "Command2"}; // "我想立即看答案"

    void Command2_Click();

protected:
    void design() override;

private:
    void close();
};

} // namespace drill
