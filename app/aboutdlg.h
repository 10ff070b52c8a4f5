// The About box (template 100).
#pragma once

#include "platform/dialog.h"

class CAboutDlg : public CDialog {
  public:
    CAboutDlg();
};

// Text of the About item in the form's menu.
inline constexpr const char* kTextoAcercaDe = "&Acerca de Ovalcade...";
inline constexpr int IDM_ABOUTBOX = 16;
