// GoogleTest inside a QApplication (offscreen, set by the test's environment) for real widgets.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondrix"));
    return RUN_ALL_TESTS();
}
