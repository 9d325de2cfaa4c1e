#pragma once
// How a fake reports a call the test did not script. Each test framework links its own
// definition (unexpected_gtest.cpp, unexpected_qtest.cpp), so the fakes serve both.
#include <string>

namespace velloran::testing {

void unexpectedCall(const std::string& what);

}  // namespace velloran::testing
