#include "ui/MainWindowModel.h"

#include <algorithm>
#include <cassert>

namespace zindra {
namespace {

using enum ControlId;
using Handler = void (MainWindowModel::*)();

struct HandlerRow {
    ControlId control;
    Handler handler;
};

// Which handler a control's change or press runs; a symbology button selects
// its symbology (SymbologyButtons).
constexpr std::array HandlerTable{
    HandlerRow{FontA, &MainWindowModel::FontAClick},
    HandlerRow{FontB, &MainWindowModel::FontAClick},
    HandlerRow{FontC, &MainWindowModel::FontAClick},
    HandlerRow{FontD, &MainWindowModel::FontAClick},
    HandlerRow{FontE, &MainWindowModel::FontAClick},
    HandlerRow{FontF, &MainWindowModel::FontAClick},
    HandlerRow{Type1, &MainWindowModel::FontAClick},
    HandlerRow{Type2, &MainWindowModel::FontAClick},
    HandlerRow{ITF14, &MainWindowModel::FontAClick},
    HandlerRow{GB3b1, &MainWindowModel::SelectGB3b1},
    HandlerRow{GB3b2, &MainWindowModel::SelectGB3b2},
    HandlerRow{GB3b3, &MainWindowModel::SelectGB3b3},
    HandlerRow{GB3b4, &MainWindowModel::SelectGB3b4Click},
    HandlerRow{GB3b5, &MainWindowModel::SelectGB3b5Click},
    HandlerRow{GB3b6, &MainWindowModel::SelectGB3b6},
    HandlerRow{GB3b7, &MainWindowModel::SelectGB3b7},
    HandlerRow{TipCheckBox, &MainWindowModel::TipCheckBoxClick},
    HandlerRow{OptionalChecksum, &MainWindowModel::ChangeChecksum},
    HandlerRow{Option2, &MainWindowModel::Option2Click},
    HandlerRow{DispSums, &MainWindowModel::DispSumsClick},
    HandlerRow{SpeedButton2, &MainWindowModel::SpeedButton2Click},
    HandlerRow{SpeedButton1, &MainWindowModel::SpeedButton1Click},
    HandlerRow{HelpButtonClick, &MainWindowModel::HelpButtonClickClick},
    HandlerRow{Insert, &MainWindowModel::InsertClick},
    HandlerRow{MakeButtonClick, &MainWindowModel::MakeButtonClickClick},
    HandlerRow{CopyButtonClick, &MainWindowModel::CopyButtonClickClick},
    HandlerRow{PrintLabel, &MainWindowModel::PrintLabelClick},
    HandlerRow{PrintButtonClick, &MainWindowModel::PrintButtonClickClick},
};

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

bool IsEdit(ControlId id) {
    const ControlKind kind = SpecOf(id).Kind;
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox;
}

} // namespace

MainWindowModel::MainWindowModel(Platform& platform)
    : BarCodeOut(CharStyle{"Arial", 12}), platform(platform) {
    for (const ControlSpec& spec : AllControlSpecs()) {
        Control& control = At(spec.Id);
        control.Text = spec.Text;
        control.Hint = spec.Hint;
        control.Checked = spec.Checked;
        control.Width = spec.Width;
    }
}

void MainWindowModel::Select(ControlId radio) {
    assert(SpecOf(radio).Kind == ControlKind::Radio);
    if (Checked(radio)) return;
    for (ControlId other : RadioGroupOf(radio))
        At(other).Checked = false;
    At(radio).Checked = true;
    RunHandlerOf(radio);
}

void MainWindowModel::SetChecked(ControlId box, bool checked) {
    assert(SpecOf(box).Kind == ControlKind::CheckBox);
    if (Checked(box) == checked) return;
    At(box).Checked = checked;
    RunHandlerOf(box);
}

void MainWindowModel::SetText(ControlId id, std::u16string_view text) {
    Control& control = At(id);
    control.Text = text;
    if (IsEdit(id)) {
        control.SelStart = static_cast<int>(control.Text.size());
        control.SelLength = 0;
    }
}

void MainWindowModel::SetHint(ControlId id, std::u16string_view hint) {
    At(id).Hint = hint;
}

void MainWindowModel::SetVisible(ControlId id, bool visible) {
    At(id).Visible = visible;
}

void MainWindowModel::SetWidth(ControlId id, int width) {
    At(id).Width = width;
}

void MainWindowModel::SetSelection(ControlId edit, int start, int length) {
    Control& control = At(edit);
    const int size = static_cast<int>(control.Text.size());
    control.SelStart = std::clamp(start, 0, size);
    control.SelLength = std::clamp(length, 0, size - control.SelStart);
}

void MainWindowModel::SetFocus(ControlId id) {
    const ControlId left = focus_;
    focus_ = id;
    if (left == PointSize && id != PointSize) PointSizeExit();
}

void MainWindowModel::Click(ControlId id) {
    switch (SpecOf(id).Kind) {
    case ControlKind::Radio:
        Select(id);
        return;
    case ControlKind::CheckBox:
        SetChecked(id, !Checked(id));
        return;
    default:
        RunHandlerOf(id);
        return;
    }
}

void MainWindowModel::UserEdit(ControlId id, std::u16string_view text) {
    SetText(id, text);
    if (id == PointSize) PointSizeChange();
}

void MainWindowModel::KeyDown(ControlId id, int virtualKey, ShiftState shift) {
    if (id == BarTextInput) BarTextInputKeyDown(virtualKey, shift);
    if (id == Extra) ExtraKeyDown(virtualKey, shift);
}

void MainWindowModel::Activate() {
    if (activated_) return;
    activated_ = true;
    Run(Handlers.FormActivate);
}

void MainWindowModel::Close() {
    Run(Handlers.FormClose);
}

void MainWindowModel::RunHandlerOf(ControlId id) {
    const auto symbology = std::ranges::find(SymbologyButtons, id, &SymbologyButton::button);
    if (symbology != SymbologyButtons.end()) {
        SelectSymbology(symbology->symbology);
        return;
    }
    const auto row = std::find_if(HandlerTable.begin(), HandlerTable.end(),
                                  [id](const HandlerRow& r) { return r.control == id; });
    if (row != HandlerTable.end()) (this->*(row->handler))();
}

void MainWindowModel::CopyButtonClickClick() {
    Run(Handlers.CopyButtonClickClick);
}
void MainWindowModel::PrintButtonClickClick() {
    Run(Handlers.PrintButtonClickClick);
}
void MainWindowModel::PrintLabelClick() {
    Run(Handlers.PrintLabelClick);
}
void MainWindowModel::SpeedButton1Click() {
    Run(Handlers.SpeedButton1Click);
}
void MainWindowModel::SpeedButton2Click() {
    Run(Handlers.SpeedButton2Click);
}
void MainWindowModel::TipCheckBoxClick() {
    Run(Handlers.TipCheckBoxClick);
}

} // namespace zindra
