// Message boxes: the buttons, default and escape answers of each style, the title, the scripted
// boxes of the test kit, and the real box as the candidate sees it.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/app.h"
#include "platform/msgbox.h"
#include "support/script.h"

using namespace platform;
using testkit::ScriptedMessageBoxes;

namespace {

struct StyleCase {
    int style;
    QList<int> buttons;
    int defaultAnswer;
    int escapeAnswer;
};

const StyleCase styleCases[] = {
    {vbOKOnly, {vbOK}, vbOK, vbOK},
    {vbOKOnly + vbDefaultButton2, {vbOK}, vbOK, vbOK},
    {vbOKCancel, {vbOK, vbCancel}, vbOK, vbCancel},
    {vbOKCancel + vbDefaultButton2, {vbOK, vbCancel}, vbCancel, vbCancel},
    {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}, vbAbort, vbAbort},
    {vbAbortRetryIgnore + vbDefaultButton2, {vbAbort, vbRetry, vbIgnore}, vbRetry, vbRetry},
    {vbAbortRetryIgnore + vbDefaultButton3, {vbAbort, vbRetry, vbIgnore}, vbIgnore, vbIgnore},
    {vbYesNoCancel, {vbYes, vbNo, vbCancel}, vbYes, vbCancel},
    {vbYesNoCancel + vbDefaultButton3, {vbYes, vbNo, vbCancel}, vbCancel, vbCancel},
    {vbYesNo, {vbYes, vbNo}, vbYes, vbYes},
    {vbYesNo + vbDefaultButton2, {vbYes, vbNo}, vbNo, vbNo},
    {vbYesNo + vbDefaultButton3, {vbYes, vbNo}, vbYes, vbYes},
    {vbYesNo + vbQuestion + vbDefaultButton2 + vbSystemModal, {vbYes, vbNo}, vbNo, vbNo},
    {vbRetryCancel, {vbRetry, vbCancel}, vbRetry, vbCancel},
    {vbRetryCancel + vbCritical + vbDefaultButton2, {vbRetry, vbCancel}, vbCancel, vbCancel},
    {vbOKCancel + vbExclamation, {vbOK, vbCancel}, vbOK, vbCancel},
    {vbInformation, {vbOK}, vbOK, vbOK},
    {7, {vbOK}, vbOK, vbOK}, // not a button set: OK only
};

class MsgBoxStyles : public ::testing::TestWithParam<StyleCase> {};

// Runs check on the real box once it is up, then lets the caller's MsgBox return.
void whenBoxShows(std::function<void(QMessageBox*)> check)
{
    auto* poll = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, started, check] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box && started->elapsed() < 2000) return;
        poll->deleteLater();
        poll->stop();
        if (!box) {
            ADD_FAILURE() << "no message box came up";
            return;
        }
        check(box);
    });
    poll->start(10);
}

QStringList buttonTexts(QMessageBox* box)
{
    QStringList texts;
    QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) {
        return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    for (QPushButton* b : buttons)
        texts << b->text();
    return texts;
}

QPushButton* buttonWithText(QMessageBox* box, const QString& text)
{
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

} // namespace

TEST_P(MsgBoxStyles, ButtonsDefaultAndEscape)
{
    const StyleCase& c = GetParam();
    EXPECT_EQ(msgBoxButtons(c.style), c.buttons);
    EXPECT_EQ(msgBoxDefaultResult(c.style), c.defaultAnswer);
    EXPECT_EQ(msgBoxEscapeResult(c.style), c.escapeAnswer);
}

INSTANTIATE_TEST_SUITE_P(Table, MsgBoxStyles, ::testing::ValuesIn(styleCases));

