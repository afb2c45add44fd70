// Entry point of every interface test: GoogleTest runs inside a QApplication (offscreen platform, set by the
// test's environment) so that real widgets can be created, shown, clicked and painted.
#include <QApplication>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Ondrix"_s);
    return RUN_ALL_TESTS();
}
