#pragma once
// The column builder of step records: a record starts neutral and fields are set by column, so the
// question tables name what a step asks and never spell out a 212-column line.
#include <QChar>
#include <QString>
#include <QStringView>

#include "common/record.h"

namespace sample {

namespace col = common::col;

// The column of each overlay slot 1-6.
int slotColumn(int slot);

class StepRecord {
public:
    static constexpr int Columns = col::Count;

    // The neutral record: every column "0" (no target, no edit field, hidden overlays, the hint
    // kept, action "0000") except the background, "888888" (keep the current one).
    StepRecord();

    // Writes text from column col on (1-based). Text that would reach past column 212 is refused:
    // nothing is written and error() says why.
    StepRecord& set(int col, QStringView text);
    // A number right-aligned in `width` columns with leading zeros; negative numbers and numbers
    // that do not fit are refused.
    StepRecord& setNumber(int col, int width, int value);
    // RectSpec at col: Left 5, JumpChar 1, Top 4, Width 5, Height 5.
    StepRecord& setRect(int col, int left, QChar jump, int top, int width, int height);
    // ImageSlot at col: Left 5, JumpChar 1, Top 4, picture code 6.
    StepRecord& setSlot(int col, int left, QChar jump, int top, const QString& code);

    const QString& str() const { return rec; }
    // The first refused write, or empty.
    const QString& error() const { return err; }

private:
    QString rec;
    QString err;
};

} // namespace sample
