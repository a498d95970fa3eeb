#pragma once
// ModZCB: reading and writing one named value under a key of the current user's settings, the
// registry of the family of trainers (platform::settings(), one store shared by every sibling
// module). Results are the registry's codes: 0 success, else the code of what failed.
#include <QString>
#include <QVariant>

namespace home::ModZCB {

constexpr long HkeyCurrentUser = 0x80000001L;

// Value types by their registry codes.
enum RegType : int { RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDword = 4 };

// Result codes.
constexpr long ErrorSuccess = 0;
constexpr long ErrorFileNotFound = 2;      // no such key or value
constexpr long ErrorAccessDenied = 5;      // the store could not be written
constexpr long ErrorInvalidHandle = 6;     // a root key other than the current user's
constexpr long ErrorInvalidParameter = 87; // a binary value of more than 4 bytes, a number beyond 32 bits

// Reads a value: a text (types 1 and 2) or a 32-bit integer (types 3 and 4) into value. On any
// failure value is left as it was. Texts are kept whole, whatever their length and characters.
long getRegValue(long hKey, const QString& subKey, const QString& valueName, QVariant& value);

// Writes a value of valueType from data: its text for types 1 and 2 (cbData becomes the number
// of characters), a 32-bit integer for types 3 and 4 (data becomes that integer; cbData is 4 for
// type 4 and the caller's count, at most 4, for type 3). Any other type writes nothing and
// returns 0.
long setRegValue(long hKey, const QString& subKey, const QString& valueName, int valueType, QVariant& data,
                 long& cbData);

} // namespace home::ModZCB
