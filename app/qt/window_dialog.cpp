#include "app/qt/window_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace zentrel {

namespace {

using D = WindowDialogId;

QString dialogText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct EditRow {
    D label;  // None-like 0 when the row has no numbered label
    D edit;
    D suffix;
    const char* title;
    const char* objectName;
};

constexpr D kNoId = static_cast<D>(0);

constexpr std::array<EditRow, 4> kOffsetRows{{
    {kNoId, D::OffsetX, kNoId, "Ｘ方向オフセット", "offsetXEdit"},
    {kNoId, D::OffsetY, kNoId, "Ｙ方向オフセット", "offsetYEdit"},
    {D::UnitXLabel, D::UnitX, kNoId, "Ｘ方向の単位", "unitXEdit"},
    {D::UnitYLabel, D::UnitY, D::UnitYSuffix, "Ｙ方向の単位", "unitYEdit"},
}};
constexpr std::array<EditRow, 4> kWindowRows{{
    {kNoId, D::Left, kNoId, "左", "leftEdit"},
    {kNoId, D::Right, kNoId, "右", "rightEdit"},
    {kNoId, D::Bottom, kNoId, "下", "bottomEdit"},
    {kNoId, D::Top, kNoId, "上", "topEdit"},
}};

}  // namespace

WindowSettingsDialog::WindowSettingsDialog(
    const std::function<std::unique_ptr<WindowDialog>(WindowDialogView&)>& makeLogic,
    QWidget* parent)
    : QDialog(parent) {
    setObjectName("windowDialog");
    setWindowTitle("ウィンドウの設定");
    setAccessibleName("ウィンドウの設定");
    auto* grid = new QGridLayout(this);
    auto* offsetRadio = new QRadioButton("オフセット指定", this);
    auto* windowRadio = new QRadioButton("ウィンドウ指定", this);
    offsetRadio->setObjectName("offsetRadio");
    windowRadio->setObjectName("windowRadio");
    controls_[D::OffsetRadio] = offsetRadio;
    controls_[D::WindowRadio] = windowRadio;
    int row = 0;
    const auto addRows = [&](QRadioButton* radio, const std::array<EditRow, 4>& rows) {
        grid->addWidget(radio, row++, 0, 1, 3);
        for (const EditRow& entry : rows) {
            auto* label = new QLabel(dialogText(entry.title), this);
            auto* edit = new QLineEdit(this);
            edit->setObjectName(entry.objectName);
            edit->setAccessibleName(label->text());
            label->setBuddy(edit);
            grid->addWidget(label, row, 0);
            grid->addWidget(edit, row, 1);
            controls_[entry.edit] = edit;
            if (entry.label != kNoId) controls_[entry.label] = label;
            if (entry.edit == D::OffsetX || entry.edit == D::OffsetY || entry.edit == D::UnitX ||
                entry.edit == D::UnitY) {
                auto* suffix = new QLabel("ピクセル", this);
                grid->addWidget(suffix, row, 2);
                if (entry.suffix != kNoId) controls_[entry.suffix] = suffix;
            }
            const D id = entry.edit;
            connect(edit, &QLineEdit::textEdited, this, [this, id] { logic_->edited(id); });
            ++row;
        }
    };
    addRows(offsetRadio, kOffsetRows);
    addRows(windowRadio, kWindowRows);
    auto* reset = new QPushButton("初期化する", this);
    reset->setObjectName("resetButton");
    reset->setAutoDefault(false);
    controls_[D::ResetButton] = reset;
    grid->addWidget(reset, row++, 1);
    grid->addWidget(new QLabel("注意：ウィンドウで指定した場合、若干の誤差が生じます。", this),
                    row++, 0, 1, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("キャンセル");
    grid->addWidget(buttons, row, 0, 1, 3);
    logic_ = makeLogic(*this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] { logic_->reset(); });
    connect(offsetRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) logic_->chooseEntryStyle(WindowDialog::kOffsetEntry);
    });
    connect(windowRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) logic_->chooseEntryStyle(WindowDialog::kWindowEntry);
    });
    logic_->open();
}

QWidget* WindowSettingsDialog::control(WindowDialogId id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

std::string WindowSettingsDialog::text(WindowDialogId id) const {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) return edit->text().toStdString();
    return {};
}

void WindowSettingsDialog::setText(WindowDialogId id, std::string_view text) {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(dialogText(text));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(dialogText(text));
}

void WindowSettingsDialog::setEnabled(WindowDialogId id, bool enabled) {
    if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

void WindowSettingsDialog::setVisible(WindowDialogId id, bool visible) {
    if (QWidget* widget = control(id)) widget->setVisible(visible);
}

void WindowSettingsDialog::setChecked(WindowDialogId id) {
    if (auto* radio = qobject_cast<QRadioButton*>(control(id))) radio->setChecked(true);
}

}  // namespace zentrel
