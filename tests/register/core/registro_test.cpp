// The register's file and queries: what a job keeps, how listings filter and order, the
// schema's version, and the rules the tables enforce.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <ctime>

#include "register/registro.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

bool Existe(const std::string& sRuta) {
    return access(sRuta.c_str(), F_OK) == 0;
}

std::time_t Dia(int nAno, int nMes, int nDia, int nHora = 12) {
    std::tm tm{};
    tm.tm_year = nAno - 1900;
    tm.tm_mon = nMes - 1;
    tm.tm_mday = nDia;
    tm.tm_hour = nHora;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

class RegistroTest : public ::testing::Test {
  protected:
    std::string Ruta() const { return m_carpeta.Ruta() + "/registro.sqlite"; }

    std::vector<std::string> Numeros(const FiltroRegistro& filtro,
                                     OrdenRegistro orden = OrdenRegistro::kRecientesPrimero) {
        std::vector<std::string> numeros;
        CRegistro registro(Ruta());
        registro.Recorrer(filtro, orden, [&numeros](const ReciboRegistrado& r) {
            numeros.push_back(r.recibo.sNumero);
        });
        return numeros;
    }

    void Registrar(std::vector<ReciboRegistrado> trabajo, std::time_t momento) {
        CRegistro registro(Ruta());
        ASSERT_EQ(registro.Registrar(trabajo, momento).estado, EstadoRegistro::kCorrecto);
    }

    int Ejecutar(const std::string& sSql) {
        sqlite3* db = nullptr;
        sqlite3_open(Ruta().c_str(), &db);
        sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
        const int rc = sqlite3_exec(db, sSql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return rc;
    }

    CarpetaTemporal m_carpeta;
};

TEST_F(RegistroTest, LiesBesideTheSettingsFile) {
    EXPECT_EQ(RutaRegistro(), m_carpeta.Ruta() + "/registro.sqlite");
    CRegistro registro;
    std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(1, 1);
    EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kCorrecto);
    EXPECT_EQ(ContarFilas(RutaRegistro(), "recibos"), 1);
}

// Every text, label, amount, printed amount and currency setting comes back as it went in,
// Windows-1252 bytes included; the file holds them as UTF-8.
TEST_F(RegistroTest, AJobComesBackWhole) {
    std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(7, 3);
    std::string sTodos;
    for (int c = 1; c < 256; ++c) {
        sTodos += static_cast<char>(c);
    }
    trabajo[1].recibo.sDomicilio = sTodos;
    trabajo[2].recibo.cuI6.SetValor(INT64_MIN + 1);
    {
        CRegistro registro(Ruta());
        ASSERT_EQ(registro.Registrar(trabajo, Dia(2026, 3, 4, 10)).estado,
                  EstadoRegistro::kCorrecto);
    }
    CRegistro registro(Ruta());
    for (const ReciboRegistrado& esperado : trabajo) {
        const std::optional<ReciboRegistrado> leido = registro.Leer(esperado.nId);
        ASSERT_TRUE(leido.has_value());
        EXPECT_EQ(*leido, esperado);
        EXPECT_EQ(leido->sEmitido, "2026-03-04 10:00:00");
    }
    EXPECT_FALSE(registro.Leer(trabajo.back().nId + 1).has_value());
    EXPECT_EQ(Cp1252DeUtf8(Utf8De1252(sTodos)), sTodos);
    EXPECT_EQ(ContarFilas(Ruta(), "trabajos"), 1);
}

TEST_F(RegistroTest, FiltersAndOrder) {
    Registrar(TrabajoDePrueba(1, 2, "/A"), Dia(2026, 1, 31, 23));  // 1/A, 2/A
    Registrar(TrabajoDePrueba(3, 1, "/B"), Dia(2026, 2, 1, 0));    // 3/B
    Registrar(TrabajoDePrueba(14, 2, "/C"), Dia(2026, 2, 15));     // 14/C, 15/C
    std::vector<ReciboRegistrado> raro = TrabajoDePrueba(5, 1, "%_");
    raro[0].recibo.sPagador3 = "MU\xD1OZ 100%";
    Registrar(raro, Dia(2026, 3, 1));  // 5%_

    struct Caso {
        FiltroRegistro filtro;
        std::vector<std::string> numeros;
    };
    const Caso casos[] = {
        {{}, {"5%_", "15/C", "14/C", "3/B", "2/A", "1/A"}},
        {{"2026-02-01", "", "", ""}, {"5%_", "15/C", "14/C", "3/B"}},
        {{"", "2026-01-31", "", ""}, {"2/A", "1/A"}},
        {{"2026-02-01", "2026-02-15", "", ""}, {"15/C", "14/C", "3/B"}},
        {{"", "", "pagador 1", ""}, {"15/C", "14/C", "1/A"}},  // either case, any part
        {{"", "", "mu\xF1oz 100", ""}, {"5%_"}},               // accented capitals too
        {{"", "", "PAGADOR 14/c", ""}, {"14/C"}},
        {{"", "", "100%", ""}, {"5%_"}},  // a wildcard is a plain character
        {{"", "", "%", ""}, {"5%_"}},
        {{"", "", "", "_"}, {"5%_"}},
        {{"", "", "", "/C"}, {"15/C", "14/C"}},
        {{"2026-02-01", "", "mu\xF1oz", "1"}, {"15/C", "14/C"}},
        {{"", "", "nadie", ""}, {}},
        {{"", "", "", "", 2}, {"5%_", "15/C"}},  // the first ones only
        {{"", "", "pagador 1", "", 1}, {"15/C"}},
        {{"", "", "", "", 0}, {}},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Numeros(c.filtro), c.numeros) << c.filtro.sDesde << "|" << c.filtro.sHasta << "|"
                                                << c.filtro.sPagador << "|" << c.filtro.sNumero;
    }
    EXPECT_EQ(Numeros({}, OrdenRegistro::kAntiguosPrimero),
              (std::vector<std::string>{"1/A", "2/A", "3/B", "14/C", "15/C", "5%_"}));
    EXPECT_EQ(Numeros({"", "", "", "", 2}, OrdenRegistro::kAntiguosPrimero),
              (std::vector<std::string>{"1/A", "2/A"}));
}

