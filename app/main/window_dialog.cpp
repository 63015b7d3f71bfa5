#include "app/main/window_dialog.h"

#include "app/main/field_numbers.h"
#include "app/settings/settings_pages.h"

namespace zentrel {

namespace {

using D = WindowDialogId;

constexpr std::array<D, 4> kOffsetEdits{D::OffsetX, D::OffsetY, D::UnitX, D::UnitY};
constexpr std::array<D, 4> kWindowEdits{D::Left, D::Bottom, D::Right, D::Top};

bool isOffsetEdit(D id) {
    for (D edit : kOffsetEdits)
        if (edit == id) return true;
    return false;
}

}  // namespace

WindowDialog::WindowDialog(WindowDialogView& view, const WorldTransform& transform,
                           std::int32_t width, std::int32_t height, bool equalScales,
                           std::int32_t entryStyle)
    : view_(view),
      transform_(transform),
      width_(width),
      height_(height),
      equalScales_(equalScales),
      entryStyle_(equalScales ? kOffsetEntry : entryStyle) {
    static_cast<void>(scratch_.create(width, height, true));
}

void WindowDialog::open() {
    if (equalScales_) {
        view_.setText(D::UnitXLabel, "単位：");
        for (D id : {D::UnitYLabel, D::UnitY, D::UnitYSuffix})
            view_.setVisible(id, false);
        view_.setEnabled(D::WindowRadio, false);
    }
    view_.setChecked(entryStyle_ == kWindowEntry ? D::WindowRadio : D::OffsetRadio);
    showTransform(transform_);
    showWindow(transform_);
    enableEntries();
}

void WindowDialog::chooseEntryStyle(std::int32_t style) {
    if (equalScales_) return;
    entryStyle_ = style;
    enableEntries();
}

void WindowDialog::enableEntries() {
    for (D id : kOffsetEdits)
        view_.setEnabled(id, entryStyle_ == kOffsetEntry);
    for (D id : kWindowEdits)
        view_.setEnabled(id, entryStyle_ == kWindowEntry);
}

// The texts of the offset and unit edits as a transform; equal scales take
// the y unit from the x unit.
WorldTransform WindowDialog::typedTransform() const {
    WorldTransform typed;
    typed.offsetX = parseFieldReal(view_.text(D::OffsetX));
    typed.offsetY = parseFieldReal(view_.text(D::OffsetY));
    typed.scaleX = parseFieldReal(view_.text(D::UnitX));
    typed.scaleY = equalScales_ ? -typed.scaleX : parseFieldReal(view_.text(D::UnitY));
    return typed;
}

void WindowDialog::showTransform(const WorldTransform& transform) {
    view_.setText(D::OffsetX, formatPageReal(transform.offsetX));
    view_.setText(D::OffsetY, formatPageReal(transform.offsetY));
    view_.setText(D::UnitX, formatPageReal(transform.scaleX));
    view_.setText(D::UnitY, formatPageReal(transform.scaleY));
}

void WindowDialog::showWindow(const WorldTransform& transform) {
    const ViewWindow window = shownWindow(transform, width_, height_, equalScales_);
    view_.setText(D::Left, formatPageReal(window.left));
    view_.setText(D::Bottom, formatPageReal(window.bottom));
    view_.setText(D::Right, formatPageReal(window.right));
    view_.setText(D::Top, formatPageReal(window.top));
}

// setWindow maps the edges to pixel centres while the window shown runs to
// the outer pixel edges, so a round trip moves the values slightly.
void WindowDialog::edited(WindowDialogId id) {
    if (isOffsetEdit(id)) return showWindow(typedTransform());
    const auto value = [this](D edit) { return parseFieldReal(view_.text(edit)); };
    if (scratch_.setWindow(value(D::Left), value(D::Bottom), value(D::Right), value(D::Top))) {
        showTransform(scratch_.getTransform());
    }
}

void WindowDialog::reset() {
    const WorldTransform initial{static_cast<double>(width_ / 2), static_cast<double>(height_ / 2),
                                 10.0, -10.0};
    showTransform(initial);
    showWindow(initial);
}

WindowDialogResult WindowDialog::accept() const {
    return {typedTransform(), entryStyle_};
}

}  // namespace zentrel
