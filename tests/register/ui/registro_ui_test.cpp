// The form's print and the register: a completed job is registered as printed, a failed or
// cancelled one is not, a number already issued this year is asked about first, and a register
// that fails is told once in a box while the receipt still prints.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "form/campos.h"
#include "platform/recording_device.h"
#include "register/print/registro_impresion.h"
#include "register/registro.h"
#include "res/ids/identificadores.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

class RegistroFormularioTest : public FormularioAbiertoTest {
  protected:
    void SetUp() override {
        FormularioAbiertoTest::SetUp();
        ui::Type(Dlg(), IDC_EDIT_NUMERO, "15");
        ui::Type(Dlg(), IDC_EDIT_PAGADOR_1, "Ana");
        ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, "12,5");
    }

    // A printer that tells when its document ends.
    class Impresora : public RecordingDevice {
      public:
        explicit Impresora(int& nTerminados) : m_nTerminados(nTerminados) {}
        int EndDoc() override {
            ++m_nTerminados;
            return RecordingDevice::EndDoc();
        }

      private:
        int& m_nTerminados;
    };

    // The next print dialog chooses a printer that starts documents when nStartDoc > 0.
    void ElegirImpresora(int nStartDoc = 1) {
        m_servicios.printAnswers.push_back([this, nStartDoc] {
            auto impresora = std::make_unique<Impresora>(m_nTerminados);
            impresora->SetStartDocResult(nStartDoc);
            return impresora;
        });
    }

    int m_nTerminados = 0;

    std::vector<ReciboRegistrado> Registrados() {
        std::vector<ReciboRegistrado> registrados;
        CRegistro registro;
        registro.Recorrer({}, OrdenRegistro::kAntiguosPrimero,
                          [&registrados](const ReciboRegistrado& r) { registrados.push_back(r); });
        return registrados;
    }

    ReciboData DelFormulario() {
        ReciboData recibo;
        Dlg().RellenarRecibo(recibo);
        return recibo;
    }

    static int AnoActual() {
        const std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return tm.tm_year + 1900;
    }
};

TEST_F(RegistroFormularioTest, APrintedReceiptIsRegisteredAsPrinted) {
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    const std::vector<ReciboRegistrado> registrados = Registrados();
    ASSERT_EQ(registrados.size(), 1u);
    ReciboRegistrado esperado = ComoSeImprime(DelFormulario(), CGlobalCurrency::AjustesEnVigor());
    esperado.nId = registrados[0].nId;
    esperado.nTrabajo = registrados[0].nTrabajo;
    esperado.sEmitido = registrados[0].sEmitido;
    esperado.estado.nRecibo = registrados[0].nId;  // pendiente
    EXPECT_EQ(registrados[0], esperado);
    EXPECT_EQ(registrados[0].sImportes[0], "12,50");
    EXPECT_EQ(registrados[0].ajustes.sSeparadorDecimal, ",");
    EXPECT_TRUE(m_servicios.messages.empty());
    EXPECT_TRUE(m_servicios.questions.empty());
}

TEST_F(RegistroFormularioTest, ACancelledOrRefusedPrintIsNotRegistered) {
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);  // dialog cancelled
    ElegirImpresora(0);
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR_IMG);  // the printer refuses the document
    EXPECT_EQ(m_servicios.printAsked, 2);
    EXPECT_TRUE(Registrados().empty());
    EXPECT_TRUE(m_servicios.messages.empty());
}

TEST_F(RegistroFormularioTest, ANumberIssuedThisYearIsAskedAboutFirst) {
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    const std::string sEmitido = Registrados()[0].sEmitido;
    const std::string sFecha =
        sEmitido.substr(8, 2) + "/" + sEmitido.substr(5, 2) + "/" + sEmitido.substr(0, 4);

    m_servicios.yesNoAnswers = {false};
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    ASSERT_EQ(m_servicios.questions.size(), 1u);
    EXPECT_EQ(m_servicios.questions[0],
              "El recibo n\xBA 15 ya se emiti\xF3 el " + sFecha + ". \xBFImprimir de nuevo?");
    EXPECT_EQ(m_servicios.printAsked, 1);  // no: the print dialog is not even shown

    m_servicios.yesNoAnswers = {true};
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    EXPECT_EQ(m_servicios.questions.size(), 2u);
    EXPECT_EQ(m_servicios.printAsked, 2);
    EXPECT_EQ(Registrados().size(), 2u);

    ui::Type(Dlg(), IDC_EDIT_NUMERO, "16");
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    EXPECT_EQ(m_servicios.questions.size(), 2u);  // a new number is not asked about
    EXPECT_EQ(Registrados().size(), 3u);
}

