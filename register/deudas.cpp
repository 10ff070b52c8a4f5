#include "register/deudas.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <unordered_map>

#include "money/formato.h"
#include "register/estado_cobro.h"
#include "settings/texto1252.h"

namespace {

constexpr std::array<const char*, 12> kMeses = {"enero",      "febrero", "marzo",     "abril",
                                                "mayo",       "junio",   "julio",     "agosto",
                                                "septiembre", "octubre", "noviembre", "diciembre"};

std::string SinBlancos(const std::string& s) {
    const auto nPrimero = s.find_first_not_of(" \t");
    if (nPrimero == std::string::npos) {
        return {};
    }
    return s.substr(nPrimero, s.find_last_not_of(" \t") - nPrimero + 1);
}

// The month by its Spanish name, 1 to 12; 0 for any other word.
int MesDeNombre(const std::string& sNombre) {
    if (sNombre == "setiembre") {
        return 9;
    }
    const auto it = std::find(kMeses.begin(), kMeses.end(), sNombre);
    return it == kMeses.end() ? 0 : static_cast<int>(it - kMeses.begin()) + 1;
}

std::optional<std::string> Dia(int nAno, int nMes, int nDia) {
    char s[16];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", nAno, nMes, nDia);
    return EsDiaValido(s) ? std::optional<std::string>(s) : std::nullopt;
}

// "D/M/YYYY", with '/', '-' or '.', a year of 2 digits being this century's.
std::optional<std::string> DiaNumerico(const std::string& s) {
    int nDia = 0, nMes = 0, nAno = 0, nLeidos = 0;
    char c1 = 0, c2 = 0;
    if (std::sscanf(s.c_str(), "%2d%c%2d%c%4d%n", &nDia, &c1, &nMes, &c2, &nAno, &nLeidos) != 5 ||
        static_cast<std::size_t>(nLeidos) != s.size() || c1 != c2 ||
        std::string("/-.").find(c1) == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t nCifrasAno = s.size() - s.find_last_of(c1) - 1;
    if (nCifrasAno != 2 && nCifrasAno != 4) {
        return std::nullopt;
    }
    return Dia(nCifrasAno == 2 ? 2000 + nAno : nAno, nMes, nDia);
}

// "D de MES de YYYY".
std::optional<std::string> DiaEnLetra(const std::string& s) {
    int nDia = 0, nAno = 0, nLeidos = 0;
    char sMes[16] = {};
    if (std::sscanf(s.c_str(), "%2d de %15s de %4d%n", &nDia, sMes, &nAno, &nLeidos) != 3 ||
        static_cast<std::size_t>(nLeidos) != s.size() || nAno < 1000) {
        return std::nullopt;
    }
    const int nMes = MesDeNombre(sMes);
    return nMes == 0 ? std::nullopt : Dia(nAno, nMes, nDia);
}

bool SoloCifrasYSignos(const std::string& s) {
    return s.find_first_not_of("0123456789/-.") == std::string::npos;
}

}  // namespace

std::optional<std::string> DiaDeVencimiento(const std::string& sTexto) {
    const std::string s = Minusculas1252(SinBlancos(sTexto));
    if (s.empty()) {
        return std::nullopt;
    }
    if (EsDiaValido(s)) {
        return s;
    }
    return SoloCifrasYSignos(s) ? DiaNumerico(s) : DiaEnLetra(s);
}

namespace {

// The day a receipt is owed from on day sHoy, its due day (when its text is one) known.
std::optional<std::string> Desde(const std::optional<std::string>& sVence,
                                 const std::string& sEmitido, const std::string& sHoy) {
    if (sVence) {
        return *sVence < sHoy ? sVence : std::nullopt;
    }
    std::string sDia = sEmitido.substr(0, 10);
    return sDia <= sHoy ? std::optional(std::move(sDia)) : std::nullopt;
}

}  // namespace

std::optional<std::string> DeudaDesde(const DeudaRegistrada& deuda, const std::string& sHoy) {
    return Desde(DiaDeVencimiento(deuda.sVencimiento), deuda.sEmitido, sHoy);
}

void DeudaPagador::Anadir(const DeudaRegistrada& deuda, const std::string& sDesdeDeuda) {
    ++nRecibos;
    if (sDesde.empty() || sDesdeDeuda < sDesde) {
        sDesde = sDesdeDeuda;
    }
    auto suma = std::find_if(totales.begin(), totales.end(),
                             [&](const SumaMoneda& s) { return s.nMoneda == deuda.nMoneda; });
    if (suma == totales.end()) {
        totales.push_back({*deuda.ajustes, deuda.nMoneda, CGlobalCurrency()});
        suma = totales.end() - 1;
    }
    if (suma->cuTotal && !suma->cuTotal->Sumar(deuda.cuTotal)) {
        suma->cuTotal.reset();
    }
}

std::string TextoTotales(const DeudaPagador& deuda, const std::string& sMasDe) {
    std::string s;
    for (const SumaMoneda& suma : deuda.totales) {
        s += s.empty() ? "" : " + ";
        if (suma.cuTotal) {
            s += moneda::TextoRecibo(*suma.cuTotal, suma.ajustes);
        } else {
            CGlobalCurrency cuMaximo;
            cuMaximo.SetValor(CGlobalCurrency::kImporteMaximo);
            s += sMasDe + moneda::TextoRecibo(cuMaximo, suma.ajustes);
        }
    }
    return s;
}

std::optional<InformeDeudas> LeerDeudas(CRegistro& registro, const std::string& sHoy,
                                        ResultadoRegistro& resultado) {
    std::unordered_map<std::string, DeudaPagador> porPagador;
    std::unordered_map<std::string, std::optional<std::string>> vencimientos;  // by text
    InformeDeudas informe;
    resultado = registro.RecorrerDeudas([&](const DeudaRegistrada& deuda) {
        auto [vence, bNuevo] = vencimientos.try_emplace(deuda.sVencimiento);
        if (bNuevo) {
            vence->second = DiaDeVencimiento(deuda.sVencimiento);
        }
        const std::optional<std::string> sDesde = Desde(vence->second, deuda.sEmitido, sHoy);
        if (!sDesde) {
            return;
        }
        std::string sPagador = SinBlancos(deuda.sPagador1);
        DeudaPagador& pagador = porPagador[Minusculas1252(sPagador)];
        if (pagador.nRecibos == 0 || deuda.nId < pagador.nPrimero) {
            pagador.sPagador = std::move(sPagador);
            pagador.nPrimero = deuda.nId;
        }
        pagador.Anadir(deuda, *sDesde);
        informe.total.Anadir(deuda, *sDesde);
    });
    if (resultado.estado == EstadoRegistro::kFallo) {
        return std::nullopt;
    }
    std::vector<std::pair<std::string, DeudaPagador>> ordenados(
        std::make_move_iterator(porPagador.begin()), std::make_move_iterator(porPagador.end()));
    std::sort(ordenados.begin(), ordenados.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [sClave, pagador] : ordenados) {
        informe.pagadores.push_back(std::move(pagador));
    }
    return informe;
}

std::optional<DeudaPagador> LeerDeudasDe(CRegistro& registro, const std::string& sPagador,
                                         const std::string& sHoy, const std::string& sAntesDe,
                                         ResultadoRegistro& resultado) {
    const std::string sClave = Minusculas1252(SinBlancos(sPagador));
    DeudaPagador deudas;
    resultado = registro.RecorrerDeudas([&](const DeudaRegistrada& deuda) {
        const std::optional<std::string> sDesde = DeudaDesde(deuda, sHoy);
        if (!sDesde || *sDesde >= sAntesDe) {
            return;
        }
        std::string sSuyo = SinBlancos(deuda.sPagador1);
        if (Minusculas1252(sSuyo) != sClave) {
            return;
        }
        if (deudas.nRecibos == 0 || deuda.nId < deudas.nPrimero) {
            deudas.sPagador = std::move(sSuyo);
            deudas.nPrimero = deuda.nId;
        }
        deudas.Anadir(deuda, *sDesde);
    });
    if (resultado.estado == EstadoRegistro::kFallo) {
        return std::nullopt;
    }
    return deudas;
}
