#include "output/lote_recibos.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "form/campos.h"
#include "form/numero.h"
#include "money/analisis.h"
#include "output/importes_impresos.h"
#include "output/imprimirrecibo.h"
#include "output/recibo_guardado.h"
#include "register/print/registro_impresion.h"
#include "settings/esquema.h"

namespace {

bool MismoNombre(std::string_view a, std::string_view b) {
    auto mayuscula = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return mayuscula(x) == mayuscula(y); });
}

// A number that prints as nothing: empty, or blanks only.
bool SinNumero(const std::string& sNumero) {
    return sNumero.find_first_not_of(' ') == std::string::npos;
}

template <typename Tabla>
auto Buscar(const Tabla& tabla, int nControl) {
    return std::find_if(tabla.begin(), tabla.end(),
                        [&](const auto& c) { return c.nControl == nControl; });
}

// A stored field's placeholders are faults of no row: the column's name says where they are.
constexpr const char* kDelGuardado = " del recibo guardado";

}  // namespace

CLoteRecibos::CLoteRecibos(std::string sBytes, ReciboData base, AjustesMoneda ajustesMoneda,
                           Periodo periodo)
    : m_lector(std::move(sBytes)),
      m_base(std::move(base)),
      m_moneda(std::move(ajustesMoneda)),
      m_periodo(periodo),
      m_nColumnaNumero(std::string::npos) {
    const std::vector<std::string>& cabecera = m_lector.Cabecera();
    for (std::size_t i = 0; i < cabecera.size(); ++i) {
        AnadirColumna(i, cabecera[i]);
    }
    SustituirEnBase();
}

std::string CLoteRecibos::Sustituir(const std::string& sTexto, std::size_t nLinea,
                                    const std::string& sColumna) const {
    try {
        return SustituirMarcadores(sTexto, m_periodo);
    } catch (const ErrorMarcador& error) {
        throw ErrorLote(nLinea, sColumna, error.what());
    }
}

// The placeholders of the stored text fields that no column covers, replaced once; the number
// only checked, since its series runs on the text as stored.
void CLoteRecibos::SustituirEnBase() {
    for (const CampoGuardado& campo : kCamposRecibo) {
        const auto texto = Buscar(kTextosRecibo, campo.nControl);
        const std::string_view sNombre = ajustes::NombreCampo(campo.ajuste);
        if (texto == kTextosRecibo.end() ||
            std::any_of(m_columnas.begin(), m_columnas.end(),
                        [&](const Columna& c) { return c.sNombre == sNombre; })) {
            continue;
        }
        std::string& sTexto = m_base.*texto->pMiembro;
        const std::string sSustituido = Sustituir(sTexto, 0, std::string(sNombre) + kDelGuardado);
        if (campo.nControl != IDC_EDIT_NUMERO) {
            sTexto = sSustituido;
        }
    }
}

// A receipt's field, or a debtor's column, by its name in any case.
void CLoteRecibos::AnadirColumna(std::size_t i, const std::string& sCabecera) {
    const auto campo = std::find_if(kCamposRecibo.begin(), kCamposRecibo.end(), [&](auto& c) {
        return MismoNombre(ajustes::NombreCampo(c.ajuste), sCabecera);
    });
    const auto deudor = std::find_if(kColumnasDeudor.begin(), kColumnasDeudor.end(),
                                     [&](auto& c) { return MismoNombre(c.sNombre, sCabecera); });
    if (campo == kCamposRecibo.end() && deudor == kColumnasDeudor.end()) {
        throw ErrorLote(m_lector.Linea(), sCabecera, "columna desconocida");
    }
    const std::string_view sNombre =
        campo != kCamposRecibo.end() ? ajustes::NombreCampo(campo->ajuste) : deudor->sNombre;
    for (std::size_t j = 0; j < i; ++j) {
        if (MismoNombre(m_lector.Cabecera()[j], sNombre)) {
            throw ErrorLote(m_lector.Linea(), std::string(sNombre), "columna repetida");
        }
    }
    Columna columna{i, sNombre};
    if (deudor != kColumnasDeudor.end()) {
        columna.pDeudor = deudor->pMiembro;
        m_bDeudores = true;
    } else if (const auto t = Buscar(kTextosRecibo, campo->nControl); t != kTextosRecibo.end()) {
        columna.pTexto = t->pMiembro;
    } else {
        columna.pImporte = Buscar(kImportesRecibo, campo->nControl)->pMiembro;
    }
    if (campo != kCamposRecibo.end() && campo->nControl == IDC_EDIT_NUMERO) {
        m_nColumnaNumero = i;
    }
    m_columnas.push_back(columna);
}

