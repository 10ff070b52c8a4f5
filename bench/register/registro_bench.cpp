// The register with 100,000 receipts (in jobs of 1,000, each debited in a remittance; 10 %
// returned, 50 % paid), in the folder given as the first argument or a fresh temporary one:
// the time of a listing filtered by payer (what --list --payer runs), the time registering
// adds to one print (opening the register, its check and one job of one receipt, synchronised
// to disk), the debts report (what --debts runs: opening, the one query, the sums per payer)
// and one status change (the check and the change, synchronised to disk, in a register open;
// and with its opening and closing). Prints median and 95th percentile with the target; the
// exit status is 1 when a median misses its target.
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "register/deudas.h"
#include "register/registro.h"

namespace {

using Reloj = std::chrono::steady_clock;

constexpr int kRecibos = 100000;
constexpr int kPorTrabajo = 1000;
constexpr int kPagadores = 5000;  // each payer has 20 receipts

ReciboRegistrado Recibo(int n) {
    ReciboRegistrado r;
    ReciboData& d = r.recibo;
    d.sDNumero = "numero";
    d.sDLocalidad = "localidad";
    d.sDImporte = "importe";
    d.sDFecha = "fecha";
    d.sDVencimiento = "vencimiento";
    d.sDDomicilio = "domicilio";
    d.sDPagador = "pagador";
    d.sDCobrador = "cobrador";
    d.sNumero = "2026/" + std::to_string(n);
    d.sLocalidad = "Pontevedra";
    d.sFecha = "9 de diciembre de 2026";
    d.sVencimiento = "31/12/2026";
    d.sConcepto1 = "Alquiler del piso de la calle Mayor, diciembre";
    d.sConcepto2 = "Comunidad";
    d.sConcepto3 = "Agua y basuras";
    d.cuI1.SetValor(6500000);
    d.cuI2.SetValor(450000);
    d.cuI3.SetValor(123400);
    d.cuImporte.SetValor(7073400);
    d.sDomicilio = "Calle Mayor " + std::to_string(n % 300) + ", 2\xBA B";
    d.sPagador1 = "Pagador " + std::to_string(n % kPagadores);
    d.sPagador2 = "DNI 12345678Z";
    d.sCobrador1 = "Inmobiliaria Norte S.L.";
    d.sCobrador2 = "CIF B12345678";
    r.ajustes = {"Euro", "\x80", 2, ",", ".", 3, 3, 8, ' '};
    r.sImportes = {"650,00", "45,00", "12,34", "", "", ""};
    r.sTotal = "707,34 \x80";
    r.deudor.sIban = "ES9121000418450200051332";
    r.deudor.sMandato = "M-" + std::to_string(n % kPagadores);
    return r;
}

bool Llenar(const std::string& sRuta) {
    CRegistro registro(sRuta);
    for (int t = 0; t < kRecibos / kPorTrabajo; ++t) {
        std::vector<ReciboRegistrado> trabajo;
        trabajo.reserve(kPorTrabajo);
        for (int i = 0; i < kPorTrabajo; ++i) {
            trabajo.push_back(Recibo(t * kPorTrabajo + i));
        }
        const RemesaRegistrada remesa{"BENCH" + std::to_string(t), "2026-12-05"};
        if (registro.Registrar(trabajo, std::time(nullptr), remesa).estado !=
            EstadoRegistro::kCorrecto) {
            return false;
        }
    }
    return true;
}

// Of every ten receipts, the first returned and the next five paid, in one transaction (the
// register would take one durable commit each).
void Cobrar(const std::string& sRuta) {
    sqlite3* db = nullptr;
    sqlite3_open(sRuta.c_str(), &db);
    sqlite3_exec(db,
                 "INSERT INTO cambios_estado (recibo, estado, fecha, metodo, motivo, anotado) "
                 "SELECT id, CASE WHEN id % 10 = 0 THEN 'devuelto' ELSE 'cobrado' END, "
                 "'2026-12-06', CASE WHEN id % 10 = 0 THEN '' ELSE 'domiciliacion' END, "
                 "CASE WHEN id % 10 = 0 THEN 'AM04' ELSE '' END, '2026-12-06 10:00:00' "
                 "FROM recibos WHERE id % 10 <= 5",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

struct Medida {
    double dMediana;
    double dP95;
    double dCpu;  // the median of the processor time the process took, on a shared machine
};

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds per run of `paso`, over `n` runs.
Medida Medir(int n, const std::function<void(int)>& paso) {
    std::vector<double> tiempos, cpu;
    for (int i = 0; i < n; ++i) {
        const auto t0 = Reloj::now();
        const std::clock_t c0 = std::clock();
        paso(i);
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC);
        tiempos.push_back(std::chrono::duration<double, std::milli>(Reloj::now() - t0).count());
    }
    std::sort(tiempos.begin(), tiempos.end());
    return {tiempos[tiempos.size() / 2], tiempos[tiempos.size() * 95 / 100], Mediana(cpu)};
}

// The day's full check forgotten, as on the first print of a day.
void OlvidarComprobacion(const std::string& sRuta) {
    sqlite3* db = nullptr;
    sqlite3_open(sRuta.c_str(), &db);
    sqlite3_exec(db, "UPDATE comprobacion SET dia = ''", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// What the disk takes to flush one small write, the floor of any durable commit on it.
Medida MedirFsync(const std::string& sCarpeta) {
    const std::string sFichero = sCarpeta + "/fsync.bench";
    const int fd = open(sFichero.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const Medida m = Medir(30, [fd](int) {
        const char c = 'x';
        (void)!write(fd, &c, 1);
        fdatasync(fd);
    });
    close(fd);
    unlink(sFichero.c_str());
    return m;
}

bool Informar(const char* sCaso, const Medida& m, double dObjetivo) {
    const bool bBien = m.dMediana < dObjetivo;
    std::printf("%-48s median %8.2f ms  p95 %8.2f ms  cpu %7.2f ms  target < %.0f ms  %s\n", sCaso,
                m.dMediana, m.dP95, m.dCpu, dObjetivo, bBien ? "ok" : "MISSED");
    return bBien;
}

}  // namespace

int main(int argc, char** argv) {
    std::string sCarpeta = argc > 1 ? argv[1] : "";
    if (sCarpeta.empty()) {
        char sPlantilla[] = "/tmp/brixamo-bench-XXXXXX";
        if (mkdtemp(sPlantilla) == nullptr) {
            return 2;
        }
        sCarpeta = sPlantilla;
    }
    const std::string sRuta = sCarpeta + "/registro.sqlite";
    std::filesystem::remove(sRuta);
    const auto t0 = Reloj::now();
    if (!Llenar(sRuta)) {
        std::fprintf(stderr, "cannot fill the register at %s\n", sRuta.c_str());
        return 2;
    }
    std::printf("register of %d receipts: %.1f MB, filled in %.1f s\n", kRecibos,
                static_cast<double>(std::filesystem::file_size(sRuta)) / 1e6,
                std::chrono::duration<double>(Reloj::now() - t0).count());

    std::size_t nHallados = 0;
    const Medida lista = Medir(30, [&](int i) {
        CRegistro registro(sRuta);
        nHallados = 0;
        FiltroRegistro filtro;
        filtro.sPagador = "pagador " + std::to_string(1000 + i * 37);
        registro.Recorrer(filtro, OrdenRegistro::kRecientesPrimero,
                          [&nHallados](const ReciboRegistrado&) { ++nHallados; });
    });
    std::printf("(%zu receipts per payer)\n", nHallados);
    const Medida impresion = Medir(30, [&](int i) {
        CRegistro registro(sRuta);
        std::vector<ReciboRegistrado> trabajo = {Recibo(kRecibos + i)};
        registro.Registrar(trabajo);
    });
    // The forgetting is timed too; it is one small commit.
    const Medida primera = Medir(5, [&](int i) {
        OlvidarComprobacion(sRuta);
        CRegistro registro(sRuta);
        std::vector<ReciboRegistrado> trabajo = {Recibo(2 * kRecibos + i)};
        registro.Registrar(trabajo);
    });
    Cobrar(sRuta);
    std::size_t nPagadores = 0;
    int nDeudas = 0;
    const Medida deudas = Medir(30, [&](int) {
        CRegistro registro(sRuta);
        ResultadoRegistro r;
        const std::optional<InformeDeudas> informe = LeerDeudas(registro, "2027-02-10", r);
        nPagadores = informe ? informe->pagadores.size() : 0;
        nDeudas = informe ? informe->total.nRecibos : 0;
    });
    std::printf("(%d receipts owed by %zu payers)\n", nDeudas, nPagadores);
    // Receipts 7, 17, 27... are pendiente: each run pays another.
    const Medida cambio = Medir(30, [&](int i) {
        CRegistro registro(sRuta);
        registro.CambiarEstado(7 + 10 * i, {EstadoCobro::kCobrado, "", MetodoCobro::kEfectivo, {}});
    });
    // The change alone, in a register already open: the commit and its flush.
    CRegistro abierto(sRuta);
    const Medida soloCambio = Medir(30, [&](int i) {
        abierto.CambiarEstado(307 + 10 * i,
                              {EstadoCobro::kCobrado, "", MetodoCobro::kEfectivo, {}});
    });
    const Medida fsync = MedirFsync(sCarpeta);
    // Both lines are printed whatever the first one says.
    const bool bLista = Informar("--list --payer (open, query, read the rows)", lista, 50);
    const bool bImpresion = Informar("one print registered (open, commit, flush)", impresion, 5);
    const bool bDeudas = Informar("--debts (open, query, sums per payer)", deudas, 100);
    // The change's target is its own work beside the disk's one flush; opening and closing
    // the register (the closing checkpoint's flushes) are what a print pays too.
    const bool bCambio = Informar("one status change, register open (commit, flush)", soloCambio,
                                  5 + fsync.dMediana);
    const bool bBien = bLista && bImpresion && bDeudas && bCambio;
    std::printf("%-48s median %8.2f ms  p95 %8.2f ms  cpu %7.2f ms\n",
                "one status change with opening and closing", cambio.dMediana, cambio.dP95,
                cambio.dCpu);
    std::printf("%-48s median %8.2f ms  p95 %8.2f ms\n",
                "  of which the disk's flush (one fdatasync)", fsync.dMediana, fsync.dP95);
    std::printf("%-48s median %8.2f ms  p95 %8.2f ms\n",
                "first print of a day (with the full check)", primera.dMediana, primera.dP95);
    return bBien ? 0 : 1;
}
