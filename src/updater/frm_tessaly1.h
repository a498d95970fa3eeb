#pragma once
// The update checker's only form: it shows the installed question bank's version, fetches the
// published one from the maker's site, and either says the bank is current (and ends by itself)
// or offers the download page.
#include <QString>
#include <memory>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/services.h"

namespace updater {

class FrmTessaly1 final : public platform::Form {
public:
    FrmTessaly1();
    ~FrmTessaly1() override;

    platform::Label Label4{this, QStringLiteral("Label4")};
    platform::Label Label3{this, QStringLiteral("Label3")};
    platform::Label LblVer{this, QStringLiteral("LblVer")};
    platform::Label Label1{this, QStringLiteral("Label1")};
    platform::Label Label2{this, QStringLiteral("Label2")};
    // Created last of the buttons, "以后再说" lies over "确定" where they overlap.
    platform::CommandButton Command1{this, QStringLiteral("Command1")};
    platform::CommandButton Command2{this, QStringLiteral("Command2")};
    platform::CommandButton Command3{this, QStringLiteral("Command3")};
    platform::Timer Timer1{100, true};
    platform::Timer Timer2{100, true};
    platform::Timer Timer3{300, false};

    // Form variables.
    int kmNo = 0;
    QString kmName, kmTitle, dataPath;
    int pollCount = 0;
    int quitTicks = 0;

    // The module information; false, with the user told, when "ver.txt" is missing or broken (the
    // form's timers are stopped before the message).
    bool readInfo();

    // The page's body is never larger than this. A reply that has not come by the PollLimit-th
    // tick (15 s) counts as unusable; an unusable page ends the program on the first tick after
    // the QuietTicks-th.
    static constexpr qint64 MaxPageBytes = 64 * 1024;
    static constexpr int PollLimit = 150;
    static constexpr int QuietTicks = 5;

    static const QString Checking, CannotCheck, LatestPrefix, UpToDate;

protected:
    void design() override;
    void Form_Load() override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Ends the program; where a test intercepts the end, the form closes instead.
    void endProgram(int exitCode = 0);

    std::unique_ptr<platform::WebReply> reply;
};

} // namespace updater
