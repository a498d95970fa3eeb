// The candidate login through the window: the set built and its login time logged, the card,
// the progress bar and the exam start on the panel and the desktop; the typed-text rules, the way
// back, and a bank that cannot give the set.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/text_file.h"
#include "desktop/frm_main.h"
#include "drill/frm_logon.h"
#include "drill_fixture.h"
#include "platform/keys.h"

using namespace drill;
using platform::Forms;

namespace drilltest {
namespace {

class Login : public DrillTest {
protected:
    void SetUp() override
    {
        DrillTest::SetUp();
        writeStandardBank();
        // The home screen's exam-set click for set 1.
        auto& d = common::drill();
        d.tmCount = 40;
        d.fileBase = 0;
        d.ksMode = common::ModeExam;
        d.setNo = 1;
    }
    FrmLogon& shownLogin()
    {
        FrmLogon& f = platform::form<FrmLogon>();
        f.Show();
        time.advance(100); // Timer1 places the pictures
        return f;
    }
    // Replaces a text box's text by typing.
    static void retype(FrmLogon& f, platform::TextBox& box, const QString& text)
    {
        box.SetFocus();
        testkit::key(f, platform::vbKeyEnd);
        for (int n = int(box.Text().size()); n > 0; --n)
            testkit::key(f, platform::vbKeyBack);
        testkit::type(f, text);
    }
};

TEST_F(Login, BuildsTheSetFillsTheCardAndStartsTheExam)
{
    // The set's previous exam left questions 3 and 7 marked.
    writeBytes(ksdata(QStringLiteral("218801.rar")), "0020002000000000000000000000000000000000\r\n");
    FrmLogon& f = shownLogin();
    EXPECT_TRUE(f.Picture1.Visible());
    EXPECT_FALSE(f.Picture2.Visible());
    EXPECT_EQ(f.Picture1.picture().source(), QStringLiteral("drill:login"));
    retype(f, f.TxtZwh, QStringLiteral("7"));
    retype(f, f.TxtSFZ, QStringLiteral("12345"));
    testkit::click(f.CmdLog);

    // The set and its login time, written at the click.
    auto& d = common::drill();
    QString list, steps;
    for (int i = 0; i < 40; ++i) {
        const int unit = i / 10, q = i % 10 + 1;
        list += listLine(unit, q, 2) + "\r\n";
        steps += record(unit, q, 1, QStringLiteral("8888")).str() + "\r\n" +
                 record(unit, q, 2, QStringLiteral("9999")).str() + "\r\n";
    }
    EXPECT_EQ(bytes(bankFile(51)), common::encodeGbk(list).value());
    EXPECT_EQ(bytes(bankFile(1)), steps.toLatin1());
    EXPECT_EQ(bytes(bankFile(94)), "\r\n2026-01-05 09:00:00\r\n\r\n\r\n");
    EXPECT_EQ(d.tmStart[1], 1);
    EXPECT_EQ(d.tmStart[41], 81);
    EXPECT_EQ(d.stepPath, bankFile(1));
    EXPECT_EQ(d.tmPath, bankFile(51));

    // The card.
    EXPECT_FALSE(f.Picture1.Visible());
    EXPECT_TRUE(f.Picture2.Visible());
    EXPECT_EQ(f.LblName.Caption(), QStringLiteral("Ostrel1"));
    EXPECT_EQ(f.LblZwh.Caption(), QStringLiteral("07"));
    EXPECT_EQ(f.LblCC.Caption(), QStringLiteral("18"));
    EXPECT_EQ(f.LblKm.Caption(), QStringLiteral("WinXP"));
    EXPECT_EQ(f.LblSfz.Caption(), QStringLiteral("110101198001012345"));
    EXPECT_EQ(f.LblDah.Caption(), QStringLiteral("888888"));
    EXPECT_EQ(f.LblDate.Caption(), QStringLiteral("2026年01月05日"));
    EXPECT_FALSE(d.canUnload);

    // The bar grows 1500 twips a tick; the exam starts when it is wider than its track.
    time.advance(600);
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(f.LJD.Width(), 255 + 6 * 1500);
    EXPECT_FALSE(tm().isLoaded());
    time.advance(100);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(d.ksStart, QStringLiteral("2026-01-05 09:00:00"));
    EXPECT_EQ(d.dqTm, 1);
    EXPECT_EQ(d.timeLeft, 50);
    EXPECT_EQ(d.tmState[3], 2);
    EXPECT_EQ(d.tmState[7], 2);
    EXPECT_EQ(d.tmState[1], 0);

    PanelStandIn& p = tm();
    EXPECT_TRUE(p.Visible());
    EXPECT_TRUE(Forms::instance<FrmMain>().Visible());
    EXPECT_EQ(p.CmdCZTS.Caption(), QStringLiteral("考生信息"));
    EXPECT_EQ(p.Command1.Caption(), QStringLiteral("操作提示"));
    EXPECT_EQ(p.CmdEnd.Caption(), QStringLiteral("结束考试"));
    EXPECT_FALSE(p.PicUnit.Visible());
    EXPECT_TRUE(p.TimerREDO.Enabled());
    EXPECT_EQ(p.CmTNO(12).BackColor(), 0x8000000FL);
    EXPECT_TRUE(p.CmTNO(40).Visible());
    EXPECT_EQ(p.LblTime.Caption(), QStringLiteral("剩余50分钟"));
    EXPECT_EQ(p.LblTimeJD.Width(), 0);
}

TEST_F(Login, SeatAndIdRules)
{
    const std::pair<const char*, const char*> seats[] = {
        {"5", "05"}, {"", "00"}, {"123", "23"}, {" 7 ", "07"}, {"b12", "12"}, {"a12", "a12"}, {"Ａ9", "Ａ9"},
    };
    for (auto [typed, card] : seats)
        EXPECT_EQ(FrmLogon::seatNumber(QString::fromUtf8(typed)), QString::fromUtf8(card)) << typed;
    const std::pair<const char*, const char*> ids[] = {
        {"12345", "110101198001012345"},
        {"", "110101198001011234"},
        {"44010619900101123X", "44010619900101123X"},
    };
    for (auto [typed, card] : ids)
        EXPECT_EQ(FrmLogon::idNumber(QString::fromUtf8(typed)), QString::fromUtf8(card)) << typed;
}

TEST_F(Login, TheIdBoxTakesDigitsAndAnXOnlyAsTheLastCharacter)
{
    FrmLogon& f = shownLogin();
    retype(f, f.TxtSFZ, QStringLiteral("1234567890123456"));
    testkit::type(f, QStringLiteral("xa-"));
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("1234567890123456"));
    testkit::type(f, QStringLiteral("7X"));
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("12345678901234567X"));
    testkit::key(f, platform::vbKeyBack);
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("12345678901234567"));
    // The seat box takes anything, up to three characters.
    retype(f, f.TxtZwh, QStringLiteral("a1bc"));
    EXPECT_EQ(f.TxtZwh.Text(), QStringLiteral("a1b"));
}

