// The user's regional currency settings on Linux: the raw values of the locale's LC_MONETARY
// category and their translation into the program's nine currency settings.
#pragma once

#include <cstdint>
#include <string>

// What localeconv() gives for the user's LC_MONETARY locale, copied out as it is. Texts are in
// the locale's own character set (sCodificacion, as nl_langinfo(CODESET) names it). The
// single-byte numbers keep localeconv's CHAR_MAX for "not available".
struct DatosLocaleMonetario {
    std::string sCodificacion;          // "UTF-8", "ISO-8859-15", "ANSI_X3.4-1968"...
    std::string sSimbolo;               // currency_symbol
    std::string sSimboloInternacional;  // int_curr_symbol, e.g. "INR "
    std::string sSeparadorDecimal;      // mon_decimal_point
    std::string sSeparadorMiles;        // mon_thousands_sep
    std::string sAgrupacion;            // mon_grouping, one byte per group size
    char nDecimales = 0;                // frac_digits
    char nSimboloDelantePositivo = 0;   // p_cs_precedes
    char nEspacioPositivo = 0;          // p_sep_by_space
    char nSimboloDelanteNegativo = 0;   // n_cs_precedes
    char nEspacioNegativo = 0;          // n_sep_by_space
    char nPosicionSignoNegativo = 0;    // n_sign_posn
};

// The nine currency settings, in the order in which they are stored.
struct AjustesMoneda {
    std::string sNombreMoneda;
    std::string sSimbolo;
    std::int32_t nDecimales = 0;
    std::string sSeparadorDecimal;
    std::string sSeparadorMiles;
    std::int32_t nTamanoGrupo = 0;
    std::int32_t nModoPositivo = 0;
    std::int32_t nModoNegativo = 0;
    std::int32_t nRelleno = 0;

    friend bool operator==(const AjustesMoneda&, const AjustesMoneda&) = default;
};

// Reads the user's LC_MONETARY locale (setlocale(LC_MONETARY, "")); the category is set back
// to what it was before the call returns.
DatosLocaleMonetario LeerLocaleMonetario();

// Translates the locale's values into the nine settings. sNombreMoneda (already Windows-1252)
// is taken as the currency's name. Texts are converted to Windows-1252.
AjustesMoneda AjustesRegionales(const DatosLocaleMonetario& datos,
                                const std::string& sNombreMoneda);

// mon_grouping written the Windows way: "3;0" for groups of three repeated, "3;2;0" for three
// then twos, "3" for one group of three only, "0" for no grouping.
std::string TextoAgrupacion(const std::string& sAgrupacion);

// The fill character when none is stored: '#' when the sign follows the number (positive modes
// other than 0 and 2), else a blank.
std::int32_t RellenoPorDefecto(std::int32_t nModoPositivo);

// The currency's name from the provider the platform installed (empty when none is).
std::string NombreMonedaRegional();

// Text in the named character set to Windows-1252. False when some character has no
// Windows-1252 code or the text is not valid in that set.
bool ConvertirA1252(const std::string& sTexto, const std::string& sCodificacion,
                    std::string& sResultado);
