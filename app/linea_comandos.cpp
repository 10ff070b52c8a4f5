// The command line: the stored receipt, or a batch of receipts from a CSV file, as a PDF file
// or on a printer, without any window.
#include "app/linea_comandos.h"

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/ficheros_pendientes.h"
#include "app/pdf_por_recibo.h"
#include "app/plataforma_app.h"
#include "app/remesa_lote.h"
#include "app/sintaxis_linea.h"
#include "form/periodo.h"
#include "money/formato.h"
#include "output/apariencia_recibo.h"
#include "output/calibracion.h"
#include "output/disposicion_recibo.h"
#include "output/importes_impresos.h"
#include "output/imprimirrecibo.h"
#include "output/lote_recibos.h"
#include "output/precarga_recibo.h"
#include "output/recibo_guardado.h"
#include "platform/qt/command_line.h"
#include "platform/qt/qt_devices.h"
#include "register/commands/opciones_hoja.h"
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
    std::string sSepa;
    std::string sFechaCobro;
    std::string sTrabajo;
    bool bCalibracion = false;  // the calibration page instead of the stored receipt
    DisposicionHoja disposicion;
};

// The toolkit without a window: the offscreen platform, unless another one was asked for
// where there is a display to use it on.
std::unique_ptr<CPlataformaApp> ArrancarSinVentana(int& argc, char** argv) {
    const bool bSinPantalla =
        std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
    setenv("QT_QPA_PLATFORM", "offscreen", bSinPantalla ? 1 : 0);
    return std::make_unique<CPlataformaApp>(argc, argv, QtPlatform::Use::kHeadless);
}

// The receipt's pictures decoded on another thread while this one starts the fonts, the two
// longest parts of a first drawing: the look in force, taken before the drawing with its logo,
// would otherwise wait for the decoding before the fonts could start.
std::future<void> PrepararDibujo() {
    std::future<void> imagenes = PrecargarImagenesRecibo();
    StartFontSystem(disposicion::kCaraLetra);
    return imagenes;
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
bool ImprimirGuardado(const ReciboGuardado& guardado, PrintDevice& dc,
                      const DisposicionHoja& disposicion) {
    return ImprimirYRegistrar(guardado.recibo, AparienciaEnVigor(), guardado.ajustesMoneda, dc,
                              disposicion);
}

int EscribirPdf(int& argc, char** argv, const Orden& orden) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    const auto imagenes = PrepararDibujo();
    const ReciboGuardado guardado = LeerReciboGuardado();
    const std::unique_ptr<PrintDevice> dc = CreatePdfDevice(orden.sPdf);
    return dc && ImprimirGuardado(guardado, *dc, orden.disposicion) ? 0
                                                                    : NoSePuedeEscribir(orden.sPdf);
}

int Imprimir(int& argc, char** argv, const Orden& orden) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    const auto imagenes = PrepararDibujo();
    const std::unique_ptr<PrintDevice> dc = Impresora(orden.sImpresora);
    if (!dc) {
        return 1;
    }
    return ImprimirGuardado(LeerReciboGuardado(), *dc, orden.disposicion) ? 0 : NoAceptaElTrabajo();
}

int PaginaCalibracion(int& argc, char** argv, const Orden& orden) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    if (!orden.bImprimir) {
        const std::unique_ptr<PrintDevice> dc = CreatePdfDevice(orden.sPdf);
        return dc && ImprimirPaginaCalibracion(*dc) ? 0 : NoSePuedeEscribir(orden.sPdf);
    }
    const std::unique_ptr<PrintDevice> dc = Impresora(orden.sImpresora);
    if (!dc) {
        return 1;
    }
    return ImprimirPaginaCalibracion(*dc) ? 0 : NoAceptaElTrabajo();
}

// Two numbers "X,Y" (a decimal point, not a comma, in each), scaled by nFactor and rounded.
std::optional<std::pair<std::int32_t, std::int32_t>> Pareja(const std::string& sTexto,
                                                            double dFactor) {
    const auto nComa = sTexto.find(',');
    if (nComa == std::string::npos) {
        return std::nullopt;
    }
    std::pair<double, double> valores;
    const std::string sPartes[] = {sTexto.substr(0, nComa), sTexto.substr(nComa + 1)};
    double* destinos[] = {&valores.first, &valores.second};
    for (int i = 0; i < 2; ++i) {
        const char* pFin = sPartes[i].data() + sPartes[i].size();
        const auto [p, ec] = std::from_chars(sPartes[i].data(), pFin, *destinos[i]);
        if (ec != std::errc() || p != pFin || sPartes[i].empty() || !std::isfinite(*destinos[i]) ||
            std::fabs(*destinos[i]) > 1e6) {
            return std::nullopt;
        }
    }
    return std::pair(static_cast<std::int32_t>(std::lround(valores.first * dFactor)),
                     static_cast<std::int32_t>(std::lround(valores.second * dFactor)));
}

