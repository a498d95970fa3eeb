#include "common/drill_state.h"

namespace common {

DrillState& drill()
{
    static DrillState state;
    return state;
}

} // namespace common
