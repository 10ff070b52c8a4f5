#include "app/plataforma_app.h"

#include "money/globalcurrency.h"
#include "platform/qt/system_currency.h"

CPlataformaApp::CPlataformaApp(int& argc, char** argv, QtPlatform::Use use)
    : m_plataforma(argc, argv, use) {
    CGlobalCurrency::SetProveedorNombreMoneda(SystemCurrencyName);
}

CPlataformaApp::~CPlataformaApp() {
    CGlobalCurrency::SetProveedorNombreMoneda(nullptr);
}