// An amount that would print other than the cell says is a fault of its cell; a total that
// would, a fault of the row.
void CLoteRecibos::Rellenar(const std::vector<std::string>& campos, ReciboData& recibo,
                            DatosDeudor& deudor) const {
    for (const Columna& c : m_columnas) {
        const std::string& sCampo = campos[c.nCampo];
        if (c.pDeudor) {
            deudor.*c.pDeudor = sCampo;
            continue;
        }
        if (c.pTexto) {
            recibo.*c.pTexto = Sustituir(sCampo, m_lector.Linea(), std::string(c.sNombre));
            continue;
        }
        if (!moneda::EsTextoImporte(sCampo, m_moneda)) {
            throw ErrorLote(m_lector.Linea(), std::string(c.sNombre),
                            "'" + Utf8De1252(sCampo) + "' no es un importe");
        }
        try {
            recibo.*c.pImporte = ImporteImpreso(sCampo, m_moneda);
        } catch (const ErrorImporte& error) {
            throw ErrorLote(m_lector.Linea(), std::string(c.sNombre), error.what());
        }
    }
    try {
        recibo.cuImporte = TotalImpreso(recibo, m_moneda);
    } catch (const ErrorImporte& error) {
        throw ErrorLote(m_lector.Linea(), "", error.what());
    }
}

std::string CLoteRecibos::ParaCadaRecibo(const std::function<bool(const ReciboData&)>& f) {
    return ParaCadaFila(
        [&](const ReciboData& recibo, const DatosDeudor&, std::size_t) { return f(recibo); });
}

std::string CLoteRecibos::ParaCadaFila(const VisitaFila& f) {
    m_lector.Rebobinar();
    std::string sSiguiente = m_base.sNumero;
    std::vector<std::string> campos;
    while (m_lector.SiguienteFila(campos)) {
        ReciboData recibo = m_base;
        DatosDeudor deudor;
        Rellenar(campos, recibo, deudor);
        if (m_nColumnaNumero == std::string::npos || campos[m_nColumnaNumero].empty()) {
            if (SinNumero(sSiguiente)) {
                sSiguiente = SiguienteNumero(sSiguiente);  // a receipt always has a number
            }
            recibo.sNumero =
                Sustituir(sSiguiente, m_lector.Linea(), "NUMERO" + std::string(kDelGuardado));
            sSiguiente = SiguienteNumero(sSiguiente);
        }
        if (!f(recibo, deudor, m_lector.Linea())) {
            break;
        }
    }
    return sSiguiente;
}

ResumenLote CLoteRecibos::Comprobar() {
    ResumenLote resumen;
    resumen.cuTotal.emplace();
    resumen.sNumeroSiguiente = ParaCadaRecibo([&](const ReciboData& recibo) {
        ++resumen.nRecibos;
        if (resumen.cuTotal && !resumen.cuTotal->Sumar(recibo.cuImporte)) {
            resumen.cuTotal.reset();
        }
        return true;
    });
    if (resumen.nRecibos == 0) {
        throw ErrorLote(0, "", "no hay ningún recibo después de la cabecera");
    }
    resumen.bNumeroTomado = resumen.sNumeroSiguiente != m_base.sNumero;
    m_nRecibos = resumen.nRecibos;
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

bool CLoteRecibos::Imprimir(PrintDevice& dc, const AparienciaRecibo& apariencia,
                            const DisposicionHoja& disposicion,
                            const std::function<void(std::size_t)>& progreso) {
    if (dc.StartDoc(kNombreDocumento) <= 0) {
        return false;
    }
    m_impresa = apariencia;
    CHojasRecibos hojas(dc, disposicion);
    std::size_t n = 0;
    ParaCadaRecibo([&](const ReciboData& recibo) {
        hojas.Anadir(recibo, apariencia, m_moneda);
        progreso(++n);
        return true;
    });
    hojas.Terminar();
    return dc.EndDoc() > 0;
}

bool CLoteRecibos::ImprimirCadaUno(
    const std::function<std::unique_ptr<PrintDevice>(std::size_t)>& dispositivo,
    const AparienciaRecibo& apariencia, const std::function<void(std::size_t)>& progreso) {
    m_impresa = apariencia;
    std::size_t n = 0;
    bool bImpreso = true;
    ParaCadaRecibo([&](const ReciboData& recibo) {
        const std::unique_ptr<PrintDevice> dc = dispositivo(n);
        // A file of its own is one receipt alone on its page, whatever the sheet's choice.
        bImpreso = dc && ImprimirEnDispositivo(recibo, apariencia, m_moneda, *dc, {});
        if (bImpreso) {
            progreso(++n);
        }
        return bImpreso;
    });
    return bImpreso;
}

std::optional<std::int64_t> CLoteRecibos::Registrar(const std::optional<RemesaRegistrada>& remesa) {
    const AparienciaRegistrada apariencia =
        ComoSeRegistra(m_impresa ? *m_impresa : AparienciaEnVigor());
    std::vector<ReciboRegistrado> trabajo;
    trabajo.reserve(m_nRecibos);
    ParaCadaFila([&](const ReciboData& recibo, const DatosDeudor& deudor, std::size_t) {
        trabajo.push_back(ComoSeImprime(recibo, m_moneda));
        trabajo.back().apariencia = apariencia;  // the logo's pixels shared, not copied
        if (remesa) {
            trabajo.back().deudor = deudor;
        }
        return true;
    });
    return RegistrarTrabajo(trabajo, remesa);
}

void GuardarNumeroSiguiente(const ResumenLote& resumen) {
    if (resumen.bNumeroTomado) {
        ajustes::kNumero.Escribir(resumen.sNumeroSiguiente);
    }
}
