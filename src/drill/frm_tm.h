#pragma once
// The question panel: the small topmost window through which the candidate runs a drill. It shows
// the current question, navigates, marks, redoes and teaches (the drill screens complete it); it
// sits at the desktop's bottom-right corner, above the desktop.
#include <QString>

#include "platform/controls.h"
#include "platform/form.h"

class FrmTm final : public platform::Form {
public:
    FrmTm();
    ~FrmTm() override;

    // ---- Controls ----------------------------------------------------------------------------
    platform::Label LblBiao{this, "LblBiao"};      // title: unit and question, or the review title
    platform::PictureBox PicUnit{this, "PicUnit"}; // hidden in exam drills
    platform::Label LblUnit{this, "LblUnit"};      // in PicUnit: the unfinished questions

protected:
    void design() override;
    void Form_Load() override;
};
