#include "form/lote_csv.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

// A control character (C0, DEL or C1, the bytes Windows-1252 leaves undefined among them):
// what a text file of receipts never holds, and a sign of binary data.
bool EsControl(char32_t u) {
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

std::string SinBlancos(const std::string& s) {
    const auto nInicio = s.find_first_not_of(" \t");
    if (nInicio == std::string::npos) {
        return {};
    }
    return s.substr(nInicio, s.find_last_not_of(" \t") - nInicio + 1);
}

std::string Hex(char32_t u) {
    char s[16];
    std::snprintf(s, sizeof s, "U+%04X", static_cast<unsigned>(u));
    return s;
}

// The separator of the header line: the more frequent of ';' and ',' outside quotes; ';' when
// neither is there, since an unquoted "12,50" is then read whole.
char SeparadorDe(std::string_view s) {
    std::size_t nComas = 0, nPuntosYComa = 0;
    bool bComillas = false;
    for (char c : s) {
        if (c == '"') {
            bComillas = !bComillas;
        } else if (!bComillas && (c == '\n' || c == '\r')) {
            break;
        } else if (!bComillas) {
            nComas += c == ',' ? 1 : 0;
            nPuntosYComa += c == ';' ? 1 : 0;
        }
    }
    return nComas > nPuntosYComa ? ',' : ';';
}

// The line of a position, counting line ends as the records do: "\r\n", "\n" or a lone "\r".
std::size_t LineaDe(std::string_view s, std::size_t nPos) {
    std::size_t nLinea = 1;
    for (std::size_t i = 0; i < nPos; ++i) {
        nLinea += s[i] == '\n' || (s[i] == '\r' && s[i + 1] != '\n') ? 1 : 0;
    }
    return nLinea;
}

}  // namespace

std::string TextoErrorLote(const std::string& sFichero, const ErrorLote& error) {
    std::string s = sFichero;
    if (error.Linea() > 0) {
        s += ":" + std::to_string(error.Linea());
    }
    s += ": ";
    if (!error.Columna().empty()) {
        s += Utf8De1252(error.Columna()) + ": ";
    }
    return s + error.what();
}

std::string LeerFicheroLote(const std::string& sRuta) {
    std::error_code error;
    std::ifstream f(sRuta, std::ios::binary);
    if (!f || std::filesystem::is_directory(sRuta, error)) {
        throw ErrorLote(0, "", "no se puede leer el fichero");
    }
    std::string sBytes;
    std::array<char, 1 << 16> trozo;
    while (f.read(trozo.data(), trozo.size()) || f.gcount() > 0) {
        if (sBytes.size() + static_cast<std::size_t>(f.gcount()) > kMaxBytesLote) {
            throw ErrorLote(0, "", "el fichero mide más de 64 MB");
        }
        sBytes.append(trozo.data(), static_cast<std::size_t>(f.gcount()));
    }
    if (f.bad()) {
        throw ErrorLote(0, "", "no se puede leer el fichero");
    }
    return sBytes;
}

LectorCsv::LectorCsv(std::string sBytes) : m_sBytes(std::move(sBytes)) {
    if (m_sBytes.starts_with(kMarcaUtf8)) {
        m_sBytes.erase(0, kMarcaUtf8.size());
    } else if (!EsUtf8(m_sBytes)) {
        m_codificacion = CodificacionLote::kWindows1252;
    }
    if (const void* pNulo = std::memchr(m_sBytes.data(), 0, m_sBytes.size())) {
        const auto nPos =
            static_cast<std::size_t>(static_cast<const char*>(pNulo) - m_sBytes.data());
        throw ErrorLote(LineaDe(m_sBytes, nPos), "", "no es un fichero de texto (byte 0)");
    }
    if (m_sBytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        throw ErrorLote(0, "", "el fichero está vacío");
    }
    m_cSeparador = SeparadorDe(m_sBytes);
    std::vector<std::string> nombres;
    do {
        m_nLineaFila = m_nLinea;
        LeerRegistro(nombres);
    } while (nombres.size() == 1 && SinBlancos(nombres[0]).empty() && m_nPos < m_sBytes.size());
    for (std::size_t i = 0; i < nombres.size(); ++i) {
        Convertir(nombres[i], i);
        nombres[i] = SinBlancos(nombres[i]);
        if (nombres[i].empty()) {
            throw ErrorLote(m_nLineaFila, "",
                            "la columna " + std::to_string(i + 1) + " no tiene nombre");
        }
    }
    m_cabecera = std::move(nombres);
    m_nInicioDatos = m_nPos;
    m_nLineaDatos = m_nLinea;
}

void LectorCsv::Rebobinar() {
    m_nPos = m_nInicioDatos;
    m_nLinea = m_nLineaDatos;
    m_nFilas = 0;
}

bool LectorCsv::SiguienteFila(std::vector<std::string>& campos) {
    for (;;) {
        m_nLineaFila = m_nLinea;
        if (!LeerRegistro(campos)) {
            return false;
        }
        if (std::all_of(campos.begin(), campos.end(), [](const auto& s) { return s.empty(); })) {
            continue;
        }
        if (campos.size() != m_cabecera.size()) {
            throw ErrorLote(m_nLineaFila, "",
                            "la fila tiene " + std::to_string(campos.size()) +
                                " campos y la cabecera " + std::to_string(m_cabecera.size()));
        }
        if (++m_nFilas > kMaxFilasLote) {
            throw ErrorLote(m_nLineaFila, "",
                            "el lote tiene más de " + std::to_string(kMaxFilasLote) + " recibos");
        }
        for (std::size_t i = 0; i < campos.size(); ++i) {
            Convertir(campos[i], i);
        }
        return true;
    }
}

