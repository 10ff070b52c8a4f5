// Receipts placed on the sheets of a document: one or several down each sheet, each one
// followed by its copy when copies are asked for.
#pragma once

#include "form/recibodata.h"
#include "money/regional.h"
#include "output/apariencia_recibo.h"
#include "platform/device.h"

// How the receipts of a document lie on its sheets.
struct DisposicionHoja {
    int nPorHoja = 1;           // receipts down each sheet: 1, 2 or 3
    bool bMarcasCorte = false;  // thin dashed lines where the sheet is cut between them
    int nCopias = 1;            // 1, or 2: each receipt marked "ORIGINAL" and followed by
                                // its copy, marked "COPIA"
    friend bool operator==(const DisposicionHoja&, const DisposicionHoja&) = default;
};

inline constexpr int kMaximoPorHoja = 3;
inline constexpr int kMaximoCopias = 2;

// The stored choice ("Recibo - PorHoja", "Recibo - MarcasCorte", "Recibo - Copias"); a value
// out of range reads as the default.
DisposicionHoja DisposicionEnVigor();

// The sheet is divided into equal slots down its height (99 mm each for 3 on A4, 148.5 mm for
// 2); slot k holds the receipt exactly as it lies alone on a page, moved down k slots. A sheet
// too short for that many slots with a receipt whole in each takes as many as fit.
class CHojasRecibos {
  public:
    CHojasRecibos(PrintDevice& dc, const DisposicionHoja& disposicion);

    // Draws the receipt in the next slot, and its copy in the one after, starting a page when
    // the sheet is full. The document must have been started.
    void Anadir(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                const AjustesMoneda& ajustesMoneda);

    // Ends the last sheet, which may be partly empty.
    void Terminar();

  private:
    void Colocar(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                 const AjustesMoneda& ajustesMoneda, const char* sMarca);
    void Origen(int nHueco);
    void DibujarMarcasCorte();
    void TerminarHoja();

    PrintDevice& m_dc;
    DisposicionHoja m_disposicion;
    int m_nHuecos = 1;
    int m_nAltoHueco = 0;  // device pixels
    int m_nHueco = 0;      // the next slot of the sheet; a page is open when it is not 0
    int m_nOrigen = 0;     // the slot the device's origin is at
};
