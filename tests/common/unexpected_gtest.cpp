#include <gtest/gtest.h>

#include "common/unexpected.h"

namespace velloran::testing {

void unexpectedCall(const std::string& what) {
    ADD_FAILURE() << "unexpected " << what;
}

}  // namespace velloran::testing
