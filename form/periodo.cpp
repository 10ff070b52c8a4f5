#include "form/periodo.h"

#include <array>
#include <ctime>

#include "settings/texto1252.h"

namespace {

constexpr std::array<const char*, 12> kMeses = {"enero",      "febrero", "marzo",     "abril",
                                                "mayo",       "junio",   "julio",     "agosto",
                                                "septiembre", "octubre", "noviembre", "diciembre"};

// The placeholders, as the Windows-1252 text they are written with (Ñ is byte 0xD1).
constexpr std::string_view kMes = "MES";
constexpr std::string_view kMesSiguiente = "MES_SIGUIENTE";
constexpr std::string_view kAnio = "A\xD1O";
constexpr std::string_view kPeriodo = "PERIODO";

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

// A letter of Windows-1252: ASCII, and the accented capitals and small letters from 0xC0 on
// but the signs × and ÷.
bool EsLetra(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
           (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

// The length of the name that begins the text: a letter, then letters, digits and '_'.
std::size_t LargoNombre(std::string_view s) {
    if (s.empty() || !EsLetra(s[0])) {
        return 0;
    }
    std::size_t n = 1;
    while (n < s.size() && (EsLetra(s[n]) || EsDigito(s[n]) || s[n] == '_')) {
        ++n;
    }
    return n;
}

std::optional<std::string> Valor(std::string_view sNombre, const Periodo& p) {
    const std::string sMes = kMeses[static_cast<std::size_t>(p.nMes - 1)];
    const std::string sAnio = std::to_string(p.nAnio);
    if (sNombre == kMes) {
        return sMes;
    }
    if (sNombre == kMesSiguiente) {
        return kMeses[static_cast<std::size_t>(p.nMes % 12)];
    }
    if (sNombre == kAnio) {
        return sAnio;
    }
    if (sNombre == kPeriodo) {
        return sMes + " de " + sAnio;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Periodo> LeerPeriodo(std::string_view s) {
    if (s.size() != 7 || s[4] != '-') {
        return std::nullopt;
    }
    for (std::size_t i : {0, 1, 2, 3, 5, 6}) {
        if (!EsDigito(s[i])) {
            return std::nullopt;
        }
    }
    const int nAnio = std::stoi(std::string(s.substr(0, 4)));
    const int nMes = std::stoi(std::string(s.substr(5, 2)));
    if (nAnio < 1 || nMes < 1 || nMes > 12) {
        return std::nullopt;
    }
    return Periodo{nAnio, nMes};
}

Periodo PeriodoActual() {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    localtime_r(&ahora, &local);
    return {local.tm_year + 1900, local.tm_mon + 1};
}

std::string SustituirMarcadores(std::string_view s, const Periodo& periodo) {
    std::string sResultado;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t nLlave = s.find('{', i);
        if (nLlave == std::string_view::npos) {
            break;
        }
        const std::size_t nFin = nLlave + 1 + LargoNombre(s.substr(nLlave + 1));
        sResultado.append(s.substr(i, nLlave - i));
        if (nFin == nLlave + 1 || nFin == s.size() || s[nFin] != '}') {
            sResultado += '{';  // no name between braces: the text as it is
            i = nLlave + 1;
            continue;
        }
        const std::string_view sNombre = s.substr(nLlave + 1, nFin - nLlave - 1);
        const std::optional<std::string> sValor = Valor(sNombre, periodo);
        if (!sValor) {
            throw ErrorMarcador("'{" + Utf8De1252(sNombre) +
                                "}' no es un marcador: se conocen {MES}, {MES_SIGUIENTE}, "
                                "{AÑO} y {PERIODO}");
        }
        sResultado += *sValor;
        i = nFin + 1;
    }
    sResultado.append(s.substr(i));
    return sResultado;
}
