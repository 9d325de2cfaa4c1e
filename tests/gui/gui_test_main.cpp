#include <QApplication>
#include <QTest>
#include <cstdio>
#include <vector>

#include "gui_test_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto& tests = velloran::testing::guiTests();
    // The first argument names the test; the rest go to QtTest.
    const bool named = argc > 1 && argv[1][0] != '-';
    if (named && !tests.contains(argv[1])) {
        std::fprintf(stderr, "no widget test named %s\n", argv[1]);
        return 2;
    }
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + (named ? 2 : 1), argv + argc);
    int failures = 0;
    for (const auto& [name, make] : tests) {
        if (!named || name == argv[1])
            failures += QTest::qExec(make().get(), static_cast<int>(rest.size()), rest.data());
    }
    return failures;
}