// Only the same year counts: last year's receipt 15 is no reason to ask.
TEST_F(RegistroFormularioTest, ANumberOfAnotherYearIsNotAskedAbout) {
    std::tm tm{};
    tm.tm_year = AnoActual() - 1 - 1900;
    tm.tm_mon = 5;
    tm.tm_mday = 1;
    tm.tm_isdst = -1;
    std::vector<ReciboRegistrado> anterior = {
        ComoSeImprime(DelFormulario(), CGlobalCurrency::AjustesEnVigor())};
    CRegistro registro;
    ASSERT_EQ(registro.Registrar(anterior, std::mktime(&tm)).estado, EstadoRegistro::kCorrecto);
    m_servicios.confirmAnswers = {true};  // last year's receipt is still owed
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    EXPECT_EQ(m_servicios.warnings.size(), 1u);
    EXPECT_TRUE(m_servicios.questions.empty());
    EXPECT_EQ(Registrados().size(), 2u);
}

TEST_F(RegistroFormularioTest, ARegisterThatFailsIsToldOnceAndThePrintGoesOn) {
    mkdir(RutaRegistro().c_str(), 0755);
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    EXPECT_EQ(m_nTerminados, 1);
    ASSERT_EQ(m_servicios.messages.size(), 1u);
    EXPECT_EQ(m_servicios.messages[0].rfind("El recibo se ha impreso, pero no ha quedado anotado "
                                            "en el registro de recibos emitidos",
                                            0),
              0u)
        << m_servicios.messages[0];
    EXPECT_NE(m_servicios.messages[0].find(RutaRegistro()), std::string::npos);
}

TEST_F(RegistroFormularioTest, ADamagedRegisterIsToldOnceAndTheReceiptGoesIntoANewOne) {
    PonerBytes(RutaRegistro(), std::string(3000, '\x01'));
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    ASSERT_EQ(m_servicios.messages.size(), 1u);
    EXPECT_NE(m_servicios.messages[0].find("estaba da\xF1"
                                           "ado"),
              std::string::npos);
    EXPECT_NE(m_servicios.messages[0].find(RutaRegistro() + ".danado-"), std::string::npos);
    EXPECT_EQ(m_nTerminados, 1);
    EXPECT_EQ(Registrados().size(), 1u);
}

// The receipts a payer owes, registered before the form prints for them: each by its first
// payer line, so many days before the day the services give (9 December 2026), in a status.
struct Deuda {
    const char* sPagador;
    int nDiasAntes;
    std::optional<EstadoCobro> estado;  // changed to: nothing leaves it pendiente
    const char* sImporte;
};

struct AvisoDeudas : Fila {
    std::vector<Deuda> deudas;
    std::string sAviso;  // empty: no warning
};

