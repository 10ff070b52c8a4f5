// The register of issued receipts: every receipt that reached a printer or a PDF, kept as it
// was printed (texts, amounts and their printed texts, the labels and the currency settings in
// force), in the SQLite file "registro.sqlite" beside the settings file. Texts are
// Windows-1252 byte strings here as everywhere in the core; the file holds them as UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/deudor.h"
#include "form/recibodata.h"
#include "money/regional.h"
#include "register/estado_cobro.h"
#include "settings/texto1252.h"

struct sqlite3;
namespace registro {
struct ErrorSql;
}

// A logo as a job printed it: its pixels, row by row from the top, each 0x00RRGGBB.
struct LogoRegistrado {
    std::int32_t nAncho = 0;
    std::int32_t nAlto = 0;
    std::vector<std::uint32_t> pixeles;
    friend bool operator==(const LogoRegistrado&, const LogoRegistrado&) = default;
};

// The look a job was printed in: the frame's colour (0x00BBGGRR) and pattern, the three free
// texts, the amount in words, the logo (null for none). The register keeps each distinct logo
// once, however many jobs print it.
struct AparienciaRegistrada {
    std::uint32_t nColor = 0;
    bool bRayado = false;
    std::array<std::string, 3> textosLibres;
    bool bImporteEnLetra = false;
    std::shared_ptr<const LogoRegistrado> logo;

    // Logos compare by their pixels.
    friend bool operator==(const AparienciaRegistrada& a, const AparienciaRegistrada& b);
};

// A remittance written for a job: its message id and the day the debits are collected on.
struct RemesaRegistrada {
    std::string sMsgId;
    std::string sFechaCobro;  // "YYYY-MM-DD"

    friend bool operator==(const RemesaRegistrada&, const RemesaRegistrada&) = default;
};

// One registered receipt. nId, nTrabajo, sEmitido and remesa are given by the register.
struct ReciboRegistrado {
    std::int64_t nId = 0;
    std::int64_t nTrabajo = 0;
    std::string sEmitido;  // "YYYY-MM-DD HH:MM:SS", local time of the registration
    ReciboData recibo;
    AjustesMoneda ajustes;                 // currency settings in force at the print
    std::array<std::string, 6> sImportes;  // line amounts as printed ("" where not printed)
    std::string sTotal;                    // total as printed
    // The job's look; nothing for a receipt registered before the register kept looks. Read
    // back by Leer only.
    std::optional<AparienciaRegistrada> apariencia;
    DatosDeudor deudor;  // of a job with a remittance; empty otherwise
    // The latest remittance written for the job, for a receipt it debits (one with an IBAN).
    std::optional<RemesaRegistrada> remesa;
    // The collection status now: the latest change recorded (pendiente with no date when none
    // was). Registering fills nRecibo only.
    CambioEstado estado;

    friend bool operator==(const ReciboRegistrado&, const ReciboRegistrado&) = default;
};

// Which receipts a listing gives. Empty members do not filter.
struct FiltroRegistro {
    std::string sDesde;         // "YYYY-MM-DD": registered on that day or later
    std::string sHasta;         // "YYYY-MM-DD": registered on that day or earlier
    std::string sPagador;       // part of any payer line (ASCII letters in either case)
    std::string sNumero;        // part of the number
    std::int64_t nMaximo = -1;  // at most this many receipts, the first in the order asked; -1: all
    std::optional<EstadoCobro> estado = std::nullopt;  // in this collection status now
};

enum class OrdenRegistro { kRecientesPrimero, kAntiguosPrimero };

enum class EstadoRegistro {
    kCorrecto,
    kApartado,  // the file was damaged: set aside under sApartado, a new register started
    kFallo,     // the register could not be opened or written: sError says why
};

struct ResultadoRegistro {
    EstadoRegistro estado = EstadoRegistro::kCorrecto;
    std::string sApartado;
    std::string sError;
};

// A status change asked of the register: refused (rechazo), failed (registro), or recorded
// as cambio.
struct ResultadoCambio {
    ResultadoRegistro registro;
    RechazoEstado rechazo = RechazoEstado::kNinguno;
    CambioEstado cambio;
};

// A job's debits marked paid: how many were, and why the others were left.
struct ResultadoCobroTrabajo {
    ResultadoRegistro registro;
    RechazoEstado rechazo = RechazoEstado::kNinguno;
    bool bExiste = false;  // the job is in the register
    int nCobrados = 0;
    int nYaCobrados = 0;
    int nDevueltos = 0;  // returned by the bank: still owed
    int nAnulados = 0;
    int nSinDomiciliar = 0;  // not debited: paid otherwise, if at all
};