TEST_F(RegistroTest, LatestWithANumberInAYear) {
    std::vector<ReciboRegistrado> r = TrabajoDePrueba(1, 1);
    Registrar(r, Dia(2025, 12, 31));
    Registrar(r, Dia(2026, 5, 2));
    Registrar(r, Dia(2026, 7, 3));
    Registrar(TrabajoDePrueba(11, 1), Dia(2026, 8, 1));
    CRegistro registro(Ruta());
    const std::optional<ReciboRegistrado> ultimo = registro.UltimoConNumero("1", 2026);
    ASSERT_TRUE(ultimo.has_value());
    EXPECT_EQ(ultimo->sEmitido, "2026-07-03 12:00:00");
    EXPECT_EQ(registro.UltimoConNumero("1", 2025)->sEmitido, "2025-12-31 12:00:00");
    EXPECT_FALSE(registro.UltimoConNumero("1", 2024).has_value());
    EXPECT_FALSE(registro.UltimoConNumero("", 2026).has_value());
}

TEST_F(RegistroTest, AJobNeedsReceiptsUnderOneSetOfSettings) {
    CRegistro registro(Ruta());
    std::vector<ReciboRegistrado> vacio;
    EXPECT_EQ(registro.Registrar(vacio).estado, EstadoRegistro::kFallo);
    std::vector<ReciboRegistrado> mezclado = TrabajoDePrueba(1, 2);
    mezclado[1].ajustes.nDecimales = 0;
    EXPECT_EQ(registro.Registrar(mezclado).estado, EstadoRegistro::kFallo);
    EXPECT_EQ(ContarFilas(Ruta(), "recibos"), 0);
}

TEST_F(RegistroTest, WriteAheadLogAndSchemaVersion) {
    { CRegistro registro(Ruta()); }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Ruta().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "wal");
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &st, nullptr);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 4);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

// Once the last connection to it has closed, the file alone holds every job: a copy of it taken
// without its log (as a user backs it up) has them all, and no log is left beside it.
TEST_F(RegistroTest, TheFileAloneHoldsTheRegisterOnceTheLastConnectionCloses) {
    const std::string sCopia = m_carpeta.Ruta() + "/copia.sqlite";
    const auto copiarSolo = [&] {
        PonerBytes(sCopia, BytesDe(Ruta()));
        return ContarFilas(sCopia, "recibos");
    };
    Registrar(TrabajoDePrueba(1, 2), Dia(2026, 1, 1));
    EXPECT_EQ(copiarSolo(), 2);
    EXPECT_FALSE(Existe(Ruta() + "-wal"));
    {
        CRegistro primero(Ruta());
        {
            CRegistro segundo(Ruta());
            std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(3, 3);
            ASSERT_EQ(segundo.Registrar(trabajo).estado, EstadoRegistro::kCorrecto);
        }
        EXPECT_EQ(ContarFilas(Ruta(), "recibos"), 5);  // in the log while another reads
        std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(6, 1);
        ASSERT_EQ(primero.Registrar(trabajo).estado, EstadoRegistro::kCorrecto);
    }
    EXPECT_EQ(copiarSolo(), 6);
    EXPECT_FALSE(Existe(Ruta() + "-wal"));
    EXPECT_EQ(ComprobarIntegridad(sCopia), "ok");
}

