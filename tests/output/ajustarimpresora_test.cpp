// "Ajustar impresora...": driven by control id, with the printer queues and their devices
// scripted.
#include "output/ajustarimpresoradlg.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "res/ids/identificadores.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"
#include "tests/support/impresora_prestada.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

class AjustarImpresoraTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_servicios.printerNames = {"Oficina", "Almac\xE9n"};
        m_servicios.openPrinter = [this](const std::string&) {
            return std::make_unique<ImpresoraPrestada>(m_impreso);
        };
    }

    // Runs the dialog with the user's actions.
    void Ejecutar(const std::function<void(CDialog&)>& usuario) {
        m_servicios.QueueModal(usuario);
        CAjustarImpresoraDlg dlg;
        dlg.DoModal();
    }

    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
    RecordingDevice m_impreso;
};

// A printer that moves the page 3 mm right and down and shrinks it by 2 %: the user prints the
// page, measures it and stores what it asks for.
TEST_F(AjustarImpresoraTest, PrintMeasureStoreAndReset) {
    Ejecutar([this](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_CALIBRACION),
                  "Esta impresora no tiene ninguna correcci\xF3n guardada.");
        EXPECT_FALSE(d.Window().IsEnabled(IDC_BUTTON_QUITAR_CALIBRACION));
        ui::Click(d, IDC_BUTTON_PAGINA_CALIBRACION);
        EXPECT_EQ(m_servicios.printersOpened, std::vector<std::string>{"Oficina"});
        EXPECT_EQ(m_impreso.CallsOf(CallKind::StartDoc).size(), 1u);
        EXPECT_EQ(d.GetDlgItemText(IDC_EDIT_CAL_IZQUIERDA), "5,0");
        EXPECT_EQ(d.GetDlgItemText(IDC_EDIT_CAL_REGLA_V), "100,0");
        ui::Type(d, IDC_EDIT_CAL_IZQUIERDA, "7,9");
        ui::Type(d, IDC_EDIT_CAL_ARRIBA, " 4.96 ");
        ui::Type(d, IDC_EDIT_CAL_REGLA_H, "98");
        ui::Type(d, IDC_EDIT_CAL_REGLA_V, "98,0");
        ui::Click(d, IDC_BUTTON_GUARDAR_CALIBRACION);
        const CalibracionImpresora esperada =
            *CalibracionMedida({}, {7.9, 4.96, 98, 98}, {5.0, 2.0});
        EXPECT_EQ(LeerCalibracion("Oficina"), esperada);
        EXPECT_EQ(esperada.nEscalaX, 10204);
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_CALIBRACION),
                  "Correcci\xF3n guardada:\n" + TextoCalibracion(esperada) + ".");
        EXPECT_TRUE(d.Window().IsEnabled(IDC_BUTTON_QUITAR_CALIBRACION));
        ui::Click(d, IDC_BUTTON_QUITAR_CALIBRACION);
        EXPECT_TRUE(LeerCalibracion("Oficina").Neutra());
        EXPECT_FALSE(d.Window().IsEnabled(IDC_BUTTON_QUITAR_CALIBRACION));
    });
    EXPECT_TRUE(m_servicios.messages.empty());
}

// Choosing another queue shows its own correction, whole however long; the queue's name is
// keyed in UTF-8.
TEST_F(AjustarImpresoraTest, EachQueueShowsItsCorrection) {
    ASSERT_TRUE(GuardarCalibracion("Almac\xC3\xA9n", {-500, -500, 12500, 12500}));
    Ejecutar([](CDialog& d) {
        ui::SelectRow(d, IDC_TABLA_IMPRESORAS, 1);
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_CALIBRACION),
                  "Correcci\xF3n guardada:\ndesplazamiento -50,0 mm, -50,0 mm; escala 125,00 %, "
                  "125,00 %.");
        const QWidget* estado = ui::Control(d, IDC_TEXTO_CALIBRACION);
        EXPECT_LE(estado->sizeHint().width(), estado->width());
        EXPECT_LE(estado->sizeHint().height(), estado->height());
        ui::SelectRow(d, IDC_TABLA_IMPRESORAS, 0);
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_CALIBRACION),
                  "Esta impresora no tiene ninguna correcci\xF3n guardada.");
    });
}

struct FilaMedidas : Fila {
    const char* sIzquierda;
    const char* sArriba;
    const char* sReglaH;
    const char* sReglaV;
    const char* sMensaje;  // the start of the message
};

const FilaMedidas kMedidasMalas[] = {
    {"Words", "siete", "2", "100", "100", "Escriba las cuatro medidas"},
    {"Empty", "5", "", "100", "100", "Escriba las cuatro medidas"},
    {"TwoCommas", "5,0,1", "2", "100", "100", "Escriba las cuatro medidas"},
    {"Negative", "-5", "2", "100", "100", "Escriba las cuatro medidas"},
    {"Huge", "5", "2", "9999999", "100", "Escriba las cuatro medidas"},
    {"RulerHalved", "5", "2", "50", "100", "Esas medidas piden"},
    {"RulerZero", "5", "2", "0", "100", "Esas medidas piden"},
    {"CornerFarOff", "95", "2", "100", "100", "Esas medidas piden"},
};

class MedidasMalasTest : public AjustarImpresoraTest,
                         public ::testing::WithParamInterface<FilaMedidas> {};

TEST_P(MedidasMalasTest, AreRefusedWithAMessageAndNothingIsStored) {
    const FilaMedidas& f = GetParam();
    Ejecutar([&f](CDialog& d) {
        ui::Type(d, IDC_EDIT_CAL_IZQUIERDA, f.sIzquierda);
        ui::Type(d, IDC_EDIT_CAL_ARRIBA, f.sArriba);
        ui::Type(d, IDC_EDIT_CAL_REGLA_H, f.sReglaH);
        ui::Type(d, IDC_EDIT_CAL_REGLA_V, f.sReglaV);
        ui::Click(d, IDC_BUTTON_GUARDAR_CALIBRACION);
    });
    ASSERT_EQ(m_servicios.messages.size(), 1u);
    EXPECT_EQ(m_servicios.messages[0].rfind(f.sMensaje, 0), 0u) << m_servicios.messages[0];
    EXPECT_EQ(BytesDe(RutaFicheroCalibracion()), "");
}

INSTANTIATE_TEST_SUITE_P(Medidas, MedidasMalasTest, ::testing::ValuesIn(kMedidasMalas),
                         ::testing::PrintToStringParamName());

TEST_F(AjustarImpresoraTest, APrinterThatFailsIsTold) {
    m_servicios.openPrinter = [](const std::string&) { return nullptr; };
    Ejecutar([](CDialog& d) { ui::Click(d, IDC_BUTTON_PAGINA_CALIBRACION); });
    ASSERT_EQ(m_servicios.messages.size(), 1u);
    EXPECT_EQ(m_servicios.messages[0],
              "No se ha podido imprimir la p\xE1gina de calibraci\xF3n en Oficina.");
}

TEST_F(AjustarImpresoraTest, WithoutPrintersNothingCanBeDone) {
    m_servicios.printerNames.clear();
    Ejecutar([](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXTO_CALIBRACION), "No hay ninguna impresora instalada.");
        for (int id : {IDC_BUTTON_PAGINA_CALIBRACION, IDC_BUTTON_GUARDAR_CALIBRACION,
                       IDC_BUTTON_QUITAR_CALIBRACION}) {
            EXPECT_FALSE(d.Window().IsEnabled(id)) << id;
        }
    });
}

}  // namespace