// A receipt still owed (pendiente or devuelto), with what the debts report needs of it.
struct DeudaRegistrada {
    std::int64_t nId = 0;
    std::int64_t nTrabajo = 0;
    std::string sEmitido;      // "YYYY-MM-DD HH:MM:SS"
    std::string sVencimiento;  // the due-date text as printed
    std::string sPagador1;
    CGlobalCurrency cuTotal;
    const AjustesMoneda* ajustes = nullptr;  // the job's, valid during the call
    std::size_t nMoneda = 0;  // which of the distinct currency settings met in the walk (0...)
    EstadoCobro estado = EstadoCobro::kPendiente;
};

// Where the register lies: beside the settings file.
std::string RutaRegistro();

// A register opened for one command. Opening creates the file and its folder when missing,
// brings an older schema up to date and sets a damaged file aside (never overwriting it).
class CRegistro {
  public:
    explicit CRegistro(std::string sRuta = RutaRegistro());
    ~CRegistro();
    CRegistro(const CRegistro&) = delete;
    CRegistro& operator=(const CRegistro&) = delete;

    // How the opening went; a register that failed to open fails every call.
    const ResultadoRegistro& Apertura() const { return m_apertura; }

    // One print job (1..N receipts) in one transaction: all of it is kept or none, with the
    // remittance written for it when there is one. Fills nId, nTrabajo and sEmitido of each
    // receipt.
    ResultadoRegistro Registrar(std::vector<ReciboRegistrado>& recibos,
                                std::time_t momento = std::time(nullptr),
                                const std::optional<RemesaRegistrada>& remesa = {});

    // The receipts of job nTrabajo in the order of the job, one call each.
    ResultadoRegistro RecorrerTrabajo(std::int64_t nTrabajo,
                                      const std::function<void(const ReciboRegistrado&)>& visitar);

    // Another remittance written for job nTrabajo (a new message id for the same debits): it
    // becomes the job's latest; the earlier ones stay recorded.
    ResultadoRegistro AnotarRemesa(std::int64_t nTrabajo, const RemesaRegistrada& remesa,
                                   std::time_t momento = std::time(nullptr));

    // The receipts the filter lets through, in the order asked, one call each.
    ResultadoRegistro Recorrer(const FiltroRegistro& filtro, OrdenRegistro orden,
                               const std::function<void(const ReciboRegistrado&)>& visitar);

    std::optional<ReciboRegistrado> Leer(std::int64_t nId);

    // The latest receipt registered in the year nAno with exactly this number.
    std::optional<ReciboRegistrado> UltimoConNumero(const std::string& sNumero, int nAno);

    // Records a change of receipt nId's collection status, when ComprobarCambio allows it on
    // the day of momento (an empty nuevo.sFecha is that day): appended to its history, in one
    // transaction flushed to disk. The reason code is kept in capitals.
    ResultadoCambio CambiarEstado(std::int64_t nId, const NuevoEstado& nuevo,
                                  std::time_t momento = std::time(nullptr));

    // Every debited receipt of job nTrabajo that is pendiente becomes cobrado on sFecha (empty:
    // momento's day) by domiciliacion, all in one transaction; the others are counted and left
    // as they are. A date that is not a day up to momento's is refused (kFechaMala).
    ResultadoCobroTrabajo CobrarTrabajo(std::int64_t nTrabajo, const std::string& sFecha,
                                        std::time_t momento = std::time(nullptr));

    // The status changes of receipt nId, oldest first (none for a receipt never changed).
    ResultadoRegistro Historial(std::int64_t nId, std::vector<CambioEstado>& cambios);

    // The receipts a text names: the receipt of that id (when it is one) and every receipt
    // numbered exactly so; in id order, without repeats.
    std::vector<std::int64_t> RecibosQueNombra(const std::string& sIdONumero);

    // Every receipt that is pendiente or devuelto now, one call each, in no set order: one
    // query of an index that holds what a debts report needs.
    ResultadoRegistro RecorrerDeudas(const std::function<void(const DeudaRegistrada&)>& visitar);

    // A consistent copy of the whole register into the file sDestino, through SQLite's
    // online backup, while other processes may go on writing: the copy is one file (no log),
    // checked, flushed to disk and renamed over sDestino only when complete.
    ResultadoRegistro Copiar(const std::string& sDestino);

  private:
    enum class Copia { kCon, kSin };  // whether closing copies the log into the file

    void Abrir();
    bool AbrirFichero();
    void Cerrar(Copia copia);
    bool ApartarYEmpezar();
    void ApartarSiDanado(const registro::ErrorSql& e);

    std::string m_sRuta;
    sqlite3* m_db = nullptr;
    ResultadoRegistro m_apertura;
};
