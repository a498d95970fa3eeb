#pragma once
// The About box: the exam, the module, the program's version and its work folder. A click on
// the work-folder line opens the folder and puts a shortcut to the program on the desktop.
#include <QString>

#include "platform/controls.h"
#include "platform/form.h"

namespace home {

class FrmAbout final : public platform::Form {
public:
    FrmAbout();

    platform::Image Image1{this, QStringLiteral("Image1")};
    platform::LabelArray Label1{this, QStringLiteral("Label1")}; // 0-4 and 6
    platform::LineArray Line1{this, QStringLiteral("Line1")};    // 0-6
    platform::CommandButton Command1{this, QStringLiteral("Command1")};

    // The program's icon beside the program ("<program>.png"): where it lies, and writing it
    // there when it is missing (false when it can be neither found nor written).
    static QString programIconFile();
    static bool writeProgramIcon();

protected:
    void design() override;
    void Form_Load() override;

private:
    void Command1_Click();
    void Form_Click();
    void Label1_Click(int index);
};

} // namespace home
