#include "ui/qt/TForm1.h"

#include "ui/qt/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <exception>

namespace zindra {
namespace {

using enum ControlId;

std::u16string ToModel(const QString& text) {
    return text.toStdU16String();
}

ShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
            modifiers.testFlag(Qt::ControlModifier)};
}

} // namespace

TForm1::TForm1(MainWindowModel& model, QtPlatform& platform, QWidget* parent)
    : QWidget(parent), model_(model), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zindra"));
    CreateWidgets();
    Arrange();
    Sync();
    KeepChoicesInPlace();
    Sync();
    CentreOnScreen();
    ConnectEvents();
    platform_.SetMainWindow(this);
    platform_.BeforeModal = [this] { Sync(); };
}

// Destroying the widgets moves the focus and may signal; none of that may
// reach a window that is going away.
TForm1::~TForm1() {
    busy_ = true;
    qApp->disconnect(this);
    for (QWidget* widget : widgets_)
        if (widget) widget->disconnect(this);
    platform_.BeforeModal = nullptr;
}

void TForm1::CentreOnScreen() {
    adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
    model_.Left = x();
    model_.Top = y();
}

template <class Event> void TForm1::Forward(Event&& event) {
    if (busy_) return;
    busy_ = true;
    try {
        event();
    } catch (const std::exception& error) {
        platform_.MessageBox(ToModel(QString::fromLocal8Bit(error.what())), std::nullopt);
    }
    busy_ = false;
    Sync();
}

std::optional<ControlId> TForm1::ControlOf(QWidget* widget) const {
    for (; widget && widget != this; widget = widget->parentWidget()) {
        for (const ControlSpec& spec : AllControlSpecs())
            if (WidgetOf(spec.Id) == widget) return spec.Id;
        if (widget->isWindow()) break;
    }
    return std::nullopt;
}

void TForm1::ConnectEvents() {
    for (const ControlSpec& spec : AllControlSpecs()) {
        const ControlId id = spec.Id;
        QWidget* widget = WidgetOf(id);
        if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::clicked, this,
                    [this, id](bool checked) { Forward([&] { model_.SetChecked(id, checked); }); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { Forward([&] { model_.Click(id); }); });
        } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
            connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, id](const QString& text) {
                Forward([&] { model_.UserEdit(id, ToModel(text)); });
            });
            connect(box, &QComboBox::activated, this, [this, id, box](int index) {
                Forward([&] { model_.UserEdit(id, ToModel(box->itemText(index))); });
            });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->isReadOnly()) {
            connect(edit, &QLineEdit::textEdited, this, [this, id, edit](const QString& text) {
                Forward([&] {
                    model_.UserEdit(id, ToModel(text));
                    model_.SetSelection(id, edit->cursorPosition(), 0);
                });
            });
            // The caret and selection are the user's until a handler moves them.
            auto noteSelection = [this, id, edit] {
                if (busy_) return;
                const bool selected = edit->hasSelectedText();
                model_.SetSelection(id, selected ? edit->selectionStart() : edit->cursorPosition(),
                                    static_cast<int>(edit->selectedText().size()));
            };
            connect(edit, &QLineEdit::cursorPositionChanged, this, noteSelection);
            connect(edit, &QLineEdit::selectionChanged, this, noteSelection);
            edit->installEventFilter(this);
        }
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (const std::optional<ControlId> id = ControlOf(now))
            Forward([&] { model_.SetFocus(*id); });
    });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (const std::optional<ControlId> id = ControlOf(qobject_cast<QWidget*>(watched))) {
            const ShiftState shift = ShiftOf(static_cast<QKeyEvent*>(event)->modifiers());
            Forward([&] { model_.KeyDown(*id, VirtualKeyF1, shift); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Start-up runs once the activation is complete: run inside it, the Tip of
// the Day's modal loop would return to an activation that then hands the
// focus on and clears the data's selection.
bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(
            this, [this] { Forward([this] { model_.Activate(); }); }, Qt::QueuedConnection);
    return QWidget::event(event);
}

// Make is the window's default button: Enter that no control takes (the data
// fields, the check boxes, the radio buttons) presses it. A focused push
// button takes Enter itself.
void TForm1::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* make = static_cast<QPushButton*>(WidgetOf(MakeButtonClick));
    if (enter && event->modifiers() == Qt::NoModifier && make->isVisible()) {
        make->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Forward([this] { model_.Close(); });
    event->accept();
}

void TForm1::moveEvent(QMoveEvent* event) {
    model_.Left = x();
    model_.Top = y();
    QWidget::moveEvent(event);
}

} // namespace zindra
