#include "common/text_file.h"

#include "common/numbers.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace common {

namespace {

// ICU's "GBK" is Windows' code page 936 (0x80 is the euro sign). Stateless, so that a lead byte
// cut off at the end of a line is an error instead of waiting for more bytes.
constexpr const char* kCodec = "GBK";
constexpr auto kFlags = QStringConverter::Flag::Stateless;

// Decodes one line; `bad` tells whether it held bytes that are not GBK. The decoder's error flag
// stays set once raised (resetState() does not clear it), so after a bad line it is replaced.
QString decodeLine(QStringDecoder& decoder, QByteArrayView bytes, bool& bad)
{
    QString text = decoder.decode(bytes);
    bad = decoder.hasError() || text.contains(QChar::ReplacementCharacter);
    if (decoder.hasError()) decoder = QStringDecoder(kCodec, kFlags);
    return text;
}

// Splits at CR LF, LF and a lone CR; a line end at the very end starts no further line.
QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(bytes.sliced(start, i - start));
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n) lines.append(bytes.sliced(start));
    return lines;
}

// The bytes of a file found by findFile; status Ok, Missing or Unreadable. A named pipe, socket or
// device is no file to read: it reads as missing, and nothing waits on it or reads it without end.
TextStatus readBytes(const QString& path, QByteArray& bytes, QString& real)
{
    real = findFile(path);
    platform::FileRead file = platform::readRegularFile(real.isEmpty() ? path : real);
    switch (file.status) {
    case platform::FileReadStatus::Ok:
        bytes = std::move(file.bytes);
        return TextStatus::Ok;
    case platform::FileReadStatus::Missing:
    case platform::FileReadStatus::Special:
        return TextStatus::Missing;
    case platform::FileReadStatus::Failed:
        break;
    }
    return TextStatus::Unreadable;
}

} // namespace

std::optional<QByteArray> encodeGbk(QStringView text)
{
    QStringEncoder encoder(kCodec, kFlags);
    if (!encoder.isValid()) return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) return std::nullopt;
    // A best-fit mapping would not read back as the same text: only exact codes count.
    const std::optional<QString> back = decodeGbk(bytes);
    if (!back || *back != text) return std::nullopt;
    return bytes;
}

std::optional<QString> decodeGbk(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodec, kFlags);
    if (!decoder.isValid()) return std::nullopt;
    bool bad = false;
    QString text = decodeLine(decoder, bytes, bad);
    if (bad) return std::nullopt;
    return text;
}

QString findFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile()) return path;
    const QString name = info.fileName();
    if (name.isEmpty()) return {};
    const QStringList entries = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return path.left(path.size() - name.size()) + entry;
    }
    return {};
}

TextReadResult readTextFile(const QString& path)
{
    TextReadResult result;
    QByteArray bytes;
    result.status = readBytes(path, bytes, result.path);
    if (result.status != TextStatus::Ok) return result;

    QStringDecoder decoder(kCodec, kFlags);
    const QList<QByteArrayView> raw = splitLines(bytes);
    result.lines.reserve(raw.size());
    for (qsizetype k = 0; k < raw.size(); ++k) {
        bool bad = false;
        result.lines.append(decodeLine(decoder, raw[k], bad));
        if (bad) result.badLines.append(int(k + 1));
    }
    result.status = result.badLines.isEmpty() ? TextStatus::Ok : TextStatus::BadEncoding;
    return result;
}

WriteStatus writeTextFile(const QString& path, const QStringList& lines, TextEnding ending)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    if (ending == TextEnding::ExtraCrLfAtEnd) text += u"\r\n";
    const std::optional<QByteArray> bytes = encodeGbk(text);
    if (!bytes) return WriteStatus::Unencodable;

    const QString existing = findFile(path);
    switch (platform::saveFileWhole(existing.isEmpty() ? path : existing, *bytes)) {
    case platform::FileSaveStatus::Ok:
        return WriteStatus::Ok;
    case platform::FileSaveStatus::NoSpace:
        return WriteStatus::NoSpace;
    case platform::FileSaveStatus::Failed:
        break;
    }
    return WriteStatus::Failed;
}

WriteStatus rewriteTextFile(const QString& path, TextStatus previousRead, const QStringList& lines,
                            TextEnding ending)
{
    if (previousRead == TextStatus::Unreadable || previousRead == TextStatus::BadEncoding)
        return WriteStatus::Refused;
    return writeTextFile(path, lines, ending);
}

std::optional<QString> lineOrLast(const QStringList& lines, int lineNo)
{
    if (lines.isEmpty()) return std::nullopt;
    if (lineNo >= 1 && lineNo <= lines.size()) return lines[lineNo - 1];
    return lines.last();
}

LineResult readLineOrLast(const QString& path, int lineNo)
{
    // Only the chosen line is decoded: renders and judges read files at every step and keystroke.
    LineResult result;
    QByteArray bytes;
    QString real;
    result.status = readBytes(path, bytes, real);
    if (result.status != TextStatus::Ok) return result;
    const QList<QByteArrayView> raw = splitLines(bytes);
    if (raw.isEmpty()) return result;
    const qsizetype chosen = (lineNo >= 1 && lineNo <= raw.size()) ? lineNo - 1 : raw.size() - 1;
    QStringDecoder decoder(kCodec, kFlags);
    bool bad = false;
    result.line = decodeLine(decoder, raw[chosen], bad);
    if (bad) result.status = TextStatus::BadEncoding;
    return result;
}

QString entryText(const QString& line)
{
    return line.mid(3);
}

LineResult readTextEntry(const QString& path, int lineNo)
{
    LineResult result = readLineOrLast(path, lineNo);
    if (result.line)
        result.line = entryText(*result.line);
    else if (result.status == TextStatus::Ok)
        result.line = QString(); // an empty file yields an empty text
    return result;
}

LineResult readTextEntryNamed(const QString& path, QStringView lineField)
{
    if (lineField == u"000") return {TextStatus::Ok, QString()};
    return readTextEntry(path, FieldNumber(lineField).value_or(0));
}

} // namespace common