// One record: fields up to the end of its line (line breaks inside quotes belong to it).
bool LectorCsv::LeerRegistro(std::vector<std::string>& campos) {
    campos.clear();
    if (m_nPos >= m_sBytes.size()) {
        return false;
    }
    const std::size_t nMaxCampos = m_cabecera.empty() ? kMaxColumnasLote : m_cabecera.size();
    for (;;) {
        if (campos.size() == nMaxCampos) {
            throw ErrorLote(m_nLineaFila, "",
                            "la fila tiene más de " + std::to_string(nMaxCampos) + " campos");
        }
        campos.emplace_back();
        LeerCampo(campos.back(), campos.size() - 1);
        if (m_nPos >= m_sBytes.size()) {
            return true;
        }
        const char c = m_sBytes[m_nPos++];
        if (c == m_cSeparador) {
            continue;
        }
        // A line ends with "\r\n", "\n" or a lone "\r".
        if (c == '\r' && m_nPos < m_sBytes.size() && m_sBytes[m_nPos] == '\n') {
            ++m_nPos;
        }
        ++m_nLinea;
        return true;
    }
}

// A field up to its separator or line end, which is left for the record to read.
void LectorCsv::LeerCampo(std::string& sCampo, std::size_t nColumna) {
    std::size_t nInicio = m_nPos;
    while (nInicio < m_sBytes.size() && EsBlanco(m_sBytes[nInicio])) {
        ++nInicio;
    }
    if (nInicio < m_sBytes.size() && m_sBytes[nInicio] == '"') {
        m_nPos = nInicio + 1;
        LeerCampoEntreComillas(sCampo, nColumna);
        return;
    }
    while (m_nPos < m_sBytes.size()) {
        const char c = m_sBytes[m_nPos];
        if (c == m_cSeparador || c == '\n' || c == '\r') {
            return;
        }
        AnadirByte(sCampo, c, nColumna);
        ++m_nPos;
    }
}

// From after the opening quote; "" is one quote. Only blanks may follow the closing quote.
void LectorCsv::LeerCampoEntreComillas(std::string& sCampo, std::size_t nColumna) {
    for (;;) {
        if (m_nPos >= m_sBytes.size()) {
            throw ErrorLote(m_nLineaFila, NombreColumna(nColumna), "falta la comilla de cierre");
        }
        const char c = m_sBytes[m_nPos++];
        if (c == '"' && m_nPos < m_sBytes.size() && m_sBytes[m_nPos] == '"') {
            ++m_nPos;
        } else if (c == '"') {
            break;
        }
        m_nLinea += c == '\n' || (c == '\r' && m_sBytes[m_nPos] != '\n') ? 1 : 0;
        AnadirByte(sCampo, c, nColumna);
    }
    while (m_nPos < m_sBytes.size() && EsBlanco(m_sBytes[m_nPos])) {
        ++m_nPos;
    }
    if (m_nPos < m_sBytes.size() && m_sBytes[m_nPos] != m_cSeparador && m_sBytes[m_nPos] != '\n' &&
        m_sBytes[m_nPos] != '\r') {
        throw ErrorLote(m_nLineaFila, NombreColumna(nColumna),
                        "hay texto después de la comilla de cierre");
    }
}

void LectorCsv::AnadirByte(std::string& sCampo, char c, std::size_t nColumna) {
    if (sCampo.size() == kMaxBytesCampo) {
        throw ErrorLote(m_nLineaFila, NombreColumna(nColumna),
                        "el campo mide más de " + std::to_string(kMaxBytesCampo) + " bytes");
    }
    sCampo += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
}

std::string LectorCsv::NombreColumna(std::size_t nColumna) const {
    return nColumna < m_cabecera.size() ? m_cabecera[nColumna]
                                        : "columna " + std::to_string(nColumna + 1);
}

// In place, to Windows-1252; a character it has no byte for, or a control character, is
// refused with its code.
void LectorCsv::Convertir(std::string& sCampo, std::size_t nColumna) const {
    std::string s1252;
    std::size_t i = 0;
    while (i < sCampo.size()) {
        const std::size_t nAntes = i;
        const char32_t u = m_codificacion == CodificacionLote::kUtf8
                               ? SiguienteUtf8(sCampo, i).value_or(0xFFFD)
                               : UnicodeDe1252(static_cast<unsigned char>(sCampo[i++]));
        if (EsControl(u)) {
            throw ErrorLote(m_nLineaFila, NombreColumna(nColumna),
                            "carácter de control " + Hex(u) + ": no es un fichero de texto");
        }
        const std::optional<char> c = ByteDe1252(u);
        if (!c) {
            throw ErrorLote(m_nLineaFila, NombreColumna(nColumna),
                            "'" + sCampo.substr(nAntes, i - nAntes) + "' (" + Hex(u) +
                                ") no existe en Windows-1252");
        }
        s1252 += *c;
    }
    sCampo = std::move(s1252);
}