// --calibrate PRINTER with --offset and --scale (a value left out keeps the stored one), or
// with --reset.
int Calibrar(const ParsedCommandLine& linea) {
    const std::string sCola = linea.Value("calibrate");
    if (!NombreColaValido(sCola)) {
        return ErrorDeUso("'" + sCola + "' cannot be a printer name");
    }
    CalibracionImpresora c = LeerCalibracion(sCola);
    if (linea.Has("reset")) {
        c = CalibracionImpresora{};
    }
    if (linea.Has("offset")) {
        const auto desplazamiento = Pareja(linea.Value("offset"), 10.0);
        if (!desplazamiento) {
            return ErrorDeUso("--offset takes two numbers of millimetres, as -2.5,1");
        }
        std::tie(c.nDesplazamientoX, c.nDesplazamientoY) = *desplazamiento;
    }
    if (linea.Has("scale")) {
        const auto escala = Pareja(linea.Value("scale"), 100.0);
        if (!escala) {
            return ErrorDeUso("--scale takes two percentages, as 100.5,99.8");
        }
        std::tie(c.nEscalaX, c.nEscalaY) = *escala;
    }
    if (!c.Valida()) {
        return ErrorDeUso(
            "a correction moves a page by at most 50 mm and scales it from 80 % to 125 %");
    }
    if (!GuardarCalibracion(sCola, c)) {
        std::fprintf(stderr, "brixamo: cannot write '%s'\n", RutaFicheroCalibracion().c_str());
        return 1;
    }
    std::printf("%s: offset %.1f,%.1f mm, scale %.2f,%.2f %%\n", sCola.c_str(),
                c.nDesplazamientoX / 10.0, c.nDesplazamientoY / 10.0, c.nEscalaX / 100.0,
                c.nEscalaY / 100.0);
    return 0;
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

// The batch's pages into a temporary file of pendientes for the order's --pdf file.
bool LotePdf(CLoteRecibos& lote, std::size_t nRecibos, const Orden& orden,
             CFicherosPendientes& pendientes) {
    const std::string sTemporal = pendientes.Temporal(orden.sPdf, true);
    Progreso progreso(nRecibos);
    const std::unique_ptr<PrintDevice> dc =
        sTemporal.empty() ? nullptr : CreatePdfDevice(sTemporal);
    if (!dc || !lote.Imprimir(*dc, AparienciaEnVigor(), orden.disposicion,
                              [&](std::size_t n) { progreso(n); })) {
        return NoSePuedeEscribir(orden.sPdf) == 0;
    }
    return true;
}

// The batch's PDF file and its files of one receipt each, as the order asks, into temporary
// files of pendientes.
bool LoteFicheros(CLoteRecibos& lote, std::size_t nRecibos, const Orden& orden,
                  const std::vector<std::string>& rutas, CFicherosPendientes& pendientes) {
    if (!orden.sPdf.empty() && !LotePdf(lote, nRecibos, orden, pendientes)) {
        return false;
    }
    if (rutas.empty()) {
        return true;
    }
    Progreso progreso(nRecibos);
    return EscribirPdfPorRecibo(lote, rutas, orden.bForzar, pendientes,
                                [&](std::size_t n) { progreso(n); });
}

bool LoteRemesa(CLoteRecibos& lote, const RemesaDeLote& remesa, const std::string& sFichero,
                CFicherosPendientes& pendientes) {
    const std::string sTemporal = pendientes.Temporal(sFichero, true);
    if (sTemporal.empty() || !EscribirRemesaDeLote(lote, remesa, sTemporal)) {
        std::fprintf(stderr, "brixamo: cannot write the remittance file '%s'\n", sFichero.c_str());
        return false;
    }
    return true;
}

// One print job, started only after every row was checked.
bool LoteImpresora(CLoteRecibos& lote, std::size_t nRecibos, const std::string& sImpresora,
                   const DisposicionHoja& disposicion) {
    const std::unique_ptr<PrintDevice> dc = Impresora(sImpresora);
    if (!dc) {
        return false;
    }
    Progreso progreso(nRecibos);
    if (!lote.Imprimir(*dc, AparienciaEnVigor(), disposicion,
                       [&](std::size_t n) { progreso(n); })) {
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

// What a dry run shows: the count and the total, the remittance's, then the files --pdf-dir
// would write.
void MostrarPrueba(const ResumenLote& resumen, const std::optional<RemesaDeLote>& remesa,
                   const AjustesMoneda& a, const std::vector<std::string>& rutas) {
    std::printf("%zu %s, total %s\n", resumen.nRecibos,
                resumen.nRecibos == 1 ? "receipt" : "receipts", TextoTotal(resumen, a).c_str());
    if (remesa) {
        std::printf("%s\n", TextoResumenRemesa(remesa->resumen, a).c_str());
    }
    for (const std::string& sRuta : rutas) {
        std::printf("%s\n", sRuta.c_str());
    }
}

// The outputs of a checked batch: the remittance, the PDF and the files of one receipt each
// into temporary files, or the print job once the remittance is written; then every file put
// in place together, and the job registered.
bool SalidasLote(int& argc, char** argv, const Orden& orden, CLoteRecibos& lote,
                 const ResumenLote& resumen, const std::optional<RemesaDeLote>& remesa,
                 const std::vector<std::string>& rutas) {
    CFicherosPendientes pendientes;
    if (remesa && !LoteRemesa(lote, *remesa, orden.sSepa, pendientes)) {
        return false;
    }
    if (orden.bImprimir || !orden.sPdf.empty() || !rutas.empty()) {
        const auto plataforma = ArrancarSinVentana(argc, argv);
        const auto imagenes = PrepararDibujo();
        const bool bHecho =
            orden.bImprimir
                ? LoteImpresora(lote, resumen.nRecibos, orden.sImpresora, orden.disposicion)
                : LoteFicheros(lote, resumen.nRecibos, orden, rutas, pendientes);
        if (!bHecho) {
            return false;
        }
    }
    if (const std::optional<std::string> sFallido = pendientes.PonerEnSuSitio()) {
        std::fprintf(stderr, "brixamo: cannot write the file '%s'\n", sFallido->c_str());
        return false;
    }
    std::optional<RemesaRegistrada> registrada;
    if (remesa) {
        registrada = RemesaRegistrada{remesa->cabecera.sMsgId, remesa->cabecera.sFechaCobro};
    }
    const std::optional<std::int64_t> nTrabajo = lote.Registrar(registrada);
    if (remesa) {
        std::printf("job %s: remittance %s, %s\n",
                    nTrabajo ? std::to_string(*nTrabajo).c_str() : "not registered",
                    remesa->cabecera.sMsgId.c_str(),
                    TextoResumenRemesa(remesa->resumen, lote.Moneda()).c_str());
    }
    return true;
}

int EjecutarLote(int& argc, char** argv, const Orden& orden) {
    try {
        ReciboGuardado guardado = LeerReciboGuardado();
        CLoteRecibos lote(LeerFicheroLote(orden.sLote), std::move(guardado.recibo),
                          guardado.ajustesMoneda, orden.periodo);
        const ResumenLote resumen = lote.Comprobar();
        std::optional<RemesaDeLote> remesa;
        if (!orden.sSepa.empty()) {
            remesa = ComprobarRemesa(lote, orden.sFechaCobro);
        }
        std::vector<std::string> rutas;
        if (!orden.sCarpetaPdf.empty()) {
            rutas = RutasPdf(lote, orden.sCarpetaPdf);
            if (!CarpetaPdfLista(orden.sCarpetaPdf, rutas, orden.bForzar)) {
                return 1;
            }
        }
        if (orden.bPrueba) {
            MostrarPrueba(resumen, remesa, lote.Moneda(), rutas);
            return 0;
        }
        if (!SalidasLote(argc, argv, orden, lote, resumen, remesa, rutas)) {
            return 1;
        }
        GuardarNumeroSiguiente(resumen);
        return 0;
    } catch (const ErrorLote& error) {
        std::fprintf(stderr, "%s\n", TextoErrorLote(orden.sLote, error).c_str());
        return 1;
    } catch (const ErrorRemesa& error) {
        std::fprintf(stderr, "brixamo: %s\n", error.what());
        return 1;
    }
}

// The stored receipt, or a batch over it, as the command line asks. Throws ErrorImporte when
// an amount of the stored receipt would not print as stored.
std::optional<int> EjecutarOrden(int& argc, char** argv, const Orden& orden) {
    if (orden.bCalibracion) {
        return PaginaCalibracion(argc, argv, orden);
    }
    if (!orden.sLote.empty()) {
        return EjecutarLote(argc, argv, orden);
    }
    if (!orden.sTrabajo.empty()) {
        return ReescribirRemesa(orden.sSepa, std::stoll(orden.sTrabajo), orden.sFechaCobro);
    }
    if (orden.bImprimir) {
        return Imprimir(argc, argv, orden);
    }
    if (!orden.sPdf.empty()) {
        return EscribirPdf(argc, argv, orden);
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
        const auto imagenes = PrepararDibujo();
        return ordenRegistro();
    };
    if (const std::optional<int> nSalida = EjecutarOrdenRegistro(linea, conToolkit)) {
        return *nSalida;
    }
    if (linea.Has("calibrate")) {
        return Calibrar(linea);
    }
    const Orden orden{linea.Value("pdf"),
                      linea.Has("print"),
                      linea.arguments.empty() ? std::string() : linea.arguments[0],
                      linea.Value("batch"),
                      linea.Has("dry-run"),
                      linea.Value("pdf-dir"),
                      linea.Has("force"),
                      LeerPeriodo(linea.Value("period")).value_or(PeriodoActual()),
                      linea.Value("sepa"),
                      linea.Value("collection-date"),
                      linea.Value("job"),
                      linea.Has("calibration-page"),
                      DisposicionDeLinea(linea, DisposicionEnVigor())};
    try {
        return EjecutarOrden(argc, argv, orden);
    } catch (const ErrorImporte& error) {
        std::fprintf(stderr, "brixamo: the stored receipt cannot be printed: %s\n", error.what());
        return 1;
    }
}
