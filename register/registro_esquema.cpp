// The register's schema and its migrations. The version sits in PRAGMA user_version; each step
// takes a register one version up, inside the transaction that opens it.
#include <algorithm>
#include <array>

#include "register/registro_sql.h"

namespace registro {

namespace {

// Version 1: print jobs with the currency settings they were printed under, and their
// receipts in job order, each with its texts, labels, amounts and printed amounts and its
// payer lines in small letters for the search; an index that the payer and number searches
// scan instead of the receipts; the day of the last full check.
void CrearVersion1(sqlite3* db) {
    Ejecutar(db, R"sql(
CREATE TABLE trabajos (
    id INTEGER PRIMARY KEY,
    emitido TEXT NOT NULL CHECK (emitido GLOB
        '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9]'),
    recibos INTEGER NOT NULL CHECK (recibos >= 1),
    nombre_moneda TEXT NOT NULL,
    simbolo TEXT NOT NULL,
    decimales INTEGER NOT NULL,
    separador_decimal TEXT NOT NULL,
    separador_miles TEXT NOT NULL,
    tamano_grupo INTEGER NOT NULL,
    modo_positivo INTEGER NOT NULL,
    modo_negativo INTEGER NOT NULL,
    relleno INTEGER NOT NULL
) STRICT;
CREATE INDEX trabajos_emitido ON trabajos (emitido);
CREATE TABLE recibos (
    id INTEGER PRIMARY KEY,
    trabajo INTEGER NOT NULL REFERENCES trabajos (id) ON DELETE CASCADE,
    orden INTEGER NOT NULL CHECK (orden >= 1),
    numero TEXT NOT NULL,
    localidad TEXT NOT NULL,
    fecha TEXT NOT NULL,
    vencimiento TEXT NOT NULL,
    concepto_1 TEXT NOT NULL, concepto_2 TEXT NOT NULL, concepto_3 TEXT NOT NULL,
    concepto_4 TEXT NOT NULL, concepto_5 TEXT NOT NULL, concepto_6 TEXT NOT NULL,
    importe_1 INTEGER NOT NULL, importe_2 INTEGER NOT NULL, importe_3 INTEGER NOT NULL,
    importe_4 INTEGER NOT NULL, importe_5 INTEGER NOT NULL, importe_6 INTEGER NOT NULL,
    texto_importe_1 TEXT NOT NULL, texto_importe_2 TEXT NOT NULL,
    texto_importe_3 TEXT NOT NULL, texto_importe_4 TEXT NOT NULL,
    texto_importe_5 TEXT NOT NULL, texto_importe_6 TEXT NOT NULL,
    total INTEGER NOT NULL,
    texto_total TEXT NOT NULL,
    domicilio TEXT NOT NULL,
    pagador_1 TEXT NOT NULL, pagador_2 TEXT NOT NULL, pagador_3 TEXT NOT NULL,
    cobrador_1 TEXT NOT NULL, cobrador_2 TEXT NOT NULL, cobrador_3 TEXT NOT NULL,
    etiqueta_numero TEXT NOT NULL,
    etiqueta_localidad TEXT NOT NULL,
    etiqueta_importe TEXT NOT NULL,
    etiqueta_fecha TEXT NOT NULL,
    etiqueta_vencimiento TEXT NOT NULL,
    etiqueta_domicilio TEXT NOT NULL,
    etiqueta_pagador TEXT NOT NULL,
    etiqueta_cobrador TEXT NOT NULL,
    pagador_busqueda TEXT NOT NULL,
    UNIQUE (trabajo, orden)
) STRICT;
CREATE INDEX recibos_numero ON recibos (numero);
CREATE INDEX recibos_busqueda ON recibos (pagador_busqueda, numero);
CREATE TABLE comprobacion (
    id INTEGER PRIMARY KEY CHECK (id = 1),
    dia TEXT NOT NULL
) STRICT;
INSERT INTO comprobacion (id, dia) VALUES (1, '');
)sql");
}

// Version 2: each job's look (colour, pattern, free texts, amount in words; NULL in the jobs
// registered before), its logo kept once per distinct picture, found by a hash of its pixels.
void AnadirApariencias(sqlite3* db) {
    Ejecutar(db, R"sql(
CREATE TABLE logos (
    id INTEGER PRIMARY KEY,
    huella INTEGER NOT NULL,
    ancho INTEGER NOT NULL CHECK (ancho > 0),
    alto INTEGER NOT NULL CHECK (alto > 0),
    pixeles BLOB NOT NULL CHECK (length(pixeles) = 4 * ancho * alto)
) STRICT;
CREATE INDEX logos_huella ON logos (huella);
ALTER TABLE trabajos ADD COLUMN color INTEGER;
ALTER TABLE trabajos ADD COLUMN rayado INTEGER;
ALTER TABLE trabajos ADD COLUMN texto_libre_1 TEXT;
ALTER TABLE trabajos ADD COLUMN texto_libre_2 TEXT;
ALTER TABLE trabajos ADD COLUMN texto_libre_3 TEXT;
ALTER TABLE trabajos ADD COLUMN importe_en_letra INTEGER;
ALTER TABLE trabajos ADD COLUMN logo INTEGER REFERENCES logos (id);
)sql");
}

// Version 3: each receipt of a job with a remittance keeps its debtor's data (empty in the
// receipts of older jobs), and every remittance written for a job is kept, the latest last.
void AnadirRemesas(sqlite3* db) {
    Ejecutar(db, R"sql(
ALTER TABLE recibos ADD COLUMN iban TEXT NOT NULL DEFAULT '';
ALTER TABLE recibos ADD COLUMN bic TEXT NOT NULL DEFAULT '';
ALTER TABLE recibos ADD COLUMN mandato TEXT NOT NULL DEFAULT '';
ALTER TABLE recibos ADD COLUMN fecha_mandato TEXT NOT NULL DEFAULT '';
ALTER TABLE recibos ADD COLUMN secuencia TEXT NOT NULL DEFAULT '';
ALTER TABLE recibos ADD COLUMN titular TEXT NOT NULL DEFAULT '';
CREATE TABLE remesas (
    id INTEGER PRIMARY KEY,
    trabajo INTEGER NOT NULL REFERENCES trabajos (id) ON DELETE CASCADE,
    msgid TEXT NOT NULL UNIQUE,
    fecha_cobro TEXT NOT NULL CHECK (fecha_cobro GLOB
        '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    escrita TEXT NOT NULL
) STRICT;
CREATE INDEX remesas_trabajo ON remesas (trabajo, id);
)sql");
}

// Version 4: the collection status of each receipt, as the changes recorded for it, the
// latest last; a receipt without any is pendiente (so every receipt registered before is).
// Changes are only ever added: the triggers refuse to rewrite or remove one. The receipt keeps
// its current status beside it, set by a trigger in the change's own transaction, and an
// index of the owed ones' payer, due date and total that the debts report reads alone.
void AnadirEstados(sqlite3* db) {
    Ejecutar(db, R"sql(
CREATE TABLE cambios_estado (
    id INTEGER PRIMARY KEY,
    recibo INTEGER NOT NULL REFERENCES recibos (id),
    estado TEXT NOT NULL CHECK (estado IN ('pendiente', 'cobrado', 'devuelto', 'anulado')),
    fecha TEXT NOT NULL CHECK (fecha GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    metodo TEXT NOT NULL CHECK (metodo IN ('', 'efectivo', 'transferencia', 'domiciliacion')),
    motivo TEXT NOT NULL,
    anotado TEXT NOT NULL
) STRICT;
CREATE INDEX cambios_estado_recibo ON cambios_estado (recibo, id);
CREATE TRIGGER cambios_estado_sin_reescribir BEFORE UPDATE ON cambios_estado
BEGIN SELECT RAISE(ABORT, 'a status change is never rewritten'); END;
CREATE TRIGGER cambios_estado_sin_borrar BEFORE DELETE ON cambios_estado
BEGIN SELECT RAISE(ABORT, 'a status change is never removed'); END;
ALTER TABLE recibos ADD COLUMN estado TEXT NOT NULL DEFAULT 'pendiente';
CREATE TRIGGER cambios_estado_actual AFTER INSERT ON cambios_estado
BEGIN UPDATE recibos SET estado = NEW.estado WHERE id = NEW.recibo; END;
CREATE INDEX recibos_deudas ON recibos (estado, pagador_1, vencimiento, total, trabajo);
)sql");
}

using PasoMigracion = void (*)(sqlite3*);
constexpr std::array<PasoMigracion, 4> kPasos = {CrearVersion1, AnadirApariencias, AnadirRemesas,
                                                 AnadirEstados};

int VersionDe(sqlite3* db) {
    Sentencia st(db, "PRAGMA user_version");
    return st.Paso() ? static_cast<int>(st.Entero(0)) : 0;
}

bool TieneTablas(sqlite3* db) {
    Sentencia st(db, "SELECT count(*) FROM sqlite_schema");
    return st.Paso() && st.Entero(0) > 0;
}

}  // namespace

int VersionActual() {
    return static_cast<int>(kPasos.size());
}

void ComprobarVersion(sqlite3* db) {
    const int nVersion = VersionDe(db);
    if (nVersion == 0 && TieneTablas(db)) {
        throw ErrorSql{SQLITE_NOTADB, "the file holds tables that are not a register"};
    }
    if (nVersion < 0) {  // no register was ever given a version below the first
        throw ErrorSql{SQLITE_NOTADB, "the file's version is not a register's"};
    }
    if (nVersion > VersionActual()) {
        throw ErrorSql{SQLITE_ERROR, "the register was written by a newer program (version " +
                                         std::to_string(nVersion) + ")"};
    }
}

bool ComprobacionPendiente(sqlite3* db, const std::string& sHoy) {
    if (VersionDe(db) == 0) {
        return false;  // nothing in it yet
    }
    try {
        Sentencia dia(db, "SELECT dia FROM comprobacion");
        return !dia.Paso() || dia.Texto(0) != sHoy;
    } catch (const ErrorSql& e) {
        throw ErrorSql{e.Danado() ? e.nCodigo : SQLITE_CORRUPT, "the register lacks its tables"};
    }
}

bool EscribeAlAbrir(sqlite3* db) {
    Sentencia modo(db, "PRAGMA journal_mode");
    return VersionDe(db) < VersionActual() || !modo.Paso() || modo.Texto(0) != "wal";
}

void AnotarComprobacion(sqlite3* db, const std::string& sHoy) {
    Sentencia st(db, "UPDATE comprobacion SET dia = ?1");
    st.Texto(1, sHoy);
    st.Paso();
}

// Brings a checked register up to this program's version; an up-to-date one is not written to.
void Migrar(sqlite3* db, int nHasta) {
    if (VersionDe(db) >= nHasta) {
        return;
    }
    Ejecutar(db, "BEGIN IMMEDIATE");
    try {
        ComprobarVersion(db);  // another process may have migrated meanwhile
        const int nVersion = VersionDe(db);
        for (int n = nVersion; n < nHasta; ++n) {
            kPasos[n](db);
        }
        Ejecutar(db,
                 ("PRAGMA user_version = " + std::to_string(std::max(nVersion, nHasta))).c_str());
        Ejecutar(db, "COMMIT");
    } catch (const ErrorSql&) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace registro
