// The preview: the same drawing as the printed page, on the window's client area; OK prints.
#include "output/vistapreviadlg.h"

#include <utility>

#include "lang/idiomas.h"
#include "output/dibujarrecibo.h"
#include "output/imprimirrecibo.h"
#include "platform/services.h"
#include "register/estado_cobro.h"
#include "register/print/registro_impresion.h"
#include "res/ids/identificadores.h"

namespace {
constexpr int kBitmapImprimir = 210;
constexpr int kBitmapCancelar = 211;
}  // namespace

CVistaPreviaDlg::CVistaPreviaDlg(AjustesMoneda ajustesMoneda)
    : CDialog(IDD_VISTA_PREVIA),
      m_moneda(std::move(ajustesMoneda)),
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

// Every paint draws the whole receipt again, in its own look or in the one the settings give
// now.
void CVistaPreviaDlg::OnPaint(Device& dc) {
    DibujarRecibo(m_recibo, m_apariencia ? *m_apariencia : AparienciaEnVigor(), m_moneda, dc);
}

// The preview closes with OK whether or not the print dialog was confirmed.
void CVistaPreviaDlg::OnOK() {
    if (m_bRegistrado && m_bAnulado) {
        Servicios().MessageBox(kAvisoAnuladoNoSeReimprime);
    } else if (m_bRegistrado) {
        ReimprimirRecibo(m_recibo, m_apariencia ? *m_apariencia : AparienciaEnVigor(), m_moneda);
    } else {
        ImprimirRecibo(m_recibo, m_moneda);
    }
    EndDialog(IDOK);
}
