// The dialog templates as tables: what the windows' code relies on.
#include <gtest/gtest.h>

#include <set>

#include "platform/dialog_template.h"

namespace {

struct Size {
    int id, cx, cy;
};

class TemplateTest : public ::testing::TestWithParam<Size> {};

TEST_P(TemplateTest, FitsItsClientAreaWithUniqueIds) {
    const Size s = GetParam();
    const DialogTemplate* t = BuscarPlantilla(s.id);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->id, s.id);
    EXPECT_EQ(t->cx, s.cx);
    EXPECT_EQ(t->cy, s.cy);
    std::set<int> ids;
    for (const ControlTemplate& c : t->controls) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(c.id == -1 || ids.insert(c.id).second) << "repeated id";
        EXPECT_GE(c.x, 0);
        EXPECT_GE(c.y, 0);
        EXPECT_LE(c.x + c.cx, t->cx);
        EXPECT_LE(c.y + c.cy, t->cy);
    }
}

INSTANTIATE_TEST_SUITE_P(All, TemplateTest,
                         ::testing::Values(Size{100, 273, 103}, Size{102, 350, 212},
                                           Size{137, 441, 246}, Size{214, 221, 134},
                                           Size{215, 123, 196}, Size{216, 148, 134},
                                           Size{223, 154, 129}, Size{225, 472, 246}));

TEST(Templates, UnknownIdHasNone) {
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

TEST(Templates, FormLabelsAreNotTabStopsAndFieldsAre) {
    const DialogTemplate& t = *BuscarPlantilla(102);
    for (const int label : {1019, 1021, 1027, 1023, 1030, 1004, 1012, 1025, 1032, 1037}) {
        EXPECT_EQ(Find(t, label).style & kTabStop, 0u) << label;
        EXPECT_EQ(Find(t, label).kind, ControlKind::Edit) << label;
    }
    for (const int field : {1020, 1026, 1022, 1029, 1028, 1005, 1013, 1031, 1034, 1040}) {
        EXPECT_NE(Find(t, field).style & kTabStop, 0u) << field;
        EXPECT_NE(Find(t, field).style & kBorder, 0u) << field;
    }
    for (const int image : {1117, 1116, 1115, 1118, 1122}) {
        EXPECT_EQ(Find(t, image).kind, ControlKind::ImageButton) << image;
    }
    EXPECT_NE(Find(t, 1122).style & kImageCentre, 0u);
    EXPECT_NE(t.style & kDlgTaskbar, 0u);
}

// Client pixels 10,290 to 500,390, where the currency samples are drawn, at the largest
// dialog units a desktop font gives (2 pixels per unit).
TEST(Templates, CurrencySamplesHaveTheirStripFree) {
    const DialogTemplate& t = *BuscarPlantilla(137);
    for (const ControlTemplate& c : t.controls) {
        if ((c.style & kHidden) != 0) {
            continue;
        }
        const bool apart = c.x + c.cx <= 5 || c.x >= 250 || c.y + c.cy <= 145 || c.y >= 195;
        EXPECT_TRUE(apart) << c.id;
    }
}

TEST(Templates, CurrencyRadioGroupsStartWithTheGroupStyle) {
    const DialogTemplate& t = *BuscarPlantilla(137);
    for (const int first : {1110, 1065, 1052, 1124, 1128, 1095, 1074}) {
        EXPECT_NE(Find(t, first).style & kGroup, 0u) << first;
    }
    for (const int member : {1111, 1066, 1053, 1127, 1131, 1094, 1089}) {
        EXPECT_EQ(Find(t, member).style & kGroup, 0u) << member;
    }
    for (int id = 1103; id <= 1109; ++id) {
        EXPECT_NE(Find(t, id).style & kHidden, 0u) << id;
    }
}

}  // namespace
