#pragma once
// The sample's step records are written with the step library's column writer.
#include "common/record.h"
#include "steps/record_writer.h"

namespace sample {

namespace col = common::col;

// The column of each overlay slot 1-6.
int slotColumn(int slot);

// Negative numbers are refused: no field of a sample question is negative.
class StepRecord : public steps::RecordWriter {
public:
    StepRecord()
        : RecordWriter(Negatives::Refused)
    {}
};

} // namespace sample
