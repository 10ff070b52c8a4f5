// The preview: the same drawing as the printed page, on the window's client area; OK prints.
#include "output/vistapreviadlg.h"

#include "lang/idiomas.h"
#include "output/imprimirrecibo.h"
#include "platform/services.h"
#include "register/print/registro_impresion.h"
#include "res/ids/identificadores.h"

namespace {
constexpr int kBitmapImprimir = 210;
constexpr int kBitmapCancelar = 211;
}  // namespace

CVistaPreviaDlg::CVistaPreviaDlg()
    : CDialog(IDD_VISTA_PREVIA),
      m_bmpImprimir(Servicios().LoadResourceBitmap(kBitmapImprimir)),
      m_bmpCancelar(Servicios().LoadResourceBitmap(kBitmapCancelar)) {}

bool CVistaPreviaDlg::OnInitDialog() {
    Window().SetImage(IDOK, m_bmpImprimir);
    Window().SetImage(IDCANCEL, m_bmpCancelar);
    // The buttons' tooltips: the form's captions of the same commands.
    Window().SetToolTip(IDOK, TextoIdiomaO(2, 10, "Imprimir"));
    Window().SetToolTip(IDCANCEL, TextoIdiomaO(2, 9, "Cancelar"));
    Window().ShowMaximised();
    return true;
}

// Every paint draws the whole receipt again, reading its settings and logo anew.
void CVistaPreviaDlg::OnPaint(Device& dc) {
    std::optional<MonedaRegistrada> moneda;
    if (m_ajustes) {
        moneda.emplace(*m_ajustes);
    }
    m_recibo.DibujarRecibo(dc);
}

// The preview closes with OK whether or not the print dialog was confirmed.
void CVistaPreviaDlg::OnOK() {
    if (m_ajustes) {
        ReimprimirRecibo(m_recibo, *m_ajustes);
    } else {
        m_recibo.ImprimirRecibo();
    }
    EndDialog(IDOK);
}
