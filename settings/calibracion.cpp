// The printers' corrections file: one line per queue, its name and four integers separated by
// tabs.
#include "settings/calibracion.h"

#include <array>
#include <charconv>
#include <sstream>
#include <vector>

#include "settings/fichero_posix.h"
#include "settings/ficherostxt.h"

namespace {

constexpr std::size_t kLargoMaximoCola = 127;

// The fields of a line split at tabs.
std::vector<std::string> Campos(const std::string& sLinea) {
    std::vector<std::string> campos;
    std::size_t nInicio = 0;
    for (;;) {
        const std::size_t nTab = sLinea.find('\t', nInicio);
        campos.push_back(sLinea.substr(nInicio, nTab - nInicio));
        if (nTab == std::string::npos) {
            return campos;
        }
        nInicio = nTab + 1;
    }
}

// A decimal integer and nothing else.
std::optional<std::int32_t> Entero(const std::string& sTexto) {
    std::int32_t n = 0;
    const char* pFin = sTexto.data() + sTexto.size();
    const auto [p, ec] = std::from_chars(sTexto.data(), pFin, n);
    if (ec != std::errc() || p != pFin || sTexto.empty()) {
        return std::nullopt;
    }
    return n;
}

std::string Linea(const std::string& sCola, const CalibracionImpresora& c) {
    std::ostringstream s;
    s << sCola << '\t' << c.nDesplazamientoX << '\t' << c.nDesplazamientoY << '\t' << c.nEscalaX
      << '\t' << c.nEscalaY << '\n';
    return s.str();
}

// The name a line is about: what stands before its first tab.
std::string ColaDeLinea(const std::string& sLinea) {
    return sLinea.substr(0, sLinea.find('\t'));
}

}  // namespace

bool CalibracionImpresora::Valida() const {
    auto desplazamiento = [](std::int32_t n) {
        return n >= -kDesplazamientoMaximo && n <= kDesplazamientoMaximo;
    };
    auto escala = [](std::int32_t n) { return n >= kEscalaMinima && n <= kEscalaMaxima; };
    return desplazamiento(nDesplazamientoX) && desplazamiento(nDesplazamientoY) &&
           escala(nEscalaX) && escala(nEscalaY);
}

std::string RutaFicheroCalibracion() {
    return FolderOf(RutaFicheroConfiguracion()) + "/calibracion.inf";
}

bool NombreColaValido(const std::string& sCola) {
    if (sCola.empty() || sCola.size() > kLargoMaximoCola) {
        return false;
    }
    for (const char c : sCola) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7F) {
            return false;
        }
    }
    return true;
}

std::optional<CalibracionImpresora> CalibracionDeLinea(const std::string& sLinea,
                                                       const std::string& sCola) {
    const std::vector<std::string> campos = Campos(sLinea);
    if (campos.size() != 5 || campos[0] != sCola) {
        return std::nullopt;
    }
    std::array<std::int32_t, 4> valores{};
    for (std::size_t i = 0; i < valores.size(); ++i) {
        const std::optional<std::int32_t> n = Entero(campos[i + 1]);
        if (!n) {
            return std::nullopt;
        }
        valores[i] = *n;
    }
    const CalibracionImpresora c{valores[0], valores[1], valores[2], valores[3]};
    return c.Valida() ? std::optional(c) : std::nullopt;
}

CalibracionImpresora LeerCalibracion(const std::string& sCola) {
    std::string sTexto;
    if (!NombreColaValido(sCola) ||
        ReadWholeFile(RutaFicheroCalibracion(), sTexto) != ReadOutcome::kRead) {
        return {};
    }
    std::istringstream lineas(sTexto);
    for (std::string sLinea; std::getline(lineas, sLinea);) {
        if (ColaDeLinea(sLinea) == sCola) {
            return CalibracionDeLinea(sLinea, sCola).value_or(CalibracionImpresora{});
        }
    }
    return {};
}

// The other queues' lines are kept as they are; the queue's own line is replaced, or removed
// for the neutral correction.
bool GuardarCalibracion(const std::string& sCola, const CalibracionImpresora& calibracion) {
    if (!NombreColaValido(sCola) || !calibracion.Valida()) {
        return false;
    }
    return RewriteLocked(RutaFicheroCalibracion(), [&](const std::string& sAnterior) {
        std::string sNuevo;
        std::istringstream lineas(sAnterior);
        for (std::string sLinea; std::getline(lineas, sLinea);) {
            if (!sLinea.empty() && ColaDeLinea(sLinea) != sCola) {
                sNuevo += sLinea + '\n';
            }
        }
        return calibracion.Neutra() ? sNuevo : sNuevo + Linea(sCola, calibracion);
    });
}
