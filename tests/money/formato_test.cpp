// Amounts to text: form text, receipt pattern and receipt text under the settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

// The receipt text is the pattern with its sign mark resolved: a custom sign takes the mark's
// place, a standard sign ("|A") leaves nothing.
void Comprobar(const MonedaDePrueba& f, std::int64_t nValor, const std::string& sFormulario,
               const std::string& sPatron) {
    const AjustesMoneda a = Ajustes(f);
    const CGlobalCurrency cu = Importe(nValor);
    std::string sRecibo = sPatron;
    if (const auto n = sRecibo.find('|'); n != std::string::npos) {
        sRecibo.replace(n, 1, f.sSimbolo[0] == '|' ? "" : f.sSimbolo);
    }
    EXPECT_EQ(std::tie(sFormulario, sPatron, sRecibo),
              std::make_tuple(moneda::TextoFormulario(cu, a), moneda::PatronRecibo(cu, a),
                              moneda::TextoRecibo(cu, a)))
        << nValor << " modes " << f.nPositivo << "/" << f.nNegativo;
}

TEST(Formato, TextosDelImporte) {
    const MonedaDePrueba es{",", ".", 2, 3, 8, "\x80"}, us{".", ",", 2, 0, 1, "$"};
    const MonedaDePrueba us0{".", ",", 0, 0, 1, "$"};
    // clang-format off
    const std::tuple<MonedaDePrueba, std::int64_t, const char*, const char*> casos[] = {
        {es, 123456789, "12.345,68", "12.345,68 |"}, {us, 0, "0.00", "|0.00"},
        {{".", ",", 2, 0, 8}, -123456700, "-12,345.67", "-12,345.67 |"},
        // Rounding half away from zero, on the magnitude.
        {us0, 95000, "10", "|10"}, {us0, -25000, "-3", "-|3"}, {us, 99950, "10.00", "|10.00"},
        {us0, 0, "0", "|0"}, {us, 40, "0.00", "|0.00"}, {us, 50, "0.01", "|0.01"},
        {us, 9950, "1.00", "|1.00"}, {us0, 4999, "0", "|0"}, {us0, 5000, "1", "|1"},
        {{".", ","}, -40, "(0.00)", "(|0.00)"}, {us0, -4999, "-0", "-|0"},
        {us, 9999950, "1,000.00", "|1,000.00"},
        // Other counts of decimals show none and round up only from .995.
        {{".", ",", 3}, 19949, "1", "|1"}, {{".", ",", 1}, 19950, "2", "|2"},
        // Separators of several characters, or none.
        {{".", "<>"}, 12345678900, "1<>234<>567.89", "|1<>234<>567.89"},
        {{".", ""}, 12345678900, "1234567.89", "|1234567.89"},
        {{" dec ", ","}, 12345678900, "1,234,567 dec 89", "|1,234,567 dec 89"},
        {{",", "\xA0"}, 12345678900, "1\240234\240567,89", "|1\240234\240567,89"},
        // Modes out of the tables act as mode 0.
        {{".", ",", 2, 7}, 11000, "1.10", "|1.10"}, {{".", ",", 2, -1}, 11000, "1.10", "|1.10"},
        {{".", ",", 2, 0, 20}, -11000, "(1.10)", "(|1.10)"},
        {{".", ",", 2, 0, -3}, -11000, "(1.10)", "(|1.10)"},
        // A standard sign leaves its blank.
        {{".", ",", 2, 2, 0, "|A"}, 11000, "1.10", "| 1.10"},
        {{".", ",", 2, 0, 8, "|B"}, -11000, "-1.10", "-1.10 |"},
        // The four positive modes.
        {{".", ",", 2, 0}, 11000, "1.10", "|1.10"}, {{".", ",", 2, 1}, 11000, "1.10", "1.10|"},
        {{".", ",", 2, 2}, 11000, "1.10", "| 1.10"}, {{".", ",", 2, 3}, 11000, "1.10", "1.10 |"},
        // Large amounts in 64 bits.
        {us, 30000000000000, "3,000,000,000.00", "|3,000,000,000.00"},
        {us, -21474836480000, "-2,147,483,648.00", "-|2,147,483,648.00"},
        {us, kMax, "922,337,203,685,477.58", "|922,337,203,685,477.58"},
        {us, -kMax, "-922,337,203,685,477.58", "-|922,337,203,685,477.58"},
        {us, INT64_MIN, "-922,337,203,685,477.58", "-|922,337,203,685,477.58"},
        {us0, kMax, "922,337,203,685,478", "|922,337,203,685,478"}};
    // clang-format on
    for (const auto& [f, nValor, sFormulario, sPatron] : casos) {
        Comprobar(f, nValor, sFormulario, sPatron);
    }
}

TEST(Formato, LosDieciseisModosNegativos) {
    // clang-format off
    const std::pair<const char*, const char*> modos[] = {
        {"(|1.10)", "(1.10)"}, {"-|1.10", "-1.10"}, {"|-1.10", "-1.10"}, {"|1.10-", "1.10-"},
        {"(1.10|)", "(1.10)"}, {"-1.10|", "-1.10"}, {"1.10-|", "1.10-"}, {"1.10|-", "1.10-"},
        {"-1.10 |", "-1.10"}, {"-| 1.10", "-1.10"}, {"1.10 |-", "1.10-"}, {"| 1.10-", "1.10-"},
        {"| -1.10", "-1.10"}, {"1.10- |", "1.10-"}, {"(| 1.10)", "(1.10)"}, {"(1.10 |)", "(1.10)"}};
    // clang-format on
    for (int nModo = 0; nModo < 16; ++nModo) {
        Comprobar({".", ",", 2, 0, nModo, "$"}, -11000, modos[nModo].second, modos[nModo].first);
    }
}

TEST(Formato, AgruparDigitosYPartesPorSeparado) {
    const AjustesMoneda a = Ajustes({".", ",", 2});
    const std::pair<std::int64_t, const char*> casos[] = {{0, "0"},
                                                          {999, "999"},
                                                          {1000, "1,000"},
                                                          {12345, "12,345"},
                                                          {-1234, "1,234"},
                                                          {1234567890123, "1,234,567,890,123"},
                                                          {kMax, "9,223,372,036,854,775,807"}};
    for (const auto& [n, s] : casos) {
        EXPECT_EQ(moneda::AgruparDigitos(n, a), s) << n;
    }
    for (const auto& [nValor, sPartes] :
         {std::pair<std::int64_t, const char*>{99950, "10|00"}, {-9949, "0|99"}}) {
        const CGlobalCurrency cu = Importe(nValor);
        EXPECT_EQ(moneda::TextoEnteros(cu, a) + "|" + cu.TextoDecimales(), sPartes) << nValor;
    }
    EXPECT_EQ(Importe(10700).TextoDecimales(), "07");
    EXPECT_EQ(moneda::TextoEnteros(Importe(9949), Ajustes({".", ",", 0})), "1");
}

}  // namespace
