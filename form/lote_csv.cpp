#include "form/lote_csv.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// Unicode of the bytes 0x80 to 0x9F; 0 where Windows-1252 has no character.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t UnicodeDe(unsigned char c) {
    if (c >= 0x80 && c < 0xA0 && kAltos[c - 0x80] != 0) {
        return kAltos[c - 0x80];
    }
    return c;
}

// The inverse of UnicodeDe.
std::optional<char> ByteDe(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u < 0xA0 && kAltos[u - 0x80] == 0)) {
        return static_cast<char>(u);
    }
    const auto it = std::find(kAltos.begin(), kAltos.end(), u);
    if (it == kAltos.end()) {
        return std::nullopt;
    }
    return static_cast<char>(0x80 + (it - kAltos.begin()));
}

void AnadirUtf8(std::string& s, char32_t u) {
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// One character of well-formed UTF-8 from position i (moved past it); nothing when the bytes
// there are not one: stray continuation bytes, overlong forms, surrogates, beyond U+10FFFF.
std::optional<char32_t> SiguienteUtf8(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int nSeguidos = c < 0x80   ? 0
                          : c < 0xC2 ? -1
                          : c < 0xE0 ? 1
                          : c < 0xF0 ? 2
                          : c < 0xF5 ? 3
                                     : -1;
    if (nSeguidos < 0 || i + nSeguidos >= s.size()) {
        return std::nullopt;
    }
    char32_t u = nSeguidos == 0 ? c : c & (0x3F >> nSeguidos);
    for (int k = 1; k <= nSeguidos; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) {
            return std::nullopt;
        }
        u = (u << 6) | (d & 0x3F);
    }
    constexpr char32_t kMinimos[] = {0, 0x80, 0x800, 0x10000};
    if (u < kMinimos[nSeguidos] || (u >= 0xD800 && u < 0xE000) || u > 0x10FFFF) {
        return std::nullopt;
    }
    i += nSeguidos + 1;
    return u;
}

bool EsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
        } else if (!SiguienteUtf8(s, i)) {
            return false;
        }
    }
    return true;
}

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

std::string Utf8De1252(std::string_view sTexto) {
    std::string s;
    s.reserve(sTexto.size());
    for (char c : sTexto) {
        AnadirUtf8(s, UnicodeDe(static_cast<unsigned char>(c)));
    }
    return s;
}

std::string Cp1252DeUtf8(std::string_view sTexto, char cSustituto) {
    std::string s;
    std::size_t i = 0;
    while (i < sTexto.size()) {
        const std::optional<char32_t> u = SiguienteUtf8(sTexto, i);
        const std::optional<char> c = u ? ByteDe(*u) : std::nullopt;
        s += c.value_or(cSustituto);
        i += u ? 0 : 1;
    }
    return s;
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
                               : UnicodeDe(static_cast<unsigned char>(sCampo[i++]));
        if (EsControl(u)) {
            throw ErrorLote(m_nLineaFila, NombreColumna(nColumna),
                            "carácter de control " + Hex(u) + ": no es un fichero de texto");
        }
        const std::optional<char> c = ByteDe(u);
        if (!c) {
            throw ErrorLote(m_nLineaFila, NombreColumna(nColumna),
                            "'" + sCampo.substr(nAntes, i - nAntes) + "' (" + Hex(u) +
                                ") no existe en Windows-1252");
        }
        s1252 += *c;
    }
    sCampo = std::move(s1252);
}