TEST(MsgBox, NoTitleMeansTheApplicationTitle)
{
    app::setTitle(QStringLiteral("考试练习系统"));
    ScriptedMessageBoxes boxes;
    boxes.expect(vbOK).expect(vbOK);

    MsgBox(QStringLiteral("请先选择题目。"));
    MsgBox(QStringLiteral("已在运行。"), vbOKOnly, QStringLiteral("系统提示"));

    ASSERT_EQ(boxes.seen().size(), 2);
    EXPECT_EQ(boxes.seen()[0].title, QStringLiteral("考试练习系统"));
    EXPECT_EQ(boxes.seen()[0].prompt, QStringLiteral("请先选择题目。"));
    EXPECT_EQ(boxes.seen()[0].style, vbOKOnly);
    EXPECT_EQ(boxes.seen()[1].title, QStringLiteral("系统提示"));
    app::setTitle(QString()); // back to the default, the executable's name
}

TEST(ScriptedMessageBoxes, AnswersInOrderAndChecksWhatIsShown)
{
    ScriptedMessageBoxes boxes;
    boxes.expect(vbYes, QStringLiteral("交卷"), QStringLiteral("系统提示"), vbYesNo + vbQuestion)
        .expect(vbCancel, QStringLiteral("确定要退出吗？"))
        .expect(vbRetry);
    EXPECT_EQ(boxes.pending(), 3);

    EXPECT_EQ(MsgBox(QStringLiteral("确定要交卷吗？"), vbYesNo + vbQuestion, QStringLiteral("系统提示")),
              vbYes);
    EXPECT_EQ(MsgBox(QStringLiteral("确定要退出吗？"), vbOKCancel), vbCancel);
    EXPECT_EQ(MsgBox(QStringLiteral("任何文字"), vbRetryCancel), vbRetry);
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(boxes.seen().size(), 3);
}

TEST(ScriptedMessageBoxes, InstallsAndRestoresTheService)
{
    MessageBoxService* const before = messageBoxService();
    {
        ScriptedMessageBoxes outer;
        EXPECT_EQ(messageBoxService(), &outer);
        {
            ScriptedMessageBoxes inner;
            EXPECT_EQ(messageBoxService(), &inner);
        }
        EXPECT_EQ(messageBoxService(), &outer);
    }
    EXPECT_EQ(messageBoxService(), before);
}

TEST(ScriptedMessageBoxes, MismatchedPromptFailsAndAnswersAsEscape)
{
    ScriptedMessageBoxes boxes;
    boxes.expect(vbYes, QStringLiteral("交卷"));
    int answer = 0;

    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("是否退出练习？"), vbYesNo + vbDefaultButton2),
                            "是否退出练习？");
    EXPECT_EQ(answer, vbNo);

    // The expectation stays for the box it was meant for.
    EXPECT_EQ(MsgBox(QStringLiteral("确定要交卷吗？"), vbYesNo), vbYes);
    EXPECT_EQ(boxes.seen().size(), 2);
}

TEST(ScriptedMessageBoxes, BoxWithNothingExpectedFails)
{
    ScriptedMessageBoxes boxes;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("文件不存在"), vbOKCancel), "文件不存在");
    EXPECT_EQ(answer, vbCancel);
}

TEST(ScriptedMessageBoxes, WrongTitleStyleOrAnswerFail)
{
    ScriptedMessageBoxes boxes;
    boxes.expect(vbOK, QStringLiteral("A"), QStringLiteral("标题"))
        .expect(vbOK, QStringLiteral("B"), std::nullopt, vbOKCancel)
        .expect(vbYes, QStringLiteral("C"));
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("A"), vbOKOnly, QStringLiteral("别的")), "标题");
    EXPECT_EQ(answer, vbOK);
    EXPECT_NONFATAL_FAILURE(MsgBox(QStringLiteral("B"), vbOKOnly), "expected with style 1");
    EXPECT_NONFATAL_FAILURE(MsgBox(QStringLiteral("C"), vbOKOnly), "no button for the scripted answer 6");
}

TEST(ScriptedMessageBoxes, ExpectedBoxNeverShownFailsAtTheEnd)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes boxes;
            boxes.expect(vbOK, QStringLiteral("保存成功"));
        },
        "never shown: \"保存成功\"");
}

