#pragma once
// The column writer of step records: a record starts neutral and fields are set by column, so the
// sample's question tables and the tests' fixtures name what a step asks and never spell out a
// 212-column line.
#include <QChar>
#include <QString>
#include <QStringView>

#include "common/record.h"

namespace steps {

class RecordWriter {
public:
    static constexpr int Columns = common::col::Count;
    // Whether setNumber writes a negative number ("-" and the digits) or refuses it.
    enum class Negatives { Refused, Written };

    // The neutral record: every column "0" (no target, no edit field, hidden overlays, the hint
    // kept, action "0000") except the background, "888888" (keep the current one).
    explicit RecordWriter(Negatives negatives = Negatives::Refused);

    // Writes text from column col on (1-based). Text that would reach past column 212, or a column
    // below 1, is refused: nothing is written and error() says why.
    RecordWriter& set(int col, QStringView text);
    // A number right-aligned in `width` columns with leading zeros; a number that does not fit is
    // refused.
    RecordWriter& setNumber(int col, int width, int value);
    // RectSpec at col: Left 5, JumpChar 1, Top 4, Width 5, Height 5.
    RecordWriter& setRect(int col, int left, QChar jump, int top, int width, int height);
    // ImageSlot at col: Left 5, JumpChar 1, Top 4, picture code 6 (a code of another length is an
    // error, written cut or padded with "0").
    RecordWriter& setSlot(int col, int left, QChar jump, int top, const QString& code);

    const QString& str() const { return rec; }
    // The first refused write, or empty; the number of refused writes and why the last one was.
    const QString& error() const { return err; }
    int refused() const { return failures; }
    const QString& lastError() const { return last; }

private:
    void fail(const QString& why);
    QString rec;
    QString err;
    QString last;
    int failures = 0;
    Negatives negatives;
};

} // namespace steps
