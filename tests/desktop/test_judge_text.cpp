// Typed-text judging: what the candidate types, selects or confirms with Enter in the simulated
// edit fields, and which keyboard layout the fields switch to.
#include <QFile>

#include "desktop_fixture.h"
#include "platform/keys.h"
#include "platform/services_fake.h"

using namespace desktoptest;

namespace {

// A typed-text step: the edit field at (1500, 2000), 2400 x 300, with initial text line `text`
// ("000" empty) and answer line `answer`.
StepRecord typing(const QString& action, int answer, int text = 0)
{
    StepRecord r = step(action);
    r.setRect(col::EditRect, 1500, '0', 2000, 2400, 300);
    r.setNumber(col::TextLine, 3, text).setNumber(col::AnswerLine, 3, answer);
    return r;
}

} // namespace

class TypedText : public Desktop {
protected:
    FrmMain& show(const StepRecord& first)
    {
        writeBank({{first, marked(2), marked(3), terminal()}});
        return showQuestion(1);
    }
    int stepNow() const { return common::drill().dqStep; }
    void enter() { testkit::key(desk(), platform::vbKeyReturn); }
};

TEST_F(TypedText, TypingAdvancesOnTheKeystrokeThatCompletesAnAcceptedAnswer)
{
    writeTexts({QStringLiteral("Notepad|notepad.exe"), QStringLiteral("新建文件夹"),
                QStringLiteral("记事本|notepad.exe")});
    struct Case {
        const char* action;
        int answer;
        const char* typed; // the last character completes it, when it is accepted at all
        bool accepted;
    } cases[] = {
        {"0020", 1, "NOTEPAD", true},
        {"0020", 3, "NotePad.EXE", true},
        {"0020", 1, " notepad", true},
        {"0020", 3, "notepad.ex", false},
        {"0025", 1, "Notepad", true},
        {"0025", 1, "notepad.exe", true},
        {"0025", 1, " Notepad", true},
        {"0025", 1, "NOTEPAD", false},
        {"0025", 1, "NotePad", false},
        {"0020", 2, "新建文件夹", true},
        {"0024", 1, "Notepad", false}, // Enter asked for
        {"0022", 1, "Notepad", false},
        // A code is the number it begins with.
        {"20  ", 1, "NOTEPAD", true},
        {" 25 ", 1, "NOTEPAD", false},
        {" 25 ", 1, "Notepad", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << " \"" << c.typed << "\"");
        FrmMain& f = show(typing(QString::fromLatin1(c.action), c.answer));
        const QString typed = QString::fromUtf8(c.typed);
        testkit::type(f, typed.left(typed.size() - 1));
        EXPECT_EQ(stepNow(), 1);
        testkit::type(f, typed.right(1));
        EXPECT_EQ(stepNow(), c.accepted ? 2 : 1);
        if (!c.accepted) {
            EXPECT_EQ(f.Text1.Text(), typed);
        }
        f.Unload();
        testkit::settle();
    }
}

TEST_F(TypedText, EnterConfirmsOrEmptiesTheField)
{
    writeTexts({QStringLiteral("myfile|备份"), QStringLiteral("新建文件夹")});
    struct Case {
        const char* action;
        int answer;
        const char* typed;
        bool accepted;
    } cases[] = {
        {"0024", 1, "myfile", true},     {"0024", 1, "MyFile", true},       {"0024", 1, "my file", true},
        {"0024", 1, " my file ", true},  {"0024", 1, "备份", true},         {"0024", 1, "myfile2", false},
        {"0022", 1, "MY FILE", true},    {"0028", 1, "myfile", true},       {"0028", 1, "备 份", false},
        {"0022", 2, "新建文件夹", true}, {"0022", 2, " 新建文件夹 ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.action << " \"" << c.typed << "\"");
        FrmMain& f = show(typing(QString::fromLatin1(c.action), c.answer));
        f.Text1.setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(stepNow(), 1);
        enter();
        EXPECT_EQ(stepNow(), c.accepted ? 2 : 1);
        if (!c.accepted) {
            EXPECT_EQ(f.Text1.Text(), "");
        }
        f.Unload();
        testkit::settle();
    }

    // Another key, or Enter on a step that does not ask for it, does nothing.
    FrmMain& f = show(typing(QStringLiteral("0020"), 1));
    f.Text1.setText(QStringLiteral("wrong"));
    enter();
    testkit::key(f, platform::vbKeyF1);
    EXPECT_EQ(f.Text1.Text(), "wrong");
    EXPECT_EQ(stepNow(), 1);
}

TEST_F(TypedText, OneEnterIsJudgedOnce)
{
    writeTexts({QStringLiteral("ok")});
    // Two Enter steps in a row, then the window itself listening for keys as the key judge does.
    writeBank({{typing(QStringLiteral("0024"), 1), typing(QStringLiteral("0024"), 1),
                step(QStringLiteral("0000")), terminal()}});
    FrmMain& f = showQuestion(1);
    QList<int> windowKeys;
    f.onKeyUp = [&windowKeys](int& k, int) { windowKeys << k; };
    f.Text1.setText(QStringLiteral("ok"));
    enter();
    EXPECT_EQ(stepNow(), 2);
    f.Text1.setText(QStringLiteral("ok"));
    enter();
    // Step 3 has no edit field: the Enter that hid it is not passed on to the window.
    EXPECT_EQ(stepNow(), 3);
    EXPECT_TRUE(windowKeys.isEmpty());
}

