#include "app/main/main_controls.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/main/dialog_units.h"

namespace zentrel {
namespace {

TEST(MainControls, EveryControlHasItsOwnNameAndLiesInTheWindow) {
    std::set<ControlId> ids;
    std::set<std::string_view> names;
    for (const ControlRow& row : mainWindowControls()) {
        SCOPED_TRACE(std::string(row.objectName));
        EXPECT_TRUE(ids.insert(row.id).second);
        EXPECT_TRUE(names.insert(row.objectName).second);
        EXPECT_GE(row.rect.x, 0);
        EXPECT_GE(row.rect.y, 0);
        EXPECT_LE(row.rect.x + row.rect.width, kMainWindowRect.width);
        EXPECT_LE(row.rect.y + row.rect.height, kMainWindowRect.height);
        EXPECT_EQ(findControl(row.id), &row);
        // Screen readers know every control that takes input by a name.
        const bool named =
            row.kind == ControlKind::Separator || row.kind == ControlKind::HiddenList ||
            row.kind == ControlKind::StatusText || row.kind == ControlKind::GraphArea ||
            row.kind == ControlKind::FunctionList || row.kind == ControlKind::Label;
        if (!named && labelOf(row.id) == ControlId::None) {
            EXPECT_FALSE(accessibleName(row).empty());
        }
    }
    EXPECT_EQ(accessibleName(*findControl(ControlId::CoordinateList)), "座標系：");
    EXPECT_EQ(accessibleName(*findControl(ControlId::DrawButton)), "グラフの描画");
    EXPECT_EQ(accessibleName(*findControl(ControlId::KeyExponentPlus)), "e\\+");
    EXPECT_EQ(labelOf(ControlId::PitchEdit), ControlId::PitchLabel);
    EXPECT_EQ(findControl(ControlId::PitchLabel)->text, "ptch");
}

// The keys sit on a grid, the function buttons too: no two controls overlap.
TEST(MainControls, NoTwoVisibleControlsOverlap) {
    const auto controls = mainWindowControls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const DialogRect& a = controls[i].rect;
            const DialogRect& b = controls[j].rect;
            if (controls[i].kind == ControlKind::HiddenList ||
                controls[j].kind == ControlKind::HiddenList) {
                continue;
            }
            const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                               a.y + a.height <= b.y || b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << controls[i].objectName << " and " << controls[j].objectName;
        }
    }
}

TEST(DialogUnits, ConvertWithTheAverageLetterWidthAndTheCharacterHeight) {
    // 52 letters 338 pixels wide: an average of 6.5, rounded up to 7.
    const DialogUnits units = DialogUnits::fromFont(338, 16);
    EXPECT_EQ(units.baseWidth(), 7);
    EXPECT_EQ(units.baseHeight(), 16);
    EXPECT_EQ(units.toPixelsX(196), 343);
    EXPECT_EQ(units.toPixelsY(305), 610);
    EXPECT_EQ(units.toPixelsX(1), 2);  // 1.75 rounds to 2
    EXPECT_EQ(units.toPixels({182, 1, 14, 14}), (PixelRect{319, 2, 24, 28}));
    // Controls that share an edge in units share it in pixels.
    const PixelRect left = units.toPixels({1, 187, 19, 13});
    const PixelRect right = units.toPixels({20, 187, 19, 13});
    EXPECT_EQ(left.x + left.width, right.x);
    EXPECT_EQ(DialogUnits::fromFont(0, 0).baseWidth(), 1);
}

}  // namespace
}  // namespace zentrel
