#pragma once
// The illustration viewer: a borderless red-margined window around the question's picture, on top
// of the other windows, dragged by its body.
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

class FrmPicture final : public platform::Form {
public:
    FrmPicture();

    platform::Image Image1{this, "Image1"};
    platform::Timer Timer1{100, true}; // one-shot sizing and centring once the picture is in

protected:
    void design() override;
    void Form_Load() override;

private:
    void Timer1_Timer();
    void Form_MouseDown(int button);
};

} // namespace drill