TEST_F(TypedText, TheSecondFieldMustHoldTheWholeLine)
{
    writeTexts({QStringLiteral("Report|Summary")});
    StepRecord r = typing(QStringLiteral("0021"), 1);
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {
        {"Report", false}, {"Report|summary", false}, {"Report|Summary", true}, {" Report|Summary", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        FrmMain& f = show(r);
        ASSERT_TRUE(f.Text2.Visible());
        EXPECT_FALSE(f.Text1.Visible());
        testkit::click(f.Text2);
        testkit::type(f, QString::fromLatin1(c.typed));
        EXPECT_EQ(stepNow(), c.accepted ? 2 : 1);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(TypedText, TheThirdFieldTakesTheFocusAndIsJudgedWithoutCase)
{
    writeTexts({QStringLiteral("Notepad|notepad.exe")});
    for (const char* code : {"0027", "27  "}) {
        SCOPED_TRACE(code);
        FrmMain& f = show(typing(QString::fromLatin1(code), 1));
        ASSERT_TRUE(f.Text3.Visible());
        EXPECT_FALSE(f.Text1.Visible());
        EXPECT_TRUE(f.Text3.hasFocus());
        testkit::type(f, QStringLiteral("NOTEPA"));
        EXPECT_EQ(stepNow(), 1);
        testkit::type(f, QStringLiteral("D"));
        EXPECT_EQ(stepNow(), 2);
        f.Unload();
        testkit::settle();
    }
}

TEST_F(TypedText, ASelectionMadeWithTheMouseIsJudgedWhenTheButtonIsReleased)
{
    writeTexts({QStringLiteral("  Hello World  "), QStringLiteral("HELLO world")});
    StepRecord r = typing(QStringLiteral("0023"), 0, 1);
    r.setNumber(col::HintLine, 3, 2);
    FrmMain& f = show(r);
    // A selection made with the keys is not judged.
    testkit::key(f, platform::vbKeyHome);
    testkit::key(f, platform::vbKeyEnd, platform::vbShiftMask);
    EXPECT_EQ(f.Text1.SelText(), "  Hello World  ");
    EXPECT_EQ(stepNow(), 1);
    // A click leaves no selection.
    const double y = 2000 + 150;
    testkit::click(f, 1500 + 15, y);
    EXPECT_EQ(f.Text1.SelText(), "");
    EXPECT_EQ(stepNow(), 1);
    // A Shift-click at the far end selects it all; the release judges it.
    testkit::click(f, 1500 + 2400 - 15, y, 1, platform::vbShiftMask);
    EXPECT_EQ(stepNow(), 2);
}

TEST_F(TypedText, AnEmptyAnswerIsAnEmptyFieldAMissingFileAcceptsNothingAndAnEmptyFileIsAnEmptyText)
{
    writeTexts({QStringLiteral("abc")});
    FrmMain& f = show(typing(QStringLiteral("0020"), 0, 1));
    EXPECT_EQ(f.Text1.Text(), "abc");
    testkit::key(f, platform::vbKeyEnd);
    testkit::key(f, platform::vbKeyBack);
    testkit::key(f, platform::vbKeyBack);
    EXPECT_EQ(stepNow(), 1);
    testkit::key(f, platform::vbKeyBack);
    EXPECT_EQ(stepNow(), 2);

    // A missing file accepts nothing; an empty file yields an empty text: the emptied field is
    // the answer.
    ASSERT_TRUE(QFile::remove(common::drill().txtPath));
    for (bool emptyFile : {false, true}) {
        if (emptyFile) {
            QFile empty(common::drill().txtPath);
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        }
        for (const char* action : {"0020", "0025", "0027", "0024"}) {
            SCOPED_TRACE(std::string(action) + (emptyFile ? " empty file" : " no file"));
            f.Unload();
            testkit::settle();
            StepRecord r = typing(QString::fromLatin1(action), 1);
            show(r);
            platform::TextBox& field =
                QString::fromLatin1(action) == QLatin1String("0027") ? f.Text3 : f.Text1;
            field.setText(QStringLiteral("x"));
            field.setText(QString());
            enter();
            EXPECT_EQ(stepNow(), emptyFile ? 2 : 1);
        }
    }
}

TEST_F(TypedText, TheFieldsSwitchToTheChosenKeyboardLayout)
{
    platform::FakeServices services;
    services.keyboard.list = {{QStringLiteral("us"), QString(), QString()},
                              {QStringLiteral("cn"), QStringLiteral("拼音"), QString()}};
    writeTexts({QStringLiteral("x")});

    // Nothing chosen yet: the layout in use stays.
    FrmMain& f = show(typing(QStringLiteral("0020"), 1));
    EXPECT_TRUE(f.Text1.hasFocus());
    EXPECT_TRUE(services.keyboard.activated.isEmpty());
    f.Unload();
    testkit::settle();

    common::drill().imeHkl = 2; // the second layout of the list
    show(typing(QStringLiteral("0020"), 1));
    EXPECT_EQ(services.keyboard.activated, QList<int>({1}));
    f.Unload();
    testkit::settle();
    show(typing(QStringLiteral("0027"), 1));
    // Text1 and then Text3 took the focus.
    EXPECT_EQ(services.keyboard.activated.mid(1), QList<int>({1, 1}));
    EXPECT_TRUE(f.Text3.hasFocus());

    // A layout that is gone is ignored.
    common::drill().imeHkl = 7;
    f.Unload();
    testkit::settle();
    show(typing(QStringLiteral("0020"), 1));
    EXPECT_EQ(services.keyboard.activated.last(), 6);
    EXPECT_EQ(stepNow(), 1);
}
