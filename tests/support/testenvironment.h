#pragma once

#include <QTemporaryDir>
#include <QtTest>

// Every test runs in a fresh home folder of its own, with its own
// configuration, state, temporary and firmware folders, so tests never see
// the user's files nor each other's (the single-instance key lives in the
// temporary folder too), and the sample firmware images beside the program
// offer no update.
class TestEnvironment
{
public:
    TestEnvironment();

    QString home() const { return m_home.path(); }
    // The user's data folder inside the test home.
    QString dataFolder() const;
    // Where the program looks for firmware images; missing at first.
    QString firmwareFolder() const;

private:
    QTemporaryDir m_home;
};

#define TALVO_TEST_MAIN_IMPL(ApplicationType, TestObject)                                          \
    int main(int argc, char **argv)                                                               \
    {                                                                                             \
        TestEnvironment environment;                                                              \
        ApplicationType app(argc, argv);                                                          \
        TestObject test;                                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                                \
        return QTest::qExec(&test, argc, argv);                                                   \
    }

// For tests of widgets: the offscreen platform unless a display is chosen.
#define TALVO_TEST_MAIN(TestObject) TALVO_TEST_MAIN_IMPL(QApplication, TestObject)
#define TALVO_TEST_GUILESS_MAIN(TestObject) TALVO_TEST_MAIN_IMPL(QCoreApplication, TestObject)
