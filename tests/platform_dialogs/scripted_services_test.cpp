// The scripted services answer modal runs and boxes from their queues.
#include <gtest/gtest.h>

#include "res/ids/identificadores.h"
#include "tests/platform_dialogs/dialogo_prueba.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

// A box whose colour button opens the calendar and keeps its result.
class Abridor : public DialogoPrueba {
  public:
    Abridor() : DialogoPrueba(IDD_DISENO_RECIBO) {
        On(IDC_BUTTON_SELECT_COLOR, Notify::Clicked, [this] {
            DialogoPrueba calendario(IDD_CALENDARIO);
            resultadoInterior = calendario.DoModal();
            fecha = calendario.Window().GetCalendarSelection(IDC_MONTHCALENDAR);
        });
    }
    int resultadoInterior = 0;
    std::optional<Date> fecha;
};

TEST(ScriptedServices, NestedModalRunsFollowTheQueue) {
    ScriptedServices services;
    services.QueueModal([](CDialog& outer) {
        ui::Type(outer, IDC_EDIT_TEXTO_1, "hola");
        // Opens the calendar: the next handler answers it.
        ui::Click(outer, IDC_BUTTON_SELECT_COLOR);
        ui::Click(outer, IDOK);
    });
    services.QueueModal([](CDialog& inner) { ui::Click(inner, IDOK); });
    Abridor dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(services.modalRuns, (std::vector<int>{IDD_DISENO_RECIBO, IDD_CALENDARIO}));
    EXPECT_EQ(dlg.resultadoInterior, IDOK);
    EXPECT_TRUE(dlg.fecha.has_value());
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_TEXTO_1), "hola");
}

// A run without a handler, or whose handler leaves the box open, ends with Cancel.
TEST(ScriptedServices, RunLeftOpenEndsWithCancel) {
    ScriptedServices services;
    services.QueueModal([](CDialog&) {});
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(DialogoPrueba(IDD_SALUDO).DoModal(), IDCANCEL) << run;
    }
    EXPECT_EQ(services.modalRuns, (std::vector<int>{IDD_SALUDO, IDD_SALUDO}));
}

TEST(ScriptedServices, BoxesAnswerInOrderThenCancel) {
    ScriptedServices services;
    services.colorAnswers = {RGB(1, 2, 3)};
    services.openFileAnswers = {std::string("/tmp/logo.bmp")};
    Servicios().MessageBox("Primero debe seleccionar un logotipo");
    EXPECT_EQ(Servicios().ChooseColor(), RGB(1, 2, 3));
    EXPECT_EQ(Servicios().ChooseColor(), std::nullopt);
    EXPECT_EQ(Servicios().GetOpenFileName("bmp", "", {{"Bitmap Files (*.bmp)", "*.bmp"}}),
              "/tmp/logo.bmp");
    EXPECT_EQ(Servicios().PrintSetup(), nullptr);
    EXPECT_EQ(services.colorAsked, 2);
    EXPECT_EQ(services.printAsked, 1);
    ASSERT_EQ(services.openFileCalls.size(), 1u);
    EXPECT_EQ(services.openFileCalls[0].filters[0].pattern, "*.bmp");
    EXPECT_EQ(services.messages, std::vector<std::string>{"Primero debe seleccionar un logotipo"});
    EXPECT_EQ(Servicios().ShortDateText(Date{2026, 3, 7}), "07/03/2026");
    services.editorAvailable = false;
    EXPECT_FALSE(Servicios().OpenInImageEditor("/tmp/a b.bmp"));
    EXPECT_TRUE(services.editorOpened.empty());
}

}  // namespace
