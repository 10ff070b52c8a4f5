// The currency options dialog driven through its controls.
#include "money/configdlg.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "settings/esquema.h"
#include "tests/options/entorno_opciones.h"
#include "tests/options/filas_glifos.h"
#include "tests/support/ui.h"

namespace {

constexpr int kCustom = 1074;
constexpr int kStandard = 1089;
constexpr int kEditSigno = 1096;
constexpr int kEditNombre = 1113;

// Every sign button with its normal picture.
const std::vector<std::pair<int, int>> kNormales = {
    {1051, 175}, {1056, 157}, {1057, 155}, {1058, 172}, {1060, 165}, {1061, 158},
    {1062, 168}, {1063, 148}, {1064, 154}, {1069, 153}, {1070, 173}, {1071, 162},
    {1072, 164}, {1075, 161}, {1076, 163}, {1077, 167}, {1078, 159}, {1088, 169},
    {1098, 160}, {1099, 170}, {1100, 166}, {1101, 156}, {1102, 176}};

class ConfigDlgTest : public OpcionesTest {
  protected:
    CConfigDlg& Abrir(const Moneda& moneda) {
        GuardarMoneda(moneda);
        return Reabrir();
    }
    CConfigDlg& Reabrir() { return AbrirDialogo(m_dlg); }
    // The row of glyph cells the samples draw at height y.
    std::string FilaPintada(int y) const {
        RecordingDevice dc;
        m_dlg->OnPaint(dc);
        return FilaDibujada(dc, y);
    }
    static std::string Ajuste(const AjusteTexto& ajuste) { return ajuste.Leer("<ninguno>"); }
    bool Marcado(int id) const { return m_dlg->Window().GetCheck(id); }
    int BotonesResaltados() const {
        int n = 0;
        for (const auto& [id, nNormal] : kNormales) {
            n += MuestraImagen(*m_dlg, id, nNormal) ? 0 : 1;
        }
        return n;
    }

