#pragma once

// Test support: a Qt Test main that runs the test object under the program's own
// application object, so that the catch-all, the title and the start-up
// environment are those of the program.

#include "app/LabsApplication.h"

#include <QTest>

#define LABS_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char** argv) {                                                              \
        LabsApplication app(argc, argv);                                                           \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
