#include "app/reciboapp.h"

#include "form/ui/recibodlg.h"

bool CReciboApp::InitInstance() {
    CReciboDlg dlg;
    dlg.DoModal();
    return false;
}
