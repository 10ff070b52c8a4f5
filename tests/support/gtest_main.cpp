// The main of every UI test program: a QApplication on the offscreen platform and, unless the
// caller chose one, a settings folder of its own so no test touches the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <optional>

#include "tests/support/carpeta_temporal.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::optional<CarpetaTemporal> home;
    if (qEnvironmentVariableIsEmpty("BRIXAMO_HOME")) {
        home.emplace();
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
