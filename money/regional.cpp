// The first-run currency settings, taken from the user's LC_MONETARY locale.
#include "money/regional.h"

#include <langinfo.h>
#include <locale.h>  // NOLINT(modernize-deprecated-headers): POSIX newlocale, not C's header

#include <array>
#include <climits>
#include <optional>
#include <utility>

#include "money/globalcurrency.h"
#include "settings/ficherostxt.h"  // CadenaAEntero
#include "settings/texto1252.h"

namespace {

std::function<std::string()>& ProveedorNombreMoneda() {
    static std::function<std::string()> proveedor;
    return proveedor;
}

// The eight places where ISO-8859-15 differs from ISO-8859-1.
constexpr std::array<std::pair<unsigned char, char32_t>, 8> kLatin9 = {{{0xA4, 0x20AC},
                                                                        {0xA6, 0x0160},
                                                                        {0xA8, 0x0161},
                                                                        {0xB4, 0x017D},
                                                                        {0xB8, 0x017E},
                                                                        {0xBC, 0x0152},
                                                                        {0xBD, 0x0153},
                                                                        {0xBE, 0x0178}}};

std::string NombreCodificacion(const std::string& sCodificacion) {
    std::string s;
    for (char c : sCodificacion) {
        if (c != '-' && c != '_') {
            s += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
    }
    return s;
}

// The C1 controls, which no locale text holds; Windows-1252 leaves five of its bytes to them.
bool EsControlC1(char32_t cp) {
    return cp >= 0x80 && cp < 0xA0;
}

bool DecodificarUtf8(const std::string& sTexto, std::u32string& puntos) {
    for (std::size_t i = 0; i < sTexto.size();) {
        const std::optional<char32_t> cp = SiguienteUtf8(sTexto, i);
        if (!cp) {
            return false;
        }
        puntos += *cp;
    }
    return true;
}

char32_t DesdeLatin9(unsigned char b) {
    for (const auto& [byte, cp] : kLatin9) {
        if (byte == b) {
            return cp;
        }
    }
    return b;
}

// Bytes of a single-byte set; a byte above 0x7F is accepted only in the sets named here.
bool DecodificarByte(const std::string& sTexto, const std::string& sSet, std::u32string& puntos) {
    const bool bLatin1 = sSet == "ISO88591";
    const bool bLatin9 = sSet == "ISO885915";
    const bool b1252 = sSet == "CP1252" || sSet == "WINDOWS1252";
    for (char c : sTexto) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            puntos += b;
        } else if (b1252 && b < 0xA0) {
            if (EsControlC1(UnicodeDe1252(b))) {
                return false;
            }
            puntos += UnicodeDe1252(b);
        } else if ((bLatin1 || bLatin9 || b1252) && b >= 0xA0) {
            puntos += bLatin9 ? DesdeLatin9(b) : b;
        } else {
            return false;
        }
    }
    return true;
}

bool Decodificar(const std::string& sTexto, const std::string& sCodificacion,
                 std::u32string& puntos) {
    const std::string sSet = NombreCodificacion(sCodificacion);
    return sSet == "UTF8" ? DecodificarUtf8(sTexto, puntos) : DecodificarByte(sTexto, sSet, puntos);
}

