// The scripted services answer modal runs and boxes from their queues.
#include <gtest/gtest.h>

#include "tests/platform_dialogs/dialogo_prueba.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

// A box whose button 1041 opens the calendar and keeps its result.
class Abridor : public DialogoPrueba {
  public:
    Abridor() : DialogoPrueba(216) {
        On(1041, Notify::Clicked, [this] {
            DialogoPrueba calendario(223);
            resultadoInterior = calendario.DoModal();
            fecha = calendario.Window().GetCalendarSelection(1123);
        });
    }
    int resultadoInterior = 0;
    std::optional<Date> fecha;
};

TEST(ScriptedServices, NestedModalRunsFollowTheQueue) {
    ScriptedServices services;
    services.QueueModal([](CDialog& outer) {
        ui::Type(outer, 1119, "hola");
        ui::Click(outer, 1041);  // opens the calendar: the next handler answers it
        ui::Click(outer, 1);
    });
    services.QueueModal([](CDialog& inner) { ui::Click(inner, 1); });
    Abridor dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(services.modalRuns, (std::vector<int>{216, 223}));
    EXPECT_EQ(dlg.resultadoInterior, IDOK);
    EXPECT_TRUE(dlg.fecha.has_value());
    EXPECT_EQ(dlg.GetDlgItemText(1119), "hola");
}

// A run without a handler, or whose handler leaves the box open, ends with Cancel.
TEST(ScriptedServices, RunLeftOpenEndsWithCancel) {
    ScriptedServices services;
    services.QueueModal([](CDialog&) {});
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(DialogoPrueba(214).DoModal(), IDCANCEL) << run;
    }
    EXPECT_EQ(services.modalRuns, (std::vector<int>{214, 214}));
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
