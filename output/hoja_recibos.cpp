// Placing receipts in the slots of a sheet: the device's origin moves down a slot, the receipt
// is drawn as on a page of its own.
#include "output/hoja_recibos.h"

#include <algorithm>

#include "output/dibujarrecibo.h"
#include "output/disposicion_recibo.h"
#include "settings/esquema.h"

namespace {

using namespace disposicion;

// A slot holds the receipt (down to 87.9 mm) and the copy's mark under it.
constexpr int kAltoMinimoHueco = 920;

// The copy's mark, small, right under the frame's right end.
constexpr Rect kRectMarcaCopia{kMarco.left, kMarco.bottom + 6, kMarco.right, kMarco.bottom + 36};
constexpr const char* kMarcaOriginal = "ORIGINAL";
constexpr const char* kMarcaCopia = "COPIA";

// The cut marks: dashes 3 mm long, 2 mm apart, 0.1 mm thick, grey, along the slot's top edge.
constexpr int kLargoTrazo = 30;
constexpr int kPasoTrazo = 50;
constexpr int kGruesoTrazo = 1;
constexpr COLORREF kColorMarcaCorte = RGB(128, 128, 128);

int EnRango(int nValor, int nMaximo, int nDefecto) {
    return nValor >= 1 && nValor <= nMaximo ? nValor : nDefecto;
}

// The slots of the sheet that each hold a whole receipt, at most those asked for: the sheet's
// height in pixels divided equally, measured in the receipt's logical units of 0.1 mm.
int HuecosQueCaben(const Device& dc, int nPedidos) {
    const long long nAltoHoja = dc.GetDeviceCaps(PHYSICALHEIGHT);
    const long long nAltoPx = dc.GetDeviceCaps(VERTRES);
    const long long nAltoMm = dc.GetDeviceCaps(VERTSIZE);
    if (nAltoHoja <= 0 || nAltoPx <= 0) {
        return 1;
    }
    for (int n = nPedidos; n > 1; --n) {
        if (nAltoHoja / n * nAltoMm * 10 / nAltoPx >= kAltoMinimoHueco) {
            return n;
        }
    }
    return 1;
}

}  // namespace

DisposicionHoja DisposicionEnVigor() {
    const DisposicionHoja defecto;
    return {EnRango(ajustes::kPorHoja.Leer(), kMaximoPorHoja, defecto.nPorHoja),
            ajustes::kMarcasCorte.Leer() == 1,
            EnRango(ajustes::kCopias.Leer(), kMaximoCopias, defecto.nCopias)};
}

CHojasRecibos::CHojasRecibos(PrintDevice& dc, const DisposicionHoja& disposicion)
    : m_dc(dc),
      m_disposicion(disposicion),
      m_nHuecos(HuecosQueCaben(dc, std::clamp(disposicion.nPorHoja, 1, kMaximoPorHoja))),
      m_nAltoHueco(dc.GetDeviceCaps(PHYSICALHEIGHT) / m_nHuecos) {}

void CHojasRecibos::Anadir(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                           const AjustesMoneda& ajustesMoneda) {
    if (m_disposicion.nCopias < kMaximoCopias) {
        Colocar(recibo, apariencia, ajustesMoneda, nullptr);
        return;
    }
    Colocar(recibo, apariencia, ajustesMoneda, kMarcaOriginal);
    Colocar(recibo, apariencia, ajustesMoneda, kMarcaCopia);
}

void CHojasRecibos::Terminar() {
    if (m_nHueco != 0) {
        TerminarHoja();
    }
}

// The receipt in the next slot; the mark, when there is one, in the slot's band under it.
void CHojasRecibos::Colocar(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                            const AjustesMoneda& ajustesMoneda, const char* sMarca) {
    if (m_nHueco == 0) {
        m_dc.StartPage();
    }
    Origen(m_nHueco);
    DibujarRecibo(recibo, apariencia, ajustesMoneda, m_dc);
    if (sMarca != nullptr) {
        const LogFont fuenteAnterior = m_dc.SelectFont(LogFont{kCaraLetra, kAltoPequena, 0});
        const int nModoAnterior = m_dc.SetBkMode(TRANSPARENT);
        m_dc.DrawText(sMarca, kRectMarcaCopia, DT_RIGHT);
        m_dc.SetBkMode(nModoAnterior);
        m_dc.SelectFont(fuenteAnterior);
    }
    if (++m_nHueco == m_nHuecos) {
        TerminarHoja();
    }
}

// The device's origin at the top of the slot. It moves only when it changes: a sheet of one
// slot never moves it, and its page is what a page of one receipt always was.
void CHojasRecibos::Origen(int nHueco) {
    if (nHueco != m_nOrigen) {
        m_dc.SetViewportOrg(0, nHueco * m_nAltoHueco);
        m_nOrigen = nHueco;
    }
}

// A dashed line along the top edge of every slot but the first, across the whole surface, in
// the mapping the receipt drawn on the sheet left: between the receipts, never on one.
void CHojasRecibos::DibujarMarcasCorte() {
    const int nAncho = m_dc.GetDeviceCaps(HORZSIZE) * 10;
    const Pen penAnterior = m_dc.SelectPen(Pen{0, kColorMarcaCorte});
    const Brush pincelAnterior = m_dc.SelectBrush(Brush{BrushStyle::Solid, kColorMarcaCorte});
    for (int nHueco = 1; nHueco < m_nHuecos; ++nHueco) {
        Origen(nHueco);
        for (int x = 0; x < nAncho; x += kPasoTrazo) {
            m_dc.Rectangle(x, 0, std::min(x + kLargoTrazo, nAncho), kGruesoTrazo);
        }
    }
    m_dc.SelectPen(penAnterior);
    m_dc.SelectBrush(pincelAnterior);
}

void CHojasRecibos::TerminarHoja() {
    if (m_disposicion.bMarcasCorte) {
        DibujarMarcasCorte();
    }
    Origen(0);
    m_dc.EndPage();
    m_nHueco = 0;
}
