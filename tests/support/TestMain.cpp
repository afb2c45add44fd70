// GoogleTest inside a QCoreApplication, for timers, queued calls and QSignalSpy on the main thread.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ondrix"));
    return RUN_ALL_TESTS();
}
