#include "app/main/window_dialog.h"

#include <gtest/gtest.h>

#include <map>

#include "app/settings/settings_pages.h"

namespace zentrel {
namespace {

using D = WindowDialogId;

class RecordingDialogView : public WindowDialogView {
  public:
    std::string text(D id) const override {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(D id, std::string_view value) override {
        texts[id] = value;
        ++writes;
    }
    void setEnabled(D id, bool on) override { enabled[id] = on; }
    void setVisible(D id, bool on) override { visible[id] = on; }
    void setChecked(D id) override { checked = id; }

    std::map<D, std::string> texts;
    std::map<D, bool> enabled;
    std::map<D, bool> visible;
    D checked = D::OffsetRadio;
    int writes = 0;
};

TEST(WindowDialogTest, DialogRealsAlwaysHaveAPoint) {
    for (const auto& [value, text] : std::map<double, std::string>{
             {1e20, "1e+20.0"}, {10, "10.0"}, {-0.25, "-0.25"}, {180.5, "180.5"}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(formatPageReal(value), text);
    }
}

TEST(WindowDialogTest, OpensWithTheEntryStyleAndBothForms) {
    RecordingDialogView view;
    WindowDialog dialog(view, {200, 100, 10, -10}, 400, 200, false, WindowDialog::kWindowEntry);
    dialog.open();
    EXPECT_EQ(view.checked, D::WindowRadio);
    EXPECT_EQ(view.texts[D::OffsetX], "200.0");
    EXPECT_EQ(view.texts[D::UnitY], "-10.0");
    EXPECT_EQ(view.texts[D::Left], "-20.0");
    EXPECT_EQ(view.texts[D::Right], "20.0");
    EXPECT_EQ(view.texts[D::Bottom], "-10.0");
    EXPECT_EQ(view.texts[D::Top], "10.0");
    EXPECT_FALSE(view.enabled[D::OffsetX]);
    EXPECT_TRUE(view.enabled[D::Left]);
    dialog.chooseEntryStyle(WindowDialog::kOffsetEntry);
    EXPECT_TRUE(view.enabled[D::UnitX]);
    EXPECT_FALSE(view.enabled[D::Top]);
}

TEST(WindowDialogTest, EachFormIsRecomputedFromTheOther) {
    RecordingDialogView view;
    WindowDialog dialog(view, {200, 100, 10, -10}, 400, 200, false, 0);
    dialog.open();
    view.texts[D::UnitX] = "20";
    dialog.edited(D::UnitX);
    EXPECT_EQ(view.texts[D::Left], "-10.0");
    EXPECT_EQ(view.texts[D::Top], "10.0");  // untouched y
    view.texts[D::Left] = "0";
    view.texts[D::Right] = "399";
    view.texts[D::Bottom] = "-199";
    view.texts[D::Top] = "0";
    dialog.edited(D::Right);
    EXPECT_EQ(view.texts[D::OffsetX], "0.5");  // pixel centres
    EXPECT_EQ(view.texts[D::UnitX], "1.0");
    EXPECT_EQ(view.texts[D::UnitY], "-1.0");
    view.texts[D::Right] = "0";  // no width: the offsets stay
    dialog.edited(D::Right);
    EXPECT_EQ(view.texts[D::UnitX], "1.0");
    const WindowDialogResult result = dialog.accept();
    EXPECT_EQ(result.transform.offsetX, 0.5);
    EXPECT_EQ(result.transform.scaleY, -1.0);
}

TEST(WindowDialogTest, ResetCentresTheOriginWithTenPixelsAUnit) {
    RecordingDialogView view;
    WindowDialog dialog(view, {3, 4, 1, -1}, 361, 241, false, 0);
    dialog.open();
    dialog.reset();
    EXPECT_EQ(view.texts[D::OffsetX], "180.0");
    EXPECT_EQ(view.texts[D::OffsetY], "120.0");
    EXPECT_EQ(view.texts[D::UnitX], "10.0");
    EXPECT_EQ(view.texts[D::Left], "-18.0");
}

TEST(WindowDialogTest, EqualScalesTakeOneUnitAndOffsetsOnly) {
    RecordingDialogView view;
    WindowDialog dialog(view, {200, 100, 10, -10}, 400, 200, true, WindowDialog::kWindowEntry);
    dialog.open();
    EXPECT_EQ(view.checked, D::OffsetRadio);
    EXPECT_EQ(view.texts[D::UnitXLabel], "単位：");
    EXPECT_FALSE(view.visible[D::UnitY]);
    EXPECT_FALSE(view.enabled[D::WindowRadio]);
    view.texts[D::UnitX] = "5";
    dialog.edited(D::UnitX);
    EXPECT_EQ(view.texts[D::Top], "20.0");
    EXPECT_EQ(dialog.accept().transform.scaleY, -5.0);
    EXPECT_EQ(dialog.accept().entryStyle, WindowDialog::kOffsetEntry);
}

}  // namespace
}  // namespace zentrel
