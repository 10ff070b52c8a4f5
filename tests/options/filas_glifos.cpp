#include "tests/options/filas_glifos.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kAnchoCelda = 22;
constexpr int kAltoCelda = 39;
constexpr int kCeldasPorFila = 40;
constexpr int kFilaSignos = 8;

// Appends the character of the sheet cell copied, or "<n>" for column n of the sign row.
void AnadirCelda(std::string& sFila, const RecordedCall& c) {
    const int nColumna = c.source.left / kAnchoCelda;
    const int nFila = c.source.top / kAltoCelda;
    if (nFila == kFilaSignos) {
        sFila += '<';
        sFila += std::to_string(nColumna);
        sFila += '>';
        return;
    }
    sFila += static_cast<char>(nFila * kCeldasPorFila + nColumna - 9);
}

}  // namespace

std::string FilaDibujada(const RecordingDevice& dc, int y, int x0) {
    std::vector<RecordedCall> celdas;
    for (const RecordedCall& c : dc.CallsOf(CallKind::BitBlt)) {
        if (c.rect.top == y) {
            celdas.push_back(c);
        }
    }
    std::sort(celdas.begin(), celdas.end(), [](const RecordedCall& a, const RecordedCall& b) {
        return a.rect.left < b.rect.left;
    });
    std::string sFila;
    for (const RecordedCall& c : celdas) {
        const bool bEnSuSitio =
            (c.rect.left - x0) % kAnchoCelda == 0 && c.rect.right - c.rect.left == kAnchoCelda;
        if (bEnSuSitio) {
            AnadirCelda(sFila, c);
        } else {
            sFila += '?';
        }
    }
    return sFila;
}
