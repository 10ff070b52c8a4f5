// The collection status of registered receipts: each change appended to the receipt's
// history in one transaction, a job's debits paid at once, the history read back, and the
// receipts still owed.
#include <algorithm>
#include <ctime>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "register/registro.h"
#include "register/registro_sql.h"

using namespace registro;

namespace {

// What a change needs to know of a receipt: its status now, and whether a remittance of its
// job debited it.
struct Situacion {
    EstadoCobro estado = EstadoCobro::kPendiente;
    bool bDomiciliado = false;
};

std::string SqlSituacion(const std::string& sCondicion) {
    return "SELECT r.id, r.estado, r.iban <> '' AND EXISTS "
           "(SELECT 1 FROM remesas m WHERE m.trabajo = r.trabajo) FROM recibos r WHERE " +
           sCondicion + " ORDER BY r.id";
}

Situacion LeerSituacion(const Sentencia& st) {
    return {EstadoDeNombre(st.Texto(1)).value_or(EstadoCobro::kPendiente), st.Entero(2) != 0};
}

void InsertarCambio(sqlite3* db, const CambioEstado& c) {
    Sentencia st(db,
                 "INSERT INTO cambios_estado (recibo, estado, fecha, metodo, motivo, anotado)"
                 " VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    st.Entero(1, c.nRecibo);
    st.Texto(2, NombreEstado(c.estado));
    st.Texto(3, c.sFecha);
    st.Texto(4, NombreMetodo(c.metodo));
    st.Texto(5, c.sMotivo);
    st.Texto(6, c.sAnotado);
    st.Paso();
}

// The change as it is kept: the day given or today, a method only for a payment and a
// reason, in capitals, only for a return.
CambioEstado Cambio(std::int64_t nId, const NuevoEstado& nuevo, const std::string& sAnotado) {
    CambioEstado c{nId, nuevo.estado, nuevo.sFecha, MetodoCobro::kNinguno, {}, sAnotado};
    if (c.sFecha.empty()) {
        c.sFecha = sAnotado.substr(0, 10);
    }
    if (nuevo.estado == EstadoCobro::kCobrado) {
        c.metodo = nuevo.metodo;
    }
    if (const MotivoDevolucion* m = BuscarMotivo(nuevo.sMotivo);
        m != nullptr && nuevo.estado == EstadoCobro::kDevuelto) {
        c.sMotivo = m->sCodigo;
    }
    return c;
}

CambioEstado LeerCambio(const Sentencia& st) {
    return {st.Entero(0), EstadoDeNombre(st.Texto(1)).value_or(EstadoCobro::kPendiente),
            st.Texto(2),  MetodoDeNombre(st.Texto(3)).value_or(MetodoCobro::kNinguno),
            st.Texto(4),  st.Texto(5)};
}

void ContarDejado(const Situacion& s, ResultadoCobroTrabajo& resultado) {
    if (!s.bDomiciliado) {
        ++resultado.nSinDomiciliar;
    } else if (s.estado == EstadoCobro::kCobrado) {
        ++resultado.nYaCobrados;
    } else if (s.estado == EstadoCobro::kDevuelto) {
        ++resultado.nDevueltos;
    } else {
        ++resultado.nAnulados;
    }
}

// The jobs of the owed receipts, each read once: its day, and its currency settings among the
// distinct ones met.
class DeudasPorTrabajo {
  public:
    explicit DeudasPorTrabajo(sqlite3* db)
        : m_st(db, "SELECT emitido, " + ListaAjustes("") + " FROM trabajos WHERE id = ?1") {}

    void Completar(DeudaRegistrada& d) {
        auto [it, bNuevo] = m_trabajos.try_emplace(d.nTrabajo);
        if (bNuevo) {
            m_st.Entero(1, d.nTrabajo);
            if (m_st.Paso()) {
                it->second.sEmitido = m_st.Texto(0);
                it->second.nMoneda = Moneda(LeerAjustes(m_st, 1));
            }
            m_st.Reiniciar();
        }
        d.sEmitido = it->second.sEmitido;
        d.nMoneda = it->second.nMoneda;
        d.ajustes = &m_monedas[d.nMoneda];
    }

  private:
    struct Trabajo {
        std::string sEmitido;
        std::size_t nMoneda = 0;
    };

    std::size_t Moneda(AjustesMoneda ajustes) {
        const auto it = std::find(m_monedas.begin(), m_monedas.end(), ajustes);
        if (it != m_monedas.end()) {
            return static_cast<std::size_t>(it - m_monedas.begin());
        }
        m_monedas.push_back(std::move(ajustes));
        return m_monedas.size() - 1;
    }

    Sentencia m_st;
    std::unordered_map<std::int64_t, Trabajo> m_trabajos;
    std::deque<AjustesMoneda> m_monedas;  // their addresses stay
};

}  // namespace

ResultadoCambio CRegistro::CambiarEstado(std::int64_t nId, const NuevoEstado& nuevo,
                                         std::time_t momento) {
    ResultadoCambio resultado;
    resultado.registro = m_apertura;
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return resultado;
    }
    const std::string sAnotado = Momento(momento);
    resultado.cambio = Cambio(nId, nuevo, sAnotado);
    try {
        EnTransaccion(m_db, [&] {
            Sentencia st(m_db, SqlSituacion("r.id = ?1"));
            st.Entero(1, nId);
            if (!st.Paso()) {
                resultado.rechazo = RechazoEstado::kSinRecibo;
                return;
            }
            const Situacion s = LeerSituacion(st);
            NuevoEstado comprobado = nuevo;
            comprobado.sFecha = resultado.cambio.sFecha;
            resultado.rechazo =
                ComprobarCambio(s.estado, s.bDomiciliado, comprobado, sAnotado.substr(0, 10));
            if (resultado.rechazo == RechazoEstado::kNinguno) {
                InsertarCambio(m_db, resultado.cambio);
            }
        });
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
        resultado.registro = {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return resultado;
}

ResultadoCobroTrabajo CRegistro::CobrarTrabajo(std::int64_t nTrabajo, const std::string& sFecha,
                                               std::time_t momento) {
    ResultadoCobroTrabajo resultado;
    resultado.registro = m_apertura;
    const std::string sAnotado = Momento(momento);
    const NuevoEstado cobro{EstadoCobro::kCobrado,
                            sFecha.empty() ? sAnotado.substr(0, 10) : sFecha,
                            MetodoCobro::kDomiciliacion,
                            {}};
    if (!EsDiaValido(cobro.sFecha) || cobro.sFecha > sAnotado.substr(0, 10)) {
        resultado.rechazo = RechazoEstado::kFechaMala;
    }
    if (m_apertura.estado == EstadoRegistro::kFallo ||
        resultado.rechazo != RechazoEstado::kNinguno) {
        return resultado;
    }
    try {
        EnTransaccion(m_db, [&] {
            Sentencia st(m_db, SqlSituacion("r.trabajo = ?1"));
            st.Entero(1, nTrabajo);
            while (st.Paso()) {
                resultado.bExiste = true;
                const Situacion s = LeerSituacion(st);
                if (!s.bDomiciliado || s.estado != EstadoCobro::kPendiente) {
                    ContarDejado(s, resultado);
                    continue;
                }
                InsertarCambio(m_db, Cambio(st.Entero(0), cobro, sAnotado));
                ++resultado.nCobrados;
            }
        });
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
        resultado = {};
        resultado.registro = {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return resultado;
}

ResultadoRegistro CRegistro::Historial(std::int64_t nId, std::vector<CambioEstado>& cambios) {
    cambios.clear();
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    try {
        Sentencia st(m_db,
                     "SELECT recibo, estado, fecha, metodo, motivo, anotado FROM cambios_estado"
                     " WHERE recibo = ?1 ORDER BY id");
        st.Entero(1, nId);
        while (st.Paso()) {
            cambios.push_back(LeerCambio(st));
        }
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
        return {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return m_apertura;
}

std::vector<std::int64_t> CRegistro::RecibosQueNombra(const std::string& sIdONumero) {
    std::vector<std::int64_t> ids;
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return ids;
    }
    const bool bCifras = !sIdONumero.empty() && sIdONumero.size() <= 18 &&
                         sIdONumero.find_first_not_of("0123456789") == std::string::npos;
    try {
        Sentencia st(m_db,
                     "SELECT id FROM recibos WHERE id = ?1 UNION "
                     "SELECT id FROM recibos WHERE numero = ?2 ORDER BY id");
        st.Entero(1, bCifras ? std::stoll(sIdONumero) : -1);
        st.Texto(2, sIdONumero);
        while (st.Paso()) {
            ids.push_back(st.Entero(0));
        }
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
    }
    return ids;
}

ResultadoRegistro CRegistro::RecorrerDeudas(
    const std::function<void(const DeudaRegistrada&)>& visitar) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    try {
        DeudasPorTrabajo trabajos(m_db);
        // The owed receipts from their index alone.
        Sentencia st(m_db,
                     "SELECT r.id, r.trabajo, r.vencimiento, r.pagador_1, r.total, r.estado"
                     " FROM recibos r INDEXED BY recibos_deudas"
                     " WHERE r.estado IN ('pendiente', 'devuelto')");
        DeudaRegistrada d;
        while (st.Paso()) {
            d.nId = st.Entero(0);
            d.nTrabajo = st.Entero(1);
            trabajos.Completar(d);
            d.sVencimiento = st.Texto(2);
            d.sPagador1 = st.Texto(3);
            d.cuTotal.SetValor(st.Entero(4));
            d.estado = EstadoDeNombre(st.Texto(5)).value_or(EstadoCobro::kPendiente);
            visitar(d);
        }
    } catch (const ErrorSql& e) {
        ApartarSiDanado(e);
        return {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    return m_apertura;
}
