#pragma once
// Message boxes through one replaceable service.
#include <QList>
#include <QString>

namespace platform {

// Button sets, icons and default buttons, combined by adding.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
    vbApplicationModal = 0,
    vbSystemModal = 4096,
};
// The answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

struct MsgBoxRequest {
    QString prompt;
    int style = vbOKOnly;
    QString title; // already resolved: no title given means the application title
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int ask(const MsgBoxRequest& request) = 0;
};

// Shows a message box and returns the button chosen.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// nullptr returns to the real boxes.
void setMessageBoxService(MessageBoxService* service);
// The service installed, nullptr for the real boxes.
MessageBoxService* messageBoxService();

// The answers of a style's buttons, in the order the box shows them. A button set that is
// not one of the six above counts as OK-only.
QList<int> msgBoxButtons(int style);
// The button a box gives when it is closed without a choice (Esc or the window frame):
// Cancel where there is one, otherwise OK for OK-only, otherwise the default button.
// (The real Yes/No and Abort/Retry/Ignore boxes cannot be closed that way, as in the forms
// runtime; the default button is their answer should one be closed all the same.)
int msgBoxEscapeResult(int style);
// The answer behind the default button of a style; a default button beyond the last button
// is the first one.
int msgBoxDefaultResult(int style);

} // namespace platform
