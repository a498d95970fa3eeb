#pragma once
// Dialogs that several units show.
#include "sample/model.h"

namespace sample::dialogs {

// A message box sized to its text.
void messageBox(Scenes& s, const QString& name, const QString& title, xp::Icon icon, const QStringList& lines,
                const QStringList& buttons);

// The taskbar and Start menu properties: tab 0 the task bar (autoHide ticked or not), tab 1 the
// Start menu (classic chosen or not).
void taskbarProperties(Scenes& s, const QString& name, int tab, bool autoHide, bool classic);

// Display properties, tab 0-4 (主题, 桌面, 屏幕保护程序, 外观, 设置); `state` carries the page's
// choices (screen saver, wait, background, position, resolution).
struct DisplayState {
    QString saver = QStringLiteral("Windows XP");
    QString wait = QStringLiteral("10");
    QString background = QStringLiteral("Bliss");
    QString position = QStringLiteral("拉伸");
    int resolution = 1; // 0 640 x 480 ... 3 1280 x 1024
};
void displayProperties(Scenes& s, const QString& name, int tab, const DisplayState& state = {});
QStringList screenSavers();
QStringList backgrounds();

// The properties of a local disk: tab 0 常规, 1 工具.
void diskProperties(Scenes& s, const QString& name, const QString& drive, int tab);

// Where dialogs open: clear of the question panel in the bottom-right corner.
constexpr QPoint DialogAt{60, 40};

} // namespace sample::dialogs
