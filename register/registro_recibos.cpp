// Writing print jobs into the register and reading receipts back.
#include <array>
#include <string>

#include "register/registro.h"
#include "register/registro_sql.h"
#include "settings/texto1252.h"

using namespace registro;

namespace {

std::string Lista(const std::string& sPrefijo) {
    std::string s;
    for (const ColumnaTexto& c : kColumnasTexto) {
        s += sPrefijo + c.sColumna + ", ";
    }
    for (const ColumnaImporte& c : kColumnasImporte) {
        s += sPrefijo + c.sColumna + ", ";
        s += sPrefijo + "texto_" + c.sColumna + ", ";
    }
    s += sPrefijo + "total, " + sPrefijo + "texto_total";
    for (const ColumnaDeudor& c : kColumnasDeudor) {
        s += ", " + sPrefijo + Minusculas1252(std::string(c.sNombre));
    }
    return s;
}

constexpr int kNumColumnasRecibo = 25 + 2 * 6 + 2 + static_cast<int>(kColumnasDeudor.size());

std::string Parametros(int nPrimero, int nCuantos) {
    std::string s;
    for (int i = 0; i < nCuantos; ++i) {
        s += (i > 0 ? ", ?" : "?") + std::to_string(nPrimero + i);
    }
    return s;
}

const std::string& SqlTrabajo() {
    static const std::string s = "INSERT INTO trabajos (emitido, recibos, " + ListaAjustes("") +
                                 ", " + kColumnasApariencia + ") VALUES (" +
                                 Parametros(1, 2 + kNumAjustes + kNumColumnasApariencia) + ")";
    return s;
}

const std::string& SqlRecibo() {
    static const std::string s = "INSERT INTO recibos (trabajo, orden, " + Lista("") +
                                 ", pagador_busqueda) VALUES (" +
                                 Parametros(1, 3 + kNumColumnasRecibo) + ")";
    return s;
}

// Receipts with their job's date and settings, and the job's latest remittance for those it
// debits, and its current status; the filters of FiltroRegistro as ?1 to ?4 and ?6 (and its
// limit as ?5).
std::string SqlConsulta(const std::string& sCondicion, const std::string& sOrden) {
    return "SELECT r.id, t.emitido, " + ListaAjustes("t.") + ", " + Lista("r.") +
           ", r.trabajo, m.msgid, m.fecha_cobro, " + kColumnasEstado +
           " FROM recibos r JOIN trabajos t ON t.id = r.trabajo"
           " LEFT JOIN remesas m ON r.iban <> '' AND m.id ="
           " (SELECT max(id) FROM remesas WHERE trabajo = r.trabajo)" +
           kUnionEstado + " WHERE " + sCondicion + " ORDER BY r.id " + sOrden;
}

// The texts are searched in the narrow index of payers and numbers, not in the receipts.
constexpr const char* kCondicionFiltro =
    "(?1 = '' OR t.emitido >= ?1) AND (?2 = '' OR substr(t.emitido, 1, 10) <= ?2) AND "
    "r.id IN (SELECT b.id FROM recibos b INDEXED BY recibos_busqueda WHERE "
    "(?3 = '' OR instr(b.pagador_busqueda, ?3) > 0) AND "
    "(?4 = '' OR b.numero LIKE ?4 ESCAPE '\\')) AND "
    "(?6 = '' OR r.estado = ?6)";

// A text to look for anywhere, its LIKE wildcards taken literally.
std::string Contiene(const std::string& s) {
    if (s.empty()) {
        return s;
    }
    std::string sPatron = "%";
    for (char c : s) {
        if (c == '%' || c == '_' || c == '\\') {
            sPatron += '\\';
        }
        sPatron += c;
    }
    return sPatron + "%";
}

void PonerAjustes(Sentencia& st, int n, const AjustesMoneda& a) {
    st.Texto(n, a.sNombreMoneda);
    st.Texto(n + 1, a.sSimbolo);
    st.Entero(n + 2, a.nDecimales);
    st.Texto(n + 3, a.sSeparadorDecimal);
    st.Texto(n + 4, a.sSeparadorMiles);
    st.Entero(n + 5, a.nTamanoGrupo);
    st.Entero(n + 6, a.nModoPositivo);
    st.Entero(n + 7, a.nModoNegativo);
    st.Entero(n + 8, a.nRelleno);
}

void PonerRecibo(Sentencia& st, int n, const ReciboRegistrado& r) {
    for (const ColumnaTexto& c : kColumnasTexto) {
        st.Texto(n++, r.recibo.*c.pMiembro);
    }
    for (std::size_t i = 0; i < kColumnasImporte.size(); ++i) {
        st.Entero(n++, (r.recibo.*kColumnasImporte[i].pMiembro).Valor());
        st.Texto(n++, r.sImportes[i]);
    }
    st.Entero(n++, r.recibo.cuImporte.Valor());
    st.Texto(n++, r.sTotal);
    for (const ColumnaDeudor& c : kColumnasDeudor) {
        st.Texto(n++, r.deudor.*c.pMiembro);
    }
    st.Texto(n, Minusculas1252(r.recibo.sPagador1 + "\n" + r.recibo.sPagador2 + "\n" +
                               r.recibo.sPagador3));
}

ReciboRegistrado LeerFila(const Sentencia& st) {
    ReciboRegistrado r;
    r.nId = st.Entero(0);
    r.sEmitido = st.Texto(1);
    r.ajustes = LeerAjustes(st, 2);
    int n = 2 + kNumAjustes;
    for (const ColumnaTexto& c : kColumnasTexto) {
        r.recibo.*c.pMiembro = st.Texto(n++);
    }
    for (std::size_t i = 0; i < kColumnasImporte.size(); ++i) {
        (r.recibo.*kColumnasImporte[i].pMiembro).SetValor(st.Entero(n++));
        r.sImportes[i] = st.Texto(n++);
    }
    r.recibo.cuImporte.SetValor(st.Entero(n++));
    r.sTotal = st.Texto(n++);
    for (const ColumnaDeudor& c : kColumnasDeudor) {
        r.deudor.*c.pMiembro = st.Texto(n++);
    }
    r.nTrabajo = st.Entero(n++);
    if (std::string sMsgId = st.Texto(n++); !sMsgId.empty()) {
        r.remesa = RemesaRegistrada{std::move(sMsgId), st.Texto(n)};
    }
    r.estado = LeerEstado(st, n + 1, r.nId);
    return r;
}

void InsertarRemesa(sqlite3* db, std::int64_t nTrabajo, const RemesaRegistrada& remesa,
                    const std::string& sEscrita) {
    Sentencia st(
        db, "INSERT INTO remesas (trabajo, msgid, fecha_cobro, escrita) VALUES (?1, ?2, ?3, ?4)");
    st.Entero(1, nTrabajo);
    st.Texto(2, remesa.sMsgId);
    st.Texto(3, remesa.sFechaCobro);
    st.Texto(4, sEscrita);
    st.Paso();
}

void InsertarTrabajo(sqlite3* db, std::vector<ReciboRegistrado>& recibos,
                     const std::string& sEmitido, const std::optional<RemesaRegistrada>& remesa) {
    Sentencia trabajo(db, SqlTrabajo());
    trabajo.Texto(1, sEmitido);
    trabajo.Entero(2, static_cast<std::int64_t>(recibos.size()));
    PonerAjustes(trabajo, 3, recibos.front().ajustes);
    PonerApariencia(db, trabajo, 3 + kNumAjustes, recibos.front().apariencia);
    trabajo.Paso();
    const std::int64_t nTrabajo = sqlite3_last_insert_rowid(db);
    Sentencia recibo(db, SqlRecibo());
    for (std::size_t i = 0; i < recibos.size(); ++i) {
        recibo.Entero(1, nTrabajo);
        recibo.Entero(2, static_cast<std::int64_t>(i + 1));
        PonerRecibo(recibo, 3, recibos[i]);
        recibo.Paso();
        recibo.Reiniciar();
        recibos[i].nId = sqlite3_last_insert_rowid(db);
        recibos[i].nTrabajo = nTrabajo;
        recibos[i].sEmitido = sEmitido;
        recibos[i].estado = CambioEstado{};
        recibos[i].estado.nRecibo = recibos[i].nId;
        recibos[i].remesa.reset();
        if (remesa && recibos[i].deudor.Domiciliado()) {
            recibos[i].remesa = remesa;
        }
    }
    if (remesa) {
        InsertarRemesa(db, nTrabajo, *remesa, sEmitido);
    }
}

bool MismosAjustes(const std::vector<ReciboRegistrado>& recibos) {
    for (const ReciboRegistrado& r : recibos) {
        if (!(r.ajustes == recibos.front().ajustes) ||
            !(r.apariencia == recibos.front().apariencia)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ResultadoRegistro CRegistro::Registrar(std::vector<ReciboRegistrado>& recibos, std::time_t momento,
                                       const std::optional<RemesaRegistrada>& remesa) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    if (recibos.empty() || !MismosAjustes(recibos)) {
        return {EstadoRegistro::kFallo,
                {},
                "a print job holds one or more receipts printed "
                "under one set of currency settings and in one look"};
    }
    ResultadoRegistro resultado = m_apertura;
    for (int nIntento = 0; nIntento < 2; ++nIntento) {
        try {
            EnTransaccion(m_db, [&] { InsertarTrabajo(m_db, recibos, Momento(momento), remesa); });
            return resultado;
        } catch (const ErrorSql& e) {
            if (!e.Danado() || nIntento > 0 || !ApartarYEmpezar()) {
                return {EstadoRegistro::kFallo, resultado.sApartado, e.sTexto};
            }
            resultado = m_apertura;
        }
    }
    return resultado;
}

ResultadoRegistro CRegistro::Recorrer(const FiltroRegistro& filtro, OrdenRegistro orden,
                                      const std::function<void(const ReciboRegistrado&)>& visitar) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    try {
        Sentencia st(m_db, SqlConsulta(kCondicionFiltro,
                                       orden == OrdenRegistro::kRecientesPrimero ? "DESC" : "ASC") +
                               " LIMIT ?5");
        st.Texto(1, filtro.sDesde);
        st.Texto(2, filtro.sHasta);
        st.Texto(3, Minusculas1252(filtro.sPagador));
        st.Texto(4, Contiene(filtro.sNumero));
        st.Entero(5, filtro.nMaximo);
        st.Texto(6, filtro.estado ? NombreEstado(*filtro.estado) : "");
        while (st.Paso()) {
            visitar(LeerFila(st));
        }
    } catch (const ErrorSql& e) {
        if (e.Danado() && ApartarYEmpezar()) {
            return m_apertura;  // what was listed came from the damaged file
        }
        return {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return m_apertura;
}

std::optional<ReciboRegistrado> CRegistro::Leer(std::int64_t nId) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return std::nullopt;
    }
    try {
        Sentencia st(m_db, SqlConsulta("r.id = ?1", "DESC"));
        st.Entero(1, nId);
        if (st.Paso()) {
            ReciboRegistrado r = LeerFila(st);
            r.apariencia = LeerApariencia(m_db, nId);
            return r;
        }
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
    }
    return std::nullopt;
}

std::optional<ReciboRegistrado> CRegistro::UltimoConNumero(const std::string& sNumero, int nAno) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return std::nullopt;
    }
    try {
        Sentencia st(m_db, SqlConsulta("r.numero = ?1 AND substr(t.emitido, 1, 4) = ?2", "DESC"));
        st.Texto(1, sNumero);
        st.Texto(2, std::to_string(nAno));
        if (st.Paso()) {
            return LeerFila(st);
        }
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
    }
    return std::nullopt;
}

ResultadoRegistro CRegistro::RecorrerTrabajo(
    std::int64_t nTrabajo, const std::function<void(const ReciboRegistrado&)>& visitar) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    try {
        Sentencia st(m_db, SqlConsulta("r.trabajo = ?1", "ASC"));
        st.Entero(1, nTrabajo);
        while (st.Paso()) {
            visitar(LeerFila(st));
        }
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
        return {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return m_apertura;
}

ResultadoRegistro CRegistro::AnotarRemesa(std::int64_t nTrabajo, const RemesaRegistrada& remesa,
                                          std::time_t momento) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    try {
        EnTransaccion(m_db, [&] { InsertarRemesa(m_db, nTrabajo, remesa, Momento(momento)); });
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
        return {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return m_apertura;
}

void CRegistro::ApartarSiDanado(const registro::ErrorSql& e) {
    if (e.Danado()) {
        ApartarYEmpezar();
    }
}
