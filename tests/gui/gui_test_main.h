#pragma once
// The widget tests share one program: each file registers its QtTest class under the file's
// name, and `velloran_gui_tests NAME` runs that class alone (all of them without a name).
#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace velloran::testing {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

bool registerGuiTest(const std::string& name, GuiTestFactory factory);

}  // namespace velloran::testing

#define VELLORAN_GUI_TEST(Class)                                              \
    static const bool registered##Class = velloran::testing::registerGuiTest( \
        std::filesystem::path(__FILE__).stem().string(),                      \
        []() -> std::unique_ptr<QObject> { return std::make_unique<Class>(); })
