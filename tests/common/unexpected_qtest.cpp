#include <QTest>

#include "common/unexpected.h"

namespace velloran::testing {

void unexpectedCall(const std::string& what) {
    QTest::qFail(("unexpected " + what).c_str(), __FILE__, __LINE__);
}

}  // namespace velloran::testing
