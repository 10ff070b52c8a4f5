#include "money/words/importeletra.h"

#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "money/formato.h"
#include "settings/texto1252.h"

namespace {

enum class Genero { Masculino, Femenino, Ninguno };

// Units and hundredths of a currency, singular and plural, with the units' gender.
struct Moneda {
    std::array<std::string_view, 4> nombres;  // first words of the currency name that mean it
    Genero genero;
    std::string_view unidad, unidades;
    std::string_view centesima, centesimas;
};

// Texts in Windows-1252: 0xE9 is "é", 0xF3 is "ó".
constexpr std::array<Moneda, 4> kMonedas{{
    {{"euro", "euros", "", ""}, Genero::Masculino, "euro", "euros", "c\xE9ntimo", "c\xE9ntimos"},
    {{"d\xF3lar", "dolar", "d\xF3lares", "dolares"},
     Genero::Masculino,
     "d\xF3lar",
     "d\xF3lares",
     "centavo",
     "centavos"},
    {{"peso", "pesos", "", ""}, Genero::Masculino, "peso", "pesos", "centavo", "centavos"},
    {{"libra", "libras", "", ""}, Genero::Femenino, "libra", "libras", "penique", "peniques"},
}};

// ICU's Spanish rule sets: the masculine cardinal is already cut before a noun ("un euro",
// "veintiún euros"); the numbering set is the bare number ("veintiuno").
constexpr const char16_t* kReglasMasculino = u"%spellout-cardinal-masculine";
constexpr const char16_t* kReglasFemenino = u"%spellout-cardinal-feminine";
constexpr const char16_t* kReglasNumero = u"%spellout-numbering";

const icu::RuleBasedNumberFormat* Formato() {
    thread_local const std::unique_ptr<icu::RuleBasedNumberFormat> formato = [] {
        UErrorCode estado = U_ZERO_ERROR;
        auto f = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                              icu::Locale("es"), estado);
        if (U_FAILURE(estado)) {
            f.reset();
        }
        return f;
    }();
    return formato.get();
}

// The words of n under one rule set, without ICU's soft hyphens ("seis\u00ADcientos").
std::optional<icu::UnicodeString> Palabras(std::uint64_t n, const char16_t* sReglas) {
    const icu::RuleBasedNumberFormat* formato = Formato();
    if (formato == nullptr) {
        return std::nullopt;
    }
    UErrorCode estado = U_ZERO_ERROR;
    icu::FieldPosition posicion;
    icu::UnicodeString sPalabras;
    formato->format(static_cast<std::int64_t>(n), icu::UnicodeString(sReglas), sPalabras, posicion,
                    estado);
    if (U_FAILURE(estado)) {
        return std::nullopt;
    }
    return sPalabras.findAndReplace(icu::UnicodeString(u'\u00AD'), icu::UnicodeString());
}

// Two parts of a number joined by a blank; an empty part adds nothing, a missing one spoils all.
std::optional<icu::UnicodeString> Unir(const std::optional<icu::UnicodeString>& sA,
                                       const std::optional<icu::UnicodeString>& sB) {
    if (!sA || !sB) {
        return std::nullopt;
    }
    if (sA->isEmpty() || sB->isEmpty()) {
        return *sA + *sB;
    }
    return *sA + u" " + *sB;
}

// The words of a part of a number, nothing for a part that is zero.
std::optional<icu::UnicodeString> Parte(std::uint64_t n, const char16_t* sReglas) {
    return n == 0 ? icu::UnicodeString() : Palabras(n, sReglas);
}

// Before a feminine noun the hundreds of thousands agree as well ("doscientas mil libras"),
// where ICU's feminine set keeps them masculine: the millions and above, the thousands and the
// rest are spelled one by one.
std::optional<icu::UnicodeString> PalabrasFemenino(std::uint64_t n) {
    if (n < 1000) {
        return Palabras(n, kReglasFemenino);
    }
    const std::uint64_t nMiles = n / 1000 % 1000;
    const icu::UnicodeString sMil(u"mil");
    const std::optional<icu::UnicodeString> sMiles =
        nMiles <= 1 ? Parte(nMiles * 1000, kReglasFemenino)
                    : Unir(Palabras(nMiles, kReglasFemenino), sMil);
    return Unir(Unir(Parte(n - n % 1000000, kReglasMasculino), sMiles),
                Parte(n % 1000, kReglasFemenino));
}

std::optional<icu::UnicodeString> PalabrasSegun(std::uint64_t n, Genero genero) {
    switch (genero) {
        case Genero::Masculino:
            return Palabras(n, kReglasMasculino);
        case Genero::Femenino:
            return PalabrasFemenino(n);
        case Genero::Ninguno:
            break;
    }
    return Palabras(n, kReglasNumero);
}

std::string AWindows1252(const icu::UnicodeString& s) {
    std::string sUtf8;
    return Cp1252DeUtf8(s.toUTF8String(sUtf8));
}

const Moneda* MonedaDeNombre(const std::string& sNombre) {
    const std::string sPrimera = Minusculas1252(sNombre.substr(0, sNombre.find(' ')));
    for (const Moneda& moneda : kMonedas) {
        for (const std::string_view nombre : moneda.nombres) {
            if (!nombre.empty() && nombre == sPrimera) {
                return &moneda;
            }
        }
    }
    return nullptr;
}

// "un millón de euros": the noun after whole millions takes "de".
std::string ConNombre(const std::string& sPalabras, std::uint64_t n, std::string_view singular,
                      std::string_view plural) {
    const bool bDe = n != 0 && n % 1000000 == 0;
    return sPalabras + (bDe ? " de " : " ") + std::string(n == 1 ? singular : plural);
}

// The words of n, with the currency's noun after them when there is a currency.
std::optional<std::string> Cantidad(std::uint64_t n, const Moneda* moneda, bool bCentesimas) {
    const Genero genero = moneda == nullptr ? Genero::Ninguno
                          : bCentesimas     ? Genero::Masculino
                                            : moneda->genero;
    const std::optional<icu::UnicodeString> sPalabras = PalabrasSegun(n, genero);
    if (!sPalabras) {
        return std::nullopt;
    }
    const std::string s = AWindows1252(*sPalabras);
    if (moneda == nullptr) {
        return s;
    }
    return bCentesimas ? ConNombre(s, n, moneda->centesima, moneda->centesimas)
                       : ConNombre(s, n, moneda->unidad, moneda->unidades);
}

}  // namespace

std::string ImporteEnLetra(const CGlobalCurrency& cuImporte, const AjustesMoneda& a) {
    const Moneda* moneda = MonedaDeNombre(a.sNombreMoneda);
    const std::uint64_t nUnidades = moneda::UnidadesRedondeadas(cuImporte, a);
    const int nCentesimas = a.nDecimales == 2 ? cuImporte.CentesimasRedondeadas() : 0;
    const std::optional<std::string> sUnidades = Cantidad(nUnidades, moneda, false);
    const std::optional<std::string> sCentesimas =
        nCentesimas == 0 ? std::string() : Cantidad(nCentesimas, moneda, true);
    if (!sUnidades || !sCentesimas) {
        return {};
    }
    const bool bMenos = cuImporte.Valor() < 0 && (nUnidades != 0 || nCentesimas != 0);
    return (bMenos ? "menos " : "") + *sUnidades +
           (sCentesimas->empty() ? "" : " con " + *sCentesimas);
}
