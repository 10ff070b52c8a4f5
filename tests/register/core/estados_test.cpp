// The collection status of registered receipts: which changes are allowed, the changes kept
// in order and never rewritten, older registers brought up to date with their receipts
// pendiente, a job's debits paid at once, the receipts a text names, and the debts.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <ctime>
#include <string>
#include <vector>

#include "register/estado_cobro.h"
#include "register/registro.h"
#include "register/registro_sql.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

using E = EstadoCobro;
using R = RechazoEstado;

constexpr const char* kHoy = "2027-02-10";

// 2027-02-10 12:00 local time, the day every change below is recorded on.
std::time_t Momento(int nSegundos = 0) {
    std::tm tm{};
    tm.tm_year = 127;
    tm.tm_mon = 1;
    tm.tm_mday = 10;
    tm.tm_hour = 12;
    tm.tm_sec = nSegundos;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

NuevoEstado Cobro(const std::string& sFecha = kHoy, MetodoCobro m = MetodoCobro::kEfectivo) {
    return {E::kCobrado, sFecha, m, {}};
}
NuevoEstado Devolucion(const std::string& sMotivo = "AM04", const std::string& sFecha = kHoy) {
    return {E::kDevuelto, sFecha, MetodoCobro::kNinguno, sMotivo};
}
NuevoEstado Anulacion() {
    return {E::kAnulado, kHoy, MetodoCobro::kNinguno, {}};
}

struct FilaCambio {
    const char* sNombre;
    E actual;
    bool bDomiciliado;
    NuevoEstado nuevo;
    R esperado;
};

TEST(EstadoCobroTest, WhatMayFollowWhat) {
    const FilaCambio filas[] = {
        {"pendiente paid in cash", E::kPendiente, false, Cobro(), R::kNinguno},
        {"pendiente paid by transfer", E::kPendiente, false,
         Cobro(kHoy, MetodoCobro::kTransferencia), R::kNinguno},
        {"paid without a method", E::kPendiente, false, Cobro(kHoy, MetodoCobro::kNinguno),
         R::kSinMetodo},
        {"debited pendiente returned", E::kPendiente, true, Devolucion(), R::kNinguno},
        {"a receipt not debited is not returned", E::kPendiente, false, Devolucion(),
         R::kNoDomiciliado},
        {"a paid debit returned after settlement", E::kCobrado, true, Devolucion(), R::kNinguno},
        {"returned, then paid in cash", E::kDevuelto, true, Cobro(), R::kNinguno},
        {"returned twice", E::kDevuelto, true, Devolucion(), R::kYaEsta},
        {"paid twice", E::kCobrado, false, Cobro(), R::kYaEsta},
        {"pendiente voided", E::kPendiente, false, Anulacion(), R::kNinguno},
        {"returned voided", E::kDevuelto, true, Anulacion(), R::kNinguno},
        {"a paid receipt is not voided", E::kCobrado, false, Anulacion(), R::kAnularCobrado},
        {"a void receipt is not paid", E::kAnulado, false, Cobro(), R::kDesdeAnulado},
        {"a void receipt is not returned", E::kAnulado, true, Devolucion(), R::kDesdeAnulado},
        {"a void receipt is not voided again", E::kAnulado, false, Anulacion(), R::kDesdeAnulado},
        {"nothing goes back to pendiente",
         E::kCobrado,
         false,
         {E::kPendiente, kHoy, MetodoCobro::kNinguno, {}},
         R::kAPendiente},
        {"an unknown reason code", E::kPendiente, true, Devolucion("XX99"), R::kMotivoDesconocido},
        {"a reason in small letters", E::kPendiente, true, Devolucion("md06"), R::kNinguno},
        {"paid tomorrow", E::kPendiente, false, Cobro("2027-02-11"), R::kFechaMala},
        {"paid on 30 February", E::kPendiente, false, Cobro("2027-02-30"), R::kFechaMala},
        {"paid on a date written otherwise", E::kPendiente, false, Cobro("10/02/2027"),
         R::kFechaMala},
        {"returned long ago", E::kPendiente, true, Devolucion("AC04", "2026-12-31"), R::kNinguno},
    };
    for (const FilaCambio& f : filas) {
        EXPECT_EQ(ComprobarCambio(f.actual, f.bDomiciliado, f.nuevo, kHoy), f.esperado)
            << f.sNombre;
    }
}

TEST(EstadoCobroTest, NamesReasonsAndDays) {
    for (const char* s : {"pendiente", "cobrado", "devuelto", "anulado"}) {
        ASSERT_TRUE(EstadoDeNombre(s)) << s;
        EXPECT_STREQ(NombreEstado(*EstadoDeNombre(s)), s);
    }
    EXPECT_FALSE(EstadoDeNombre("Cobrado"));
    EXPECT_EQ(MetodoDeNombre("domiciliaci\xF3n"), MetodoCobro::kDomiciliacion);
    EXPECT_EQ(MetodoDeNombre("domiciliaci\xC3\xB3n"), MetodoCobro::kDomiciliacion);
    EXPECT_EQ(MetodoDeNombre("transferencia"), MetodoCobro::kTransferencia);
    EXPECT_FALSE(MetodoDeNombre(""));
    EXPECT_FALSE(MetodoDeNombre("tarjeta"));

    for (const char* s : {"AC04", "AC06", "AM04", "MD01", "MD06", "MS02", "MS03", "SL01"}) {
        const MotivoDevolucion* m = BuscarMotivo(s);
        ASSERT_NE(m, nullptr) << s;
        EXPECT_STRNE(m->sSignificado, "") << s;
    }
    EXPECT_EQ(BuscarMotivo("AM4"), nullptr);
    EXPECT_EQ(BuscarMotivo(""), nullptr);

    const std::pair<const char*, bool> dias[] = {
        {"2028-02-29", true},  {"2027-02-29", false}, {"2000-02-29", true},
        {"1900-02-29", false}, {"2027-04-31", false}, {"2027-12-31", true},
        {"2027-13-01", false}, {"2027-1-01", false},  {"0000-01-01", false},
    };
    for (const auto& [s, b] : dias) {
        EXPECT_EQ(EsDiaValido(s), b) << s;
    }
}

class EstadosRegistroTest : public ::testing::Test {
  protected:
    std::string Ruta() const { return m_carpeta.Ruta() + "/registro.sqlite"; }

    // A job of n receipts; with bRemesa, its first receipt and every other one has an IBAN
    // and the job a remittance. The ids of its receipts.
    std::vector<std::int64_t> Registrar(CRegistro& registro, int nPrimero, int n, bool bRemesa) {
        std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(nPrimero, n);
        for (std::size_t i = 0; bRemesa && i < trabajo.size(); i += 2) {
            trabajo[i].deudor.sIban = "ES9121000418450200051332";
        }
        std::optional<RemesaRegistrada> remesa;
        if (bRemesa) {
            remesa = RemesaRegistrada{"M" + std::to_string(nPrimero), "2027-02-05"};
        }
        EXPECT_EQ(registro.Registrar(trabajo, Momento(), remesa).estado, EstadoRegistro::kCorrecto);
        std::vector<std::int64_t> ids;
        ids.reserve(trabajo.size());
        for (const ReciboRegistrado& r : trabajo) {
            ids.push_back(r.nId);
        }
        return ids;
    }

    E Estado(CRegistro& registro, std::int64_t nId) {
        const std::optional<ReciboRegistrado> r = registro.Leer(nId);
        EXPECT_TRUE(r);
        return r ? r->estado.estado : E::kPendiente;
    }

    CarpetaTemporal m_carpeta;
};

TEST_F(EstadosRegistroTest, EveryChangeIsKeptInOrderWithItsTime) {
    CRegistro registro(Ruta());
    const std::int64_t nId = Registrar(registro, 1, 1, true).front();
    EXPECT_EQ(Estado(registro, nId), E::kPendiente);

    ASSERT_EQ(
        registro.CambiarEstado(nId, Cobro("2027-02-06", MetodoCobro::kDomiciliacion), Momento(1))
            .rechazo,
        R::kNinguno);
    const ResultadoCambio devuelto = registro.CambiarEstado(nId, Devolucion("md06"), Momento(2));
    ASSERT_EQ(devuelto.rechazo, R::kNinguno);
    EXPECT_EQ(devuelto.cambio.sMotivo, "MD06");
    EXPECT_EQ(registro.CambiarEstado(nId, Devolucion(), Momento(3)).rechazo, R::kYaEsta);
    ASSERT_EQ(
        registro.CambiarEstado(nId, {E::kCobrado, "", MetodoCobro::kEfectivo, "AM04"}, Momento(4))
            .rechazo,
        R::kNinguno);
    EXPECT_EQ(registro.CambiarEstado(nId, Anulacion(), Momento(5)).rechazo, R::kAnularCobrado);
    EXPECT_EQ(registro.CambiarEstado(nId + 1, Cobro(), Momento(6)).rechazo, R::kSinRecibo);

    std::vector<CambioEstado> historial;
    ASSERT_EQ(registro.Historial(nId, historial).estado, EstadoRegistro::kCorrecto);
    const std::vector<CambioEstado> esperado = {
        {nId, E::kCobrado, "2027-02-06", MetodoCobro::kDomiciliacion, "", "2027-02-10 12:00:01"},
        {nId, E::kDevuelto, kHoy, MetodoCobro::kNinguno, "MD06", "2027-02-10 12:00:02"},
        // no date: today's; a reason given with a payment is not kept
        {nId, E::kCobrado, kHoy, MetodoCobro::kEfectivo, "", "2027-02-10 12:00:04"},
    };
    EXPECT_EQ(historial, esperado);
    EXPECT_EQ(registro.Leer(nId)->estado, esperado.back());
    EXPECT_EQ(ComprobarIntegridad(Ruta()), "ok");
}

TEST_F(EstadosRegistroTest, ARecordedChangeIsNeitherRewrittenNorRemoved) {
    {
        CRegistro registro(Ruta());
        const std::int64_t nId = Registrar(registro, 1, 1, false).front();
        ASSERT_EQ(registro.CambiarEstado(nId, Anulacion(), Momento()).rechazo, R::kNinguno);
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Ruta().c_str(), &db), SQLITE_OK);
    for (const char* sSql :
         {"UPDATE cambios_estado SET estado = 'pendiente'", "DELETE FROM cambios_estado"}) {
        EXPECT_NE(sqlite3_exec(db, sSql, nullptr, nullptr, nullptr), SQLITE_OK) << sSql;
    }
    sqlite3_close(db);
    EXPECT_EQ(ContarFilas(Ruta(), "cambios_estado"), 1);
}

