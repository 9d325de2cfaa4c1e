#pragma once
// The widget tests share one program: each file registers its QtTest class under the file's
// name, and `velloran_gui_tests NAME` runs that class alone (all of them without a name).
#include <QObject>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace velloran::testing {

inline auto& guiTests() {
    static std::map<std::string, std::function<std::unique_ptr<QObject>()>> registered;
    return registered;
}

}  // namespace velloran::testing

#define VELLORAN_GUI_TEST(Class)                                                         \
    static const bool registered##Class =                                                \
        velloran::testing::guiTests()                                                    \
            .emplace(std::filesystem::path(__FILE__).stem().string(),                    \
                     [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); }) \
            .second
