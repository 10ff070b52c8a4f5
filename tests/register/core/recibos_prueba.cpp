#include "tests/register/core/recibos_prueba.h"

#include <sqlite3.h>

#include "register/registro_sql.h"

namespace {

std::string Texto(const char* sBase, int n, const std::string& sClave) {
    return std::string(sBase) + " " + std::to_string(n) + sClave;
}

template <typename F>
void Consultar(const std::string& sRuta, const std::string& sSql, F&& fila) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(sRuta.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sSql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                fila(st);
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
}

std::string Columna(sqlite3_stmt* st, int n) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, n));
    return p != nullptr ? p : "";
}

}  // namespace

ReciboRegistrado ReciboDePrueba(int n, const std::string& sClave) {
    ReciboRegistrado r;
    ReciboData& d = r.recibo;
    d.sDNumero = "N\xBA";
    d.sDLocalidad = "Localidad";
    d.sDImporte = "Importe";
    d.sDFecha = "Fecha";
    d.sDVencimiento = "Vencimiento";
    d.sDDomicilio = "Domicilio";
    d.sDPagador = "Pagador";
    d.sDCobrador = "Cobrador";
    d.sNumero = std::to_string(n) + sClave;
    d.sLocalidad = "Le\xF3n";
    d.sFecha = Texto("1 de enero de", 2000 + n % 30, "");
    d.sVencimiento = "  al contado  ";
    d.sConcepto1 = Texto("Alquiler \x80", n, sClave);
    d.sConcepto2 = "Comunidad; \"agua\"";
    d.sConcepto6 = "l\xEDnea\r\nsegunda";
    d.cuI1.SetValor(n * 10000LL + 5000);
    d.cuI2.SetValor(-1234);
    d.cuImporte.SetValor(d.cuI1.Valor() + d.cuI2.Valor());
    d.sDomicilio = Texto("Calle Mayor", n, "");
    d.sPagador1 = Texto("Pagador", n, sClave);
    d.sPagador2 = "Mu\xF1oz";
    d.sCobrador1 = "Cobrador";
    r.ajustes = {"Euro", "\x80", 2, ",", ".", 3, 3, 8, ' '};
    r.sImportes[0] = std::to_string(n) + ",50";
    r.sImportes[1] = "-0,12";
    r.sTotal = std::to_string(n) + ",38 \x80";
    return r;
}

std::vector<ReciboRegistrado> TrabajoDePrueba(int nPrimero, int nRecibos,
                                              const std::string& sClave) {
    std::vector<ReciboRegistrado> trabajo;
    trabajo.reserve(static_cast<std::size_t>(nRecibos));
    for (int i = 0; i < nRecibos; ++i) {
        trabajo.push_back(ReciboDePrueba(nPrimero + i, sClave));
    }
    return trabajo;
}

std::string ComprobarIntegridad(const std::string& sRuta) {
    std::string s = "cannot open";
    Consultar(sRuta, "PRAGMA integrity_check", [&s](sqlite3_stmt* st) { s = Columna(st, 0); });
    return s;
}

std::int64_t ContarFilas(const std::string& sRuta, const std::string& sTabla) {
    std::int64_t n = -1;
    Consultar(sRuta, "SELECT count(*) FROM " + sTabla,
              [&n](sqlite3_stmt* st) { n = sqlite3_column_int64(st, 0); });
    return n;
}

std::int64_t TrabajosIncompletos(const std::string& sRuta) {
    std::int64_t n = -1;
    Consultar(sRuta,
              "SELECT count(*) FROM trabajos t WHERE t.recibos <> "
              "(SELECT count(*) FROM recibos r WHERE r.trabajo = t.id)",
              [&n](sqlite3_stmt* st) { n = sqlite3_column_int64(st, 0); });
    return n;
}

std::vector<std::string> NumerosRegistrados(const std::string& sRuta) {
    std::vector<std::string> numeros;
    Consultar(sRuta, "SELECT numero FROM recibos ORDER BY id",
              [&numeros](sqlite3_stmt* st) { numeros.push_back(Columna(st, 0)); });
    return numeros;
}

int RegistroVersionUno(const std::string& sRuta, int nRecibos) {
    return RegistroDeVersion(sRuta, 1, nRecibos);
}

int RegistroDeVersion(const std::string& sRuta, int nVersionPedida, int nRecibos) {
    sqlite3* db = nullptr;
    sqlite3_open(sRuta.c_str(), &db);
    registro::Migrar(db, nVersionPedida);
    const std::string sTrabajo =
        "INSERT INTO trabajos (id, emitido, recibos, nombre_moneda, simbolo, decimales, "
        "separador_decimal, separador_miles, tamano_grupo, modo_positivo, modo_negativo, relleno)"
        " VALUES (1, '2025-03-01 10:00:00', " +
        std::to_string(nRecibos) + ", 'Euro', 'E', 2, ',', '.', 3, 3, 8, 42)";
    registro::Ejecutar(db, sTrabajo.c_str());
    // Every column of the first version but the keys: texts from the order, amounts 1250.
    std::string sColumnas = "id, trabajo, orden", sValores = "?1, 1, ?1";
    {
        registro::Sentencia info(db, "PRAGMA table_info(recibos)");
        while (info.Paso()) {
            const std::string sNombre = info.Texto(1);
            if (sNombre != "id" && sNombre != "trabajo" && sNombre != "orden") {
                sColumnas += ", " + sNombre;
                sValores += info.Texto(2) == "INTEGER" ? ", 1250" : ", 'v1 ' || ?1";
            }
        }
    }
    const std::string sInsertar =
        "INSERT INTO recibos (" + sColumnas + ") VALUES (" + sValores + ")";
    for (int n = 1; n <= nRecibos; ++n) {
        registro::Sentencia st(db, sInsertar);
        st.Entero(1, n);
        st.Paso();
    }
    int nVersion = -1;
    {
        registro::Sentencia version(db, "PRAGMA user_version");
        nVersion = version.Paso() ? static_cast<int>(version.Entero(0)) : -1;
    }
    sqlite3_close(db);
    return nVersion;
}
