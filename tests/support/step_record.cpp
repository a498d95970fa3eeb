#include "support/step_record.h"

#include "common/naming.h"
#include "common/text_file.h"

#include <gtest/gtest.h>

namespace testkit {

StepRecord::StepRecord()
    : rec(Columns, u'0')
{
    set(col::BgCode, QStringLiteral("888888"));
}

StepRecord& StepRecord::set(int col, const QString& text)
{
    if (col < 1 || col - 1 + text.size() > Columns) {
        ADD_FAILURE() << "StepRecord::set: \"" << text.toStdString() << "\" at column " << col
                      << " does not fit 212 columns";
        return *this;
    }
    rec.replace(col - 1, text.size(), text);
    return *this;
}

StepRecord& StepRecord::setNumber(int col, int width, int value)
{
    const QString digits = QString::number(value < 0 ? -qint64(value) : qint64(value));
    const int room = value < 0 ? width - 1 : width;
    if (room < 1 || digits.size() > room) {
        ADD_FAILURE() << "StepRecord::setNumber: " << value << " does not fit " << width << " columns";
        return *this;
    }
    const QString text = (value < 0 ? QStringLiteral("-") : QString()) + digits.rightJustified(room, u'0');
    return set(col, text);
}

StepRecord& StepRecord::setRect(int col, int left, char jump, int top, int width, int height)
{
    setNumber(col, 5, left);
    set(col + 5, QString(QLatin1Char(jump)));
    setNumber(col + 6, 4, top);
    setNumber(col + 10, 5, width);
    return setNumber(col + 15, 5, height);
}

StepRecord& StepRecord::setSlot(int col, int left, char jump, int top, const QString& code)
{
    if (code.size() != 6)
        ADD_FAILURE() << "StepRecord::setSlot: picture code \"" << code.toStdString()
                      << "\" is not 6 characters";
    setNumber(col, 5, left);
    set(col + 5, QString(QLatin1Char(jump)));
    setNumber(col + 6, 4, top);
    return set(col + 10, code.left(6).leftJustified(6, u'0'));
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
