#include "app/boxes/aboutdlg.h"

#include "platform/services.h"
#include "res/ids/identificadores.h"

namespace {

constexpr const char* kPaginaOficial = "https://brixamo.example.org/";

}  // namespace

// The mail and distributor buttons show their own targets, so their captions are opened as
// they read; the box stays open after each.
CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {
    On(IDC_PAGINA_OFICIAL, Notify::Clicked, [] { Servicios().ShellOpen(kPaginaOficial); });
    On(IDC_CORREO, Notify::Clicked,
       [this] { Servicios().ShellOpen("mailto:" + GetDlgItemText(IDC_CORREO)); });
    On(IDC_DISTRIBUIDOR, Notify::Clicked,
       [this] { Servicios().ShellOpen(GetDlgItemText(IDC_DISTRIBUIDOR)); });
}
