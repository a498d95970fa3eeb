#include "sample/step_record.h"

namespace sample {

int slotColumn(int slot)
{
    return slot >= 1 && slot <= 6 ? col::Slots[slot - 1] : 0;
}

StepRecord::StepRecord()
    : rec(Columns, u'0')
{
    set(col::BgCode, u"888888");
}

StepRecord& StepRecord::set(int col, QStringView text)
{
    if (col < 1 || col - 1 + text.size() > Columns) {
        if (err.isEmpty())
            err = QStringLiteral("\"%1\" at column %2 does not fit the record").arg(text.toString()).arg(col);
        return *this;
    }
    rec.replace(col - 1, text.size(), text.toString());
    return *this;
}

StepRecord& StepRecord::setNumber(int col, int width, int value)
{
    const QString digits = QString::number(value);
    if (value < 0 || digits.size() > width) {
        if (err.isEmpty())
            err = QStringLiteral("%1 does not fit %2 columns at column %3").arg(value).arg(width).arg(col);
        return *this;
    }
    return set(col, digits.rightJustified(width, u'0'));
}

StepRecord& StepRecord::setRect(int col, int left, QChar jump, int top, int width, int height)
{
    setNumber(col, 5, left);
    set(col + 5, QString(jump));
    setNumber(col + 6, 4, top);
    setNumber(col + 10, 5, width);
    return setNumber(col + 15, 5, height);
}

StepRecord& StepRecord::setSlot(int col, int left, QChar jump, int top, const QString& code)
{
    if (code.size() != 6 && err.isEmpty())
        err = QStringLiteral("picture code \"%1\" is not 6 characters").arg(code);
    setNumber(col, 5, left);
    set(col + 5, QString(jump));
    setNumber(col + 6, 4, top);
    return set(col + 10, code.left(6).leftJustified(6, u'0'));
}

} // namespace sample