    std::unique_ptr<CConfigDlg> m_dlg;
};

TEST_F(ConfigDlgTest, OpeningShowsTheStoredSettingsAndComputedCaptions) {
    CConfigDlg& dlg = Abrir({",", "'", 0, 2, 9, '*', "EUR", "Euro"});

    for (int id : {1110, 1053, 1067, 1086, 1126, 1129, kCustom}) {
        EXPECT_TRUE(Marcado(id)) << id;
    }
    for (int id : {1111, 1052, 1065, 1095, 1124, 1128, kStandard}) {
        EXPECT_FALSE(Marcado(id)) << id;
    }
    EXPECT_EQ(dlg.GetDlgItemText(kEditSigno), "EUR");
    EXPECT_EQ(dlg.GetDlgItemText(kEditNombre), "Euro");

    const std::pair<int, const char*> muestras[] = {
        {1065, "$1.1"},   {1066, "1.1$"},   {1067, "$ 1.1"},   {1068, "1.1 $"},
        {1095, "($1.1)"}, {1059, "-$1.1"},  {1081, "(1.1$)"},  {1084, "1.1$-"},
        {1087, "1.1 $-"}, {1092, "1.1- $"}, {1093, "($ 1.1)"}, {1094, "(1.1 $)"}};
    for (const auto& [id, sTexto] : muestras) {
        EXPECT_EQ(dlg.GetDlgItemText(id), sTexto) << id;
    }
    EXPECT_EQ(dlg.GetDlgItemText(1114), "Separador Decimales");
    EXPECT_EQ(dlg.GetDlgItemText(1115), "Representaci\xF3n Positivos");
    EXPECT_EQ(dlg.GetDlgItemText(kCustom), "Signo Personalizado");
    EXPECT_EQ(dlg.GetDlgItemText(kStandard), "Signos Standard");
    EXPECT_EQ(dlg.GetDlgItemText(1121), "Relleno");
    EXPECT_EQ(BotonesResaltados(), 0);
}

struct Emparejamiento {
    const char* sDecimal;
    const char* sMiles;
    int idPulsado;
    const char* sDecimalGuardado;
    const char* sMilesGuardado;
    int idEstilo;  // the decimal-style radio checked afterwards
    int idMiles;   // the group-separator radio checked afterwards
};

class SeparadoresTest : public ConfigDlgTest,
                        public ::testing::WithParamInterface<Emparejamiento> {};

TEST_P(SeparadoresTest, TheOtherSeparatorGivesWayWhenTheyWouldClash) {
    const Emparejamiento& c = GetParam();
    CConfigDlg& dlg = Abrir({.sDecimal = c.sDecimal, .sMiles = c.sMiles});
    ui::Click(dlg, c.idPulsado);
    EXPECT_EQ(Ajuste(ajustes::kSeparadorDecimal), c.sDecimalGuardado);
    EXPECT_EQ(Ajuste(ajustes::kSeparadorMiles), c.sMilesGuardado);
    for (int id : {1110, 1111, 1124, 1125, 1126, 1127}) {
        EXPECT_EQ(Marcado(id), id == c.idEstilo || id == c.idMiles) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Parejas, SeparadoresTest,
                         ::testing::Values(
                             // "1.000,00" while the groups use ',': the groups switch to '.'.
                             Emparejamiento{".", ",", 1110, ",", ".", 1110, 1125},
                             // "1,000.00" while the groups use '.': the groups switch to ','.
                             Emparejamiento{",", ".", 1111, ".", ",", 1111, 1124},
                             // Group '.' while the decimals use '.': the decimals switch to ','.
                             Emparejamiento{".", ",", 1125, ",", ".", 1110, 1125},
                             // Group ',' while the decimals use ',': the decimals switch to '.'.
                             Emparejamiento{",", ".", 1124, ".", ",", 1111, 1124},
                             // "'" and " " never touch the decimal separator.
                             Emparejamiento{".", ",", 1126, ".", "'", 1111, 1126},
                             Emparejamiento{",", ".", 1127, ",", " ", 1110, 1127},
                             // No clash: only the decimal separator changes.
                             Emparejamiento{",", "'", 1111, ".", "'", 1111, 1126}));

struct EleccionRadio {
    int id;
    AjusteTexto ajuste;
    const char* sValor;
};

class RadiosTest : public ConfigDlgTest, public ::testing::WithParamInterface<EleccionRadio> {};

TEST_P(RadiosTest, AChoiceIsStoredAtOnce) {
    const EleccionRadio& c = GetParam();
    CConfigDlg& dlg = Abrir(Moneda{});
    ui::Click(dlg, c.id);
    EXPECT_EQ(Ajuste(c.ajuste), c.sValor);
    EXPECT_TRUE(Marcado(c.id));
}

constexpr AjusteTexto kPositivo = ajustes::kModoPositivo.ComoTexto();
constexpr AjusteTexto kNegativo = ajustes::kModoNegativo.ComoTexto();
constexpr AjusteTexto kDecimales = ajustes::kDecimales.ComoTexto();
constexpr AjusteTexto kRelleno = ajustes::kRelleno.ComoTexto();
const EleccionRadio kRadios[] = {
    {1081, kNegativo, "4"}, {1094, kNegativo, "15"}, {1059, kNegativo, "1"},
    {1067, kPositivo, "2"}, {1068, kPositivo, "3"},  {1053, kDecimales, "0"},
    {1129, kRelleno, "42"}, {1130, kRelleno, "88"},  {1131, kRelleno, "32"}};
INSTANTIATE_TEST_SUITE_P(Grupos, RadiosTest, ::testing::ValuesIn(kRadios));

struct BotonSigno {
    int id;
    const char* sSigno;
    int nResaltado;
};

class BotonesSignoTest : public ConfigDlgTest, public ::testing::WithParamInterface<BotonSigno> {};

// Each click takes the highlight from the button the standard radio focused.
TEST_P(BotonesSignoTest, TheFocusedButtonIsTheSignTakenAndShowsHighlighted) {
    const BotonSigno& c = GetParam();
    CConfigDlg& dlg = Abrir({.sSimbolo = "|B"});
    ui::Click(dlg, kStandard);
    ui::Click(dlg, c.id);
    EXPECT_EQ(dlg.Window().GetFocusId(), c.id);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), c.sSigno);
    EXPECT_TRUE(MuestraImagen(dlg, c.id, c.nResaltado));
    EXPECT_EQ(BotonesResaltados(), 1);
    EXPECT_TRUE(Marcado(kStandard));
}

