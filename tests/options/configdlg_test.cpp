// The currency options dialog driven through its controls.
#include "money/ui/configdlg.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/options/entorno_opciones.h"
#include "tests/options/filas_glifos.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

// Every sign button with its normal picture.
const std::vector<std::pair<int, int>> kNormales = {
    {IDC_BUTTON_SIGNO_1, 175},  {IDC_BUTTON_SIGNO_2, 157},    {IDC_BUTTON_SIGNO_3, 155},
    {IDC_BUTTON_SIGNO_4, 172},  {IDC_BUTTON_SIGNO_5, 165},    {IDC_BUTTON_SIGNO_6, 158},
    {IDC_BUTTON_SIGNO_7, 168},  {IDC_BUTTON_SIGNO_8, 148},    {IDC_BUTTON_SIGNO_9, 154},
    {IDC_BUTTON_SIGNO_10, 153}, {IDC_BUTTON_SIGNO_11, 173},   {IDC_BUTTON_SIGNO_12, 162},
    {IDC_BUTTON_SIGNO_13, 164}, {IDC_BUTTON_SIGNO_14, 161},   {IDC_BUTTON_SIGNO_15, 163},
    {IDC_BUTTON_SIGNO_16, 167}, {IDC_BUTTON_SIGNO_17, 159},   {IDC_BUTTON_SIGNO_18, 169},
    {IDC_BUTTON_SIGNO_19, 160}, {IDC_BUTTON_SIGNO_20, 170},   {IDC_BUTTON_SIGNO_21, 166},
    {IDC_BUTTON_SIGNO_22, 156}, {IDC_BUTTON_SIGNO_VACIO, 176}};

class ConfigDlgTest : public OpcionesTest {
  protected:
    CConfigDlg& Abrir(const MonedaDePrueba& moneda) {
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
    CConfigDlg& dlg = Abrir({",", "'", 0, 2, 9, "EUR", '*', "Euro"});

    for (int id : {IDC_RADIO_COMA_DECIMAL, IDC_RADIO_SIN_DECIMALES, IDC_RADIO_POSITIVO_2,
                   IDC_RADIO_NEGATIVO_9, IDC_RADIO_MILES_APOSTROFO, IDC_RADIO_RELLENO_ASTERISCO,
                   IDC_RADIO_SIGNO_PERSONALIZADO}) {
        EXPECT_TRUE(Marcado(id)) << id;
    }
    for (int id : {IDC_RADIO_PUNTO_DECIMAL, IDC_RADIO_DOS_DECIMALES, IDC_RADIO_POSITIVO_0,
                   IDC_RADIO_NEGATIVO_0, IDC_RADIO_MILES_COMA, IDC_RADIO_RELLENO_ALMOHADILLA,
                   IDC_RADIO_SIGNOS_STANDARD}) {
        EXPECT_FALSE(Marcado(id)) << id;
    }
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_SIGNO), "EUR");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_NOMBRE_MONEDA), "Euro");

    const std::pair<int, const char*> muestras[] = {
        {IDC_RADIO_POSITIVO_0, "$1.1"},     {IDC_RADIO_POSITIVO_1, "1.1$"},
        {IDC_RADIO_POSITIVO_2, "$ 1.1"},    {IDC_RADIO_POSITIVO_3, "1.1 $"},
        {IDC_RADIO_NEGATIVO_0, "($1.1)"},   {IDC_RADIO_NEGATIVO_1, "-$1.1"},
        {IDC_RADIO_NEGATIVO_4, "(1.1$)"},   {IDC_RADIO_NEGATIVO_7, "1.1$-"},
        {IDC_RADIO_NEGATIVO_10, "1.1 $-"},  {IDC_RADIO_NEGATIVO_13, "1.1- $"},
        {IDC_RADIO_NEGATIVO_14, "($ 1.1)"}, {IDC_RADIO_NEGATIVO_15, "(1.1 $)"}};
    for (const auto& [id, sTexto] : muestras) {
        EXPECT_EQ(dlg.GetDlgItemText(id), sTexto) << id;
    }
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_DEF_SEPARADOR_DECIMAL), "Separador Decimales");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_DEF_POSITIVOS), "Representaci\xF3n Positivos");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_RADIO_SIGNO_PERSONALIZADO), "Signo Personalizado");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_RADIO_SIGNOS_STANDARD), "Signos Standard");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_DEF_RELLENO), "Relleno");
    EXPECT_EQ(BotonesResaltados(), 0);
}

