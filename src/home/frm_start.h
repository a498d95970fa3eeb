#pragma once
// The splash: the program's only entry. It refuses a second running copy, computes the screen
// scale, reads the module information, gives the drill state its start values and, 100 ms later,
// hands over to the home screen and applies the launch rule of the update checker.
#include <QString>

#include "platform/clock.h"
#include "platform/form.h"

namespace home {

class FrmStart final : public platform::Form {
public:
    FrmStart();

    platform::Timer Timer1{100, false};

    // The module information, the application title, the install values and the start flag.
    // Returns what went wrong (a message for the candidate), empty when all was read.
    QString readInfo();
    // The launch rule: counts the start and starts the update checker every tenth start while
    // the auto-update flag is "1".
    void TessalyExe();

    bool firstTick = false;

protected:
    void design() override;
    void Form_Load() override;

private:
    void Timer1_Timer();
};

// The update checker beside the program.
QString tessalyPath();

} // namespace home
