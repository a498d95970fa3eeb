// Input as a candidate's machine delivers it: a held key on a busy event loop, the keyboard taken
// away by another window, a window manager's minimise, and long pastes.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "support/kit.h"

using namespace platform;

namespace {

class PasteForm final : public Form {
public:
    TextBox Line{this, "Line"};
    TextBox Memo{this, "Memo"};
    int changes = 0;
    std::vector<int> lengthsSeen; // Text's length each time the filter judged a character

    PasteForm()
        : Form("PasteForm")
    {
        for (TextBox* t : {&Line, &Memo}) {
            // Digits are refused, "a" becomes "A", and "x" only once the text is four long.
            t->onKeyPress = [this, t](int& k) {
                lengthsSeen.push_back(int(t->Text().size()));
                if (k >= '0' && k <= '9') k = 0;
                if (k == 'a') k = 'A';
                if (k == 'x' && t->Text().size() < 4) k = 0;
            };
            t->onChange = [this] { ++changes; };
        }
    }

protected:
    void design() override
    {
        setBorderStyle(vbBSNone);
        Move(0, 0, 6000, 4500);
        Line.Move(150, 150, 3000, 300);
        Memo.Move(150, 900, 3000, 1500);
        Memo.setMultiLine(true);
    }
};

class RealInput : public ::testing::Test {
protected:
    testkit::FormsReset reset_;
};

} // namespace

// A paste of any length takes one pass through the filter and one insert: one Change, the same
// text as typing each character would give, and the filter reads the text as it grows.
TEST_F(RealInput, APasteOfAnyLengthIsFilteredInOnePassAndInsertedOnce)
{
    PasteForm& f = form<PasteForm>();
    f.Show();
    QString longPaste;
    for (int i = 0; i < 10000; ++i)
        longPaste += QStringLiteral("ab1");
    QString longResult;
    for (int i = 0; i < 10000; ++i)
        longResult += QStringLiteral("Ab");
    struct Case {
        const char* what;
        TextBox* box;
        QString before;
        int selStart, selLength, maxLength;
        QString pasted, after;
        std::vector<int> lengthsSeen; // empty: not checked
    } cases[] = {
        {"long paste into a line", &f.Line, "", 0, 0, 0, longPaste, longResult, {}},
        {"long paste into a memo", &f.Memo, "", 0, 0, 0, longPaste, longResult, {}},
        {"over a selection, x once long enough",
         &f.Line,
         "12345",
         1,
         3,
         0,
         "xa9xb",
         "1xAxb5",
         {5, 3, 4, 4, 5}},
        {"up to the greatest length", &f.Line, "zz", 2, 0, 5, "abcde", "zzAbc", {2, 3, 4, 5, 5}},
        {"everything refused", &f.Memo, "q", 1, 0, 0, "123", "q", {1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.box->setMaxLength(c.maxLength);
        c.box->setText(c.before);
        c.box->SetFocus();
        c.box->setSelStart(c.selStart);
        c.box->setSelLength(c.selLength);
        f.changes = 0;
        f.lengthsSeen.clear();
        QGuiApplication::clipboard()->setText(c.pasted);
        testkit::key(f, 'V', vbCtrlMask);
        EXPECT_EQ(c.box->Text(), c.after);
        EXPECT_EQ(f.changes, c.after == c.before ? 0 : 1);
        EXPECT_EQ(f.lengthsSeen.size(), size_t(c.pasted.size()));
        if (!c.lengthsSeen.empty()) {
            EXPECT_EQ(f.lengthsSeen, c.lengthsSeen);
        }
    }
}
