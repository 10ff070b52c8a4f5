// The amount in Spanish words: grammar of the numbers before the currency's noun, hundredths,
// sign, decimals and the currency names that name the units.
#include "money/words/importeletra.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/money/formato_moneda.h"

namespace {

// The expected texts are written here in UTF-8 for reading; the words come in Windows-1252,
// where the accented letters used are the Latin-1 ones.
std::string Cp1252(const std::string& sUtf8) {
    std::string s;
    for (std::size_t i = 0; i < sUtf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(sUtf8[i]);
        if (c == 0xC3 && i + 1 < sUtf8.size()) {
            s += static_cast<char>(static_cast<unsigned char>(sUtf8[++i]) + 0x40);
        } else {
            s += static_cast<char>(c);
        }
    }
    return s;
}

struct Caso {
    const char* sMoneda;
    std::int64_t nDiezMilesimas;
    const char* sPalabras;  // UTF-8
};

// The settings of a format, with a currency name.
AjustesMoneda Nombrados(const MonedaDePrueba& formato, const std::string& sNombre) {
    AjustesMoneda a = Ajustes(formato);
    a.sNombreMoneda = sNombre;
    return a;
}

class ImporteEnLetraTest : public ::testing::Test {
  protected:
    static void Comprobar(const MonedaDePrueba& formato, const Caso& caso) {
        const AjustesMoneda a = Nombrados(formato, Cp1252(caso.sMoneda));
        EXPECT_EQ(ImporteEnLetra(Importe(caso.nDiezMilesimas), a), Cp1252(caso.sPalabras))
            << caso.nDiezMilesimas << " " << caso.sMoneda << " decimals " << formato.nDecimales;
    }
};

constexpr std::int64_t kUnidad = 10000;

// Before a masculine noun: "un", "veintiún", "ciento un"; "de" after whole millions.
TEST_F(ImporteEnLetraTest, WholeEurosTakeTheShortFormsAndDeAfterMillions) {
    const Caso casos[] = {
        {"euro", 0, "cero euros"},
        {"euro", 1 * kUnidad, "un euro"},
        {"euro", 2 * kUnidad, "dos euros"},
        {"euro", 21 * kUnidad, "veintiún euros"},
        {"euro", 31 * kUnidad, "treinta y un euros"},
        {"euro", 101 * kUnidad, "ciento un euros"},
        {"euro", 100 * kUnidad, "cien euros"},
        {"euro", 200 * kUnidad, "doscientos euros"},
        {"euro", 600 * kUnidad, "seiscientos euros"},
        {"euro", 900 * kUnidad, "novecientos euros"},
        {"euro", 1000 * kUnidad, "mil euros"},
        {"euro", 21000 * kUnidad, "veintiún mil euros"},
        {"euro", 1000000 * kUnidad, "un millón de euros"},
        {"euro", 2000000 * kUnidad, "dos millones de euros"},
        {"euro", 1000001 * kUnidad, "un millón un euros"},
        {"euro", 1200000 * kUnidad, "un millón doscientos mil euros"},
        {"euro", 1000000000 * kUnidad, "mil millones de euros"},
        {"euro", 1000000000000 * kUnidad, "un billón de euros"},
    };
    for (const Caso& caso : casos) {
        Comprobar({}, caso);
    }
}

// Two decimals spell the hundredths after "con", when there are any; the units round as the
// printed amount does.
TEST_F(ImporteEnLetraTest, HundredthsFollowWithConAndRoundLikeThePrintedAmount) {
    const Caso casos[] = {
        {"euro", 12345600, "mil doscientos treinta y cuatro euros con cincuenta y seis céntimos"},
        {"euro", 10100, "un euro con un céntimo"},
        {"euro", 2100, "cero euros con veintiún céntimos"},
        {"euro", 50, "cero euros con un céntimo"},
        {"euro", 49, "cero euros"},
        {"euro", 19950, "dos euros"},
        {"euro", 10000000000, "un millón de euros"},
        {"euro", 10000000100, "un millón de euros con un céntimo"},
        {"dólar", 16600, "un dólar con sesenta y seis centavos"},
        {"peso", 20100, "dos pesos con un centavo"},
        {"libra", 10100, "una libra con un penique"},
        {"yen", 12345600, "mil doscientos treinta y cuatro con cincuenta y seis"},
    };
    for (const Caso& caso : casos) {
        Comprobar({}, caso);
    }
}

// No decimals: the units round half up and no hundredths are spelled.
TEST_F(ImporteEnLetraTest, NoDecimalsSpellOnlyTheRoundedUnits) {
    const MonedaDePrueba sinDecimales{".", ",", 0};
    const Caso casos[] = {
        {"euro", 12345600, "mil doscientos treinta y cinco euros"},
        {"euro", 14999, "un euro"},
        {"euro", 4999, "cero euros"},
        {"peso", -25000, "menos tres pesos"},
    };
    for (const Caso& caso : casos) {
        Comprobar(sinDecimales, caso);
    }
}

// A negative amount says so unless it rounds to nothing.
TEST_F(ImporteEnLetraTest, NegativeAmountsStartWithMenos) {
    const Caso casos[] = {
        {"euro", -12500, "menos un euro con veinticinco céntimos"},
        {"euro", -2100, "menos cero euros con veintiún céntimos"},
        {"euro", -10000000000, "menos un millón de euros"},
        {"euro", -40, "cero euros"},
        {"", -210000, "menos veintiuno"},
    };
    for (const Caso& caso : casos) {
        Comprobar({}, caso);
    }
}

// The first word of the currency name, in either number, any case, the accent optional; other
// names give the bare number, whose words stand alone ("uno", "veintiuno").
TEST_F(ImporteEnLetraTest, TheCurrencyNameChoosesTheNouns) {
    const Caso casos[] = {
        {"Euro", 21 * kUnidad, "veintiún euros"},
        {"EUROS", 1 * kUnidad, "un euro"},
        {"dólar estadounidense", 1 * kUnidad, "un dólar"},
        {"Dólares", 2 * kUnidad, "dos dólares"},
        {"DÓLAR", 2 * kUnidad, "dos dólares"},
        {"dolar", 2100, "cero dólares con veintiún centavos"},
        {"peso mexicano", 101 * kUnidad, "ciento un pesos"},
        {"Pesos", 1 * kUnidad, "un peso"},
        {"libra esterlina", 2 * kUnidad, "dos libras"},
        {"LIBRAS", 1000000 * kUnidad, "un millón de libras"},
        {"US Dollar", 21 * kUnidad, "veintiuno"},
        {"eurodólar", 1 * kUnidad, "uno"},
        {"", 0, "cero"},
        {"", 1 * kUnidad, "uno"},
        {"", 31 * kUnidad, "treinta y uno"},
        {"", 101 * kUnidad, "ciento uno"},
        {"", 1000000 * kUnidad, "un millón"},
        {"", 1000001 * kUnidad, "un millón uno"},
        {"", 200 * kUnidad, "doscientos"},
        {"", 10100, "uno con uno"},
    };
    for (const Caso& caso : casos) {
        Comprobar({}, caso);
    }
}

// The libra is feminine: the units and hundreds agree with it, the millions stay masculine.
TEST_F(ImporteEnLetraTest, LibrasAgreeInTheFeminine) {
    const Caso casos[] = {
        {"libra", 0, "cero libras"},
        {"libra", 1 * kUnidad, "una libra"},
        {"libra", 21 * kUnidad, "veintiuna libras"},
        {"libra", 200 * kUnidad, "doscientas libras"},
        {"libra", 1000 * kUnidad, "mil libras"},
        {"libra", 200000 * kUnidad, "doscientas mil libras"},
        {"libra", 221000 * kUnidad, "doscientas veintiuna mil libras"},
        {"libra", 1000001 * kUnidad, "un millón una libras"},
        {"libra", 200500000 * kUnidad, "doscientos millones quinientas mil libras"},
        {"libra", 2000000 * kUnidad, "dos millones de libras"},
        {"libra", 2100, "cero libras con veintiún peniques"},
    };
    for (const Caso& caso : casos) {
        Comprobar({}, caso);
    }
}

// The largest amounts the total can hold are spelled whole, without ICU's soft hyphens.
TEST_F(ImporteEnLetraTest, TheLargestAmountsAreSpelledWithoutSoftHyphens) {
    const AjustesMoneda a = Nombrados({}, "euro");
    const std::string sMaximo = ImporteEnLetra(Importe(INT64_MAX), a);
    EXPECT_EQ(sMaximo, Cp1252("novecientos veintidós billones trescientos treinta y siete mil "
                              "doscientos tres millones seiscientos ochenta y cinco mil "
                              "cuatrocientos setenta y siete euros con cincuenta y ocho céntimos"));
    const std::string sMinimo = ImporteEnLetra(Importe(INT64_MIN), a);
    EXPECT_EQ(sMinimo, "menos " + sMaximo);
}

}  // namespace
