// The calendar date picker and the date's text.
#include "options/calendariodlg.h"

#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "tests/options/entorno_opciones.h"
#include "tests/support/ui.h"

namespace {

using CalendarioTest = OpcionesTest;

TEST_F(CalendarioTest, OkWithoutTouchingTheCalendarTakesTodayAndCancelLeavesNoDate) {
    std::unique_ptr<CCalendarioDlg> pDlg;
    for (const int id : {IDOK, IDCANCEL}) {
        CCalendarioDlg& dlg = AbrirDialogo(pDlg);
        ui::Click(dlg, id);
        ASSERT_TRUE(dlg.Window().IsEnded());
        EXPECT_EQ(dlg.Window().Result(), id);
        EXPECT_EQ(dlg.m_fecha, id == IDOK ? std::optional(HoyDelSistema()) : std::nullopt);
    }
    EXPECT_EQ(FechaATexto(Date{2027, 1, 5}), "05/01/2027");
}

}  // namespace