// The real boxes, whatever service the test main put in place.
struct RealBoxes {
    MessageBoxService* previous = messageBoxService();
    RealBoxes() { setMessageBoxService(nullptr); }
    ~RealBoxes() { setMessageBoxService(previous); }
};

TEST(RealMsgBox, ShowsTheStyleAndReturnsTheButtonClicked)
{
    RealBoxes real;
    bool checked = false;
    whenBoxShows([&](QMessageBox* box) {
        checked = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("系统提示"));
        EXPECT_EQ(box->text(), QStringLiteral("第一行\n<b>第二行</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(buttonTexts(box), QStringList({"是(&Y)", "否(&N)", "取消"}));
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("否(&N)"));
        QPushButton* no = buttonWithText(box, QStringLiteral("否(&N)"));
        ASSERT_NE(no, nullptr);
        no->click();
    });
    const int answer = MsgBox(QStringLiteral("第一行\r\n<b>第二行</b>"),
                              vbYesNoCancel + vbQuestion + vbDefaultButton2, QStringLiteral("系统提示"));
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, vbNo);
}

TEST(RealMsgBox, EscapeGivesCancel)
{
    RealBoxes real;
    whenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MsgBox(QStringLiteral("继续吗？"), vbOKCancel), vbCancel);
    whenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MsgBox(QStringLiteral("完成。")), vbOK);
}

TEST(RealMsgBox, YesNoCannotBeEscaped)
{
    RealBoxes real;
    bool stillUp = false;
    whenBoxShows([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stillUp = box->isVisible();
        buttonWithText(box, QStringLiteral("是(&Y)"))->click();
    });
    EXPECT_EQ(MsgBox(QStringLiteral("确定要交卷吗？"), vbYesNo + vbDefaultButton2), vbYes);
    EXPECT_TRUE(stillUp);
}

// A modal window that the window manager minimises (from its title bar, or a key of its own) while
// the program waits on it comes back at once, whatever draws it: the program is never left
// blocked behind a window no one sees.
namespace {

// Minimises the window as the window manager does and tells whether it is back, shown and not
// minimised, once the events that follow have run.
bool comesBackFromAMinimise(QWidget* w)
{
    w->windowHandle()->showMinimized();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    return w->isVisible() && !(w->windowState() & Qt::WindowMinimized) &&
           !(w->windowHandle()->windowStates() & Qt::WindowMinimized);
}

} // namespace

TEST(RealMsgBox, AMinimisedBoxComesBack)
{
    RealBoxes real;
    struct Case {
        const char* prompt;
        int style;
        const char* button;
        int answer;
    };
    const Case cases[] = {
        {"确实要退出考试系统吗？", vbYesNo + vbQuestion + vbDefaultButton2, "是(&Y)", vbYes},
        {"题目已全部完成。", vbOKOnly + vbInformation, "确定", vbOK},
        {"是否保存？", vbYesNoCancel, "否(&N)", vbNo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        bool back = false;
        whenBoxShows([&](QMessageBox* box) {
            back = comesBackFromAMinimise(box);
            // Minimised again later, it comes back again.
            back = back && comesBackFromAMinimise(box);
            buttonWithText(box, QString::fromUtf8(c.button))->click();
        });
        EXPECT_EQ(MsgBox(QString::fromUtf8(c.prompt), c.style, QStringLiteral("系统提示")), c.answer);
        EXPECT_TRUE(back);
    }
}

TEST(ModalWindows, AnyMinimisedDialogComesBackButAModelessWindowStaysMinimised)
{
    QWidget modeless;
    modeless.resize(200, 100);
    modeless.show();
    modeless.windowHandle()->showMinimized();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(modeless.windowState() & Qt::WindowMinimized);

    QDialog dialog;
    dialog.resize(200, 100);
    bool back = false;
    QTimer::singleShot(0, &dialog, [&] {
        back = comesBackFromAMinimise(&dialog);
        dialog.accept();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(back);
}
