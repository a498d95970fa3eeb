#pragma once
// The names of the desktop pictures (the DeskPictures folder, without ".rar") that the two desktops
// show for a step, written once.
#include <QChar>
#include <QString>

namespace steps::desk {

// The fixed area pictures.
inline QString desktopArea()
{
    return QStringLiteral("PicTable");
}
inline QString startMenuArea()
{
    return QStringLiteral("PicStart");
}
inline QString myComputerArea()
{
    return QStringLiteral("PicMyPc");
}
// The Explorer toolbar: "W" in column 5 shows the wide one.
QString toolbar(QChar driveLetter);
// The menu bar of application letter A-G.
QString menuBar(QChar appLetter);
// The task pane of a task-pane code 1-4.
QString taskPane(int code);
// The Control Panel page of a dialog layout character.
QString dialogPage(QChar digit);

// The highlight of a menu-bar title: the menu id ("A3", "10") and "0088".
QString titleHighlight(const QString& menuId);
// The pressed look of toolbar button n and the hovered one.
QString toolbarPressed(int n);
QString toolbarHovered(int n);
// The highlight of Start-menu item n.
QString startItemHighlight(int n);
// The highlight of a desktop icon or a My Computer item under the menu id that opened it.
QString itemHighlight(const QString& menuId);

} // namespace steps::desk
