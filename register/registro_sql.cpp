// The SQLite wrappers of the register.
#include "register/registro_sql.h"

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

void Sentencia::Bytes(int n, const std::vector<std::uint8_t>& bytes) {
    if (sqlite3_bind_blob64(m_st, n, bytes.data(), bytes.size(), SQLITE_TRANSIENT) != SQLITE_OK) {
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

std::vector<std::uint8_t> Sentencia::Bytes(int n) const {
    const auto* p = static_cast<const std::uint8_t*>(sqlite3_column_blob(m_st, n));
    return p != nullptr ? std::vector<std::uint8_t>(p, p + sqlite3_column_bytes(m_st, n))
                        : std::vector<std::uint8_t>();
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
