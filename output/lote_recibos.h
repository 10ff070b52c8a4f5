// A batch of receipts: one receipt per data row of a CSV file, the missing columns taken from
// the stored receipt, the month's placeholders of their texts replaced, printed one page each
// in one document.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/deudor.h"
#include "form/lote_csv.h"
#include "form/periodo.h"
#include "form/recibodata.h"
#include "money/regional.h"
#include "output/apariencia_recibo.h"
#include "output/hoja_recibos.h"
#include "platform/device.h"
#include "register/registro.h"

// What checking a whole batch found.
struct ResumenLote {
    std::size_t nRecibos = 0;
    std::optional<CGlobalCurrency> cuTotal;  // the sum of the receipts' totals; nothing when
                                             // it lies beyond the largest amount
    std::string sNumeroSiguiente;            // the number that follows the batch's series
    bool bNumeroTomado = false;              // some receipt took its number from the series
};

class CLoteRecibos {
  public:
    // The file's bytes, the stored receipt as the form would print it (its labels, and the
    // fields the columns leave out), the currency settings the amounts are read and printed
    // under, and the month the placeholders of the texts name: those of the text cells and of
    // the stored fields the columns leave out, the number included (labels print as they are).
    // Throws ErrorLote for an unknown or repeated column, and for an unknown placeholder in a
    // stored field the batch takes.
    CLoteRecibos(std::string sBytes, ReciboData base, AjustesMoneda ajustesMoneda, Periodo periodo);

    const AjustesMoneda& Moneda() const { return m_moneda; }

    // Builds every receipt in order and hands it to f, which returns false to stop. A row
    // without NUMERO (no such column, or an empty cell) takes the stored number, advanced by
    // the "+" rule for each such row after the first; an empty (or blank) stored number is
    // advanced before the first, so that every receipt has a number ("" gives "1", "2"...).
    // The series runs on the stored text, its placeholders replaced in each receipt only.
    // Throws ErrorLote for a bad row, an unknown placeholder among them. Returns the number
    // that follows the last one taken (the stored number itself when none was).
    std::string ParaCadaRecibo(const std::function<bool(const ReciboData&)>& f);
    // The same, with each row's debtor columns (empty without them) and the line it begins on.
    using VisitaFila =
        std::function<bool(const ReciboData&, const DatosDeudor&, std::size_t nLinea)>;
    std::string ParaCadaFila(const VisitaFila& f);
    // Whether the file has any of the debtor columns.
    bool TieneDeudores() const { return m_bDeudores; }

    // Walks the whole batch. Throws ErrorLote, also for a batch without receipts.
    ResumenLote Comprobar();

    // The first receipt of a batch already checked.
    ReciboData Primero();

    // Prints every receipt of a batch already checked, in the one look, in one document
    // "Imprimiento Recibo", filling the slots of its sheets in order; progreso(n) after the
    // n-th receipt. False when the document could not be started or ended.
    bool Imprimir(PrintDevice& dc, const AparienciaRecibo& apariencia,
                  const DisposicionHoja& disposicion,
                  const std::function<void(std::size_t)>& progreso);

    // Prints every receipt of a batch already checked in a document of its own, each as
    // ImprimirEnDispositivo prints one receipt, on the device dispositivo(n) gives for the n-th
    // (from 0); progreso(n) after the n-th document. False, and no further document, when a
    // device is nothing or its document could not be started or ended.
    bool ImprimirCadaUno(
        const std::function<std::unique_ptr<PrintDevice>(std::size_t)>& dispositivo,
        const AparienciaRecibo& apariencia, const std::function<void(std::size_t)>& progreso);

    // Appends every receipt of a batch to the register, as one job in the look it was printed in
    // (the look in force when it was not printed: a remittance alone); with a remittance, each
    // receipt with its debtor's columns. The job's id, when it was registered.
    std::optional<std::int64_t> Registrar(const std::optional<RemesaRegistrada>& remesa = {});

  private:
    struct Columna {
        std::size_t nCampo;        // in the file's row
        std::string_view sNombre;  // NUMERO, IMPORTE_2...
        std::string ReciboData::*pTexto = nullptr;
        CGlobalCurrency ReciboData::*pImporte = nullptr;
        std::string DatosDeudor::*pDeudor = nullptr;
    };
    void AnadirColumna(std::size_t i, const std::string& sCabecera);
    void Rellenar(const std::vector<std::string>& campos, ReciboData& recibo,
                  DatosDeudor& deudor) const;
    void SustituirEnBase();
    std::string Sustituir(const std::string& sTexto, std::size_t nLinea,
                          const std::string& sColumna) const;

    LectorCsv m_lector;
    ReciboData m_base;
    AjustesMoneda m_moneda;
    Periodo m_periodo;
    std::vector<Columna> m_columnas;
    std::size_t m_nColumnaNumero;  // npos: no NUMERO column
    bool m_bDeudores = false;
    std::size_t m_nRecibos = 0;                 // counted by Comprobar
    std::optional<AparienciaRecibo> m_impresa;  // the look of the last print
};

// Stores the number that follows the batch, when some receipt took its number from the series.
void GuardarNumeroSiguiente(const ResumenLote& resumen);
