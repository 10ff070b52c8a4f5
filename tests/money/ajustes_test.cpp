// The nine currency settings in the settings file: loading, first run and setters.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/esquema.h"
#include "tests/money/entorno_locale.h"
#include "tests/money/formato_moneda.h"

namespace {

// The file's bytes are checked against the key lines as written out here, so that a key
// renamed by mistake shows.
const char* const kSeccionEnFichero = "Aplicacion Recibos";

class Ajustes : public ::testing::Test {
  protected:
    void TearDown() override { CGlobalCurrency::SetProveedorNombreMoneda(nullptr); }
    CarpetaTemporal m_carpeta;
};

TEST_F(Ajustes, PrimerArranqueTomaElLocaleYGuardaLasDiezClavesEnOrden) {
    if (!LocaleInstalado("es_ES.UTF-8")) {
        GTEST_SKIP() << "es_ES.UTF-8 is not installed";
    }
    const VariablesTemporales entorno{{"LC_ALL", "es_ES.UTF-8"}};
    CGlobalCurrency::SetProveedorNombreMoneda([] { return std::string("euro"); });
    CGlobalCurrency::CargarConfiguracion();
    std::string sEsperado;
    // clang-format off
    for (const auto& [sClave, sValor] : std::vector<std::pair<std::string, std::string>>{
             {"monetary name", "euro"}, {"monetary symbol", "\x80"},
             {"Number of fractional digits", "2"}, {"decimal separator", ","},
             {"saparator between groups", "."}, {"Sizes of each group", "30"},
             {"Positive currency mode", "3"}, {"Negative currency mode", "8"},
             {"Relleno", "35"}, {"GetProfileString ok", "1"}}) {
        // clang-format on
        sEsperado += std::string(kSeccionEnFichero) + " - " + sClave + "\n";
        sEsperado += sValor + "\n";
    }
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sEsperado + '\0');
    EXPECT_EQ(Actuales(), Nueve("euro", "\x80", 2, ",", ".", 30, 3, 8, '#'));
    // Grouping 30 is stored, but amounts still group by three.
    EXPECT_EQ(Importe(12345678900).TextoRecibo(), "1.234.567,89 \x80");
}

TEST_F(Ajustes, SinProveedorElNombreQuedaVacioYElLocaleMonetarioSeRestaura) {
    const std::string sAntes = setlocale(LC_MONETARY, nullptr);
    const VariablesTemporales entorno{{"LC_ALL", "en_US.UTF-8"}};
    CGlobalCurrency::SetNombreMoneda("anterior");
    CGlobalCurrency::ValoresRegionales();
    EXPECT_EQ(CGlobalCurrency::GetNombreMoneda(), "");
    EXPECT_EQ(ajustes::kNombreMoneda.Leer("?"), "");
    EXPECT_EQ(setlocale(LC_MONETARY, nullptr), sAntes);
}

TEST_F(Ajustes, YaInicializadoUsaLosValoresPorDefectoSinEscribir) {
    for (const auto& [sModoPositivo, nRelleno] :
         {std::pair{"3", '#'}, {"1", '#'}, {"2", ' '}, {"0", ' '}}) {
        PonerBytes(m_carpeta.Fichero(),
                   std::string("Aplicacion Recibos - GetProfileString ok\n1\n"
                               "Aplicacion Recibos - Positive currency mode\n") +
                       sModoPositivo + "\n" + '\0');
        const std::string sAntes = BytesDe(m_carpeta.Fichero());
        CGlobalCurrency::CargarConfiguracion();
        EXPECT_EQ(Actuales(),
                  Nueve("", "$", 2, ".", ",", 3, std::stoi(sModoPositivo), 0, nRelleno));
        EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sAntes);
    }
}

TEST_F(Ajustes, CargaLoGuardadoYLoQueNoEsNumeroDaCero) {
    using namespace ajustes;
    EscribirAjustes({{kInicializado, 1},
                     {kNombreMoneda, "Peseta"},
                     {kSimbolo, "|A"},
                     {kDecimales.ComoTexto(), "abc"},
                     {kSeparadorDecimal, ","},
                     {kSeparadorMiles, ""},
                     {kTamanoGrupo, 30},
                     {kModoPositivo, 1},
                     {kModoNegativo, 15},
                     {kRelleno, 42}});
    CGlobalCurrency::CargarConfiguracion();
    EXPECT_EQ(Actuales(), Nueve("Peseta", "|A", 0, ",", "", 30, 1, 15, '*'));
    EXPECT_TRUE(CGlobalCurrency::SimboloEstandar());
}

TEST_F(Ajustes, CadaSetterEscribeSuClaveAunqueNoCambie) {
    using C = CGlobalCurrency;
    using namespace ajustes;
    const std::tuple<std::function<void()>, AjusteTexto, const char*> casos[] = {
        {[] { C::SetNombreMoneda("Euro"); }, kNombreMoneda, "Euro"},
        {[] { C::SetSimbolo("|B"); }, kSimbolo, "|B"},
        {[] { C::SetDecimales(0); }, kDecimales.ComoTexto(), "0"},
        {[] { C::SetSeparadorDecimal(","); }, kSeparadorDecimal, ","},
        {[] { C::SetSeparadorMiles("'"); }, kSeparadorMiles, "'"},
        {[] { C::SetModoPositivo(3); }, kModoPositivo.ComoTexto(), "3"},
        {[] { C::SetModoNegativo(-1); }, kModoNegativo.ComoTexto(), "-1"},
        {[] { C::SetRelleno('X'); }, kRelleno.ComoTexto(), "88"}};
    for (const auto& [poner, ajuste, sGuardado] : casos) {
        poner();
        EXPECT_EQ(ajuste.Leer("?"), sGuardado);
        ajuste.Escribir("cambiado por otro");
        poner();  // the same value again
        EXPECT_EQ(ajuste.Leer("?"), sGuardado) << ajuste.sClave;
    }
    EXPECT_EQ(Actuales(), Nueve("Euro", "|B", 0, ",", "'", C::GetTamanoGrupo(), 3, -1, 'X'));
}

}  // namespace
