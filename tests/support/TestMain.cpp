// Entry point of every test executable: GoogleTest runs inside a QCoreApplication so that tests can use
// timers, queued calls and QSignalSpy on the main thread.
#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Ondrix"_s);
    return RUN_ALL_TESTS();
}
