#include "support/step_record.h"

#include "common/naming.h"
#include "common/text_file.h"

#include <gtest/gtest.h>

namespace testkit {

StepRecord::StepRecord()
    : w(steps::RecordWriter::Negatives::Written)
{}

StepRecord& StepRecord::check()
{
    // Each refused write is a failure of its own test, reported once.
    if (w.refused() != reported) {
        reported = w.refused();
        ADD_FAILURE() << "StepRecord: " << w.lastError().toStdString();
    }
    return *this;
}

StepRecord& StepRecord::set(int col, const QString& text)
{
    w.set(col, text);
    return check();
}

StepRecord& StepRecord::setNumber(int col, int width, int value)
{
    w.setNumber(col, width, value);
    return check();
}

StepRecord& StepRecord::setRect(int col, int left, char jump, int top, int width, int height)
{
    w.setRect(col, left, QLatin1Char(jump), top, width, height);
    return check();
}

StepRecord& StepRecord::setSlot(int col, int left, char jump, int top, const QString& code)
{
    w.setSlot(col, left, QLatin1Char(jump), top, code);
    return check();
}

QString answerTextLine(int k, const QString& text)
{
    return QString::number(k).rightJustified(3, u'0') + text;
}

QString writeTextLines(const QString& folder, const QString& name, const QStringList& lines)
{
    const QString path = common::joinPath(folder, name);
    const common::WriteStatus status = common::writeTextFile(path, lines);
    if (status != common::WriteStatus::Ok) ADD_FAILURE() << "could not write " << path.toStdString();
    return path;
}

QString writeStepFile(const QString& dataPath, int number, const QStringList& records)
{
    const QString path = common::bankFile(dataPath, number);
    if (common::writeTextFile(path, records) != common::WriteStatus::Ok)
        ADD_FAILURE() << "could not write " << path.toStdString();
    return path;
}

QString writeStepFile(const QString& dataPath, int number, const QList<StepRecord>& records)
{
    QStringList lines;
    for (const StepRecord& r : records)
        lines.append(r.str());
    return writeStepFile(dataPath, number, lines);
}

QString writeAnswerTexts(const QString& dataPath, const QStringList& texts)
{
    QStringList lines;
    for (int k = 1; k <= texts.size(); ++k)
        lines.append(answerTextLine(k, texts[k - 1]));
    const QString path = common::txtPath(dataPath);
    if (common::writeTextFile(path, lines) != common::WriteStatus::Ok)
        ADD_FAILURE() << "could not write " << path.toStdString();
    return path;
}

} // namespace testkit
