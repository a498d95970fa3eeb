#pragma once
// Number rules of the stored format: the leading-number reading of text (the FieldNumber rule), rounding
// halves to the even neighbour, and 16-bit conversion with a range check.
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace common {

// The leading number of a text:
// - blanks (space, tab, line feed) are skipped wherever they stand, so " 7 8" reads 78;
// - one sign "+" or "-" may come first (after blanks), then decimal digits with at most one ".";
// - any other character ends the number: a letter, a second sign or point, "," or "&", so
//   "1e3" reads 1 and "&H10" reads 0 (no exponent or radix forms);
// - no digit at all reads 0 ("", "abc", "-", ".").
// No overflow: 20 digits read as a (rounded) double.
double leadingNumber(QStringView text);

// True when the leading number of the text is not 0, decided on its digits, exact for any length
// (the 20-column test of editRect: "00000000000000000001" is not 0, "A0000..." is 0).
bool leadingNumberNonZero(QStringView text);

// Rounds to a whole number, halves to the even neighbour: 0.5 → 0, 1.5 → 2, 2.5 → 2, -1.5 → -2.
// Independent of the floating-point rounding mode. NaN and infinities come back unchanged.
double roundHalfEven(double value);

// Converts to a 16-bit signed integer: rounded half to even, then checked; nothing when the rounded value lies outside -32768..32767 (or is not a number).
std::optional<qint16> cint16(double value);

// The FieldNumber rule: the leading number of a field (above), converted by cint16. Nothing means
// the field does not fit 16 bits ("32768"): a statement reading it fails and is skipped, which is
// not the same as reading 0.
std::optional<qint16> FieldNumber(QStringView text);

} // namespace common
