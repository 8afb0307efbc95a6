#pragma once

#include "app/JXPlatform.h"

#include <QtTest>

// Test entry: the platform start-up a real run has, then the test class.
// The per-test home and XDG folders come from CTest's environment; they are emptied
// first so that every run starts from a clean store. A test started by hand,
// outside CTest, gets folders of its own below the temporary folder, so that
// it never writes into the user's settings or caches.
inline void isolateTestHome(const char *testName)
{
    QByteArray home = qgetenv("TAVRIN_TEST_HOME");
    if (home.isEmpty()) {
        home = QFile::encodeName(QDir::tempPath()) + "/tavrin-test-home/" + testName;
        qputenv("HOME", home + "/home");
        qputenv("XDG_CONFIG_HOME", home + "/config");
        qputenv("XDG_CACHE_HOME", home + "/cache");
        qputenv("XDG_DATA_HOME", home + "/data");
    }
    QDir(QString::fromLocal8Bit(home)).removeRecursively();
}

#define TAVRIN_TEST_MAIN(TestClass, AppClass)                                                                \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        isolateTestHome(#TestClass);                                                                         \
        preparePlatformBeforeApplication();                                                                  \
        AppClass app(argc, argv);                                                                            \
        preparePlatformAfterApplication();                                                                   \
        TestClass tc;                                                                                        \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
