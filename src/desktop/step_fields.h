#pragma once
// Fields of the current step record as the desktop's judges read them, anew at every event.
#include <QString>

#include "common/drill_state.h"
#include "common/record.h"

namespace desktop {

// The characters of the current record at 1-based columns start .. start + length - 1.
inline QString recField(int start, int length)
{
    return common::field(common::drill().stepRec, start, length);
}

// The FieldNumber of a field of the current record; 0 when it is no number or does not fit 16 bits.
inline int recNumber(int start, int length)
{
    return common::fieldNumber(common::drill().stepRec, start, length).value_or(0);
}

} // namespace desktop
