// The desktop under the program: the Qt toolkit and its services, and the system's currency
// name as the one the first start writes into the currency settings.
#pragma once

#include "platform/qt/qt_platform.h"

// Starts QtPlatform and installs the currency-name provider; removes it, then stops the
// toolkit, when destroyed.
class CPlataformaApp {
  public:
    CPlataformaApp(int& argc, char** argv, QtPlatform::Use use = QtPlatform::Use::kWindows);
    ~CPlataformaApp();
    CPlataformaApp(const CPlataformaApp&) = delete;
    CPlataformaApp& operator=(const CPlataformaApp&) = delete;

  private:
    QtPlatform m_plataforma;
};
