// The command line: the stored receipt as a PDF file or on a printer, without any window.
#include "app/linea_comandos.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/registro_comandos.h"
#include "brixamo_version.h"
#include "output/imprimirrecibo.h"
#include "output/precarga_recibo.h"
#include "output/recibo_guardado.h"
#include "platform/qt/qt_devices.h"
#include "platform/qt/qt_platform.h"

namespace {

constexpr const char* kVersion = BRIXAMO_VERSION;
constexpr const char* kLicencia =
    "License " BRIXAMO_LICENSE
    ": GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";
constexpr int kSalidaUso = 2;

constexpr const char* kUso =
    "Usage: brixamo [OPTION]\n"
    "Fills in, previews and prints payment receipts. Without an option the form opens.\n"
    "\n"
    "  --pdf FILE         write the stored receipt to FILE as a one-page A4 PDF\n"
    "  --print [PRINTER]  print the stored receipt on the CUPS queue PRINTER, or on the\n"
    "                     default printer, without a dialog\n"
    "  --list [--from DATE] [--to DATE] [--payer TEXT] [--number TEXT] [--csv]\n"
    "                     list the registered receipts, newest first (DATE: YYYY-MM-DD)\n"
    "  --reprint ID --pdf FILE | --print [PRINTER]\n"
    "                     print a registered receipt again exactly as it was\n"
    "  --export FILE      write the whole register to FILE as CSV\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n";

int ErrorDeUso(const std::string& sMensaje) {
    std::fprintf(stderr, "brixamo: %s\n%s", sMensaje.c_str(), kUso);
    return kSalidaUso;
}

// The toolkit without a window: the offscreen platform, unless another one was asked for
// where there is a display to use it on.
std::unique_ptr<QtPlatform> ArrancarSinVentana(int& argc, char** argv) {
    const bool bSinPantalla =
        std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
    setenv("QT_QPA_PLATFORM", "offscreen", bSinPantalla ? 1 : 0);
    return std::make_unique<QtPlatform>(argc, argv, QtPlatform::Use::kHeadless);
}

int EscribirPdf(int& argc, char** argv, const std::string& sFichero) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    const auto imagenes = PrecargarImagenesRecibo();
    const ReciboData recibo = LeerReciboGuardado();
    const std::unique_ptr<PrintDevice> dc = CreatePdfDevice(sFichero);
    if (!dc || !ImprimirYRegistrar(recibo, *dc)) {
        std::fprintf(stderr, "brixamo: cannot write the PDF file '%s'\n", sFichero.c_str());
        return 1;
    }
    return 0;
}

int Imprimir(int& argc, char** argv, const std::string& sImpresora) {
    const auto plataforma = ArrancarSinVentana(argc, argv);
    const auto imagenes = PrecargarImagenesRecibo();
    const std::unique_ptr<PrintDevice> dc = CreatePrinterDevice(sImpresora);
    if (!dc) {
        if (sImpresora.empty()) {
            std::fprintf(stderr, "brixamo: there is no default printer\n");
        } else {
            std::fprintf(stderr, "brixamo: there is no printer named '%s'\n", sImpresora.c_str());
        }
        return 1;
    }
    if (!ImprimirYRegistrar(LeerReciboGuardado(), *dc)) {
        std::fprintf(stderr, "brixamo: the printer could not take the receipt\n");
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> EjecutarLineaComandos(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string& sOpcion = args[0];
    if ((sOpcion == "--help" || sOpcion == "--version") && args.size() > 1) {
        return ErrorDeUso(sOpcion + " takes no argument");
    }
    if (sOpcion == "--help") {
        std::fputs(kUso, stdout);
        return 0;
    }
    if (sOpcion == "--version") {
        std::printf("brixamo %s\n%s", kVersion, kLicencia);
        return 0;
    }
    if (sOpcion == "--pdf") {
        if (args.size() != 2 || args[1].empty()) {
            return ErrorDeUso("--pdf needs exactly one file name");
        }
        return EscribirPdf(argc, argv, args[1]);
    }
    if (sOpcion == "--print") {
        if (args.size() > 2) {
            return ErrorDeUso("--print takes at most one printer name");
        }
        return Imprimir(argc, argv, args.size() == 2 ? args[1] : std::string());
    }
    const auto conToolkit = [&](const std::function<int()>& orden) {
        const auto plataforma = ArrancarSinVentana(argc, argv);
        const auto imagenes = PrecargarImagenesRecibo();
        return orden();
    };
    if (const std::optional<int> nSalida = EjecutarOrdenRegistro(args, conToolkit)) {
        return *nSalida;
    }
    return ErrorDeUso("unknown option '" + sOpcion + "'");
}
