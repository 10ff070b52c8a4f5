// The command line: the stored receipt, or a batch of receipts from a CSV file, as a PDF file
// or on a printer, without any window.
#include "app/linea_comandos.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ficheros_pendientes.h"
#include "app/pdf_por_recibo.h"
#include "app/plataforma_app.h"
#include "app/sintaxis_linea.h"
#include "form/periodo.h"
#include "money/formato.h"
#include "output/apariencia_recibo.h"
#include "output/importes_impresos.h"
#include "output/imprimirrecibo.h"
#include "output/lote_recibos.h"
#include "output/precarga_recibo.h"
#include "output/recibo_guardado.h"
#include "platform/qt/command_line.h"
#include "platform/qt/qt_devices.h"
#include "register/commands/registro_comandos.h"
#include "version/brixamo_version.h"

namespace {

constexpr const char* kPrograma = "brixamo";
constexpr int kSalidaUso = 2;

// What --version prints.
std::string TextoVersion() {
    return std::string(kPrograma) +
           " " BRIXAMO_VERSION "\nLicense " BRIXAMO_LICENSE
           ": GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

int ErrorDeUso(const std::string& sMensaje) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kPrograma,
                 sMensaje.c_str(), kPrograma);
    return kSalidaUso;
}

// What the command line asks for, once it is known to make sense.
struct Orden {
    std::string sPdf;
    bool bImprimir = false;
    std::string sImpresora;
    std::string sLote;
    bool bPrueba = false;
    std::string sCarpetaPdf;  // --pdf-dir
    bool bForzar = false;
    Periodo periodo;
};

// The toolkit without a window: the offscreen platform, unless another one was asked for
// where there is a display to use it on.
std::unique_ptr<CPlataformaApp> ArrancarSinVentana(int& argc, char** argv) {
    const bool bSinPantalla =
        std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
    setenv("QT_QPA_PLATFORM", "offscreen", bSinPantalla ? 1 : 0);
    return std::make_unique<CPlataformaApp>(argc, argv, QtPlatform::Use::kHeadless);
}

// The queue by name, or the default one; a message when there is none.
std::unique_ptr<PrintDevice> Impresora(const std::string& sImpresora) {
    std::unique_ptr<PrintDevice> dc = CreatePrinterDevice(sImpresora);
    if (!dc && sImpresora.empty()) {
        std::fprintf(stderr, "brixamo: there is no default printer\n");
    } else if (!dc) {
        std::fprintf(stderr, "brixamo: there is no printer named '%s'\n", sImpresora.c_str());
    }
    return dc;
}

int NoAceptaElTrabajo() {
    std::fprintf(stderr, "brixamo: the printer could not take the receipt\n");
    return 1;
}

// The stored receipt in the look in force, registered once printed.
bool ImprimirGuardado(const ReciboGuardado& guardado, PrintDevice& dc) {
    return ImprimirYRegistrar(guardado.recibo, AparienciaEnVigor(), guardado.ajustesMoneda, dc);
}

int EscribirPdf(int& argc, char** argv, const std::string& sFichero) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    const auto imagenes = PrecargarImagenesRecibo();
    const ReciboGuardado guardado = LeerReciboGuardado();
    const std::unique_ptr<PrintDevice> dc = CreatePdfDevice(sFichero);
    return dc && ImprimirGuardado(guardado, *dc) ? 0 : NoSePuedeEscribir(sFichero);
}

int Imprimir(int& argc, char** argv, const std::string& sImpresora) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    const auto imagenes = PrecargarImagenesRecibo();
    const std::unique_ptr<PrintDevice> dc = Impresora(sImpresora);
    if (!dc) {
        return 1;
    }
    return ImprimirGuardado(LeerReciboGuardado(), *dc) ? 0 : NoAceptaElTrabajo();
}

// "receipt N of M" on a terminal's standard error, once the batch has taken a second.
class Progreso {
  public:
    explicit Progreso(std::size_t nTotal) : m_nTotal(nTotal), m_bTerminal(isatty(2) == 1) {}
    ~Progreso() {
        if (m_bMostrado) {
            std::fputc('\n', stderr);
        }
    }
    Progreso(const Progreso&) = delete;
    Progreso& operator=(const Progreso&) = delete;

    void operator()(std::size_t n) {
        const auto ahora = std::chrono::steady_clock::now();
        if (!m_bTerminal || ahora - m_inicio < std::chrono::seconds(1) ||
            (ahora - m_ultimo < std::chrono::milliseconds(100) && n < m_nTotal)) {
            return;
        }
        std::fprintf(stderr, "\rreceipt %zu of %zu", n, m_nTotal);
        m_ultimo = ahora;
        m_bMostrado = true;
    }

  private:
    std::size_t m_nTotal;
    bool m_bTerminal;
    bool m_bMostrado = false;
    std::chrono::steady_clock::time_point m_inicio = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_ultimo;
};

// The batch's pages into a temporary file of pendientes for sFichero.
bool LotePdf(CLoteRecibos& lote, std::size_t nRecibos, const std::string& sFichero,
             CFicherosPendientes& pendientes) {
    const std::string sTemporal = pendientes.Temporal(sFichero, true);
    Progreso progreso(nRecibos);
    const std::unique_ptr<PrintDevice> dc =
        sTemporal.empty() ? nullptr : CreatePdfDevice(sTemporal);
    if (!dc || !lote.Imprimir(*dc, AparienciaEnVigor(), [&](std::size_t n) { progreso(n); })) {
        return NoSePuedeEscribir(sFichero) == 0;
    }
    return true;
}

