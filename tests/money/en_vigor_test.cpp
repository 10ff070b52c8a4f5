// The conversions under the settings in force are the by-value ones under those settings, and
// the by-value ones leave the settings in force and the settings file alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

// Settings are put in force by storing and loading them in a folder of the test's own; the
// ones in force before come back afterwards.
class EnVigor : public ::testing::Test {
  protected:
    void TearDown() override { AplicarAjustes(m_anteriores); }
    const AjustesMoneda m_anteriores = CGlobalCurrency::AjustesEnVigor();
    CarpetaTemporal m_carpeta;
};

// Every text a value gives under the settings in force, and the value its receipt text reads
// back as, read into a value that held something else.
auto TextosEnVigor(const CGlobalCurrency& cu) {
    const bool bNegativo = cu.Valor() < 0;
    const std::int32_t nModo =
        bNegativo ? CGlobalCurrency::GetModoNegativo() : CGlobalCurrency::GetModoPositivo();
    CGlobalCurrency cuLeido = Importe(777);
    const bool bLeido = cuLeido.AsignarTexto(cu.TextoRecibo());
    return std::make_tuple(cu.TextoFormulario(), cu.PatronRecibo(), cu.TextoRecibo(),
                           cu.TextoEnteros(), cu.UnidadesRedondeadas(),
                           CGlobalCurrency::AgruparDigitos(cu.Valor()),
                           CGlobalCurrency::MuestraModo(bNegativo, nModo, "1.1", "$"),
                           CGlobalCurrency::SimboloEstandar(), bLeido, cuLeido.Valor());
}

auto TextosDeValor(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    const bool bNegativo = cu.Valor() < 0;
    const std::int32_t nModo = bNegativo ? a.nModoNegativo : a.nModoPositivo;
    using namespace moneda;
    return std::make_tuple(TextoFormulario(cu, a), PatronRecibo(cu, a), TextoRecibo(cu, a),
                           TextoEnteros(cu, a), UnidadesRedondeadas(cu, a),
                           AgruparDigitos(cu.Valor(), a), MuestraModo(bNegativo, nModo, "1.1", "$"),
                           SimboloEstandar(a.sSimbolo),
                           ImporteEnRango(TextoRecibo(cu, a), a).has_value(),
                           ImporteDeTexto(TextoRecibo(cu, a), a).Valor());
}

// Every negative mode, out of range ones included, each beside a positive one, so that every
// positive mode comes too (each set is stored and loaded, so not every pair is tried).
TEST_F(EnVigor, LaApiEstaticaDaLoMismoQueLaDeValorEnCadaModo) {
    const std::tuple<const char*, const char*, const char*> convenciones[] = {
        {".", ",", "$"}, {",", ".", "|A"}, {" dec ", "", "\x80"}};
    const std::int64_t valores[] = {0, 11000, -11000, 99950, -4999, 123456789, kMax, -kMax};
    for (const auto& [sDecimal, sMiles, sSimbolo] : convenciones) {
        for (const std::int32_t nDecimales : {0, 2, 3}) {
            for (std::int32_t nNegativo = -1; nNegativo <= 16; ++nNegativo) {
                const std::int32_t nPositivo = (nNegativo + 1) % 6 - 1;
                const AjustesMoneda a =
                    Ajustes({sDecimal, sMiles, nDecimales, nPositivo, nNegativo, sSimbolo});
                AplicarAjustes(a);
                for (const std::int64_t nValor : valores) {
                    ASSERT_EQ(TextosEnVigor(Importe(nValor)), TextosDeValor(Importe(nValor), a))
                        << nValor << " '" << sDecimal << "' '" << sMiles << "' " << sSimbolo << " "
                        << nDecimales << " modes " << nPositivo << "/" << nNegativo;
                }
            }
        }
    }
}

// The same amounts under two conventions at once, while a third is in force.
TEST_F(EnVigor, DosAjustesSeUsanALaVezSinTocarLosDeEnVigorNiElFichero) {
    const AjustesMoneda us = Ajustes({".", ",", 2, 0, 0, "$"});
    AplicarAjustes(us);
    const std::string sFichero = BytesDe(m_carpeta.Fichero());
    const AjustesMoneda es = Ajustes({",", ".", 2, 3, 8, "\x80"});
    const AjustesMoneda ch = Ajustes({".", "'", 0, 2, 12, "CHF"});
    // Value, its receipt text under es and under ch, a text and what it reads as under each.
    // clang-format off
    const std::tuple<std::int64_t, const char*, const char*, const char*, std::int64_t,
                     std::int64_t> casos[] = {
        {123456789, "12.345,68 \x80", "CHF 12'346", "1.234,56", 12345600, 12345},
        {-123456700, "-12.345,67 \x80", "CHF -12'346", "(12.5", -1250000, -125000},
        {4999, "0,50 \x80", "CHF 0", "0,5'1", 5100, 510000}};
    // clang-format on
    for (const auto& [nValor, sEs, sCh, sTexto, nEs, nCh] : casos) {
        const CGlobalCurrency cu = Importe(nValor);
        EXPECT_EQ(std::make_tuple(moneda::TextoRecibo(cu, es), moneda::TextoRecibo(cu, ch),
                                  moneda::ImporteDeTexto(sTexto, es).Valor(),
                                  moneda::ImporteDeTexto(sTexto, ch).Valor()),
                  std::make_tuple(sEs, sCh, nEs, nCh))
            << nValor << " " << sTexto;
    }
    EXPECT_EQ(CGlobalCurrency::AjustesEnVigor(), us);
    EXPECT_EQ(Importe(123456789).TextoRecibo(), "$12,345.68");
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sFichero);
}

}  // namespace
