#pragma once
// The module information file "ver.txt" beside the programs: module short name, display name,
// question-bank folder, module number and unit titles, each line packed as groups of six digits,
// one group per character. Both programs read it through readModuleInfo(); nothing here needs a
// form, so the update checker links this alone.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace home {

// Lines of "ver.txt" that are read; a 41st line is an error.
constexpr int InfoLines = 40;

// The text of one packed line. Each group of six characters (fewer at the end) is read by the
// leading-number rule and rounded half to even; a value of 0 stands for nothing. Otherwise the
// character code is the value less 200000 (up to 500000) or less 500000 (above it): 0-255 is a
// single byte, anything else a double-byte character of code page 936, given as its 16-bit code
// or as that code less 65536 (a Chinese character's code read as a signed 16-bit number). Nothing
// when a code lies outside -32768..65535. A byte sequence that is no GBK character reads U+FFFD.
std::optional<QString> unpackInfoLine(QStringView packed);

// The packing of a text, the writer's side of unpackInfoLine(): one group per character, 200000
// plus the character's code, a double-byte character by its negative 16-bit form. Nothing when a
// character has no GBK code.
std::optional<QString> packInfoLine(QStringView text);

struct ModuleInfoRead {
    enum class Status {
        Ok,
        Missing,      // no "ver.txt"
        Unreadable,   // exists but cannot be read
        Empty,        // no line holds anything
        TooManyLines, // a 41st line
        BadCode,      // a group whose character code is out of range (badLine names the line)
    };
    Status status = Status::Missing;
    QStringList lines; // the 40 unpacked lines, empty where the file has fewer (filled for Ok)
    int badLine = 0;   // 1-based line of a BadCode
    QString path;      // the file read

    bool ok() const { return status == Status::Ok; }
};

// The file's path in a program folder.
QString moduleInfoPath(const QString& programFolder);

// The reading routine every reader shares.
ModuleInfoRead readModuleInfo(const QString& programFolder);

// KmInfo, as lines 1-4 give it.
struct KmInfo {
    QString kmName;   // line 1, trimmed
    QString kmTitle;  // line 2, trimmed
    QString dataPath; // the program folder, then line 3 trimmed, ending in "/"
    int kmNo = 0;     // line 4's leading number, a 16-bit integer
};

// Nothing when line 4's number does not fit 16 bits. Backslashes in the folder name (written on
// Windows) separate folders here too.
std::optional<KmInfo> kmInfoFromLines(const QStringList& lines, const QString& programFolder);

// The module information as both programs load it: KmInfo and the 40 lines, or nothing and a
// message for the user that says what is wrong with "ver.txt" and where it is.
struct KmInfoLoad {
    std::optional<KmInfo> info;
    QStringList lines;
    QString failure;
};
KmInfoLoad loadKmInfo(const QString& programFolder);

// NN: Right("0" & kmNo, 2), which names the install values ("ProPath07").
QString moduleNN(int kmNo);

} // namespace home