// 1069 shows '#', sign 8.
const BotonSigno kSignos[] = {{1051, "|B", 182}, {1063, "|A", 184}, {1069, "|H", 186},
                              {1101, "|F", 198}, {1078, "|[", 193}, {1102, "|g", 199},
                              {1075, "|D", 190}};
INSTANTIATE_TEST_SUITE_P(Signos, BotonesSignoTest, ::testing::ValuesIn(kSignos));

TEST_F(ConfigDlgTest, StandardSignsStartFromTheEmptySign) {
    CConfigDlg& dlg = Abrir(Moneda{});
    ui::Click(dlg, kStandard);
    EXPECT_EQ(dlg.Window().GetFocusId(), 1102);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "|g");
    EXPECT_TRUE(MuestraImagen(dlg, 1102, 199));
    EXPECT_TRUE(Marcado(kStandard));
    EXPECT_FALSE(Marcado(kCustom));
    EXPECT_EQ(FilaPintada(300), "#######<39>12,345.67");
    // Back to the custom radio: the typed sign is stored again.
    ui::Click(dlg, kCustom);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "$");
    EXPECT_EQ(BotonesResaltados(), 0);
}

// Opened again on that standard sign: the standard radio, no highlight and an empty box.
TEST_F(ConfigDlgTest, ASignButtonUnderTheCustomRadioIsStoredButTheRadioStays) {
    CConfigDlg& dlg = Abrir(Moneda{});
    ui::Click(dlg, 1063);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "|A");
    EXPECT_TRUE(Marcado(kCustom));
    EXPECT_FALSE(Marcado(kStandard));

    Reabrir();
    EXPECT_TRUE(Marcado(kStandard));
    EXPECT_FALSE(Marcado(kCustom));
    EXPECT_EQ(m_dlg->GetDlgItemText(kEditSigno), "");
    EXPECT_EQ(BotonesResaltados(), 0);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "|A");
}

TEST_F(ConfigDlgTest, TypingTheSignOrTheNameStoresEachKeystroke) {
    CConfigDlg& dlg = Abrir({.sSimbolo = "|A"});
    for (const char* sTecleado : {"E", "EU", "EUR"}) {
        ui::Type(dlg, kEditSigno, sTecleado);
        EXPECT_EQ(Ajuste(ajustes::kSimbolo), sTecleado);
        EXPECT_TRUE(Marcado(kCustom));
        EXPECT_FALSE(Marcado(kStandard));
    }
    EXPECT_EQ(FilaPintada(300), "#####EUR12,345.67");
    ui::Type(dlg, kEditNombre, "Peso");
    EXPECT_EQ(Ajuste(ajustes::kNombreMoneda), "Peso");
}

struct Muestras {
    Moneda moneda;
    const char* sPositiva;
    const char* sNegativa;
};

class MuestrasTest : public ConfigDlgTest, public ::testing::WithParamInterface<Muestras> {};

TEST_P(MuestrasTest, BothSamplesAreDrawnInTheirFrame) {
    CConfigDlg& dlg = Abrir(GetParam().moneda);
    RecordingDevice dc;
    dlg.OnPaint(dc);

    const auto marcos = dc.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(marcos.size(), 1u);
    EXPECT_EQ(std::tie(marcos[0].rect, marcos[0].pen, marcos[0].brush),
              std::tuple(Rect{10, 290, 500, 390}, Pen{}, Brush{}));
    EXPECT_FALSE(dc.Anisotropic());
    EXPECT_EQ(FilaDibujada(dc, 300), GetParam().sPositiva);
    EXPECT_EQ(FilaDibujada(dc, 340), GetParam().sNegativa);
}

// Currency fields in order: decimal, groups, decimals, positive, negative, fill, sign.
INSTANTIATE_TEST_SUITE_P(
    Formatos, MuestrasTest,
    ::testing::Values(
        Muestras{{".", ",", 2, 1, 0, 'X', "$"}, "XXXXXXX12,345.67$", "XXXXX($12,345.67)"},
        Muestras{{",", ".", 2, 3, 8, ' ', "EUR"}, "    12.345,67 EUR", "   -12.345,67 EUR"},
        Muestras{{".", ",", 0, 0, 15, '#', "|A"}, "##########<1>12,346", "#######(12,346 <1>)"},
        Muestras{{".", ",", 2, 0, 15, '*', "|B"}, "*******<2>12,345.67", "****(12,345.67 <2>)"}));

}  // namespace