struct Emparejamiento : Fila {
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
    for (int id : {IDC_RADIO_COMA_DECIMAL, IDC_RADIO_PUNTO_DECIMAL, IDC_RADIO_MILES_COMA,
                   IDC_RADIO_MILES_PUNTO, IDC_RADIO_MILES_APOSTROFO, IDC_RADIO_MILES_ESPACIO}) {
        EXPECT_EQ(Marcado(id), id == c.idEstilo || id == c.idMiles) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parejas, SeparadoresTest,
    ::testing::Values(
        // "1.000,00" while the groups use ',': the groups switch to '.'.
        Emparejamiento{"CommaDecimalsWhileGroupsUseComma", ".", ",", IDC_RADIO_COMA_DECIMAL, ",",
                       ".", IDC_RADIO_COMA_DECIMAL, IDC_RADIO_MILES_PUNTO},
        // "1,000.00" while the groups use '.': the groups switch to ','.
        Emparejamiento{"PointDecimalsWhileGroupsUsePoint", ",", ".", IDC_RADIO_PUNTO_DECIMAL, ".",
                       ",", IDC_RADIO_PUNTO_DECIMAL, IDC_RADIO_MILES_COMA},
        // Group '.' while the decimals use '.': the decimals switch to ','.
        Emparejamiento{"PointGroupsWhileDecimalsUsePoint", ".", ",", IDC_RADIO_MILES_PUNTO, ",",
                       ".", IDC_RADIO_COMA_DECIMAL, IDC_RADIO_MILES_PUNTO},
        // Group ',' while the decimals use ',': the decimals switch to '.'.
        Emparejamiento{"CommaGroupsWhileDecimalsUseComma", ",", ".", IDC_RADIO_MILES_COMA, ".", ",",
                       IDC_RADIO_PUNTO_DECIMAL, IDC_RADIO_MILES_COMA},
        // "'" and " " never touch the decimal separator.
        Emparejamiento{"ApostropheGroups", ".", ",", IDC_RADIO_MILES_APOSTROFO, ".", "'",
                       IDC_RADIO_PUNTO_DECIMAL, IDC_RADIO_MILES_APOSTROFO},
        Emparejamiento{"BlankGroups", ",", ".", IDC_RADIO_MILES_ESPACIO, ",", " ",
                       IDC_RADIO_COMA_DECIMAL, IDC_RADIO_MILES_ESPACIO},
        // No clash: only the decimal separator changes.
        Emparejamiento{"NoClash", ",", "'", IDC_RADIO_PUNTO_DECIMAL, ".", "'",
                       IDC_RADIO_PUNTO_DECIMAL, IDC_RADIO_MILES_APOSTROFO}),
    ::testing::PrintToStringParamName());

struct EleccionRadio : Fila {
    int id;
    AjusteTexto ajuste;
    const char* sValor;
};

class RadiosTest : public ConfigDlgTest, public ::testing::WithParamInterface<EleccionRadio> {};

TEST_P(RadiosTest, AChoiceIsStoredAtOnce) {
    const EleccionRadio& c = GetParam();
    CConfigDlg& dlg = Abrir(MonedaDePrueba{});
    ui::Click(dlg, c.id);
    EXPECT_EQ(Ajuste(c.ajuste), c.sValor);
    EXPECT_TRUE(Marcado(c.id));
}

constexpr AjusteTexto kPositivo = ajustes::kModoPositivo.ComoTexto();
constexpr AjusteTexto kNegativo = ajustes::kModoNegativo.ComoTexto();
constexpr AjusteTexto kDecimales = ajustes::kDecimales.ComoTexto();
constexpr AjusteTexto kRelleno = ajustes::kRelleno.ComoTexto();
const EleccionRadio kRadios[] = {{"Negative4", IDC_RADIO_NEGATIVO_4, kNegativo, "4"},
                                 {"Negative15", IDC_RADIO_NEGATIVO_15, kNegativo, "15"},
                                 {"Negative1", IDC_RADIO_NEGATIVO_1, kNegativo, "1"},
                                 {"Positive2", IDC_RADIO_POSITIVO_2, kPositivo, "2"},
                                 {"Positive3", IDC_RADIO_POSITIVO_3, kPositivo, "3"},
                                 {"NoDecimals", IDC_RADIO_SIN_DECIMALES, kDecimales, "0"},
                                 {"FillAsterisk", IDC_RADIO_RELLENO_ASTERISCO, kRelleno, "42"},
                                 {"FillX", IDC_RADIO_RELLENO_X, kRelleno, "88"},
                                 {"FillBlank", IDC_RADIO_RELLENO_ESPACIO, kRelleno, "32"}};
INSTANTIATE_TEST_SUITE_P(Grupos, RadiosTest, ::testing::ValuesIn(kRadios),
                         ::testing::PrintToStringParamName());

struct BotonSigno : Fila {
    int id;
    const char* sSigno;
    int nResaltado;
};

class BotonesSignoTest : public ConfigDlgTest, public ::testing::WithParamInterface<BotonSigno> {};

// Each click takes the highlight from the button the standard radio focused.
TEST_P(BotonesSignoTest, TheFocusedButtonIsTheSignTakenAndShowsHighlighted) {
    const BotonSigno& c = GetParam();
    CConfigDlg& dlg = Abrir({.sSimbolo = "|B"});
    ui::Click(dlg, IDC_RADIO_SIGNOS_STANDARD);
    ui::Click(dlg, c.id);
    EXPECT_EQ(dlg.Window().GetFocusId(), c.id);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), c.sSigno);
    EXPECT_TRUE(MuestraImagen(dlg, c.id, c.nResaltado));
    EXPECT_EQ(BotonesResaltados(), 1);
    EXPECT_TRUE(Marcado(IDC_RADIO_SIGNOS_STANDARD));
}

