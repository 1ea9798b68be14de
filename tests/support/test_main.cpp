// Test main for non-GUI tests: a QCoreApplication gives asynchronous SNMP its event loop, and
// a private state folder keeps the user's own out of reach.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir stateHome;
    qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
