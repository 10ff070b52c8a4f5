// The table of settings: every entry its own key line within the file's format, read and
// written through its accessor; and the batch write against single writes.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "settings/esquema.h"
#include "settings/ficherostxt.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"

namespace {

using ajustes::kEsquema;

template <class Ajuste>
constexpr bool kEsTexto = std::is_same_v<Ajuste, AjusteTexto>;

std::string Nombre(const ajustes::Entrada& e) {
    return std::visit([](const auto& a) { return LineaClave(a.sSeccion, a.sClave); }, e);
}

bool DentroDelFormato(std::string_view s) {
    return !s.empty() && s.find('\n') == std::string_view::npos;
}

// A value of the entry's kind that differs from its default and from every other entry's.
template <class Ajuste>
auto ValorDistinto(const Ajuste&, std::size_t i) {
    if constexpr (kEsTexto<Ajuste>) {
        return " valor " + std::to_string(i) + " \xF1";
    } else {
        return -1000 - static_cast<std::int32_t>(i);
    }
}

// The default a read of a missing key gives, and the one a read names when the entry has
// none of its own.
template <class Ajuste>
auto DefectoDelLlamador(const Ajuste&) {
    if constexpr (kEsTexto<Ajuste>) {
        return std::string("<del llamador>");
    } else {
        return std::int32_t{-35};
    }
}

TEST(Esquema, EveryKeyLineIsWithinTheFormatAndNamesOneEntryOnly) {
    std::set<std::string> nombres;
    for (const ajustes::Entrada& e : kEsquema) {
        std::visit(
            [](const auto& a) {
                EXPECT_TRUE(a.sSeccion != nullptr && DentroDelFormato(a.sSeccion));
                EXPECT_TRUE(a.sClave != nullptr && DentroDelFormato(a.sClave)) << a.sSeccion;
            },
            e);
        EXPECT_TRUE(nombres.insert(Nombre(e)).second) << Nombre(e);
    }
}

TEST(Esquema, WithoutAFileEveryEntryReadsItsDefault) {
    CarpetaTemporal carpeta;
    for (const ajustes::Entrada& e : kEsquema) {
        std::visit(
            [&](const auto& a) {
                const auto otro = DefectoDelLlamador(a);
                EXPECT_EQ(a.Leer(otro), otro) << Nombre(e);
                using Ajuste = std::decay_t<decltype(a)>;
                if constexpr (kEsTexto<Ajuste>) {
                    if (a.sDefecto) {
                        EXPECT_EQ(a.Leer(), *a.sDefecto) << Nombre(e);
                        return;
                    }
                } else if (a.nDefecto) {
                    EXPECT_EQ(a.Leer(), *a.nDefecto) << Nombre(e);
                    // Stored as its decimal text, the default reads back as itself.
                    EXPECT_EQ(CadenaAEntero(std::to_string(*a.nDefecto)), *a.nDefecto);
                    return;
                }
                EXPECT_THROW(a.Leer(), std::bad_optional_access) << Nombre(e);
            },
            e);
    }
    EXPECT_EQ(BytesDe(carpeta.Fichero()), "");
}

TEST(Esquema, EveryEntryKeepsItsOwnValueAfterAllAreWritten) {
    CarpetaTemporal carpeta;
    for (std::size_t i = 0; i < kEsquema.size(); ++i) {
        std::visit([i](const auto& a) { a.Escribir(ValorDistinto(a, i)); }, kEsquema[i]);
    }
    for (std::size_t i = 0; i < kEsquema.size(); ++i) {
        std::visit(
            [&](const auto& a) {
                EXPECT_EQ(a.Leer(DefectoDelLlamador(a)), ValorDistinto(a, i))
                    << Nombre(kEsquema[i]);
            },
            kEsquema[i]);
    }
    EXPECT_TRUE(FormatoIntacto(BytesDe(carpeta.Fichero())));
}

struct CasoLote : Fila {
    std::vector<ValorAjuste> valores;
};

// Runs of one section, sections coming back, a key written twice, integers among texts.
const CasoLote kLotes[] = {
    {"OneSection", {{ajustes::kNumero, "7"}, {ajustes::kFecha, ""}, {ajustes::kDefNumero, "N"}}},
    {"SectionsInterleaved",
     {{ajustes::kNumero, "7"},
      {ajustes::kIdioma, 2},
      {ajustes::kFecha, "hoy"},
      {ajustes::kColorR, -1},
      {ajustes::kColorG, 3},
      {ajustes::kNumero, "8"},
      {ajustes::kFileLogo, "/tmp/l.bmp"}}},
    {"Empty", {}},
};

class LoteTest : public ::testing::TestWithParam<CasoLote> {};

TEST_P(LoteTest, TheFileEndsAsAfterWritingOneByOne) {
    const std::string sUnoAUno = [] {
        const CarpetaTemporal carpeta;
        ajustes::kDefCobrador.Escribir("antes");
        for (const ValorAjuste& v : GetParam().valores) {
            EscribirValor(v.sSeccion, v.sClave, v.sValor);
        }
        return BytesDe(carpeta.Fichero());
    }();
    const CarpetaTemporal carpeta;
    ajustes::kDefCobrador.Escribir("antes");
    EscribirAjustes(GetParam().valores);
    EXPECT_EQ(BytesDe(carpeta.Fichero()), sUnoAUno);
}

INSTANTIATE_TEST_SUITE_P(Esquema, LoteTest, ::testing::ValuesIn(kLotes),
                         ::testing::PrintToStringParamName());

// An integer in a batch is stored as its accessor stores it.
TEST(Esquema, AnIntegerInABatchIsStoredAsItsAccessorStoresIt) {
    const CarpetaTemporal carpeta;
    for (const std::int32_t n : {0, -1, INT32_MIN, INT32_MAX}) {
        ajustes::kColorB.Escribir(n);
        const std::string sSolo = BytesDe(carpeta.Fichero());
        EscribirAjustes({{ajustes::kColorB, n}});
        EXPECT_EQ(BytesDe(carpeta.Fichero()), sSolo) << n;
        EXPECT_EQ(ajustes::kColorB.Leer(), n);
    }
}

}  // namespace