// Older registers, made by their own migration steps with rows in them: every receipt comes
// up pendiente without a change recorded, and takes changes as a new one does.
TEST_F(EstadosRegistroTest, OlderRegistersComeUpWithTheirReceiptsPendiente) {
    for (const int nVersion : {1, 3}) {
        SCOPED_TRACE("version " + std::to_string(nVersion));
        CarpetaTemporal carpeta;
        const std::string sRuta = carpeta.Ruta() + "/registro.sqlite";
        ASSERT_EQ(RegistroDeVersion(sRuta, nVersion, 3), nVersion);
        if (nVersion == 3) {  // its job had a remittance: the rows' IBAN columns are filled
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(sRuta.c_str(), &db), SQLITE_OK);
            registro::Ejecutar(db,
                               "INSERT INTO remesas (trabajo, msgid, fecha_cobro, escrita) "
                               "VALUES (1, 'M1', '2025-03-05', '2025-03-01 10:00:00')");
            sqlite3_close(db);
        }
        CRegistro registro(sRuta);
        ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kCorrecto);
        std::vector<E> estados;
        registro.Recorrer({}, OrdenRegistro::kAntiguosPrimero,
                          [&](const ReciboRegistrado& r) { estados.push_back(r.estado.estado); });
        EXPECT_EQ(estados, std::vector<E>(3, E::kPendiente));
        std::vector<CambioEstado> historial{CambioEstado{}};
        registro.Historial(1, historial);
        EXPECT_TRUE(historial.empty());

        EXPECT_EQ(registro.CambiarEstado(1, Devolucion(), Momento()).rechazo,
                  nVersion == 3 ? R::kNinguno : R::kNoDomiciliado);
        EXPECT_EQ(registro.CambiarEstado(2, Cobro(), Momento()).rechazo, R::kNinguno);
        EXPECT_EQ(Estado(registro, 2), E::kCobrado);
        FiltroRegistro cobrados;
        cobrados.estado = E::kCobrado;
        std::vector<std::int64_t> ids;
        registro.Recorrer(cobrados, OrdenRegistro::kAntiguosPrimero,
                          [&](const ReciboRegistrado& r) { ids.push_back(r.nId); });
        EXPECT_EQ(ids, std::vector<std::int64_t>{2});
        int nDeudas = 0;
        registro.RecorrerDeudas([&](const DeudaRegistrada&) { ++nDeudas; });
        EXPECT_EQ(nDeudas, 2);  // receipt 1 pendiente or devuelto, receipt 3 pendiente
        EXPECT_EQ(registro.Leer(3)->recibo.sNumero, "v1 3");
        EXPECT_EQ(ComprobarIntegridad(sRuta), "ok");
    }
}

