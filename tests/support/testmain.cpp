// Entry point of every test program: one application object for the whole run (the SQL
// driver needs a core application; widgets, text layout and charts need a GUI one).
#include <gtest/gtest.h>

#ifdef KOVA_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
