#pragma once
// The candidate login of a mock exam: the candidate types a seat number and an ID-card number
// and logs in; the exam set is built from the unit files, a confirmation card fills with the
// candidate's data while a short bar runs, and the exam starts on the question panel and the
// candidate's desktop. The home screen has already set the drill state for the set (tmCount 40,
// fileBase 0, ksMode 3, setNo).
#include <QString>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace drill {

class FrmLogon final : public platform::Form {
public:
    FrmLogon();

    // The login page.
    platform::PictureBox Picture1{this, "Picture1"};
    platform::TextBox TxtZwh{this, "TxtZwh"}; // seat number
    platform::TextBox TxtSFZ{this, "TxtSFZ"}; // ID-card number
    platform::Label CmdLog{this, "CmdLog"};   // "登 录"
    platform::Label CmdExit{this, "CmdExit"}; // "退 出"

    // The confirmation card.
    platform::PictureBox Picture2{this, "Picture2"};
    platform::Label LblName{this, "LblName"}, LblZwh{this, "LblZwh"}, LblCC{this, "LblCC"},
        LblKm{this, "LblKm"}, LblSfz{this, "LblSfz"}, LblDah{this, "LblDah"}, LblDate{this, "LblDate"};
    platform::PictureBox P2{this, "P2"}; // the progress track
    platform::Label LJD{this, "LJD"};    // in P2: the bar

    platform::Timer Timer1{100, true};  // one-shot placement of the pictures
    platform::Timer Timer2{100, false}; // progress bar and exam start

    // Builds exam set setNo and records its login time; false (the candidate told why) when the
    // bank cannot give the set.
    bool InitShiTI();

    // The card strings of the typed texts.
    static QString seatNumber(const QString& typed); // ksZwh
    static QString idNumber(const QString& typed);   // ksSfz
    static bool seatDisablesReview(const QString& trimmedSeat);

protected:
    void design() override;
    void Form_Load() override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void TxtSFZ_KeyPress(int& keyAscii);
    void CmdLog_Click();
    void CmdExit_Click();
    void startExam();
    void backHome(const QString& failure);
};

} // namespace drill
