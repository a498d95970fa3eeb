#pragma once
// The desktop pictures: their folder and files, and the names (without ".rar") that the two desktops
// show for a step, written once.
#include <QChar>
#include <QString>

namespace steps::desk {

// The desktop pictures' folder of an installation: "examdata" in the program folder, with a
// trailing separator.
QString folder(const QString& programFolder);
// The file of desktop picture `name` in that folder: the name and ".rar", whatever the picture's
// format. Empty for a name that is not a code of letters and digits (names come from records and
// tables), so its load fails as for a missing file and never reaches outside the folder.
QString file(const QString& folder, const QString& name);

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
