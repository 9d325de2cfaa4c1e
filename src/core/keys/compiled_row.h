#pragma once
// A compiled press or release row: the resolved keys of a Mapping row's 16 steps, so that a test
// pass only indexes tables. The mapping engine keeps its per-row settings beside it.
#include <array>

#include "table/mapping_row.h"
#include "keys/key_step.h"

namespace velloran {

struct CompiledRow {
    std::array<CompiledStep, kStepsPerMacro> steps{};  // steps[0] is step 1

    bool operator==(const CompiledRow&) const = default;
};

}  // namespace velloran
