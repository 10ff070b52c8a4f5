// Every caption of every template shows whole at the default font.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/dialog_template.h"
#include "res/ids/identificadores.h"
#include "tests/platform_dialogs/dialogo_prueba.h"
#include "tests/support/captions.h"
#include "tests/support/scripted_services.h"

namespace {

using Cut = std::vector<std::string>;

TEST(Captions, EveryTemplatesCaptionsFitTheirControls) {
    ScriptedServices services;
    for (const int templateId : kPlantillas) {
        DialogoPrueba dlg(templateId);
        dlg.Create();
        EXPECT_EQ(ui::CutCaptions(dlg), Cut{}) << "template " << templateId;
    }
}

// The measure tells a caption too long for its control of each kind, and takes a mnemonic's
// "&" as drawing nothing.
TEST(Captions, ACaptionTooLongIsTold) {
    ScriptedServices services;
    struct Row {
        int templateId;
        int id;
        std::string text;
        bool cut;
    };
    const std::string tooLong(60, 'M');
    const Row rows[] = {
        {IDD_RECIBO_DIALOG, IDC_BUTTON_EDITAR, tooLong, true},
        {IDD_RECIBO_DIALOG, IDC_BUTTON_MAS, "+&", false},
        {IDD_RECIBO_DIALOG, IDC_BUTTON_MAS, "+++++", true},
        {IDD_CONFIG, IDC_RADIO_SIGNOS_STANDARD, tooLong, true},
        {IDD_CONFIG, IDC_EDIT_DEF_NEGATIVOS, tooLong, true},
        {IDD_DISENO_RECIBO, IDC_CHECK_IMPORTE_LETRA, tooLong, true},
        {IDD_RECIBO_DIALOG, IDC_EDIT_LOCALIDAD, tooLong, false},  // a field scrolls its text
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text + " in " + std::to_string(row.id));
        DialogoPrueba dlg(row.templateId);
        dlg.Create();
        dlg.SetDlgItemText(row.id, row.text);
        const std::string told = "control " + std::to_string(row.id) + " ";
        EXPECT_EQ(
            std::ranges::any_of(ui::CutCaptions(dlg),
                                [&told](const std::string& c) { return c.starts_with(told); }),
            row.cut);
    }
}

}  // namespace
