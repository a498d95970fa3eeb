#pragma once
// Trimming of the texts read from the stored files and typed by the candidate.
#include <QString>
#include <QStringView>

namespace common {

// The text without the spaces at either end. Trim removes spaces only: a tab, a line break or a
// full-width space stays.
QString trimSpaces(QStringView text);

} // namespace common