TEST_F(EstadosRegistroTest, AJobsDebitsArePaidAtOnceTheOthersLeft) {
    CRegistro registro(Ruta());
    // 6 receipts: 1, 3 and 5 debited; 2, 4 and 6 not.
    const std::vector<std::int64_t> ids = Registrar(registro, 1, 6, true);
    ASSERT_EQ(registro.CambiarEstado(ids[2], Devolucion("AM04"), Momento()).rechazo, R::kNinguno);
    ASSERT_EQ(registro.CambiarEstado(ids[4], Anulacion(), Momento()).rechazo, R::kNinguno);
    ASSERT_EQ(registro.CambiarEstado(ids[1], Cobro(), Momento()).rechazo, R::kNinguno);

    EXPECT_EQ(registro.CobrarTrabajo(ids[0] + 100, "2027-02-12", Momento()).rechazo, R::kFechaMala);
    const ResultadoCobroTrabajo r = registro.CobrarTrabajo(1, "2027-02-06", Momento(1));
    ASSERT_EQ(r.registro.estado, EstadoRegistro::kCorrecto);
    EXPECT_TRUE(r.bExiste);
    EXPECT_EQ(r.nCobrados, 1);
    EXPECT_EQ(r.nDevueltos, 1);
    EXPECT_EQ(r.nAnulados, 1);
    EXPECT_EQ(r.nSinDomiciliar, 3);
    EXPECT_EQ(r.nYaCobrados, 0);
    const std::vector<E> esperados = {E::kCobrado,   E::kCobrado, E::kDevuelto,
                                      E::kPendiente, E::kAnulado, E::kPendiente};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(Estado(registro, ids[i]), esperados[i]) << "receipt " << i + 1;
    }
    EXPECT_EQ(registro.Leer(ids[0])->estado.metodo, MetodoCobro::kDomiciliacion);
    EXPECT_EQ(registro.Leer(ids[0])->estado.sFecha, "2027-02-06");

    const ResultadoCobroTrabajo otraVez = registro.CobrarTrabajo(1, "", Momento(2));
    EXPECT_EQ(otraVez.nCobrados, 0);
    EXPECT_EQ(otraVez.nYaCobrados, 1);
    EXPECT_FALSE(registro.CobrarTrabajo(99, "", Momento()).bExiste);
}

