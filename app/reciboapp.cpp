#include "app/reciboapp.h"

#include "form/recibodlg.h"

bool CReciboApp::InitInstance() {
    CReciboDlg dlg;
    dlg.DoModal();
    return false;
}
