// The main of every UI test program: a QApplication on the offscreen platform and, unless the
// caller chose one, a settings folder of its own so no test touches the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("BRIXAMO_HOME") && home.isValid()) {
        qputenv("BRIXAMO_HOME", home.path().toLocal8Bit());
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
