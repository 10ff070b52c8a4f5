// The SQLite wrappers of the register.
#include "register/registro_sql.h"

#include <ctime>

namespace registro {

void Fallar(sqlite3* db, int nCodigo) {
    throw ErrorSql{nCodigo, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(nCodigo)};
}

void Ejecutar(sqlite3* db, const char* sSql) {
    const int rc = sqlite3_exec(db, sSql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        Fallar(db, sqlite3_extended_errcode(db));
    }
}

Sentencia::Sentencia(sqlite3* db, const std::string& sSql) : m_db(db) {
    const int rc = sqlite3_prepare_v2(db, sSql.c_str(), -1, &m_st, nullptr);
    if (rc != SQLITE_OK) {
        Fallar(db, sqlite3_extended_errcode(db));
    }
}

Sentencia::~Sentencia() {
    sqlite3_finalize(m_st);
}

void Sentencia::Texto(int n, const std::string& s) {
    const std::string sUtf8 = Utf8De1252(s);
    if (sqlite3_bind_text(m_st, n, sUtf8.data(), static_cast<int>(sUtf8.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        Fallar(m_db, sqlite3_extended_errcode(m_db));
    }
}

void Sentencia::Entero(int n, std::int64_t v) {
    if (sqlite3_bind_int64(m_st, n, v) != SQLITE_OK) {
        Fallar(m_db, sqlite3_extended_errcode(m_db));
    }
}

void Sentencia::Nulo(int n) {
    if (sqlite3_bind_null(m_st, n) != SQLITE_OK) {
        Fallar(m_db, sqlite3_extended_errcode(m_db));
    }
}

void Sentencia::Bytes(int n, std::span<const std::uint8_t> bytes) {
    if (sqlite3_bind_blob64(m_st, n, bytes.data(), bytes.size(), SQLITE_STATIC) != SQLITE_OK) {
        Fallar(m_db, sqlite3_extended_errcode(m_db));
    }
}

bool Sentencia::Paso() {
    const int rc = sqlite3_step(m_st);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        Fallar(m_db, sqlite3_extended_errcode(m_db));
    }
    return false;
}

void Sentencia::Reiniciar() {
    sqlite3_reset(m_st);
}

std::string Sentencia::Texto(int n) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_st, n));
    return p != nullptr ? Cp1252DeUtf8(std::string(p, sqlite3_column_bytes(m_st, n))) : "";
}

std::int64_t Sentencia::Entero(int n) const {
    return sqlite3_column_int64(m_st, n);
}

bool Sentencia::EsNulo(int n) const {
    return sqlite3_column_type(m_st, n) == SQLITE_NULL;
}

std::span<const std::uint8_t> Sentencia::Bytes(int n) const {
    const auto* p = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_st, n));
    return {p, p != nullptr ? static_cast<std::size_t>(sqlite3_column_bytes(m_st, n)) : 0};
}

namespace {

constexpr std::array<const char*, kNumAjustes> kColumnasAjustes = {
    "nombre_moneda",     "simbolo",         "decimales",
    "separador_decimal", "separador_miles", "tamano_grupo",
    "modo_positivo",     "modo_negativo",   "relleno"};

}  // namespace

std::string ListaAjustes(const std::string& sPrefijo) {
    std::string s;
    for (const char* sColumna : kColumnasAjustes) {
        s += (s.empty() ? "" : ", ") + sPrefijo + sColumna;
    }
    return s;
}

AjustesMoneda LeerAjustes(const Sentencia& st, int n) {
    return {st.Texto(n),
            st.Texto(n + 1),
            static_cast<std::int32_t>(st.Entero(n + 2)),
            st.Texto(n + 3),
            st.Texto(n + 4),
            static_cast<std::int32_t>(st.Entero(n + 5)),
            static_cast<std::int32_t>(st.Entero(n + 6)),
            static_cast<std::int32_t>(st.Entero(n + 7)),
            static_cast<std::int32_t>(st.Entero(n + 8))};
}

std::string Momento(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char s[32];
    std::strftime(s, sizeof s, "%Y-%m-%d %H:%M:%S", &tm);
    return s;
}

void EnTransaccion(sqlite3* db, const std::function<void()>& escribir) {
    Ejecutar(db, "BEGIN IMMEDIATE");
    try {
        escribir();
        Ejecutar(db, "COMMIT");
    } catch (const ErrorSql&) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// The latest change of the receipt, found in the index of its changes.
const char* const kUnionEstado =
    " LEFT JOIN cambios_estado e ON e.id ="
    " (SELECT max(id) FROM cambios_estado WHERE recibo = r.id)";
const char* const kColumnasEstado = "e.estado, e.fecha, e.metodo, e.motivo, e.anotado";

CambioEstado LeerEstado(const Sentencia& st, int n, std::int64_t nRecibo) {
    CambioEstado c;
    c.nRecibo = nRecibo;
    if (st.EsNulo(n)) {
        return c;  // never changed: pendiente
    }
    c.estado = EstadoDeNombre(st.Texto(n)).value_or(EstadoCobro::kPendiente);
    c.sFecha = st.Texto(n + 1);
    c.metodo = MetodoDeNombre(st.Texto(n + 2)).value_or(MetodoCobro::kNinguno);
    c.sMotivo = st.Texto(n + 3);
    c.sAnotado = st.Texto(n + 4);
    return c;
}

const std::array<ColumnaTexto, 25> kColumnasTexto = {{
    {"numero", &ReciboData::sNumero},
    {"localidad", &ReciboData::sLocalidad},
    {"fecha", &ReciboData::sFecha},
    {"vencimiento", &ReciboData::sVencimiento},
    {"concepto_1", &ReciboData::sConcepto1},
    {"concepto_2", &ReciboData::sConcepto2},
    {"concepto_3", &ReciboData::sConcepto3},
    {"concepto_4", &ReciboData::sConcepto4},
    {"concepto_5", &ReciboData::sConcepto5},
    {"concepto_6", &ReciboData::sConcepto6},
    {"domicilio", &ReciboData::sDomicilio},
    {"pagador_1", &ReciboData::sPagador1},
    {"pagador_2", &ReciboData::sPagador2},
    {"pagador_3", &ReciboData::sPagador3},
    {"cobrador_1", &ReciboData::sCobrador1},
    {"cobrador_2", &ReciboData::sCobrador2},
    {"cobrador_3", &ReciboData::sCobrador3},
    {"etiqueta_numero", &ReciboData::sDNumero},
    {"etiqueta_localidad", &ReciboData::sDLocalidad},
    {"etiqueta_importe", &ReciboData::sDImporte},
    {"etiqueta_fecha", &ReciboData::sDFecha},
    {"etiqueta_vencimiento", &ReciboData::sDVencimiento},
    {"etiqueta_domicilio", &ReciboData::sDDomicilio},
    {"etiqueta_pagador", &ReciboData::sDPagador},
    {"etiqueta_cobrador", &ReciboData::sDCobrador},
}};

const std::array<ColumnaImporte, 6> kColumnasImporte = {{
    {"importe_1", &ReciboData::cuI1},
    {"importe_2", &ReciboData::cuI2},
    {"importe_3", &ReciboData::cuI3},
    {"importe_4", &ReciboData::cuI4},
    {"importe_5", &ReciboData::cuI5},
    {"importe_6", &ReciboData::cuI6},
}};

}  // namespace registro
