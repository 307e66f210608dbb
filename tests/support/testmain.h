#pragma once

#include <QTest>

// Runs a Qt Test class with HOME and the XDG config, data, cache and runtime folders pointed at a
// fresh temporary folder, so no test ever touches the real user's files and tests can run in
// parallel.
int runIsolatedTest(int argc, char **argv, QObject *(*makeTest)(), bool withGui);

#define BIVANE_TEST_MAIN_IMPL(TestClass, withGui)                                                  \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        return runIsolatedTest(                                                                    \
            argc, argv, []() -> QObject * { return new TestClass; }, withGui);                     \
    }

#define BIVANE_TEST_MAIN(TestClass) BIVANE_TEST_MAIN_IMPL(TestClass, false)
#define BIVANE_GUI_TEST_MAIN(TestClass) BIVANE_TEST_MAIN_IMPL(TestClass, true)
