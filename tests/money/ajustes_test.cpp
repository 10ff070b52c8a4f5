// The nine currency settings in the settings file: loading, first run and setters.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/ficherostxt.h"
#include "tests/money/entorno_locale.h"
#include "tests/money/formato_moneda.h"

namespace {

const char* const kSeccion = "Aplicacion Recibos";

using Pares = std::vector<std::pair<std::string, std::string>>;

// The pairs of the settings file, in file order.
Pares ParesDelFichero(const CarpetaTemporal& carpeta) {
    std::string sBytes = BytesDe(carpeta.Fichero());
    Pares pares;
    std::vector<std::string> lineas;
    std::string sLinea;
    for (char c : sBytes.substr(0, sBytes.find('\0'))) {
        if (c == '\n') {
            lineas.push_back(sLinea);
            sLinea.clear();
        } else {
            sLinea += c;
        }
    }
    for (std::size_t i = 0; i + 1 < lineas.size(); i += 2) {
        pares.emplace_back(lineas[i], lineas[i + 1]);
    }
    return pares;
}

class Ajustes : public ::testing::Test {
  protected:
    void TearDown() override { CGlobalCurrency::SetProveedorNombreMoneda(nullptr); }
    CarpetaTemporal m_carpeta;
};

TEST_F(Ajustes, PrimerArranqueTomaElLocaleYGuardaLasDiezClavesEnOrden) {
    if (!LocaleInstalado("es_ES.UTF-8")) {
        GTEST_SKIP() << "es_ES.UTF-8 is not installed";
    }
    EntornoLocale entorno("es_ES.UTF-8");
    CGlobalCurrency::SetProveedorNombreMoneda([] { return std::string("euro"); });
    CGlobalCurrency::CargarConfiguracion();

    const Pares esperados = {
        {"Aplicacion Recibos - monetary name", "euro"},
        {"Aplicacion Recibos - monetary symbol", "\x80"},
        {"Aplicacion Recibos - Number of fractional digits", "2"},
        {"Aplicacion Recibos - decimal separator", ","},
        {"Aplicacion Recibos - saparator between groups", "."},
        {"Aplicacion Recibos - Sizes of each group", "30"},
        {"Aplicacion Recibos - Positive currency mode", "3"},
        {"Aplicacion Recibos - Negative currency mode", "8"},
        {"Aplicacion Recibos - Relleno", "35"},
        {"Aplicacion Recibos - GetProfileString ok", "1"},
    };
    EXPECT_EQ(ParesDelFichero(m_carpeta), esperados);
    EXPECT_EQ(CGlobalCurrency::GetNombreMoneda(), "euro");
    EXPECT_EQ(CGlobalCurrency::GetSimbolo(), "\x80");
    EXPECT_EQ(CGlobalCurrency::GetTamanoGrupo(), 30);
    EXPECT_EQ(CGlobalCurrency::GetRelleno(), '#');
    // Grouping 30 is stored, but amounts still group by three.
    EXPECT_EQ(Importe(12345678900).TextoRecibo(), "1.234.567,89 \x80");
}

TEST_F(Ajustes, SinProveedorElNombreQuedaVacio) {
    CGlobalCurrency::SetNombreMoneda("anterior");
    CGlobalCurrency::ValoresRegionales();
    EXPECT_EQ(CGlobalCurrency::GetNombreMoneda(), "");
    EXPECT_EQ(LeerValor(kSeccion, "monetary name", "?"), "");
}

TEST_F(Ajustes, LocaleMonetarioRestauradoTrasLeerlo) {
    const std::string sAntes = setlocale(LC_MONETARY, nullptr);
    EntornoLocale entorno("en_US.UTF-8");
    CGlobalCurrency::ValoresRegionales();
    EXPECT_EQ(setlocale(LC_MONETARY, nullptr), sAntes);
}

TEST_F(Ajustes, YaInicializadoUsaLosValoresPorDefectoSinEscribir) {
    struct Caso {
        const char* sModoPositivo;
        std::int32_t nRelleno;
    };
    for (const Caso c : {Caso{"3", '#'}, Caso{"1", '#'}, Caso{"2", ' '}, Caso{"0", ' '}}) {
        SCOPED_TRACE(c.sModoPositivo);
        PonerBytes(m_carpeta.Fichero(),
                   std::string("Aplicacion Recibos - GetProfileString ok\n1\n"
                               "Aplicacion Recibos - Positive currency mode\n") +
                       c.sModoPositivo + "\n" + '\0');
        const std::string sAntes = BytesDe(m_carpeta.Fichero());
        CGlobalCurrency::CargarConfiguracion();
        EXPECT_EQ(CGlobalCurrency::GetRelleno(), c.nRelleno);
        EXPECT_EQ(CGlobalCurrency::GetNombreMoneda(), "");
        EXPECT_EQ(CGlobalCurrency::GetSimbolo(), "$");
        EXPECT_EQ(CGlobalCurrency::GetDecimales(), 2);
        EXPECT_EQ(CGlobalCurrency::GetSeparadorDecimal(), ".");
        EXPECT_EQ(CGlobalCurrency::GetSeparadorMiles(), ",");
        EXPECT_EQ(CGlobalCurrency::GetTamanoGrupo(), 3);
        EXPECT_EQ(CGlobalCurrency::GetModoNegativo(), 0);
        EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sAntes);
    }
}

