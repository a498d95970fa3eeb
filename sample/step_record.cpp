#include "sample/step_record.h"

#include "steps/step.h"

namespace sample {

int slotColumn(int slot)
{
    return steps::Step::slotColumn(slot);
}

} // namespace sample
