#pragma once
// 1-based column fields of fixed-width records (the step record, layout strings, tab templates).
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace common {

// The characters of `rec` in columns startCol .. startCol + length - 1 (column 1 is the first
// character). Only the columns that exist are returned: a field reaching past the end of the
// record is cut there, a field wholly beyond it is empty. Columns before 1 do not exist either,
// and a length of 0 or less gives an empty field. A column is one UTF-16 unit.
QString field(const QString& rec, int startCol, int length);
QStringView fieldView(QStringView rec, int startCol, int length);

// The FieldNumber (numbers.h) of a field: nothing when its number does not fit 16 bits.
// An empty field (past the end of a short record) reads 0.
std::optional<qint16> fieldNumber(QStringView rec, int startCol, int length);

} // namespace common
