// Amounts drawn as rows of glyph cells copied from the glyph sheet (bitmap 147): one cell of
// 22 x 39 pixels per character, the standard currency signs in row 8.
#include "money/ui/glyphs.h"

#include <mutex>
#include <string>

#include "money/espacios.h"
#include "money/formato.h"
#include "platform/bitmaputilitis.h"
#include "platform/device.h"
#include "platform/services.h"

namespace {

constexpr int kIdHojaGlifos = 147;
constexpr int kAnchoCelda = 22;
constexpr int kAltoCelda = 39;
constexpr std::size_t kCeldasImporte = CGlobalCurrency::kCeldasImporte;
constexpr int kCeldasPorFila = 40;
constexpr int kPrimerCaracter = 9;  // the character with code c is cell c + 9
constexpr int kFilaSignos = 8;
constexpr char kMarcaSigno = '|';
constexpr char kSinSigno = 'h';  // "|h": no sign at all

// The cell in column nColumna of row nFila; a cell outside the sheet (a sign letter beyond the
// table) draws nothing.
void CopiarCelda(Device& dc, int x, int y, int nColumna, int nFila) {
    const BitmapPtr hoja = HojaGlifos();
    const int sx = nColumna * kAnchoCelda;
    const int sy = nFila * kAltoCelda;
    if (!hoja || sx < 0 || sx + kAnchoCelda > hoja->width || sy + kAltoCelda > hoja->height) {
        return;
    }
    dc.BitBltShared(x, y, kAnchoCelda, kAltoCelda, hoja, sx, sy);
}

// The cell of the character with code c.
void CopiarCaracter(Device& dc, int x, int y, unsigned char c) {
    const int nCelda = c + kPrimerCaracter;
    CopiarCelda(dc, x, y, nCelda % kCeldasPorFila, nCelda / kCeldasPorFila);
}

// Every sign mark replaced by the custom sign's text; the inserted text is not searched again.
std::string SustituirMarcas(const std::string& sPatron, const std::string& sSimbolo) {
    std::string sTexto;
    for (const char c : sPatron) {
        if (c == kMarcaSigno) {
            sTexto += sSimbolo;
        } else {
            sTexto += c;
        }
    }
    return sTexto;
}

}  // namespace

BitmapPtr HojaGlifos() {
    static std::mutex s_mutex;
    static BitmapPtr s_hoja;
    const std::lock_guard lock(s_mutex);
    if (!s_hoja) {
        Palette paleta;
        CargarBitmapYPaleta(kIdHojaGlifos, s_hoja, paleta);
    }
    return s_hoja;
}

namespace moneda {

void WriteCharToDevice(Device& dc, int x, int y, unsigned char c, const AjustesMoneda& a) {
    if (c != kMarcaSigno) {
        CopiarCaracter(dc, x, y, c);
        return;
    }
    if (!SimboloEstandar(a.sSimbolo)) {
        Servicios().MessageBox("Error en moneda CGlobalCurrency::WriteCharToDevice");
        CopiarCelda(dc, x, y, 0, 0);
        return;
    }
    const char cLetra = a.sSimbolo.size() > 1 ? a.sSimbolo[1] : '\0';
    if (cLetra == kSinSigno) {
        return;
    }
    // The letter's code minus 64 is the sign's column in row 8.
    CopiarCelda(dc, x, y, static_cast<unsigned char>(cLetra) - 64, kFilaSignos);
}

// With a custom sign every mark has been replaced by the sign's own text, so each cell is a
// plain character: a '|' typed into that text is drawn as itself. (Handing it to the glyph
// writer would raise its error box from inside a paint, once per repaint, without end.)
void DibujarImporte(const CGlobalCurrency& cu, Device& dc, int x, int y, const AjustesMoneda& a) {
    const bool bEstandar = SimboloEstandar(a.sSimbolo);
    std::string sTexto = PatronRecibo(cu, a);
    if (!bEstandar) {
        sTexto = SustituirMarcas(sTexto, a.sSimbolo);
    }
    sTexto = QuitarEspaciosExtremos(sTexto);
    const std::size_t n = sTexto.size();
    for (std::size_t j = 0; j < kCeldasImporte; ++j) {
        const unsigned char c = kCeldasImporte - j <= n
                                    ? static_cast<unsigned char>(sTexto[n - kCeldasImporte + j])
                                    : static_cast<unsigned char>(a.nRelleno);
        const int xCelda = x + kAnchoCelda * static_cast<int>(j);
        if (bEstandar) {
            WriteCharToDevice(dc, xCelda, y, c, a);
        } else {
            CopiarCaracter(dc, xCelda, y, c);
        }
    }
}

}  // namespace moneda

void CGlobalCurrency::WriteCharToDevice(Device& dc, int x, int y, unsigned char c) {
    moneda::WriteCharToDevice(dc, x, y, c, AjustesEnVigor());
}

void CGlobalCurrency::DibujarImporte(Device& dc, int x, int y) const {
    moneda::DibujarImporte(*this, dc, x, y, AjustesEnVigor());
}
