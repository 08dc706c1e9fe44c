#include "ui/WindowPlacement.h"
#include "ui/qt/ModelText.h"
#include "ui/qt/SampleView.h"
#include "ui/qt/TForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextEdit>

#include <algorithm>

namespace zindra {
namespace {

using enum ControlId;

// Without a window manager there is no frame; a strip this high at the top
// of the window still has to stay reachable.
constexpr int SmallestTitleBar = 24;

void SyncEdit(QLineEdit* edit, const Control& control) {
    const QString text = FromModel(control.Text);
    if (edit->text() != text) edit->setText(text);
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int length = static_cast<int>(edit->selectedText().size());
    if (start == control.SelStart && length == control.SelLength) return;
    if (control.SelLength > 0)
        edit->setSelection(control.SelStart, control.SelLength);
    else
        edit->setCursorPosition(control.SelStart);
}

void SyncText(QWidget* widget, const Control& control) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(FromModel(control.Text));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(FromModel(control.Text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(FromModel(control.Text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        SyncEdit(edit, control);
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        // A text from the list selects that item, so the list opens on it.
        const QString text = FromModel(control.Text);
        const int item = box->findText(text);
        if (item >= 0 && box->currentIndex() != item) box->setCurrentIndex(item);
        if (box->currentText() != text) box->setEditText(text);
    }
}

// A radio button of an exclusive group cannot be cleared directly; the model
// always has one selected per group, so clearing only happens in passing.
void SyncChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) return;
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

} // namespace

void TForm1::Sync() {
    const bool wasBusy = busy_;
    busy_ = true;
    for (const ControlSpec& spec : AllControlSpecs())
        SyncControl(spec.Id);
    SyncSample();
    sizeAdvice_->setText(QString::fromStdU16String(model_.SizeAdviceText()));
    SyncPosition();
    SyncFocus();
    busy_ = wasBusy;
}

void TForm1::SyncControl(ControlId id) {
    QWidget* widget = WidgetOf(id);
    if (!widget) return;
    const Control& control = model_.Get(id);
    const QSignalBlocker blocker(widget);
    if (widget->isHidden() == control.Visible) widget->setHidden(!control.Visible);
    widget->setToolTip(FromModel(control.Hint));
    if (control.Width > 0) widget->setFixedWidth(control.Width);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) SyncChecked(button, control.Checked);
    // Tab enters a radio group on its checked button; the arrows move within.
    if (SpecOf(id).Kind == ControlKind::Radio)
        widget->setFocusPolicy(control.Checked ? Qt::StrongFocus : Qt::ClickFocus);
    SyncText(widget, control);
    if (id == BarTextOut) {
        QFont font = QApplication::font(widget);
        if (model_.BarTextOutSize) font.setPointSize(*model_.BarTextOutSize);
        if (widget->font() != font) widget->setFont(font);
    }
}

void TForm1::SyncSample() {
    std::vector<StyledRun> runs = model_.BarCodeOut.Runs();
    if (runs == shownRuns_) return;
    auto* view = static_cast<QTextEdit*>(WidgetOf(BarCodeOut));
    const QSignalBlocker blocker(view);
    ShowRuns(view, runs);
    shownRuns_ = std::move(runs);
}

// A position that the window did not take itself (a restored one) may come
// from another monitor layout: its title bar is kept on a screen.
void TForm1::SyncPosition() {
    if (pos() == QPoint(model_.Left, model_.Top)) return;
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const QRect frame = frameGeometry();
    const int titleHeight = std::max(geometry().top() - frame.top(), SmallestTitleBar);
    const WindowCorner placed =
        KeepTitleBarOnScreen({model_.Left, model_.Top}, frame.width(), titleHeight, screens);
    model_.Left = placed.Left;
    model_.Top = placed.Top;
    move(placed.Left, placed.Top);
}

void TForm1::SyncFocus() {
    QWidget* wanted = WidgetOf(model_.Focus());
    if (!wanted || ControlOf(QApplication::focusWidget()) == model_.Focus()) return;
    wanted->setFocus(Qt::OtherFocusReason);
}

} // namespace zindra
