#include "steps/smenu.h"

#include "common/naming.h"
#include "common/record.h"
#include "common/text_file.h"
#include "platform/app.h"

namespace smenu {

namespace {

int number(const QString& rec, int start, int length)
{
    // Four characters never leave 16 bits; a field past the end of a short record reads 0.
    return common::fieldNumber(rec, start, length).value_or(0);
}

// The action code, then the four-digit override "R" + four characters.
int codeWithOverride(const QString& rec)
{
    int code = number(rec, 8, 4);
    if (common::field(rec, 86, 1) == QLatin1String("R")) code = number(rec, 87, 4);
    return code;
}

int codeWithShortOverride(const QString& rec, QLatin1String form)
{
    int code = codeWithOverride(rec);
    if (common::field(rec, 86, 2) == form) code = 6000 + number(rec, 88, 3);
    return code;
}

} // namespace

int groupOf(int code)
{
    switch (code / 1000) {
    case 3:
        return 1;
    case 4:
        return 2;
    case 5:
        return 3;
    case 6:
    case 8:
        return 4;
    default:
        return 0;
    }
}

int recordOffset(int group, int set)
{
    return (set - 1) * RecordLines + (group - 1) * GroupLines;
}

int openingCode(const QString& stepRec)
{
    return codeWithShortOverride(stepRec, QLatin1String("R8"));
}

int judgingCode(const QString& stepRec)
{
    return codeWithShortOverride(stepRec, QLatin1String("RA"));
}

Record recordOf(const QStringList& fileLines, int code, int set)
{
    return recordAt(fileLines, groupOf(code), set);
}

Record recordAt(const QStringList& fileLines, int group, int set)
{
    Record r;
    // A negative offset keeps every line from the first: the file's first record.
    const int offset = recordOffset(group, set);
    const int first = offset < 0 ? 0 : offset;
    for (int k = 1; k <= RecordLines; ++k) {
        const qsizetype at = qsizetype(first) + k - 1;
        if (at < fileLines.size()) r[k] = fileLines.at(at);
    }
    return r;
}

QString filePath()
{
    return common::joinPath(platform::app::path(), QStringLiteral("sMenu.sys"));
}

ReadResult readRecord(const QString& path, int code, int set)
{
    return readRecordAt(path, groupOf(code), set);
}

ReadResult readRecordAt(const QString& path, int group, int set)
{
    ReadResult result;
    const common::TextReadResult file = common::readTextFile(path);
    if (file.status != common::TextStatus::Ok && file.status != common::TextStatus::BadEncoding)
        return result;
    result.ok = true;
    result.record = recordAt(file.lines, group, set);
    return result;
}

QStringList splitItems(const QString& line)
{
    QStringList items;
    qsizetype p = 0;
    for (int k = 1; k <= MaxItems; ++k) {
        const qsizetype q = line.indexOf(QLatin1Char('|'), p);
        if (q < 0) {
            items << line.mid(p);
            break;
        }
        items << line.mid(p, q - p);
        p = q + 1;
    }
    return items;
}

ListLines listLines(int list)
{
    static constexpr ListLines lines[] = {{0, 0}, {2, 3},  {0, 4},   {5, 6},   {0, 7},
                                          {8, 9}, {0, 10}, {11, 12}, {13, 14}, {0, 15}};
    return list >= 1 && list <= 9 ? lines[list] : ListLines{};
}

} // namespace smenu
