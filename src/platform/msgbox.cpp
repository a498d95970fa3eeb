#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtGlobal>

#include "platform/app.h"
#include "platform/form_window.h"

namespace platform {

namespace {

MessageBoxService* service = nullptr;

int buttonSet(int style)
{
    return style & 0x7;
}

// Captions as the Chinese edition of the system shows them.
QString buttonText(int answer)
{
    switch (answer) {
    case vbOK:
        return QStringLiteral("确定");
    case vbCancel:
        return QStringLiteral("取消");
    case vbAbort:
        return QStringLiteral("中止(&A)");
    case vbRetry:
        return QStringLiteral("重试(&R)");
    case vbIgnore:
        return QStringLiteral("忽略(&I)");
    case vbYes:
        return QStringLiteral("是(&Y)");
    case vbNo:
        return QStringLiteral("否(&N)");
    }
    return QString();
}

QMessageBox::Icon icon(int style)
{
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

int showRealBox(const MsgBoxRequest& request)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        qWarning("MsgBox without a GUI application: \"%s\" is not shown", qPrintable(request.prompt));
        return msgBoxEscapeResult(request.style);
    }
    keepModalWindowsInView();
    QMessageBox box;
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText); // a prompt is never markup
    QString text = request.prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(text);
    box.setIcon(icon(request.style));
    box.setWindowModality(Qt::ApplicationModal); // resets the window flags: set them after
    // The screens are topmost windows; the box must not open behind them.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);

    // One role for all buttons keeps them in the system's order whatever the platform's
    // dialog layout, and leaves Esc and the frame to the explicit escape button below.
    const QList<int> answers = msgBoxButtons(request.style);
    QList<QPushButton*> buttons;
    for (int answer : answers)
        buttons.append(box.addButton(buttonText(answer), QMessageBox::ActionRole));
    const int defaultAnswer = msgBoxDefaultResult(request.style);
    box.setDefaultButton(buttons.at(answers.indexOf(defaultAnswer)));
    const int set = buttonSet(request.style);
    if (set != vbYesNo && set != vbAbortRetryIgnore)
        box.setEscapeButton(buttons.at(answers.indexOf(msgBoxEscapeResult(request.style))));

    box.exec();
    const int chosen = int(buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return chosen >= 0 ? answers.at(chosen) : msgBoxEscapeResult(request.style);
}

} // namespace

QList<int> msgBoxButtons(int style)
{
    switch (buttonSet(style)) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    }
    return {vbOK};
}

int msgBoxDefaultResult(int style)
{
    const QList<int> buttons = msgBoxButtons(style);
    const int index = (style >> 8) & 0x3;
    return index < buttons.size() ? buttons.at(index) : buttons.first();
}

int msgBoxEscapeResult(int style)
{
    const QList<int> buttons = msgBoxButtons(style);
    if (buttons.contains(vbCancel)) return vbCancel;
    if (buttons.size() == 1) return buttons.first();
    return msgBoxDefaultResult(style);
}

void setMessageBoxService(MessageBoxService* s)
{
    service = s;
}

MessageBoxService* messageBoxService()
{
    return service;
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    MsgBoxRequest request;
    request.prompt = prompt;
    request.style = style;
    request.title = title.isEmpty() ? app::title() : title;
    return service ? service->ask(request) : showRealBox(request);
}

} // namespace platform
