#include "gui_test_main.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <map>
#include <vector>

namespace velloran::testing {
namespace {

std::map<std::string, GuiTestFactory>& tests() {
    static std::map<std::string, GuiTestFactory> registered;
    return registered;
}

}  // namespace

bool registerGuiTest(const std::string& name, GuiTestFactory factory) {
    return tests().emplace(name, std::move(factory)).second;
}

}  // namespace velloran::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto& tests = velloran::testing::tests();
    // The first argument names the test; the rest go to QtTest.
    const std::string only = argc > 1 && argv[1][0] != '-' ? argv[1] : "";
    if (!only.empty() && !tests.contains(only)) {
        std::fprintf(stderr, "no widget test named %s\n", argv[1]);
        return 2;
    }
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + (only.empty() ? 1 : 2), argv + argc);
    int failures = 0;
    for (const auto& [name, make] : tests) {
        if (!only.empty() && name != only) continue;
        failures += QTest::qExec(make().get(), static_cast<int>(rest.size()), rest.data());
    }
    return failures;
}
