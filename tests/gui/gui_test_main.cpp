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
    auto& tests = velloran::testing::tests();
    // The first argument names the test; the rest go to QtTest.
    std::vector<char*> rest{argv[0]};
    std::string only;
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        if (!tests.contains(only)) {
            std::fprintf(stderr, "no widget test named %s\n", argv[1]);
            return 2;
        }
    }
    for (int i = only.empty() ? 1 : 2; i < argc; ++i) rest.push_back(argv[i]);
    int failures = 0;
    for (const auto& [name, make] : tests) {
        if (!only.empty() && name != only) continue;
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), static_cast<int>(rest.size()), rest.data());
    }
    return failures;
}