// Receipts belong to a job that exists, in positions from 1, once each; dates are dates.
TEST_F(RegistroTest, TheTablesKeepTheirRules) {
    Registrar(TrabajoDePrueba(1, 1), Dia(2026, 1, 1));
    const std::string sColumnas =
        "trabajo, orden, numero, localidad, fecha, vencimiento, concepto_1, concepto_2, "
        "concepto_3, concepto_4, concepto_5, concepto_6, importe_1, importe_2, importe_3, "
        "importe_4, importe_5, importe_6, texto_importe_1, texto_importe_2, texto_importe_3, "
        "texto_importe_4, texto_importe_5, texto_importe_6, total, texto_total, domicilio, "
        "pagador_1, pagador_2, pagador_3, cobrador_1, cobrador_2, cobrador_3, etiqueta_numero, "
        "etiqueta_localidad, etiqueta_importe, etiqueta_fecha, etiqueta_vencimiento, "
        "etiqueta_domicilio, etiqueta_pagador, etiqueta_cobrador, pagador_busqueda";
    const auto Fila = [&](const std::string& sTrabajo, const std::string& sOrden,
                          const std::string& sImporte) {
        std::string s = "INSERT INTO recibos (" + sColumnas + ") VALUES (" + sTrabajo + ", " +
                        sOrden + ", 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', " + sImporte +
                        ", 0, 0, 0, 0, 0";
        for (int i = 0; i < 6; ++i) {
            s += ", 'x'";
        }
        s += ", 0";
        for (int i = 0; i < 17; ++i) {
            s += ", 'x'";
        }
        return s + ")";
    };
    EXPECT_EQ(Ejecutar(Fila("1", "2", "0")), SQLITE_OK);
    EXPECT_EQ(Ejecutar(Fila("1", "2", "0")) & 0xFF, SQLITE_CONSTRAINT);      // position taken
    EXPECT_EQ(Ejecutar(Fila("1", "0", "0")) & 0xFF, SQLITE_CONSTRAINT);      // no position 0
    EXPECT_EQ(Ejecutar(Fila("99", "1", "0")) & 0xFF, SQLITE_CONSTRAINT);     // no such job
    EXPECT_EQ(Ejecutar(Fila("1", "3", "'1,5'")) & 0xFF, SQLITE_CONSTRAINT);  // amount text
    const std::string sTrabajo =
        "INSERT INTO trabajos (emitido, recibos, nombre_moneda, simbolo, decimales, "
        "separador_decimal, separador_miles, tamano_grupo, modo_positivo, modo_negativo, "
        "relleno) VALUES ('";
    EXPECT_EQ(Ejecutar(sTrabajo + "2026-01-01 10:00:00', 1, '', '', 2, '', '', 3, 0, 0, 32)"),
              SQLITE_OK);
    EXPECT_EQ(Ejecutar(sTrabajo + "ayer', 1, '', '', 2, '', '', 3, 0, 0, 32)") & 0xFF,
              SQLITE_CONSTRAINT);
    EXPECT_EQ(
        Ejecutar(sTrabajo + "2026-01-01 10:00:00', 0, '', '', 2, '', '', 3, 0, 0, 32)") & 0xFF,
        SQLITE_CONSTRAINT);
}

// A register of an unknown later version is neither changed nor replaced.
TEST_F(RegistroTest, ANewerRegisterIsLeftAlone) {
    { CRegistro registro(Ruta()); }
    ASSERT_EQ(Ejecutar("PRAGMA user_version = 7"), SQLITE_OK);
    CRegistro registro(Ruta());
    EXPECT_EQ(registro.Apertura().estado, EstadoRegistro::kFallo);
    EXPECT_NE(registro.Apertura().sError.find("newer"), std::string::npos);
    std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(1, 1);
    EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kFallo);
    EXPECT_EQ(ContarFilas(Ruta(), "recibos"), 0);
}

}  // namespace