// Pasted text (Ctrl+V, Shift+Insert, the menu's paste) and the input method's text are put through
// the same filter as typing, character by character.
TEST_F(Login, PastedAndInputMethodTextMeetsTheIdBoxsFilterToo)
{
    FrmLogon& f = shownLogin();
    auto pasteFromMenu = [&](const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTimer::singleShot(0, [] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_TRUE(popup);
            for (QAction* a : popup->actions())
                if (a->text().startsWith(QStringLiteral("粘贴"))) a->trigger();
            popup->close();
        });
        QWidget* w = f.TxtSFZ.widget();
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &e);
    };
    retype(f, f.TxtSFZ, QStringLiteral("12"));
    // Ctrl+V and Shift+Insert paste as the menu does, through the filter.
    QGuiApplication::clipboard()->setText(QStringLiteral("3a4"));
    testkit::key(f, 'V', platform::vbCtrlMask);
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("1234"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" 5x"));
    testkit::key(f, platform::vbKeyInsert, platform::vbShiftMask);
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("12345"));
    retype(f, f.TxtSFZ, QStringLiteral("12"));
    pasteFromMenu(QStringLiteral("3a4 5X\r\n678"));
    EXPECT_EQ(f.TxtSFZ.Text(),
              QStringLiteral("12345"));        // letters, blanks and what follows a line end left out
    testkit::type(f, QStringLiteral("六6七")); // the input method's characters
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("123456"));
    pasteFromMenu(QStringLiteral("78901234567X9"));
    EXPECT_EQ(f.TxtSFZ.Text(), QStringLiteral("12345678901234567X")); // X only as the 18th character
}

TEST_F(Login, BackAsksFirstAndWritesNothing)
{
    testkit::ScriptedMessageBoxes boxes;
    FrmLogon& f = shownLogin();
    const int style = platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2;
    boxes.expect(platform::vbNo, QStringLiteral("确实要退出考试系统吗？"), QStringLiteral("Ostrel软件"),
                 style);
    testkit::click(f.CmdExit);
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(home().loads, 0);
    boxes.expect(platform::vbYes, QStringLiteral("确实要退出考试系统吗？"));
    testkit::click(f.CmdExit);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(home().loads, 1);
    EXPECT_EQ(bytes(bankFile(94)), "<missing>");
    EXPECT_EQ(bytes(bankFile(51)), "<missing>");
}

TEST_F(Login, ABankThatCannotGiveTheSetSendsTheCandidateHome)
{
    struct Case {
        const char* name;
        std::function<void()> damage;
        const char* says;
    };
    const Case cases[] = {
        {"unit file missing", [this] { QFile::remove(bankFile(72)); }, "找不到文件"},
        {"set table missing", [this] { QFile::remove(bankFile(91)); }, "找不到文件"},
        {"question beyond its unit",
         [this] {
             writeSetTable({fortyCodes(), "0011" + fortyCodes().mid(4)});
         },
         "第0单元中没有第11题"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeStandardBank();
        c.damage();
        testkit::ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK, QString::fromUtf8(c.says));
        home().Unload(); // the home screen goes before every login
        FrmLogon& f = shownLogin();
        testkit::click(f.CmdLog);
        EXPECT_FALSE(f.isLoaded());
        EXPECT_TRUE(home().Visible());
        EXPECT_FALSE(tm().isLoaded());
        EXPECT_FALSE(examRunning());
        EXPECT_EQ(bytes(bankFile(94)), "<missing>"); // no login was recorded
    }
}

TEST_F(Login, ALoginTimeLogThatCannotBeReadIsNamedAndTheExamGoesOn)
{
    makeUnreadable(bankFile(94));
    testkit::ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK, QStringLiteral("本次登录时间没有记录"));
    FrmLogon& f = shownLogin();
    testkit::click(f.CmdLog);
    time.advance(700);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_TRUE(examRunning());
}

} // namespace
} // namespace drilltest
