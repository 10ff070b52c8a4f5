// The dialog templates as tables: what the windows' code relies on.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <vector>

#include "platform/dialog_template.h"

namespace {

TEST(Templates, EachFitsItsClientAreaWithUniqueIds) {
    for (const int id : {100, 102, 137, 214, 215, 216, 223, 225, 240}) {
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
    EXPECT_EQ((std::vector{BuscarPlantilla(102)->cx, BuscarPlantilla(102)->cy,
                           BuscarPlantilla(225)->cx, BuscarPlantilla(225)->cy}),
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
    const DialogTemplate& t = *BuscarPlantilla(102);
    const auto labels = {1019, 1021, 1027, 1023, 1030, 1004, 1012, 1025, 1032, 1037};
    for (const int label : labels) {
        EXPECT_EQ(Find(t, label).kind, ControlKind::Edit) << label;
    }
    EXPECT_EQ(Have(t, labels, kTabStop), std::vector<bool>(10, false));
    const auto fields = {1020, 1026, 1022, 1029, 1028, 1005, 1013, 1031, 1034, 1040};
    EXPECT_EQ(Have(t, fields, kTabStop), std::vector<bool>(10, true));
    EXPECT_EQ(Have(t, fields, kBorder), std::vector<bool>(10, true));
    for (const int image : {1117, 1116, 1115, 1118, 1122}) {
        EXPECT_EQ(Find(t, image).kind, ControlKind::ImageButton) << image;
    }
    EXPECT_NE(Find(t, 1122).style & kImageCentre, 0u);
    EXPECT_NE(t.style & kDlgTaskbar, 0u);
}

// Client pixels 10,290 to 500,390, where the currency samples are drawn, at the largest
// dialog units a desktop font gives (2 pixels per unit).
TEST(Templates, CurrencySamplesHaveTheirStripFree) {
    for (const ControlTemplate& c : BuscarPlantilla(137)->controls) {
        const bool apart = c.x + c.cx <= 5 || c.x >= 250 || c.y + c.cy <= 145 || c.y >= 195;
        EXPECT_TRUE(apart || (c.style & kHidden) != 0) << c.id;
    }
}

// Radio groups start with the group style and their other members lack it; 1103 to 1109 start
// hidden.
TEST(Templates, CurrencyRadioGroupsStartWithTheGroupStyle) {
    const DialogTemplate& t = *BuscarPlantilla(137);
    EXPECT_EQ(Have(t, {1110, 1065, 1052, 1124, 1128, 1095, 1074}, kGroup),
              std::vector<bool>(7, true));
    EXPECT_EQ(Have(t, {1111, 1066, 1053, 1127, 1131, 1094, 1089}, kGroup),
              std::vector<bool>(7, false));
    EXPECT_EQ(Have(t, {1103, 1104, 1105, 1106, 1107, 1108, 1109}, kHidden),
              std::vector<bool>(7, true));
}

}  // namespace
