#include "output/nombres_pdf.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "settings/texto1252.h"

namespace {

constexpr std::string_view kSeparadores = "/\\";
constexpr std::string_view kReservados = ":*?\"<>|";

// The device names Windows keeps, COM and LPT followed by one of these digits (the superscript
// ones of Windows-1252 included).
constexpr std::array<std::string_view, 4> kDispositivos = {"con", "prn", "aux", "nul"};
constexpr std::string_view kPuertos[] = {"com", "lpt"};
constexpr std::string_view kDigitosPuerto = "123456789\xB9\xB2\xB3";

bool EsControl(char c) {
    const char32_t u = UnicodeDe1252(static_cast<unsigned char>(c));
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

char Seguro(char c) {
    if (kSeparadores.find(c) != std::string_view::npos) {
        return '-';
    }
    if (kReservados.find(c) != std::string_view::npos) {
        return '_';
    }
    return EsControl(c) ? ' ' : c;
}

// Without the characters of sFuera at either end.
std::string Recortado(const std::string& s, std::string_view sFuera) {
    const auto nInicio = s.find_first_not_of(sFuera);
    if (nInicio == std::string::npos) {
        return {};
    }
    return s.substr(nInicio, s.find_last_not_of(sFuera) - nInicio + 1);
}

// The longest start of the text whose UTF-8 takes at most nMax bytes, cut between characters.
std::string Cortado(const std::string& s, std::size_t nMax) {
    std::size_t nBytes = 0;
    std::size_t n = 0;
    for (; n < s.size(); ++n) {
        nBytes += Utf8De1252(s.substr(n, 1)).size();
        if (nBytes > nMax) {
            break;
        }
    }
    return s.substr(0, n);
}

bool EsDispositivo(const std::string& s) {
    const std::string sBase = Minusculas1252(s.substr(0, s.find('.')));
    const std::string sSinBlancos = sBase.substr(0, sBase.find_last_not_of(' ') + 1);
    if (std::find(kDispositivos.begin(), kDispositivos.end(), sSinBlancos) != kDispositivos.end()) {
        return true;
    }
    return sSinBlancos.size() == 4 &&
           std::find(std::begin(kPuertos), std::end(kPuertos), sSinBlancos.substr(0, 3)) !=
               std::end(kPuertos) &&
           kDigitosPuerto.find(sSinBlancos[3]) != std::string_view::npos;
}

}  // namespace

std::string NombreSeguroPdf(const ReciboData& recibo) {
    const std::string sPagador = Recortado(recibo.sPagador1, " ");
    std::string sNombre = Recortado(recibo.sNumero, " ");
    sNombre += sPagador.empty() || sNombre.empty() ? sPagador : " " + sPagador;
    std::transform(sNombre.begin(), sNombre.end(), sNombre.begin(), Seguro);
    sNombre = Recortado(sNombre, " .");
    if (EsDispositivo(sNombre)) {
        sNombre = "_" + sNombre;
    }
    sNombre = Recortado(Cortado(sNombre, kMaxBytesNombrePdf), " .");
    return sNombre.empty() ? "recibo" : sNombre;
}

std::string CNombresPdf::Siguiente(const ReciboData& recibo) {
    const std::string sNombre = NombreSeguroPdf(recibo);
    const std::string sClave = Minusculas1252(sNombre);
    std::string sElegido = sNombre;
    if (!m_usados.insert(sClave).second) {
        std::size_t& n = m_n.try_emplace(sClave, 2).first->second;
        while (!m_usados.insert(Minusculas1252(sNombre + " (" + std::to_string(n) + ")")).second) {
            ++n;
        }
        sElegido = sNombre + " (" + std::to_string(n++) + ")";
    }
    return Utf8De1252(sElegido) + ".pdf";
}
