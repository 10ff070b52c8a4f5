#include "output/lote_recibos.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "form/campos.h"
#include "form/numero.h"
#include "money/globalcurrency.h"
#include "output/imprimirrecibo.h"
#include "output/recibo_guardado.h"
#include "register/print/registro_impresion.h"
#include "settings/esquema.h"

namespace {

constexpr std::size_t kMaxCifrasEnteras = 15;

// A cursor over an amount cell.
class LecturaImporte {
  public:
    explicit LecturaImporte(std::string_view s) : m_s(s) {}

    bool Fin() const { return m_i == m_s.size(); }
    bool Toma(std::string_view sPalabra) {
        if (sPalabra.empty() || m_s.substr(m_i, sPalabra.size()) != sPalabra) {
            return false;
        }
        m_i += sPalabra.size();
        return true;
    }
    void SaltaBlancos() {
        while (!Fin() && (m_s[m_i] == ' ' || m_s[m_i] == '\t' || m_s[m_i] == '\xA0')) {
            ++m_i;
        }
    }
    std::size_t Cifras() {
        const std::size_t nInicio = m_i;
        while (!Fin() && m_s[m_i] >= '0' && m_s[m_i] <= '9') {
            ++m_i;
        }
        return m_i - nInicio;
    }

    // Whole digits, in groups of three after the first group when grouped, then the decimals.
    bool Numero(std::string_view sDecimal, std::string_view sMiles) {
        std::size_t nEnteras = Cifras();
        const bool bAgrupable = nEnteras > 0 && nEnteras <= 3;
        for (std::size_t nAntes = m_i; bAgrupable && Toma(sMiles); nAntes = m_i) {
            const std::size_t nGrupo = Cifras();
            if (nGrupo == 0) {
                m_i = nAntes;  // not a separator: a blank after the number, say
                break;
            }
            if (nGrupo != 3) {
                return false;
            }
            nEnteras += nGrupo;
        }
        if (nEnteras > kMaxCifrasEnteras) {
            return false;
        }
        if (Toma(sDecimal)) {
            return Cifras() > 0;
        }
        return nEnteras > 0;
    }

  private:
    std::string_view m_s;
    std::size_t m_i = 0;
};

// The cell without the currency sign: the custom one of the settings, else a common one.
std::string SinSigno(std::string s) {
    std::vector<std::string> signos = {"\x80", "$", "\xA3", "\xA5"};
    if (!CGlobalCurrency::SimboloEstandar() && !CGlobalCurrency::GetSimbolo().empty()) {
        signos.insert(signos.begin(), CGlobalCurrency::GetSimbolo());
    }
    for (const std::string& sSigno : signos) {
        if (const auto n = s.find(sSigno); n != std::string::npos) {
            return s.erase(n, sSigno.size());
        }
    }
    return s;
}

bool MismoNombre(std::string_view a, std::string_view b) {
    auto mayuscula = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return mayuscula(x) == mayuscula(y); });
}

template <typename Tabla>
auto Buscar(const Tabla& tabla, int nControl) {
    return std::find_if(tabla.begin(), tabla.end(),
                        [&](const auto& c) { return c.nControl == nControl; });
}

}  // namespace

bool EsTextoImporte(const std::string& sTexto) {
    const std::string sDecimal = CGlobalCurrency::GetSeparadorDecimal().substr(0, 1);
    std::string sMiles = CGlobalCurrency::GetSeparadorMiles();
    if (!sDecimal.empty() && sMiles.starts_with(sDecimal)) {
        sMiles.clear();  // the parser reads that character as the decimal separator
    }
    const std::string sSinSigno = SinSigno(sTexto);
    LecturaImporte l(sSinSigno);
    l.SaltaBlancos();
    if (l.Fin()) {
        return sSinSigno.size() == sTexto.size();  // a blank cell, not a lone sign
    }
    const bool bParentesis = l.Toma("(");
    const bool bMenosDelante = !bParentesis && l.Toma("-");
    l.SaltaBlancos();
    if (!l.Numero(sDecimal, sMiles)) {
        return false;
    }
    l.SaltaBlancos();
    if (bParentesis && !l.Toma(")")) {
        return false;
    }
    if (!bParentesis && !bMenosDelante) {
        l.Toma("-");
    }
    l.SaltaBlancos();
    return l.Fin();
}

