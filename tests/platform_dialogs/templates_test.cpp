// The dialog templates as tables: what the windows' code relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <span>
#include <stdexcept>
#include <vector>

#include "res/dialog_template.h"
#include "res/ids/identificadores.h"
#include "tests/platform_dialogs/dialogo_prueba.h"

namespace {

TEST(Templates, EachFitsItsClientAreaWithUniqueIds) {
    for (const int id : kPlantillas) {
        SCOPED_TRACE(id);
        const DialogTemplate* t = BuscarPlantilla(id);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->id, id);
        std::set<int> ids;
        for (const ControlTemplate& c : t->controls) {
            EXPECT_TRUE(c.id == -1 || ids.insert(c.id).second) << "repeated id " << c.id;
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= t->cx && c.y + c.cy <= t->cy) << c.id;
        }
    }
    EXPECT_EQ(
        (std::vector{BuscarPlantilla(IDD_RECIBO_DIALOG)->cx, BuscarPlantilla(IDD_RECIBO_DIALOG)->cy,
                     BuscarPlantilla(IDD_VISTA_PREVIA)->cx, BuscarPlantilla(IDD_VISTA_PREVIA)->cy}),
        (std::vector{350, 212, 472, 246}));
    EXPECT_EQ(BuscarPlantilla(101), nullptr);
}

const ControlTemplate& Find(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls) {
        if (c.id == id) {
            return c;
        }
    }
    throw std::out_of_range("no control " + std::to_string(id));
}

// Whether each control has the style bit, in the order given.
std::vector<bool> Have(const DialogTemplate& t, std::initializer_list<int> ids, unsigned style) {
    std::vector<bool> have;
    for (int id : ids) {
        have.push_back((Find(t, id).style & style) != 0);
    }
    return have;
}

TEST(Templates, FormLabelsAreNotTabStopsAndFieldsAre) {
    const DialogTemplate& t = *BuscarPlantilla(IDD_RECIBO_DIALOG);
    const auto labels = {IDC_EDIT_DEF_NUMERO,  IDC_EDIT_DEF_LOCALIDAD,   IDC_EDIT_DEF_IMPORTE,
                         IDC_EDIT_DEF_FECHA,   IDC_EDIT_DEF_VENCIMIENTO, IDC_EDIT_CONCEPTOS,
                         IDC_EDIT_IMPORTES,    IDC_EDIT_DEF_DOMICILIO,   IDC_EDIT_DEF_PAGADOR,
                         IDC_EDIT_DEF_COBRADOR};
    for (const int label : labels) {
        EXPECT_EQ(Find(t, label).kind, ControlKind::Edit) << label;
    }
    EXPECT_EQ(Have(t, labels, kTabStop), std::vector<bool>(10, false));
    const auto fields = {IDC_EDIT_NUMERO,    IDC_EDIT_LOCALIDAD,   IDC_EDIT_IMPORTE,
                         IDC_EDIT_FECHA,     IDC_EDIT_VENCIMIENTO, IDC_EDIT_CONCEPTO_1,
                         IDC_EDIT_IMPORTE_1, IDC_EDIT_DOMICILIO,   IDC_EDIT_PAGADOR_1,
                         IDC_EDIT_COBRADOR_3};
    EXPECT_EQ(Have(t, fields, kTabStop), std::vector<bool>(10, true));
    EXPECT_EQ(Have(t, fields, kBorder), std::vector<bool>(10, true));
    for (const int image : {IDC_BUTTON_SALIR, IDC_BUTTON_GUARDAR, IDC_BUTTON_IMPRIMIR_IMG,
                            IDC_BUTTON_CARGAR, IDC_BUTTON_CALENDARIO}) {
        EXPECT_EQ(Find(t, image).kind, ControlKind::ImageButton) << image;
    }
    EXPECT_NE(Find(t, IDC_BUTTON_CALENDARIO).style & kImageCentre, 0u);
    EXPECT_NE(t.style & kDlgTaskbar, 0u);
}

// Client pixels 10,290 to 500,390, where the currency samples are drawn, at the largest
// dialog units a desktop font gives (2 pixels per unit).
TEST(Templates, CurrencySamplesHaveTheirStripFree) {
    for (const ControlTemplate& c : BuscarPlantilla(IDD_CONFIG)->controls) {
        const bool apart = c.x + c.cx <= 5 || c.x >= 250 || c.y + c.cy <= 145 || c.y >= 195;
        EXPECT_TRUE(apart || (c.style & kHidden) != 0) << c.id;
    }
}

// The template's radio groups, each from a radio with the group style to the next one, in
// template order.
std::vector<std::vector<int>> RadioGroups(const DialogTemplate& t) {
    std::vector<std::vector<int>> groups;
    for (const ControlTemplate& c : t.controls) {
        if (c.kind == ControlKind::Radio) {
            if ((c.style & kGroup) != 0 || groups.empty()) {
                groups.emplace_back();
            }
            groups.back().push_back(c.id);
        }
    }
    return groups;
}

// The radios group as the currency dialog reads its choices, in the order of the choices; the
// seven cells after the signs start hidden.
TEST(Templates, CurrencyRadioGroupsAreTheOnesTheDialogReads) {
    const DialogTemplate& t = *BuscarPlantilla(IDD_CONFIG);
    const auto ids = [](std::span<const int> group) {
        return std::vector(group.begin(), group.end());
    };
    EXPECT_EQ(RadioGroups(t),
              (std::vector{ids(kRadiosEstilo), ids(kRadiosPositivo), ids(kRadiosDecimales),
                           ids(kRadiosMiles), ids(kRadiosRelleno), ids(kRadiosNegativo),
                           ids(kRadiosTipoSigno)}));
    for (int i = 0; i < 7; ++i) {
        EXPECT_NE(Find(t, IDC_BUTTON_OCULTO_1 + i).style & kHidden, 0u) << i;
    }
}

// Controls overlap by one dialog unit at most, where their borders meet, unless one of them
// starts hidden to take the other's place later.
TEST(Templates, ControlsDoNotCoverEachOther) {
    const auto overlap = [](int a, int aLength, int b, int bLength) {
        return std::min(a + aLength, b + bLength) - std::max(a, b);
    };
    for (const int id : kPlantillas) {
        const std::vector<ControlTemplate>& controls = BuscarPlantilla(id)->controls;
        for (auto a = controls.begin(); a != controls.end(); ++a) {
            for (auto b = std::next(a); b != controls.end(); ++b) {
                const bool covers =
                    overlap(a->x, a->cx, b->x, b->cx) > 1 && overlap(a->y, a->cy, b->y, b->cy) > 1;
                EXPECT_TRUE(!covers || ((a->style | b->style) & kHidden) != 0)
                    << "template " << id << ": " << a->id << " \"" << a->text << "\" and " << b->id
                    << " \"" << b->text << "\"";
            }
        }
    }
}

}  // namespace
