#pragma once
// The plain-text files of the question bank, the progress files and the configuration files:
// code page 936 (GBK) with CR LF line ends, read tolerantly, written exactly in the stored format,
// rewritten whole through a temporary file in the same folder.
//
// Reading: line ends are CR LF, LF alone, or CR alone. A line end at the very end of the file does not start one more line, so "a\r\nb\r\n" and
// "a\r\nb" are two lines and "a\r\nb\r\n\r\n" three, the last empty; an empty file has none.
// Each line is decoded on its own; bytes that are not GBK mark the line as bad and decode to
// U+FFFD. The code page is Windows' 936: byte 0x80 is "€" and a lone 0xFF is U+F8F5, both valid.
//
// File names are looked up exactly first, then case-insensitively in the same folder (findFile),
// by the readers and the writers alike, so a file is rewritten under the name it already has.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace common {

enum class TextStatus {
    Ok,          // read; all lines decoded
    Missing,     // no file of that name (nor one differing only in case); a named pipe, socket or
                 // device of that name is no file either
    Unreadable,  // exists but could not be opened or read (also: the name is a folder, or the file
                 // holds more than platform::MaxTextFileBytes, which is refused without reading it all)
    BadEncoding, // read, but some lines hold bytes that are not GBK (see badLines)
};

struct TextReadResult {
    TextStatus status = TextStatus::Missing;
    QStringList lines;   // every line; filled for Ok and BadEncoding
    QList<int> badLines; // 1-based numbers of the lines with bad bytes, ascending
    QString path;        // the file actually read (after the case-insensitive lookup)

    bool ok() const { return status == TextStatus::Ok; }
};

// GBK text of a string; nothing when a character has no exact GBK code.
std::optional<QByteArray> encodeGbk(QStringView text);
// The string of GBK bytes; nothing when a byte sequence is not GBK.
std::optional<QString> decodeGbk(QByteArrayView bytes);

// The real path of a file: `path` itself when it names a file, otherwise the file in the same folder
// whose name differs only in case (the first in name order when several do), otherwise empty.
// Only the last part of the path is matched case-insensitively.
QString findFile(const QString& path);

// Reads a whole file as lines.
TextReadResult readTextFile(const QString& path);

// How a written file ends.
enum class TextEnding {
    CrLfAfterEach,  // every line followed by CR LF
    ExtraCrLfAtEnd, // the same and one more CR LF: the progress files' form, whose next read
                    // takes one more (empty) line
};

enum class WriteStatus {
    Ok,
    Unencodable, // a character has no GBK code: nothing was written
    Failed,      // the file could not be written: the old file, if any, is unchanged
    NoSpace,     // the disk (or quota, or file-size limit) is full: the old file, if any, is unchanged
    Refused,     // rewriteTextFile: the previous read failed, nothing was written
};

// Writes the lines exactly as given (a line holding CR or LF is written as it is) in GBK, whole,
// to a temporary file in the same folder that replaces the old file only once every byte is on
// the disk (platform::saveFileWhole): a failing write never leaves a half-written or empty file,
// and temporary files of an earlier save cut short are removed. A named pipe, socket or device in
// the file's place, or a link to one, is left alone: Failed. An empty list with CrLfAfterEach
// gives an empty file.
WriteStatus writeTextFile(const QString& path, const QStringList& lines,
                          TextEnding ending = TextEnding::CrLfAfterEach);

// The rule for files rewritten from what was read from them (progress files): a file that exists
// but could not be read, or was read with bad bytes, is never overwritten. `previousRead` is the
// status of that read; Missing and Ok write, Unreadable and BadEncoding give Refused.
WriteStatus rewriteTextFile(const QString& path, TextStatus previousRead, const QStringList& lines,
                            TextEnding ending = TextEnding::CrLfAfterEach);

// Reading "up to a line": line lineNo (1-based) of the file; when the
// file is shorter, or lineNo is 0 or less, its last line. Nothing when there is no line at all.
struct LineResult {
    // The file's status, except that BadEncoding is given only when the chosen line itself has bad
    // bytes (the line is still given, with U+FFFD for them): lines read and passed over do not count.
    TextStatus status = TextStatus::Missing;
    std::optional<QString> line; // nothing: missing, unreadable or empty file
};
std::optional<QString> lineOrLast(const QStringList& lines, int lineNo);
LineResult readLineOrLast(const QString& path, int lineNo);

// The answer-text file (TextTable): characters 1-3 of a line are not read, the entry's
// text starts at character 4 (a line shorter than 4 characters gives an empty text).
QString entryText(const QString& line);
// Entry lineNo's text, by the "up to a line" rule: beyond the end the last line's text; an empty
// file yields an empty text.
LineResult readTextEntry(const QString& path, int lineNo);
// The entry named by a 3-character record field: "000" names none and gives an empty text without
// opening the file (status Ok); any other field is read by its FieldNumber (a field reading 0 gives
// the last line).
LineResult readTextEntryNamed(const QString& path, QStringView lineField);

} // namespace common