// Blanks that Windows-1252 lacks, e.g. the narrow no-break space U+202F that several locales
// use between groups of digits.
bool EsEspacioUnicode(char32_t cp) {
    return (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

bool Codificar1252(char32_t cp, std::string& sResultado) {
    const std::optional<char> c = EsControlC1(cp) ? std::nullopt : ByteDe1252(cp);
    if (c) {
        sResultado += *c;
    }
    return c.has_value();
}

// Code points to Windows-1252. With bEspacioDuro, a blank the code page lacks becomes the
// no-break space 0xA0.
bool Convertir(const std::string& sTexto, const std::string& sCodificacion, bool bEspacioDuro,
               std::string& sResultado) {
    sResultado.clear();
    std::u32string puntos;
    if (!Decodificar(sTexto, sCodificacion, puntos)) {
        return false;
    }
    for (char32_t cp : puntos) {
        if (!Codificar1252(bEspacioDuro && EsEspacioUnicode(cp) ? 0xA0 : cp, sResultado)) {
            return false;
        }
    }
    return true;
}

// A separator in Windows-1252. A blank the code page lacks becomes the no-break space 0xA0
// (not a plain blank: it keeps the amount on one line as the locale's own blank does). Any
// other character the code page lacks, or an empty text where one is needed, gives the
// separator the program takes when none is stored.
std::string Separador1252(const DatosLocaleMonetario& datos, const std::string& sSeparador,
                          const std::string& sDefecto, bool bPuedeFaltar) {
    std::string s;
    const bool bVale =
        Convertir(sSeparador, datos.sCodificacion, true, s) && (bPuedeFaltar || !s.empty());
    return bVale ? s : sDefecto;
}

std::string Recortar(const std::string& s) {
    const auto nPrimero = s.find_first_not_of(' ');
    if (nPrimero == std::string::npos) {
        return "";
    }
    return s.substr(nPrimero, s.find_last_not_of(' ') - nPrimero + 1);
}

// The currency symbol, or the international code ("INR") when Windows-1252 has no way to write
// the symbol.
std::string Simbolo1252(const DatosLocaleMonetario& datos) {
    std::string sSimbolo;
    if (ConvertirA1252(datos.sSimbolo, datos.sCodificacion, sSimbolo)) {
        return sSimbolo;
    }
    std::string sCodigo;
    if (ConvertirA1252(Recortar(datos.sSimboloInternacional), datos.sCodificacion, sCodigo)) {
        return sCodigo;
    }
    return "";
}

int SimboloDelante(char n) {
    return n == 0 ? 0 : 1;
}

std::int32_t ModoPositivo(const DatosLocaleMonetario& datos) {
    // 0 "$1.1", 1 "1.1$", 2 "$ 1.1", 3 "1.1 $". Only p_sep_by_space 1 puts a blank between
    // the symbol and the number; 2 places it beside the (normally empty) positive sign.
    const bool bEspacio = datos.nEspacioPositivo == 1;
    return (SimboloDelante(datos.nSimboloDelantePositivo) ? 0 : 1) + (bEspacio ? 2 : 0);
}

// Negative mode from n_cs_precedes (S: symbol first or not), n_sep_by_space (0, 1, 2) and
// n_sign_posn (0 parentheses, 1 sign first, 2 sign last, 3 sign just before the symbol,
// 4 sign just after the symbol). What the locale writes, and the mode chosen:
//
//   symbol first                            symbol last
//   posn sep0      sep1        sep2          sep0      sep1        sep2
//   0    ($1)  0   ($ 1)  14   ( $1)*  0     (1$)  4   (1 $)  15   (1$ )*  4
//   1    -$1   1   -$ 1   9    - $1*   1     -1$   5   -1 $   8    - 1$*   5
//   2    $1-   3   $ 1-   11   $1 -*   3     1$-   7   1 $-   10   1$ -*   7
//   3    -$1   1   -$ 1   9    - $1*   1     1-$   6   1 -$*  6    1- $    13
//   4    $-1   2   $- 1*  2    $ -1    12    1$-   7   1 $-   10   1$ -*   7
//
// * no Windows pattern has a blank in that place: the pattern with the same order and no
// blank is taken. Values out of range count as symbol first, no blank, sign first.
constexpr std::int32_t kModosNegativos[2][5][3] = {
    {{4, 15, 4}, {5, 8, 5}, {7, 10, 7}, {6, 6, 13}, {7, 10, 7}},
    {{0, 14, 0}, {1, 9, 1}, {3, 11, 3}, {1, 9, 1}, {2, 2, 12}}};

std::int32_t ModoNegativo(const DatosLocaleMonetario& datos) {
    const int nSimbolo = SimboloDelante(datos.nSimboloDelanteNegativo);
    const int nEspacio =
        datos.nEspacioNegativo >= 0 && datos.nEspacioNegativo <= 2 ? datos.nEspacioNegativo : 0;
    const int nPosicion = datos.nPosicionSignoNegativo >= 0 && datos.nPosicionSignoNegativo <= 4
                              ? datos.nPosicionSignoNegativo
                              : 1;
    return kModosNegativos[nSimbolo][nPosicion][nEspacio];
}

// The user's LC_MONETARY locale is selected only while its values are copied.
class LocaleMonetarioDelUsuario {
  public:
    LocaleMonetarioDelUsuario() : m_sAnterior(setlocale(LC_MONETARY, nullptr)) {
        const char* pNombre = setlocale(LC_MONETARY, "");
        m_sNombre = pNombre != nullptr ? pNombre : m_sAnterior;
    }
    ~LocaleMonetarioDelUsuario() { setlocale(LC_MONETARY, m_sAnterior.c_str()); }
    LocaleMonetarioDelUsuario(const LocaleMonetarioDelUsuario&) = delete;
    LocaleMonetarioDelUsuario& operator=(const LocaleMonetarioDelUsuario&) = delete;

    // The character set in which this locale's texts are written.
    std::string Codificacion() const {
        locale_t loc = newlocale(LC_CTYPE_MASK, m_sNombre.c_str(), static_cast<locale_t>(0));
        if (loc == static_cast<locale_t>(0)) {
            return "";
        }
        std::string sCodificacion = nl_langinfo_l(CODESET, loc);
        freelocale(loc);
        return sCodificacion;
    }

  private:
    std::string m_sAnterior;
    std::string m_sNombre;
};

}  // namespace

std::int32_t RellenoPorDefecto(std::int32_t nModoPositivo) {
    return nModoPositivo != 0 && nModoPositivo != 2 ? '#' : ' ';
}

bool ConvertirA1252(const std::string& sTexto, const std::string& sCodificacion,
                    std::string& sResultado) {
    return Convertir(sTexto, sCodificacion, false, sResultado);
}

std::string TextoAgrupacion(const std::string& sAgrupacion) {
    std::string sGrupos;
    bool bRepite = true;
    int nUltimo = 0;
    for (char c : sAgrupacion) {
        if (c <= 0 || c == CHAR_MAX) {
            bRepite = c == 0;
            break;
        }
        if (c == nUltimo) {
            continue;  // "3;3" repeats the last size as "3" already does
        }
        if (!sGrupos.empty()) {
            sGrupos += ';';
        }
        sGrupos += std::to_string(c);
        nUltimo = static_cast<unsigned char>(c);  // a size from 1 to CHAR_MAX - 1 here
    }
    if (sGrupos.empty()) {
        return "0";
    }
    return bRepite ? sGrupos + ";0" : sGrupos;
}

AjustesMoneda AjustesRegionales(const DatosLocaleMonetario& datos,
                                const std::string& sNombreMoneda) {
    AjustesMoneda ajustes;
    ajustes.sNombreMoneda = sNombreMoneda;
    ajustes.sSimbolo = Simbolo1252(datos);
    ajustes.nDecimales = datos.nDecimales == CHAR_MAX ? 0 : datos.nDecimales;
    // Without a decimal separator typed decimals would be read as units.
    ajustes.sSeparadorDecimal = Separador1252(datos, datos.sSeparadorDecimal, ".", false);
    ajustes.sSeparadorMiles = Separador1252(datos, datos.sSeparadorMiles, ",", true);
    ajustes.nTamanoGrupo = CadenaAEntero(TextoAgrupacion(datos.sAgrupacion));
    ajustes.nModoPositivo = ModoPositivo(datos);
    ajustes.nModoNegativo = ModoNegativo(datos);
    ajustes.nRelleno = RellenoPorDefecto(ajustes.nModoPositivo);
    return ajustes;
}

DatosLocaleMonetario LeerLocaleMonetario() {
    LocaleMonetarioDelUsuario locale;
    const lconv* lc = localeconv();
    DatosLocaleMonetario datos;
    datos.sCodificacion = locale.Codificacion();
    datos.sSimbolo = lc->currency_symbol;
    datos.sSimboloInternacional = lc->int_curr_symbol;
    datos.sSeparadorDecimal = lc->mon_decimal_point;
    datos.sSeparadorMiles = lc->mon_thousands_sep;
    datos.sAgrupacion = lc->mon_grouping;
    datos.nDecimales = lc->frac_digits;
    datos.nSimboloDelantePositivo = lc->p_cs_precedes;
    datos.nEspacioPositivo = lc->p_sep_by_space;
    datos.nSimboloDelanteNegativo = lc->n_cs_precedes;
    datos.nEspacioNegativo = lc->n_sep_by_space;
    datos.nPosicionSignoNegativo = lc->n_sign_posn;
    return datos;
}

void CGlobalCurrency::SetProveedorNombreMoneda(std::function<std::string()> proveedor) {
    ProveedorNombreMoneda() = std::move(proveedor);
}

std::string NombreMonedaRegional() {
    const auto& proveedor = ProveedorNombreMoneda();
    return proveedor ? proveedor() : std::string();
}
