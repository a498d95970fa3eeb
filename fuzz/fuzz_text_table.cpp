// Answer and hint entries of the text table, and the picture prefix of a question-list line:
// any file gives each entry as the text of the line the "up to a line" rule names, and a picture
// named by a question's text is a file of the bank's own folder or none.
#include <QFileInfo>

#include "common/naming.h"
#include "common/text_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    // The first three bytes are the record's line field; the rest is the text table.
    const QString lineField = QString::fromLatin1(fuzz::view(data, 3));
    const QByteArrayView body = fuzz::view(data + 3, size - 3);
    const QString path = fuzz::scratchFile(QStringLiteral("bank/288890.rar"));
    fuzz::writeBytes(path, body);
    const common::TextReadResult file = common::readTextFile(path);

    const common::LineResult named = common::readTextEntryNamed(path, lineField);
    if (lineField == QLatin1String("000"))
        fuzz::check(named.line && named.line->isEmpty(), "entry 000 is empty");
    for (int n : {-1, 0, 1, 2, 3, 7, 999, 32767}) {
        const common::LineResult r = common::readTextEntry(path, n);
        if (file.status != common::TextStatus::Ok) continue;
        const std::optional<QString> line = common::lineOrLast(file.lines, n);
        fuzz::check(r.line.has_value() == line.has_value() || (!line && r.line && r.line->isEmpty()),
                    "an entry is there when its line is");
        if (line && r.line) fuzz::check(*r.line == common::entryText(*line), "an entry is its line's text");
    }

    // Each line as a question-list line: its text from the seventh character.
    const QString dataPath = fuzz::scratch() + QStringLiteral("/bank/");
    for (const QString& l : file.lines) {
        const QString text = l.mid(6);
        if (!text.startsWith(QLatin1String("picture"))) continue;
        const QString picture = common::pictureFile(dataPath, text.mid(7, 6));
        if (picture.isEmpty()) continue;
        fuzz::check(QFileInfo(picture).absolutePath() == QFileInfo(dataPath).absolutePath() ||
                        QFileInfo(picture).absolutePath() + QLatin1Char('/') == dataPath,
                    "a question's picture lies in the bank's folder");
    }
    return 0;
}
