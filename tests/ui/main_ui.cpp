// Window tests run under a QApplication on the offscreen platform, in Spanish.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/base/idioma.h"

int main(int argc, char** argv) {
    // Also when the test list is read at build time: no test ever opens a real window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tombolin::PrepararIdioma(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
