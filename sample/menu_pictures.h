#pragma once
// The pictures of the simulated drop-down menus under "examdata": the panels of the three levels and
// the hovered look of every row. Rows and separators are drawn where the desktop's drop-down tables
// (steps/menu_tables.h) lay the row labels, so a row label always lies over its drawn row.
#include <QString>
#include <QStringList>

#include "sample/bank.h"

namespace sample {

// A drop-down the installation draws: its id (a first-level menu id, a four-character second-level
// key, or "SS0" and a digit for a third level) and its rows from the top; a row ending in " >"
// opens a cascade.
struct DropDownDef {
    QString id;
    QStringList rows;
};
const QList<DropDownDef>& dropDowns();

// The row captions of a drawn drop-down (empty when the installation does not draw it).
QStringList dropDownRows(const QString& id);

// File names without folder ("A10077.rar", "A10300.rar" ...).
QList<PictureFile> menuPictures();

} // namespace sample
