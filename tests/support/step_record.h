#pragma once
// A builder of step records for test fixtures: fields are set by column, so a test
// names the fields it cares about and never types a 212-column line by hand. Plus helpers that
// write a step file and an answer-text file into a folder in the stored format (GBK, CR LF).
#include <QList>
#include <QString>
#include <QStringList>

#include "common/record.h"
#include "steps/record_writer.h"

namespace testkit {

namespace col = common::col;

class StepRecord {
public:
    static constexpr int Columns = col::Count;

    // The neutral record: a valid step that shows and asks nothing. Every column is "0" - numbers
    // 0, twenty-"0" rectangles (no main target, no edit field, no second target), picture codes
    // "000000" (overlay hidden), hintPos "0000000000" (hint kept), text lines "000", targets and
    // pointSpec of "0"s, action code "0000" (no rule of its own, and no target to click) - except
    // the background code, "888888" (keep the current background: "000000" would name no file and
    // make the load fail).
    StepRecord();

    // Writes text from column col on (1-based). Text reaching past column 212, or a column below 1,
    // is a test failure and nothing is written.
    StepRecord& set(int col, const QString& text);
    // A number right-aligned in `width` columns with leading zeros ("-" first for a negative one).
    // A number that does not fit is a test failure and nothing is written.
    StepRecord& setNumber(int col, int width, int value);
    // RectSpec at col: Left 5, JumpChar 1, Top 4, Width 5, Height 5.
    StepRecord& setRect(int col, int left, char jump, int top, int width, int height);
    // ImageSlot at col: Left 5, JumpChar 1, Top 4, picture code 6.
    StepRecord& setSlot(int col, int left, char jump, int top, const QString& code);

    // Shorthands for the fields most tests set.
    StepRecord& action(const QString& code) { return set(col::Action, code); }
    StepRecord& background(const QString& code) { return set(col::BgCode, code); }
    StepRecord& mainRect(int left, char jump, int top, int width, int height)
    {
        return setRect(col::MainRect, left, jump, top, width, height);
    }

    // The record (212 columns), or its first n columns (a short record).
    const QString& str() const { return w.str(); }
    QString truncated(int n) const { return w.str().left(n); }

private:
    StepRecord& check();
    steps::RecordWriter w;
    int reported = 0;
};

// The line of answer-text entry k: k as three digits, then the text (characters 1-3 are not read).
QString answerTextLine(int k, const QString& text);

// Writes lines to folder/name with the project's writer (GBK, each line followed by CR LF) and
// returns the path; a failing write is a test failure.
QString writeTextLines(const QString& folder, const QString& name, const QStringList& lines);
// The step file bank number `number` (dataPath & "2888" & NN & ".rar"), one record per line.
QString writeStepFile(const QString& dataPath, int number, const QList<StepRecord>& records);
QString writeStepFile(const QString& dataPath, int number, const QStringList& records);
// The answer-text file (bank file 90): line k is answerTextLine(k, texts[k - 1]).
QString writeAnswerTexts(const QString& dataPath, const QStringList& texts);

} // namespace testkit