TEST_F(Ajustes, CargaLoGuardadoYLoQueNoEsNumeroDaCero) {
    EscribirValores(kSeccion, {{"GetProfileString ok", "1"},
                               {"monetary name", "Peseta"},
                               {"monetary symbol", "|A"},
                               {"Number of fractional digits", "abc"},
                               {"decimal separator", ","},
                               {"saparator between groups", ""},
                               {"Sizes of each group", "30"},
                               {"Positive currency mode", "1"},
                               {"Negative currency mode", "15"},
                               {"Relleno", "42"}});
    CGlobalCurrency::CargarConfiguracion();
    EXPECT_EQ(CGlobalCurrency::GetNombreMoneda(), "Peseta");
    EXPECT_EQ(CGlobalCurrency::GetSimbolo(), "|A");
    EXPECT_TRUE(CGlobalCurrency::SimboloEstandar());
    EXPECT_EQ(CGlobalCurrency::GetDecimales(), 0);
    EXPECT_EQ(CGlobalCurrency::GetSeparadorDecimal(), ",");
    EXPECT_EQ(CGlobalCurrency::GetSeparadorMiles(), "");
    EXPECT_EQ(CGlobalCurrency::GetTamanoGrupo(), 30);
    EXPECT_EQ(CGlobalCurrency::GetModoPositivo(), 1);
    EXPECT_EQ(CGlobalCurrency::GetModoNegativo(), 15);
    EXPECT_EQ(CGlobalCurrency::GetRelleno(), '*');
}

TEST_F(Ajustes, CadaSetterEscribeSuClaveAunqueNoCambie) {
    struct Caso {
        std::function<void()> poner;
        const char* sClave;
        const char* sGuardado;
    };
    const Caso casos[] = {
        {[] { CGlobalCurrency::SetNombreMoneda("Euro"); }, "monetary name", "Euro"},
        {[] { CGlobalCurrency::SetSimbolo("|B"); }, "monetary symbol", "|B"},
        {[] { CGlobalCurrency::SetDecimales(0); }, "Number of fractional digits", "0"},
        {[] { CGlobalCurrency::SetSeparadorDecimal(","); }, "decimal separator", ","},
        {[] { CGlobalCurrency::SetSeparadorMiles("'"); }, "saparator between groups", "'"},
        {[] { CGlobalCurrency::SetModoPositivo(3); }, "Positive currency mode", "3"},
        {[] { CGlobalCurrency::SetModoNegativo(-1); }, "Negative currency mode", "-1"},
        {[] { CGlobalCurrency::SetRelleno('X'); }, "Relleno", "88"},
    };
    for (const auto& c : casos) {
        c.poner();
        EXPECT_EQ(LeerValor(kSeccion, c.sClave, "?"), c.sGuardado);
        EscribirValor(kSeccion, c.sClave, "cambiado por otro");
        c.poner();  // the same value again
        EXPECT_EQ(LeerValor(kSeccion, c.sClave, "?"), c.sGuardado) << c.sClave;
    }
    EXPECT_EQ(CGlobalCurrency::GetNombreMoneda(), "Euro");
    EXPECT_EQ(CGlobalCurrency::GetSimbolo(), "|B");
    EXPECT_EQ(CGlobalCurrency::GetDecimales(), 0);
    EXPECT_EQ(CGlobalCurrency::GetSeparadorDecimal(), ",");
    EXPECT_EQ(CGlobalCurrency::GetSeparadorMiles(), "'");
    EXPECT_EQ(CGlobalCurrency::GetModoPositivo(), 3);
    EXPECT_EQ(CGlobalCurrency::GetModoNegativo(), -1);
    EXPECT_EQ(CGlobalCurrency::GetRelleno(), 'X');
}

}  // namespace