CLoteRecibos::CLoteRecibos(std::string sBytes, ReciboData base)
    : m_lector(std::move(sBytes)), m_base(std::move(base)), m_nColumnaNumero(std::string::npos) {
    const std::vector<std::string>& cabecera = m_lector.Cabecera();
    for (std::size_t i = 0; i < cabecera.size(); ++i) {
        const auto campo = std::find_if(kCamposRecibo.begin(), kCamposRecibo.end(), [&](auto& c) {
            return MismoNombre(ajustes::NombreCampo(c.ajuste), cabecera[i]);
        });
        if (campo == kCamposRecibo.end()) {
            throw ErrorLote(m_lector.Linea(), cabecera[i], "columna desconocida");
        }
        const std::string_view sNombre = ajustes::NombreCampo(campo->ajuste);
        for (std::size_t j = 0; j < i; ++j) {
            if (MismoNombre(cabecera[j], sNombre)) {
                throw ErrorLote(m_lector.Linea(), std::string(sNombre), "columna repetida");
            }
        }
        Columna columna{i, sNombre};
        if (const auto t = Buscar(kTextosRecibo, campo->nControl); t != kTextosRecibo.end()) {
            columna.pTexto = t->pMiembro;
        } else {
            columna.pImporte = Buscar(kImportesRecibo, campo->nControl)->pMiembro;
        }
        m_nColumnaNumero = campo->nControl == IDC_EDIT_NUMERO ? i : m_nColumnaNumero;
        m_columnas.push_back(columna);
    }
}

void CLoteRecibos::Rellenar(const std::vector<std::string>& campos, ReciboData& recibo) const {
    for (const Columna& c : m_columnas) {
        const std::string& sCampo = campos[c.nCampo];
        if (c.pTexto) {
            recibo.*c.pTexto = sCampo;
        } else if (EsTextoImporte(sCampo)) {
            recibo.*c.pImporte = ImporteComoFormulario(sCampo);
        } else {
            throw ErrorLote(m_lector.Linea(), std::string(c.sNombre),
                            "'" + Utf8De1252(sCampo) + "' no es un importe");
        }
    }
    CGlobalCurrency cuTotal;
    for (const CampoImporte& i : kImportesRecibo) {
        cuTotal += recibo.*i.pMiembro;
    }
    recibo.cuImporte = cuTotal;
}

std::string CLoteRecibos::ParaCadaRecibo(const std::function<bool(const ReciboData&)>& f) {
    m_lector.Rebobinar();
    std::string sSiguiente = m_base.sNumero;
    std::vector<std::string> campos;
    while (m_lector.SiguienteFila(campos)) {
        ReciboData recibo = m_base;
        Rellenar(campos, recibo);
        if (m_nColumnaNumero == std::string::npos || campos[m_nColumnaNumero].empty()) {
            recibo.sNumero = sSiguiente;
            sSiguiente = SiguienteNumero(sSiguiente);
        }
        if (!f(recibo)) {
            break;
        }
    }
    return sSiguiente;
}

ResumenLote CLoteRecibos::Comprobar() {
    ResumenLote resumen;
    resumen.sNumeroSiguiente = ParaCadaRecibo([&](const ReciboData& recibo) {
        ++resumen.nRecibos;
        resumen.cuTotal += recibo.cuImporte;
        return true;
    });
    if (resumen.nRecibos == 0) {
        throw ErrorLote(0, "", "no hay ningún recibo después de la cabecera");
    }
    resumen.bNumeroTomado = resumen.sNumeroSiguiente != m_base.sNumero;
    return resumen;
}

ReciboData CLoteRecibos::Primero() {
    ReciboData primero;
    ParaCadaRecibo([&](const ReciboData& recibo) {
        primero = recibo;
        return false;
    });
    return primero;
}

bool CLoteRecibos::Imprimir(PrintDevice& dc, const std::function<void(std::size_t)>& progreso) {
    if (dc.StartDoc(kNombreDocumento) <= 0) {
        return false;
    }
    std::size_t n = 0;
    ParaCadaRecibo([&](const ReciboData& recibo) {
        ImprimirPagina(recibo, dc);
        progreso(++n);
        return true;
    });
    return dc.EndDoc() > 0;
}

void CLoteRecibos::Registrar() {
    std::vector<ReciboData> recibos;
    ParaCadaRecibo([&](const ReciboData& recibo) {
        recibos.push_back(recibo);
        return true;
    });
    RegistrarImpresos(recibos);
}

void GuardarNumeroSiguiente(const ResumenLote& resumen) {
    if (resumen.bNumeroTomado) {
        ajustes::kNumero.Escribir(resumen.sNumeroSiguiente);
    }
}
