#pragma once

#include "app/JXPlatform.h"

#include <QtTest>

// Test entry: the platform start-up a real run has, then the test class.
// The per-test XDG folders come from CTest's environment; they are emptied
// first so that every run starts from a clean store.
#define TAVRIN_TEST_MAIN(TestClass, AppClass)                                                                \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        const QByteArray home = qgetenv("TAVRIN_TEST_HOME");                                                 \
        if (!home.isEmpty())                                                                                 \
            QDir(QString::fromLocal8Bit(home)).removeRecursively();                                          \
        preparePlatformBeforeApplication();                                                                  \
        AppClass app(argc, argv);                                                                            \
        preparePlatformAfterApplication();                                                                   \
        TestClass tc;                                                                                        \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
