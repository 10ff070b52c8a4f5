// The calendar date picker and the date's text.
#include "options/calendariodlg.h"

#include <memory>

#include <gtest/gtest.h>

#include "tests/options/entorno_opciones.h"
#include "tests/support/ui.h"

namespace {

class CalendarioTest : public OpcionesTest {
  protected:
    CCalendarioDlg& Abrir() { return AbrirDialogo(m_dlg); }
    std::unique_ptr<CCalendarioDlg> m_dlg;
};

TEST_F(CalendarioTest, OkWithoutTouchingTheCalendarTakesToday) {
    CCalendarioDlg& dlg = Abrir();
    ui::Click(dlg, IDOK);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().Result(), IDOK);
    ASSERT_TRUE(dlg.m_fecha);
    EXPECT_EQ(*dlg.m_fecha, HoyDelSistema());
    EXPECT_EQ(FechaATexto(Date{2027, 1, 5}), "05/01/2027");
}

TEST_F(CalendarioTest, CancelLeavesNoDate) {
    CCalendarioDlg& dlg = Abrir();
    ui::Click(dlg, IDCANCEL);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().Result(), IDCANCEL);
    EXPECT_FALSE(dlg.m_fecha);
}

}  // namespace