TEST_F(EstadosRegistroTest, ListingsFilterByStatus) {
    CRegistro registro(Ruta());
    const std::vector<std::int64_t> ids = Registrar(registro, 1, 4, true);
    registro.CambiarEstado(ids[0], Devolucion(), Momento());
    registro.CambiarEstado(ids[1], Cobro(), Momento());
    registro.CambiarEstado(ids[3], Anulacion(), Momento());
    const std::pair<E, std::vector<std::int64_t>> filas[] = {
        {E::kDevuelto, {ids[0]}},
        {E::kCobrado, {ids[1]}},
        {E::kPendiente, {ids[2]}},
        {E::kAnulado, {ids[3]}},
    };
    for (const auto& [estado, esperados] : filas) {
        FiltroRegistro filtro;
        filtro.estado = estado;
        std::vector<std::int64_t> listados;
        registro.Recorrer(filtro, OrdenRegistro::kAntiguosPrimero,
                          [&](const ReciboRegistrado& r) { listados.push_back(r.nId); });
        EXPECT_EQ(listados, esperados) << NombreEstado(estado);
    }
    std::vector<std::int64_t> deudas;
    registro.RecorrerDeudas([&](const DeudaRegistrada& d) {
        deudas.push_back(d.nId);
        EXPECT_EQ(d.ajustes->sNombreMoneda, "Euro");
        EXPECT_EQ(d.sPagador1, "Pagador " + std::to_string(d.nId));
        EXPECT_EQ(d.cuTotal.Valor(), d.nId * 10000LL + 5000 - 1234);
    });
    EXPECT_EQ(deudas, (std::vector<std::int64_t>{ids[0], ids[2]}));
}

TEST_F(EstadosRegistroTest, AReceiptIsNamedByItsIdOrItsNumber) {
    CRegistro registro(Ruta());
    // Receipts 1 to 3 numbered "1", "2", "3"; then receipts 4 and 5 numbered "2x", "7".
    Registrar(registro, 1, 3, false);
    std::vector<ReciboRegistrado> otros = {ReciboDePrueba(2, "x"), ReciboDePrueba(7)};
    ASSERT_EQ(registro.Registrar(otros, Momento()).estado, EstadoRegistro::kCorrecto);
    const std::pair<const char*, std::vector<std::int64_t>> filas[] = {
        {"2x", {4}},  // a number only
        {"5", {5}},   // an id only
        {"7", {5}},   // the number of receipt 5
        {"3", {3}},   // id 3 and number 3 are one receipt
        {"9", {}},    // neither
        {"", {}},    {"1 OR 1=1", {}},
    };
    for (const auto& [s, esperados] : filas) {
        EXPECT_EQ(registro.RecibosQueNombra(s), esperados) << s;
    }
    std::vector<ReciboRegistrado> repetido = {ReciboDePrueba(1)};  // number "1" again
    ASSERT_EQ(registro.Registrar(repetido, Momento()).estado, EstadoRegistro::kCorrecto);
    EXPECT_EQ(registro.RecibosQueNombra("1"), (std::vector<std::int64_t>{1, 6}));
}

}  // namespace
