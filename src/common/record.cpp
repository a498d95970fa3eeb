#include "common/record.h"

#include "common/numbers.h"

#include <algorithm>

namespace common {

QStringView fieldView(QStringView rec, int startCol, int length)
{
    if (length <= 0) return {};
    // Work in 64 bits so that extreme arguments cannot overflow.
    const qint64 first = std::max<qint64>(startCol, 1);
    const qint64 last = std::min<qint64>(qint64(startCol) + length - 1, rec.size());
    if (first > last) return {};
    return rec.mid(first - 1, last - first + 1);
}

QString field(const QString& rec, int startCol, int length)
{
    return fieldView(rec, startCol, length).toString();
}

std::optional<qint16> fieldNumber(QStringView rec, int startCol, int length)
{
    return FieldNumber(fieldView(rec, startCol, length));
}

} // namespace common
