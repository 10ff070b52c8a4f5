// The logo dialog (template 215).
#pragma once

#include "platform/bitmap.h"
#include "platform/dialog.h"

class CLogotipoDlg : public CDialog {
public:
    CLogotipoDlg();
    bool OnInitDialog() override;
    void OnPaint(Device& dc) override;

    BitmapPtr m_hLogo;
};
