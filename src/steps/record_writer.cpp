#include "steps/record_writer.h"

namespace steps {

RecordWriter::RecordWriter(Negatives negatives)
    : rec(Columns, u'0')
    , negatives(negatives)
{
    set(common::col::BgCode, u"888888");
}

void RecordWriter::fail(const QString& why)
{
    if (err.isEmpty()) err = why;
    last = why;
    ++failures;
}

RecordWriter& RecordWriter::set(int col, QStringView text)
{
    if (col < 1 || col - 1 + text.size() > Columns) {
        fail(QStringLiteral("\"%1\" at column %2 does not fit the record").arg(text.toString()).arg(col));
        return *this;
    }
    rec.replace(col - 1, text.size(), text.toString());
    return *this;
}

RecordWriter& RecordWriter::setNumber(int col, int width, int value)
{
    const bool negative = value < 0;
    const QString digits = QString::number(negative ? -qint64(value) : qint64(value));
    const int room = negative ? width - 1 : width;
    if ((negative && negatives == Negatives::Refused) || room < 1 || digits.size() > room) {
        fail(QStringLiteral("%1 does not fit %2 columns at column %3").arg(value).arg(width).arg(col));
        return *this;
    }
    return set(col, (negative ? QStringLiteral("-") : QString()) + digits.rightJustified(room, u'0'));
}

RecordWriter& RecordWriter::setRect(int col, int left, QChar jump, int top, int width, int height)
{
    setNumber(col, 5, left);
    set(col + 5, QString(jump));
    setNumber(col + 6, 4, top);
    setNumber(col + 10, 5, width);
    return setNumber(col + 15, 5, height);
}

RecordWriter& RecordWriter::setSlot(int col, int left, QChar jump, int top, const QString& code)
{
    if (code.size() != 6) fail(QStringLiteral("picture code \"%1\" is not 6 characters").arg(code));
    setNumber(col, 5, left);
    set(col + 5, QString(jump));
    setNumber(col + 6, 4, top);
    return set(col + 10, code.left(6).leftJustified(6, u'0'));
}

} // namespace steps
