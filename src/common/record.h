#pragma once
// 1-based column fields of fixed-width records (the step record, layout strings, tab templates).
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <optional>

namespace common {

// First columns of the step record's fields (widths in the comments).
namespace col {
constexpr int PaneCode = 4;     // 2
constexpr int WinCode = 6;      // 2
constexpr int Action = 8;       // 4
constexpr int BgCode = 12;      // 6
constexpr int Slot1 = 18;       // ImageSlot, 16
constexpr int Slot2 = 34;       // ImageSlot, 16
constexpr int Slot3 = 50;       // ImageSlot, 16
constexpr int MainRect = 66;    // RectSpec, 20
constexpr int EditRect = 86;    // RectSpec, 20 (or the targets and key alternatives below)
constexpr int TargetA = 86;     // TargetCode, 10
constexpr int TargetB = 96;     // TargetCode, 10
constexpr int KeyAlt1 = 86;     // "P" & KeySpec, 5
constexpr int KeyAlt2 = 91;     // "P" & KeySpec, 5
constexpr int KeyAlt3 = 96;     // "P" & KeySpec, 5
constexpr int CursorSpec = 101; // 5
constexpr int TextLine = 106;   // 3
constexpr int AnswerLine = 109; // 3
constexpr int HintPos = 112;    // Left 5, Top 5
constexpr int HintLine = 122;   // 3
constexpr int EditFormat = 125; // 10
constexpr int TargetC = 125;    // TargetCode, 10
constexpr int BackSpec = 125;   // "Q" & 4
constexpr int TabSpec = 130;    // "X" & 4
constexpr int Slot4 = 135;      // ImageSlot, 16
constexpr int Slot5 = 151;      // ImageSlot, 16
constexpr int PointSpec = 167;  // x 5, y 5
constexpr int AuxRect = 177;    // RectSpec, 20
constexpr int Slot6 = 197;      // ImageSlot, 16
constexpr int Count = 212;      // columns of a whole record
// The first column of overlay slots 1 to 6, in slot order.
constexpr std::array<int, 6> Slots{Slot1, Slot2, Slot3, Slot4, Slot5, Slot6};
} // namespace col

// The characters of `rec` in columns startCol .. startCol + length - 1 (column 1 is the first
// character). Only the columns that exist are returned: a field reaching past the end of the
// record is cut there, a field wholly beyond it is empty. Columns before 1 do not exist either,
// and a length of 0 or less gives an empty field. A column is one UTF-16 unit.
QString field(const QString& rec, int startCol, int length);
QStringView fieldView(QStringView rec, int startCol, int length);

// The FieldNumber (numbers.h) of a field: nothing when its number does not fit 16 bits.
// An empty field (past the end of a short record) reads 0.
std::optional<qint16> fieldNumber(QStringView rec, int startCol, int length);

} // namespace common
