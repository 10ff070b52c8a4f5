// The option dialogs as the receipt form opens them.
#include <memory>

#include <gtest/gtest.h>

#include "form/campos.h"
#include "form/ui/recibodlg.h"
#include "res/ids/identificadores.h"
#include "tests/options/entorno_opciones.h"
#include "tests/support/ui.h"

namespace {

class DesdeFormularioTest : public OpcionesTest {
  protected:
    DesdeFormularioTest() {
        GuardarMoneda({.sDecimal = ",", .sMiles = ".", .sSimbolo = "EUR"});
        m_form = std::make_unique<CReciboDlg>();
        m_form->Create();
        ui::ProcessEvents();
    }
    std::unique_ptr<CReciboDlg> m_form;
};

TEST_F(DesdeFormularioTest, ChangingTheSeparatorsKeepsTheAmountsAndRewritesThem) {
    ui::Type(*m_form, IDC_EDIT_IMPORTE_1, "1.234,50");
    ui::Type(*m_form, IDC_EDIT_IMPORTE_1 + 1, "0,5");
    ui::Leave(*m_form, IDC_EDIT_IMPORTE_1 + 1);
    m_servicios.QueueModal([](CDialog& dlg) {
        ui::Click(dlg, IDC_RADIO_PUNTO_DECIMAL);  // "1,000.00"
        ui::Click(dlg, IDOK);
    });
    ui::Click(*m_form, IDC_BUTTON_MONEDA);
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_CONFIG});
    EXPECT_EQ(m_form->GetDlgItemText(IDC_EDIT_IMPORTE_1), "1,234.50");
    EXPECT_EQ(m_form->GetDlgItemText(IDC_EDIT_IMPORTE_1 + 1), "0.50");
    EXPECT_EQ(m_form->GetDlgItemText(IDC_EDIT_IMPORTE), "1,235.00");
}

TEST_F(DesdeFormularioTest, TheCalendarWritesTheDateOnOkOnly) {
    ui::Type(*m_form, IDC_EDIT_FECHA, "el lunes");
    m_servicios.QueueModal([](CDialog& dlg) { ui::Click(dlg, IDCANCEL); });
    ui::Click(*m_form, IDC_BUTTON_CALENDARIO);
    EXPECT_EQ(m_form->GetDlgItemText(IDC_EDIT_FECHA), "el lunes");

    m_servicios.QueueModal([](CDialog& dlg) { ui::Click(dlg, IDOK); });
    ui::Click(*m_form, IDC_BUTTON_CALENDARIO);
    EXPECT_EQ(m_form->GetDlgItemText(IDC_EDIT_FECHA), m_servicios.ShortDateText(HoyDelSistema()));
    EXPECT_EQ(m_servicios.modalRuns, (std::vector<int>{IDD_CALENDARIO, IDD_CALENDARIO}));
}

}  // namespace