// IDC_BUTTON_SIGNO_10 shows '#', sign 8.
const BotonSigno kSignos[] = {
    {"Sign1", IDC_BUTTON_SIGNO_1, "|B", 182},   {"Sign8", IDC_BUTTON_SIGNO_8, "|A", 184},
    {"Sign10", IDC_BUTTON_SIGNO_10, "|H", 186}, {"Sign22", IDC_BUTTON_SIGNO_22, "|F", 198},
    {"Sign17", IDC_BUTTON_SIGNO_17, "|[", 193}, {"EmptySign", IDC_BUTTON_SIGNO_VACIO, "|g", 199},
    {"Sign14", IDC_BUTTON_SIGNO_14, "|D", 190}};
INSTANTIATE_TEST_SUITE_P(Signos, BotonesSignoTest, ::testing::ValuesIn(kSignos),
                         ::testing::PrintToStringParamName());

TEST_F(ConfigDlgTest, StandardSignsStartFromTheEmptySign) {
    CConfigDlg& dlg = Abrir(MonedaDePrueba{});
    ui::Click(dlg, IDC_RADIO_SIGNOS_STANDARD);
    EXPECT_EQ(dlg.Window().GetFocusId(), IDC_BUTTON_SIGNO_VACIO);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "|g");
    EXPECT_TRUE(MuestraImagen(dlg, IDC_BUTTON_SIGNO_VACIO, 199));
    EXPECT_TRUE(Marcado(IDC_RADIO_SIGNOS_STANDARD));
    EXPECT_FALSE(Marcado(IDC_RADIO_SIGNO_PERSONALIZADO));
    EXPECT_EQ(FilaPintada(300), "#######<39>12,345.67");
    // Back to the custom radio: the typed sign is stored again.
    ui::Click(dlg, IDC_RADIO_SIGNO_PERSONALIZADO);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "$");
    EXPECT_EQ(BotonesResaltados(), 0);
}

// Opened again on that standard sign: the standard radio, no highlight and an empty box.
TEST_F(ConfigDlgTest, ASignButtonUnderTheCustomRadioIsStoredButTheRadioStays) {
    CConfigDlg& dlg = Abrir(MonedaDePrueba{});
    ui::Click(dlg, IDC_BUTTON_SIGNO_8);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "|A");
    EXPECT_TRUE(Marcado(IDC_RADIO_SIGNO_PERSONALIZADO));
    EXPECT_FALSE(Marcado(IDC_RADIO_SIGNOS_STANDARD));

    Reabrir();
    EXPECT_TRUE(Marcado(IDC_RADIO_SIGNOS_STANDARD));
    EXPECT_FALSE(Marcado(IDC_RADIO_SIGNO_PERSONALIZADO));
    EXPECT_EQ(m_dlg->GetDlgItemText(IDC_EDIT_SIGNO), "");
    EXPECT_EQ(BotonesResaltados(), 0);
    EXPECT_EQ(Ajuste(ajustes::kSimbolo), "|A");
}

TEST_F(ConfigDlgTest, TypingTheSignOrTheNameStoresEachKeystroke) {
    CConfigDlg& dlg = Abrir({.sSimbolo = "|A"});
    for (const char* sTecleado : {"E", "EU", "EUR"}) {
        ui::Type(dlg, IDC_EDIT_SIGNO, sTecleado);
        EXPECT_EQ(Ajuste(ajustes::kSimbolo), sTecleado);
        EXPECT_TRUE(Marcado(IDC_RADIO_SIGNO_PERSONALIZADO));
        EXPECT_FALSE(Marcado(IDC_RADIO_SIGNOS_STANDARD));
    }
    EXPECT_EQ(FilaPintada(300), "#####EUR12,345.67");
    ui::Type(dlg, IDC_EDIT_NOMBRE_MONEDA, "Peso");
    EXPECT_EQ(Ajuste(ajustes::kNombreMoneda), "Peso");
}

struct Muestras : Fila {
    MonedaDePrueba moneda;
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

// Currency fields in order: decimal, groups, decimals, positive, negative, sign, fill.
// clang-format off
const Muestras kMuestras[] = {
    {"FillX", {".", ",", 2, 1, 0, "$", 'X'}, "XXXXXXX12,345.67$", "XXXXX($12,345.67)"},
    {"FillBlank", {",", ".", 2, 3, 8, "EUR", ' '}, "    12.345,67 EUR", "   -12.345,67 EUR"},
    {"Glyph1FillHash", {".", ",", 0, 0, 15, "|A", '#'}, "##########<1>12,346",
     "#######(12,346 <1>)"},
    {"Glyph2FillAsterisk", {".", ",", 2, 0, 15, "|B", '*'}, "*******<2>12,345.67",
     "****(12,345.67 <2>)"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Formatos, MuestrasTest, ::testing::ValuesIn(kMuestras),
                         ::testing::PrintToStringParamName());

}  // namespace
