#include "ui/SymbologyLooks.h"
#include "ui/qt/ModelText.h"
#include "ui/qt/TForm1.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace zindra {
namespace {

using enum ControlId;

constexpr int SampleHeight = 130;
constexpr int DataFieldWidth = 380;
constexpr int PointSizeWidth = 80;

// The data field keeps its selection when another control takes the focus,
// so what Make or a click left selected is still there, and seen, on return.
class KeptSelectionEdit : public QLineEdit {
  protected:
    void focusOutEvent(QFocusEvent* event) override {
        const int start = selectionStart();
        const int length = selectionLength();
        QLineEdit::focusOutEvent(event);
        if (length > 0 && !hasSelectedText()) setSelection(start, length);
    }
};

// Editable, without Qt's completer: it re-cases what the user types ("fnc1"
// would become "FNC1") and completes a "2" to "20". The model sees exactly
// what was typed; only a pick from the list is a pick.
QComboBox* CreateDropDown(ControlId id) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (std::u16string_view item : ItemsOf(id))
        box->addItem(FromModel(item));
    return box;
}

QWidget* CreateWidget(const ControlSpec& spec, QStyle* style) {
    switch (spec.Kind) {
    case ControlKind::Group:
        return new QGroupBox;
    case ControlKind::Radio:
        return new QRadioButton;
    case ControlKind::CheckBox:
        return new QCheckBox;
    case ControlKind::Button: {
        // Enter on a focused button presses it, as in a dialog.
        auto* button = new QPushButton;
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::PictureButton: {
        auto* button = new QPushButton;
        button->setIcon(style->standardIcon(QStyle::SP_MessageBoxInformation));
        button->setFlat(true);
        button->setAutoDefault(true);
        button->setAccessibleName(FromModel(spec.Hint));
        return button;
    }
    case ControlKind::StaticText:
        return new QLabel;
    case ControlKind::Edit: {
        auto* edit = spec.Id == BarTextInput ? new KeptSelectionEdit : new QLineEdit;
        edit->setReadOnly(!spec.TabStop);
        return edit;
    }
    case ControlKind::ComboBox:
        return CreateDropDown(spec.Id);
    case ControlKind::RichEdit: {
        // The sample is paper: black on white whatever the desktop's theme,
        // as it prints and as a scanner reads it from the screen.
        auto* view = new QTextEdit;
        QPalette paper = view->palette();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            paper.setColor(group, QPalette::Base, Qt::white);
            paper.setColor(group, QPalette::Text, Qt::black);
        }
        view->setPalette(paper);
        view->setReadOnly(true);
        view->setLineWrapMode(QTextEdit::NoWrap);
        view->document()->setDocumentMargin(10);
        return view;
    }
    case ControlKind::PrintDialog:
        return nullptr; // the Samples button opens its own
    }
    return nullptr;
}

// The widest a button or group box gets with any caption a handler gives it.
int WidestWith(QWidget* widget, const std::vector<std::u16string_view>& captions) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* group = qobject_cast<QGroupBox*>(widget);
    int widest = 0;
    for (std::u16string_view caption : captions) {
        if (button) button->setText(FromModel(caption));
        if (group) group->setTitle(FromModel(caption));
        widest = std::max(widest, widget->sizeHint().width());
    }
    return widest;
}

// The order Tab follows: the window read left to right, top to bottom.
constexpr ControlId ReadingOrder[] = {
    Radio25,
    Radio39,
    Radio93,
    Radio128,
    RadioCodabar,
    RadioEAN,
    RadioPostNet,
    RadioUPC,
    SpeedButton1,
    SpeedButton2,
    HelpButtonClick,
    FontA,
    FontB,
    FontC,
    FontD,
    FontE,
    FontF,
    Type1,
    Type2,
    ITF14,
    GB3b1,
    GB3b2,
    GB3b3,
    GB3b4,
    GB3b5,
    GB3b6,
    GB3b7,
    PointSize,
    OptionalChecksum,
    Option2,
    DispSums,
    TipCheckBox,
    BarTextInput,
    Insert,
    ComboBox1,
    MakeButtonClick,
    CopyButtonClick,
    PrintLabel,
    PrintButtonClick,
    Extra,
};

// Labels name the fields they stand over, for screen readers as for people.
constexpr std::pair<ControlId, ControlId> LabelOf[] = {
    {StaticText4, BarTextInput},
    {ExtraLabel, Extra},
    {StaticText5, BarTextOut},
    {StaticText6, BarCodeOut},
};

QVBoxLayout* Column(std::initializer_list<QWidget*> widgets) {
    auto* column = new QVBoxLayout;
    for (QWidget* widget : widgets)
        column->addWidget(widget);
    column->addStretch();
    return column;
}

} // namespace

void TForm1::CreateWidgets() {
    for (const ControlSpec& spec : AllControlSpecs()) {
        QWidget* widget = CreateWidget(spec, style());
        if (!widget) continue;
        widget->setParent(this);
        widget->setObjectName(QString::fromUtf8(spec.Name.data(), spec.Name.size()));
        if (!spec.TabStop) widget->setFocusPolicy(Qt::ClickFocus);
        // Hidden options leave their place empty, so choosing a symbology
        // never moves the controls under the mouse.
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widgets_[IndexOf(spec.Id)] = widget;
    }
    auto* description = static_cast<QLabel*>(WidgetOf(BarCodeDesc));
    QFont bold = description->font();
    bold.setBold(true);
    description->setFont(bold);
}