class AvisoDeudasTest : public RegistroFormularioTest,
                        public ::testing::WithParamInterface<AvisoDeudas> {
  protected:
    void SetUp() override {
        RegistroFormularioTest::SetUp();
        ui::Type(Dlg(), IDC_EDIT_VENCIMIENTO, "");
        for (const Deuda& d : GetParam().deudas) {
            ui::Type(Dlg(), IDC_EDIT_PAGADOR_1, d.sPagador);
            ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, d.sImporte);
            std::vector<ReciboRegistrado> trabajo = {
                ComoSeImprime(DelFormulario(), CGlobalCurrency::AjustesEnVigor())};
            std::tm tm{};
            tm.tm_year = 2026 - 1900;
            tm.tm_mon = 11;
            tm.tm_mday = 9 - d.nDiasAntes;
            tm.tm_hour = 12;
            tm.tm_isdst = -1;
            CRegistro registro;
            ASSERT_EQ(registro.Registrar(trabajo, std::mktime(&tm)).estado,
                      EstadoRegistro::kCorrecto);
            if (d.estado) {
                const NuevoEstado nuevo{*d.estado, "", MetodoCobro::kEfectivo, ""};
                ASSERT_EQ(registro.CambiarEstado(trabajo[0].nId, nuevo).rechazo,
                          RechazoEstado::kNinguno);
            }
        }
        ui::Type(Dlg(), IDC_EDIT_NUMERO, "NUEVO");
        ui::Type(Dlg(), IDC_EDIT_PAGADOR_1, "  ana ");
        ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, "12,5");
    }

    std::vector<std::string> Avisos() const {
        std::vector<std::string> avisos;
        for (const auto& [sAviso, sAccion] : m_servicios.warnings) {
            EXPECT_EQ(sAccion, "Imprimir");
            avisos.push_back(sAviso);
        }
        return avisos;
    }

    std::vector<std::string> Esperados() const {
        if (GetParam().sAviso.empty()) {
            return {};
        }
        return {GetParam().sAviso};
    }
};

// Answered "Cancelar", nothing is printed or registered; answered "Imprimir", one page: by the
// form's button and by the preview's print, each warned once. Without old debts, no warning.
TEST_P(AvisoDeudasTest, WarnsOnceBeforePrintingForAPayerWithOldDebts) {
    const std::size_t nAntes = Registrados().size();
    if (!GetParam().sAviso.empty()) {
        ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);  // nothing queued: Cancelar
        EXPECT_EQ(Avisos(), Esperados());
        EXPECT_EQ(m_servicios.printAsked, 0);
        EXPECT_EQ(Registrados().size(), nAntes);
        m_servicios.warnings.clear();
        m_servicios.confirmAnswers = {true, true};
    }
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    EXPECT_EQ(Avisos(), Esperados());
    EXPECT_EQ(m_nTerminados, 1);
    m_servicios.warnings.clear();
    ElegirImpresora();
    m_servicios.yesNoAnswers = {true};  // the number is now issued
    m_servicios.QueueModal([](CDialog& vista) { ui::Click(vista, IDOK); });
    ui::Click(Dlg(), IDC_BUTTON_VISTA);
    EXPECT_EQ(Avisos(), Esperados());
    EXPECT_EQ(m_nTerminados, 2);
    EXPECT_EQ(Registrados().size(), nAntes + 2);
}

INSTANTIATE_TEST_SUITE_P(
    Deudas, AvisoDeudasTest,
    ::testing::Values(
        AvisoDeudas{{"None"}, {}, ""},
        AvisoDeudas{{"OnlyRecent"}, {{"Ana", 30, {}, "10"}, {"Ana", 60, {}, "10"}}, ""},
        AvisoDeudas{{"OldButPaid"}, {{"Ana", 90, EstadoCobro::kCobrado, "10"}}, ""},
        AvisoDeudas{{"OldVoid"}, {{"Ana", 90, EstadoCobro::kAnulado, "10"}}, ""},
        AvisoDeudas{{"OtherPayer"},
                    {{"Bruno", 90, {}, "10"},
                     {"Ana Mar\xED"
                      "a",
                      90,
                      {},
                      "10"}},
                    ""},
        AvisoDeudas{{"OnePending"},
                    {{"ANA", 61, {}, "10"}, {"Ana", 30, {}, "99"}},
                    "ANA debe 1 recibo pendiente o devuelto desde hace m\xE1s de 60 d\xED"
                    "as (el primero, desde el 09/10/2026), por un total de 10,00 \x80."},
        AvisoDeudas{{"TwoOld"},
                    {{"Ana", 200, {}, "10"}, {" ana", 90, {}, "2,5"}},
                    "Ana debe 2 recibos pendientes o devueltos desde hace m\xE1s de 60 d\xED"
                    "as (el primero, desde el 23/05/2026), por un total de 12,50 \x80."}),
    ::testing::PrintToStringParamName());

}  // namespace
