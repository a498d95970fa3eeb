// Where keys go beyond the focused control's own handlers: a release belongs to the owner of its
// press, repeats of a held key are told apart, a form may take the keys of focused boxes that have
// no handlers, and may keep the keys the window system would act on.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/units.h"
#include "support/kit.h"

using namespace platform;

namespace {

class KeyForm final : public Form {
public:
    PictureBox PicDown{this, "PicDown"}; // judges at the press, then hands the focus to Txt
    PictureBox PicBare{this, "PicBare"}; // no key handler
    TextBox Txt{this, "Txt"};            // judges at the release
    TextBox TxtBare{this, "TxtBare"};    // no key handler: typing only
    QStringList log;

    KeyForm()
        : Form("KeyForm")
    {
        PicDown.onKeyDown = [this](int& k, int s) {
            log << QStringLiteral("PicDown down %1 %2%3").arg(k).arg(s).arg(keyAutoRepeat() ? " repeat" : "");
            if (moveFocus) Txt.SetFocus();
        };
        Txt.onKeyUp = [this](int& k, int s) { log << QStringLiteral("Txt up %1 %2").arg(k).arg(s); };
        onKeyUp = [this](int& k, int s) { log << QStringLiteral("Form up %1 %2").arg(k).arg(s); };
    }
    bool moveFocus = false;

protected:
    void design() override
    {
        Move(0, 0, 6000, 4500);
        setBorderStyle(vbBSNone);
        PicDown.Move(150, 150, 1500, 1500);
        PicBare.Move(1800, 150, 1500, 1500);
        Txt.Move(3300, 150, 1500, 300);
        TxtBare.Move(3300, 600, 1500, 300);
    }
};

class KeyRouting : public ::testing::Test {
protected:
    KeyForm& shown()
    {
        KeyForm& f = form<KeyForm>();
        f.Show();
        return f;
    }
    testkit::FormsReset reset_;
};

} // namespace

TEST_F(KeyRouting, AReleaseBelongsToTheOwnerOfItsPress)
{
    KeyForm& f = shown();
    f.moveFocus = true;
    f.PicDown.SetFocus();
    testkit::key(f, vbKeyReturn);
    // The press moved the focus to Txt: its release is no key of Txt's own.
    EXPECT_EQ(f.log, QStringList{"PicDown down 13 0"});
    EXPECT_TRUE(f.Txt.hasFocus());
    f.log.clear();
    testkit::key(f, vbKeyReturn);
    EXPECT_EQ(f.log, QStringList{"Txt up 13 0"});
}

TEST_F(KeyRouting, RepeatsOfAHeldKeyAreToldApart)
{
    KeyForm& f = shown();
    f.PicDown.SetFocus();
    testkit::keyHeld(f, vbKeyA, vbCtrlMask, 2);
    EXPECT_EQ(f.log, (QStringList{"PicDown down 17 2", "PicDown down 65 2", "PicDown down 65 2 repeat",
                                  "PicDown down 65 2 repeat"}));
    EXPECT_FALSE(keyAutoRepeat());
}

TEST_F(KeyRouting, AFormMayTakeTheKeysOfFocusedBoxesWithoutHandlers)
{
    KeyForm& f = shown();
    struct Case {
        Control* focus;
        bool takes;
        QStringList expected;
    } cases[] = {
        {&f.PicBare, false, {}},
        {&f.PicBare, true, {"Form up 65 0"}},
        {&f.TxtBare, true, {}}, // typing is the field's own
        {&f.PicDown, true, {"PicDown down 65 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.focus->Name().toStdString() << " " << c.takes);
        f.log.clear();
        f.setTakesUnhandledKeys(c.takes);
        c.focus->SetFocus();
        testkit::key(f, vbKeyA);
        EXPECT_EQ(f.log, c.expected);
    }
}

TEST_F(KeyRouting, AFormMayKeepTheKeysTheWindowSystemWouldActOn)
{
    KeyForm& f = shown();
    f.onKeyUp = nullptr;
    QWidget* w = f.hostWidget();
    ASSERT_NE(w, nullptr);
    w->setFocus();
    for (bool keeps : {false, true}) {
        f.setKeepsSystemKeys(keeps);
        QKeyEvent altF4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
        QCoreApplication::sendEvent(w, &altF4);
        EXPECT_EQ(altF4.isAccepted(), keeps);
    }
}
