#include "remesa/cuentas.h"

#include <algorithm>
#include <array>

namespace {

struct LongitudIban {
    char sPais[3];
    int nLongitud;
};

// The length of an IBAN in each country of the IBAN registry.
constexpr std::array<LongitudIban, 89> kLongitudes = {{
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16}, {"BG", 22},
    {"BH", 22}, {"BI", 27}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28}, {"CZ", 24},
    {"DE", 22}, {"DJ", 27}, {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24}, {"FI", 18},
    {"FK", 18}, {"FO", 18}, {"FR", 27}, {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18}, {"GR", 27},
    {"GT", 28}, {"HR", 21}, {"HU", 28}, {"IE", 22}, {"IL", 23}, {"IQ", 23}, {"IS", 26}, {"IT", 27},
    {"JO", 30}, {"KW", 30}, {"KZ", 20}, {"LB", 28}, {"LC", 32}, {"LI", 21}, {"LT", 20}, {"LU", 20},
    {"LV", 21}, {"LY", 25}, {"MC", 27}, {"MD", 24}, {"ME", 22}, {"MK", 19}, {"MN", 20}, {"MR", 27},
    {"MT", 31}, {"MU", 30}, {"NI", 28}, {"NL", 18}, {"NO", 15}, {"OM", 23}, {"PK", 24}, {"PL", 28},
    {"PS", 29}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"RU", 33}, {"SA", 24}, {"SC", 31}, {"SD", 18},
    {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"SO", 23}, {"ST", 25}, {"SV", 28}, {"TL", 23},
    {"TN", 24}, {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20}, {"YE", 30},
}};

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

bool EsMayuscula(char c) {
    return c >= 'A' && c <= 'Z';
}

bool EsAlfanumerico(char c) {
    return EsDigito(c) || EsMayuscula(c);
}

bool Todos(std::string_view s, bool (*f)(char)) {
    return std::all_of(s.begin(), s.end(), f);
}

std::optional<int> LongitudDe(std::string_view sPais) {
    for (const LongitudIban& l : kLongitudes) {
        if (sPais == l.sPais) {
            return l.nLongitud;
        }
    }
    return std::nullopt;
}

// A check digit of the Spanish domestic account code over 10 digits, weighted.
int DigitoCcc(std::string_view sDiez) {
    constexpr int kPesos[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
    int nSuma = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        nSuma += (sDiez[i] - '0') * kPesos[i];
    }
    const int n = 11 - nSuma % 11;
    return n == 11 ? 0 : n == 10 ? 1 : n;
}

// The Spanish account code (bank 4, branch 4, checks 2, account 10): the first check digit
// covers "00" + bank + branch, the second the account.
bool CccValido(std::string_view sCcc) {
    if (!Todos(sCcc, EsDigito)) {
        return false;
    }
    const std::string sEntidad = "00" + std::string(sCcc.substr(0, 8));
    return DigitoCcc(sEntidad) == sCcc[8] - '0' && DigitoCcc(sCcc.substr(10, 10)) == sCcc[9] - '0';
}

}  // namespace

std::string Compactar(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (c != ' ' && c != '\t') {
            r += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return r;
}

std::optional<int> Modulo97(std::string_view s) {
    int nResto = 0;
    for (char c : s) {
        if (EsDigito(c)) {
            nResto = (nResto * 10 + (c - '0')) % 97;
        } else if (EsMayuscula(c)) {
            nResto = (nResto * 100 + (c - 'A' + 10)) % 97;
        } else {
            return std::nullopt;
        }
    }
    return nResto;
}

std::optional<std::string> ErrorIban(std::string_view sIban) {
    const std::string s = Compactar(sIban);
    if (s.size() < 2 || !EsMayuscula(s[0]) || !EsMayuscula(s[1])) {
        return "no empieza por el código de un país";
    }
    if (s.size() < 5) {
        return "es demasiado corto";
    }
    if (!EsDigito(s[2]) || !EsDigito(s[3])) {
        return "los dígitos de control no son dos cifras";
    }
    if (!Todos(s, EsAlfanumerico)) {
        return "tiene caracteres que no son letras ni cifras";
    }
    const std::optional<int> nLongitud = LongitudDe(s.substr(0, 2));
    if (!nLongitud) {
        return "el país " + s.substr(0, 2) + " no tiene IBAN";
    }
    if (static_cast<int>(s.size()) != *nLongitud) {
        return "un IBAN de " + s.substr(0, 2) + " tiene " + std::to_string(*nLongitud) +
               " caracteres, no " + std::to_string(s.size());
    }
    if (Modulo97(s.substr(4) + s.substr(0, 4)) != 1) {
        return "los dígitos de control no cuadran";
    }
    if (s.starts_with("ES") && !CccValido(s.substr(4))) {
        return "los dígitos de control de la cuenta no cuadran";
    }
    return std::nullopt;
}

std::optional<std::string> ErrorBic(std::string_view sBic) {
    const std::string s = Compactar(sBic);
    if (s.size() != 8 && s.size() != 11) {
        return "un BIC tiene 8 u 11 caracteres";
    }
    // The place code as the ISO pattern has it: a letter or 2 to 9 first, anything but 'O' then.
    const bool bLugar = (EsMayuscula(s[6]) || (s[6] >= '2' && s[6] <= '9')) &&
                        (EsAlfanumerico(s[7]) && s[7] != 'O');
    if (!Todos(std::string_view(s).substr(0, 6), EsMayuscula) || !Todos(s, EsAlfanumerico) ||
        !bLugar) {
        return "un BIC son 6 letras y 2 o 5 letras o cifras";
    }
    return std::nullopt;
}

std::string DigitosIdentificadorAcreedor(std::string_view sPais, std::string_view sNacional) {
    const int nDigitos =
        98 - Modulo97(std::string(sNacional) + std::string(sPais) + "00").value_or(0);
    return {static_cast<char>('0' + nDigitos / 10), static_cast<char>('0' + nDigitos % 10)};
}

std::optional<std::string> ErrorIdentificadorAcreedor(std::string_view sIdentificador) {
    const std::string s = Compactar(sIdentificador);
    if (s.size() < 2 || !EsMayuscula(s[0]) || !EsMayuscula(s[1])) {
        return "no empieza por el código de un país";
    }
    if (s.size() < 8) {
        return "es demasiado corto";
    }
    if (!EsDigito(s[2]) || !EsDigito(s[3])) {
        return "los dígitos de control no son dos cifras";
    }
    if (!Todos(s, EsAlfanumerico)) {
        return "tiene caracteres que no son letras ni cifras";
    }
    const std::string_view sNacional = std::string_view(s).substr(7);
    if (s.size() > 35) {
        return "tiene más de 35 caracteres";
    }
    if (s.starts_with("ES") && sNacional.size() != 9) {
        return "tras ES, los dígitos de control y el código de negocio va un NIF de 9 caracteres";
    }
    if (DigitosIdentificadorAcreedor(s.substr(0, 2), sNacional) != s.substr(2, 2)) {
        return "los dígitos de control no cuadran";
    }
    return std::nullopt;
}
