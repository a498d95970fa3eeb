// The shared main of every test executable: Qt's offscreen platform unless told otherwise,
// the application object created before any test runs, and nothing of the user's touched.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "platform/msgbox.h"
#include "support/kit.h"

namespace {

// A message box that no script expects fails the test instead of waiting for a click.
class UnexpectedBoxes final : public platform::MessageBoxService {
public:
    int ask(const platform::MsgBoxRequest& r) override
    {
        ADD_FAILURE() << "unexpected message box: " << r.prompt.toStdString();
        return platform::msgBoxEscapeResult(r.style);
    }
};

// The offscreen platform cannot raise windows and says so at every raise: noise in test output.
QtMessageHandler g_defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise()"))) return;
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and desktop shortcuts go to a folder of the run's own.
    QTemporaryDir home;
    qputenv("BRANNOCK_SETTINGS_FILE", home.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    qputenv("BRANNOCK_DESKTOP_DIR", home.filePath(QStringLiteral("Desktop")).toLocal8Bit());
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    UnexpectedBoxes boxes;
    platform::setMessageBoxService(&boxes);
    testkit::UnexpectedModals modals;
    platform::setModalHook(&modals);
    testkit::UnexpectedPopups popups;
    platform::setPopupService(&popups);
    ::testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    platform::setMessageBoxService(nullptr);
    platform::setModalHook(nullptr);
    platform::setPopupService(nullptr);
    return rc;
}
