#pragma once
// The context-menu file "sMenu.sys" in the program's folder: the texts of the right-click pop-up
// menus that steps with a pop-up code ask for. The file is a plain run of records of 15 lines,
// 4 groups of 9 sets; record (group g, set s) starts at line (g - 1) * 135 + (s - 1) * 15 + 1.
//
// A pop-up code is four digits C S L I: C the record group (3 → 1, 4 → 2, 5 → 3, 6 and 8 → 4),
// S the set, L the list (1-9, the menu's item lists from top to bottom, a cascade's list taking
// its cascade's place) and I the item's 0-based position in its list, separators counted.
//
// Read by the candidate's desktop (its pop-up menu and the item judges) and by the
// demonstration, anew at every opening: nothing is cached.
#include <QString>
#include <QStringList>
#include <array>

namespace smenu {

constexpr int RecordLines = 15;
constexpr int SetsPerGroup = 9;
constexpr int GroupLines = SetsPerGroup * RecordLines; // 135
constexpr int MaxItems = 10;

// The digits of a pop-up code, taken apart by truncating division.
inline int setDigit(int code)
{
    return (code / 100) % 10;
}
inline int listDigit(int code)
{
    return (code / 10) % 10;
}
inline int itemDigit(int code)
{
    return code % 10;
}

// The record group that the code's thousands digit selects: 1-4, or 0 for none.
int groupOf(int code);

// The line after which record (group, set) starts. Negative for group 0 (any set) and for group 1
// with set 0: such a record is the file's first 15 lines.
int recordOffset(int group, int set);

// The pop-up code of a step record on the side that opens and fills the menu: the action code
// (positions 8-11); an override at 86 "R" + four characters replaces it by their number, and
// "R8" + three digits by 6000 + their number.
int openingCode(const QString& stepRec);
// The same on the side that judges a pick, whose three-digit override is written "RA" + 3 digits.
int judgingCode(const QString& stepRec);

// One record: lines 1-15 (index 0 unused). Lines the file does not supply are empty text.
using Record = std::array<QString, RecordLines + 1>;

// The record for a code and a set among the file's lines; recordAt for a group and a set. A
// negative offset (group 0, or group 1 with set 0) is the file's first record.
Record recordOf(const QStringList& fileLines, int code, int set);
Record recordAt(const QStringList& fileLines, int group, int set);

// Where the file is: the program's folder and "sMenu.sys".
QString filePath();

struct ReadResult {
    bool ok = false; // false: the file is missing or cannot be read, and no menu can be built
    Record record;
};
// Reads the record for a code (or a group) and a set from the file. A file whose bytes are not
// all valid text is read all the same, with the characters that could be decoded.
ReadResult readRecord(const QString& path, int code, int set);
ReadResult readRecordAt(const QString& path, int group, int set);

// The items of an item line: the texts between "|", at most ten (whatever follows the tenth "|"
// is dropped). An empty line is one empty item; "-" is a separator that keeps its position.
QStringList splitItems(const QString& line);

// The record lines of list 1-9 of a menu, from top to bottom: lists 1, 3, 5, 7 and 8 are cascades,
// a caption line and the line of its items below it; lists 2, 4, 6 and 9 are plain lists, items
// only (caption 0). List 0 or past 9: both 0.
struct ListLines {
    int caption = 0;
    int items = 0;
};
ListLines listLines(int list);

// The whole line "0" marks a cascade caption or a plain group as absent; nothing else does.
inline bool isAbsent(const QString& line)
{
    return line == QLatin1String("0");
}

} // namespace smenu
