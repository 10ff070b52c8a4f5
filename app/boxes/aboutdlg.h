// The About box (IDD_ABOUTBOX).
#pragma once

#include "platform/dialog.h"

class CAboutDlg : public CDialog {
  public:
    CAboutDlg();
};

// Text of the About item (IDM_ABOUTBOX) in the form's menu.
inline constexpr const char* kTextoAcercaDe = "&Acerca de Ovalcade...";
