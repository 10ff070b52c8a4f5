// The currency options dialog (template 137).
#pragma once

#include "platform/dialog.h"

class CConfigDlg : public CDialog {
public:
    CConfigDlg();
    ~CConfigDlg() override;
    bool OnInitDialog() override;
    void OnPaint(Device& dc) override;

private:
    struct Estado;
    Estado* m_estado;
};