// The batch's PDF file and its files of one receipt each, as the order asks, put in place
// together once every one is written.
bool LoteFicheros(CLoteRecibos& lote, std::size_t nRecibos, const Orden& orden,
                  const std::vector<std::string>& rutas) {
    CFicherosPendientes pendientes;
    if (!orden.sPdf.empty() && !LotePdf(lote, nRecibos, orden.sPdf, pendientes)) {
        return false;
    }
    if (!rutas.empty()) {
        Progreso progreso(nRecibos);
        if (!EscribirPdfPorRecibo(lote, rutas, orden.bForzar, pendientes,
                                  [&](std::size_t n) { progreso(n); })) {
            return false;
        }
    }
    if (const std::optional<std::string> sFallido = pendientes.PonerEnSuSitio()) {
        return NoSePuedeEscribir(*sFallido) == 0;
    }
    return true;
}

// One print job, started only after every row was checked.
bool LoteImpresora(CLoteRecibos& lote, std::size_t nRecibos, const std::string& sImpresora) {
    const std::unique_ptr<PrintDevice> dc = Impresora(sImpresora);
    if (!dc) {
        return false;
    }
    Progreso progreso(nRecibos);
    if (!lote.Imprimir(*dc, AparienciaEnVigor(), [&](std::size_t n) { progreso(n); })) {
        NoAceptaElTrabajo();
        return false;
    }
    return true;
}

// The total of a dry run, in UTF-8: the sum, or the largest amount it goes beyond.
std::string TextoTotal(const ResumenLote& resumen, const AjustesMoneda& a) {
    if (resumen.cuTotal) {
        return Utf8De1252(moneda::TextoRecibo(*resumen.cuTotal, a));
    }
    CGlobalCurrency cuMaximo;
    cuMaximo.SetValor(CGlobalCurrency::kImporteMaximo);
    return "beyond " + Utf8De1252(moneda::TextoRecibo(cuMaximo, a));
}

// What a dry run shows: the count and the total, then the files --pdf-dir would write.
void MostrarPrueba(const ResumenLote& resumen, const AjustesMoneda& moneda,
                   const std::vector<std::string>& rutas) {
    std::printf("%zu %s, total %s\n", resumen.nRecibos,
                resumen.nRecibos == 1 ? "receipt" : "receipts",
                TextoTotal(resumen, moneda).c_str());
    for (const std::string& sRuta : rutas) {
        std::printf("%s\n", sRuta.c_str());
    }
}

int EjecutarLote(int& argc, char** argv, const Orden& orden) {
    try {
        ReciboGuardado guardado = LeerReciboGuardado();
        CLoteRecibos lote(LeerFicheroLote(orden.sLote), std::move(guardado.recibo),
                          guardado.ajustesMoneda, orden.periodo);
        const ResumenLote resumen = lote.Comprobar();
        std::vector<std::string> rutas;
        if (!orden.sCarpetaPdf.empty()) {
            rutas = RutasPdf(lote, orden.sCarpetaPdf);
            if (!CarpetaPdfLista(orden.sCarpetaPdf, rutas, orden.bForzar)) {
                return 1;
            }
        }
        if (orden.bPrueba) {
            MostrarPrueba(resumen, lote.Moneda(), rutas);
            return 0;
        }
        const auto plataforma = ArrancarSinVentana(argc, argv);
        const auto imagenes = PrecargarImagenesRecibo();
        const bool bHecho = orden.bImprimir
                                ? LoteImpresora(lote, resumen.nRecibos, orden.sImpresora)
                                : LoteFicheros(lote, resumen.nRecibos, orden, rutas);
        if (!bHecho) {
            return 1;
        }
        lote.Registrar();
        GuardarNumeroSiguiente(resumen);
        return 0;
    } catch (const ErrorLote& error) {
        std::fprintf(stderr, "%s\n", TextoErrorLote(orden.sLote, error).c_str());
        return 1;
    }
}

// The stored receipt, or a batch over it, as the command line asks. Throws ErrorImporte when
// an amount of the stored receipt would not print as stored.
std::optional<int> EjecutarOrden(int& argc, char** argv, const Orden& orden) {
    if (!orden.sLote.empty()) {
        return EjecutarLote(argc, argv, orden);
    }
    if (orden.bImprimir) {
        return Imprimir(argc, argv, orden.sImpresora);
    }
    if (!orden.sPdf.empty()) {
        return EscribirPdf(argc, argv, orden.sPdf);
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> EjecutarLineaComandos(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    const ParsedCommandLine linea = LeerLineaComandos(std::vector<std::string>(argv, argv + argc));
    if (!linea.error.empty()) {
        return ErrorDeUso(linea.error);
    }
    if (linea.Has("help")) {
        std::fputs(CommandLineHelp(SintaxisLinea(), kPrograma).c_str(), stdout);
        return 0;
    }
    if (linea.Has("version")) {
        std::fputs(TextoVersion().c_str(), stdout);
        return 0;
    }
    const auto conToolkit = [&](const std::function<int()>& ordenRegistro) {
        const auto plataforma = ArrancarSinVentana(argc, argv);
        const auto imagenes = PrecargarImagenesRecibo();
        return ordenRegistro();
    };
    if (const std::optional<int> nSalida = EjecutarOrdenRegistro(linea, conToolkit)) {
        return *nSalida;
    }
    const Orden orden{linea.Value("pdf"),
                      linea.Has("print"),
                      linea.arguments.empty() ? std::string() : linea.arguments[0],
                      linea.Value("batch"),
                      linea.Has("dry-run"),
                      linea.Value("pdf-dir"),
                      linea.Has("force"),
                      LeerPeriodo(linea.Value("period")).value_or(PeriodoActual())};
    try {
        return EjecutarOrden(argc, argv, orden);
    } catch (const ErrorImporte& error) {
        std::fprintf(stderr, "brixamo: the stored receipt cannot be printed: %s\n", error.what());
        return 1;
    }
}