void TForm1::Arrange() {
    auto w = [this](ControlId id) { return WidgetOf(id); };
    auto group = [this](ControlId id) { return static_cast<QGroupBox*>(WidgetOf(id)); };

    auto* symbologies = new QHBoxLayout(group(GroupBox1));
    for (ControlId id : RadioGroupOf(Radio39))
        symbologies->addWidget(w(id));
    auto* tools = new QHBoxLayout;
    tools->addWidget(w(SpeedButton1));
    tools->addWidget(w(SpeedButton2));
    tools->addWidget(w(HelpButtonClick));
    auto* header = new QHBoxLayout;
    header->addWidget(w(GroupBox1), 1);
    header->addLayout(tools);
    auto* description = new QHBoxLayout;
    description->addWidget(w(BarCodeDesc));
    description->addWidget(w(BarCodeDesc2), 1);

    auto* letters = new QGridLayout(group(GroupBoxSize));
    const std::span<const ControlId> sizes = RadioGroupOf(FontA);
    for (std::size_t i = 0; i < sizes.size(); ++i)
        letters->addWidget(w(sizes[i]), static_cast<int>(i / 3), static_cast<int>(i % 3));
    letters->setRowStretch(2, 1);
    group(GroupBox2)->setLayout(Column({w(Type1), w(Type2), w(ITF14)}));
    // The variants Code 128 alone has past SCC-14 and SSCC-18 stand in a column of their own,
    // so the five below each other keep their places.
    auto* variants = new QHBoxLayout(group(GroupBox3));
    variants->addLayout(Column({w(GB3b1), w(GB3b2), w(GB3b3), w(GB3b4), w(GB3b5)}));
    variants->addLayout(Column({w(GB3b6), w(GB3b7)}));
    group(GroupBox4)->setLayout(Column({w(PointSize)}));
    w(PointSize)->setFixedWidth(PointSizeWidth);
    QVBoxLayout* options = Column({w(OptionalChecksum), w(Option2), w(DispSums)});
    options->addWidget(w(TipCheckBox));
    auto* choices = new QHBoxLayout;
    for (ControlId id : {GroupBoxSize, GroupBox2, GroupBox3, GroupBox4})
        choices->addWidget(w(id), 0, Qt::AlignTop);
    choices->addSpacing(8);
    choices->addLayout(options);
    choices->addStretch();

    // The supplement or price sits at the end of the button row, under the
    // special characters: the two never show together.
    auto* data = new QGridLayout;
    data->addWidget(w(StaticText4), 0, 0, 1, 3);
    data->addWidget(w(BarTextInput), 1, 0);
    data->addWidget(w(Insert), 1, 1);
    data->addWidget(w(ComboBox1), 1, 2);
    auto* actions = new QHBoxLayout;
    actions->setSpacing(6);
    for (ControlId id : {MakeButtonClick, CopyButtonClick, PrintLabel, PrintButtonClick})
        actions->addWidget(w(id));
    actions->addStretch();
    actions->addWidget(w(ExtraLabel));
    data->addLayout(actions, 2, 0, 1, 2);
    data->addWidget(w(Extra), 2, 2);
    data->setColumnStretch(0, 1);
    data->setVerticalSpacing(8);
    w(BarTextInput)->setMinimumWidth(DataFieldWidth);

    w(BarCodeOut)->setFixedHeight(SampleHeight);

    for (const auto& [label, field] : LabelOf)
        static_cast<QLabel*>(w(label))->setBuddy(w(field));
    w(PointSize)->setAccessibleName(QStringLiteral("Point size"));
    w(ComboBox1)->setAccessibleName(QStringLiteral("Special character"));
    for (std::size_t i = 1; i < std::size(ReadingOrder); ++i)
        setTabOrder(w(ReadingOrder[i - 1]), w(ReadingOrder[i]));

    auto* window = new QVBoxLayout(this);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->setContentsMargins(12, 12, 12, 12);
    window->addLayout(header);
    window->addLayout(description);
    window->addLayout(choices);
    window->addSpacing(4);
    window->addLayout(data);
    window->addSpacing(6);
    for (ControlId id : {StaticText5, BarTextOut, StaticText6, BarCodeOut})
        window->addWidget(w(id));
    sizeAdvice_ = new QLabel(this);
    sizeAdvice_->setAccessibleName(QStringLiteral("Printed size"));
    sizeAdvice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A line with both warnings is wider than the window: it wraps rather than widen it.
    sizeAdvice_->setWordWrap(true);
    window->addWidget(sizeAdvice_);
    // One size for every look, so nothing offers to maximise it.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

// Captions that a handler changes, and the letters' widths, would move every
// control to their right; each group and button is made as wide as its
// widest caption once, so a symbology's look always sits at the same places.
// Sync puts the model's captions and widths back afterwards.
void TForm1::KeepChoicesInPlace() {
    ensurePolished(); // measured in the style and font the window shows
    for (ControlId id : {Type1, Type2, GB3b1, GB3b2, GB3b3, OptionalChecksum, Option2, DispSums})
        WidgetOf(id)->setMinimumWidth(WidestWith(WidgetOf(id), CaptionsOf(id)));
    WidgetOf(FontA)->setFixedWidth(WidestLetter);
    for (ControlId id : {GroupBoxSize, GroupBox2, GroupBox3, GroupBox4})
        WidgetOf(id)->setFixedWidth(WidestWith(WidgetOf(id), CaptionsOf(id)));
}

} // namespace zindra
