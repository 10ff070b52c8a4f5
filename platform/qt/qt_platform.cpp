#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QLocale>

#include "money/globalcurrency.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/text_1252.h"

namespace {

// The currency's name in the user's language ("euro"); empty when the program could not
// store it.
std::string NombreMonedaDelSistema() {
    return ToCp1252Exact(QLocale::system().currencySymbol(QLocale::CurrencyDisplayName))
        .value_or(std::string());
}

}  // namespace

struct QtPlatform::Impl {
    QApplication application;
    QtServices services;

    Impl(int& argc, char** argv) : application(argc, argv) {}
};

QtPlatform::QtPlatform(int& argc, char** argv, Use use)
    : impl_(std::make_unique<Impl>(argc, argv)) {
    QApplication::setApplicationName(QStringLiteral("Brixamo"));
    if (use == Use::kWindows) {
        QApplication::setWindowIcon(AppIcon());
    }
    SetServicios(&impl_->services);
    CGlobalCurrency::SetProveedorNombreMoneda(NombreMonedaDelSistema);
}

QtPlatform::~QtPlatform() {
    CGlobalCurrency::SetProveedorNombreMoneda(nullptr);
    SetServicios(nullptr);
}
