#include "ui/qt/TForm1.h"

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
#include <QToolButton>
#include <QVBoxLayout>

namespace zindra {
namespace {

using enum ControlId;

constexpr int SampleHeight = 130;
constexpr int DataFieldWidth = 380;
constexpr int PointSizeWidth = 80;

QComboBox* CreateDropDown(ControlId id) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (std::u16string_view item : ItemsOf(id))
        box->addItem(QString::fromUtf16(item.data(), static_cast<qsizetype>(item.size())));
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
    case ControlKind::Button:
        return new QPushButton;
    case ControlKind::PictureButton: {
        auto* button = new QToolButton;
        button->setIcon(style->standardIcon(QStyle::SP_MessageBoxInformation));
        button->setAutoRaise(true);
        return button;
    }
    case ControlKind::StaticText:
        return new QLabel;
    case ControlKind::Edit: {
        auto* edit = new QLineEdit;
        edit->setReadOnly(!spec.TabStop);
        return edit;
    }
    case ControlKind::ComboBox:
        return CreateDropDown(spec.Id);
    case ControlKind::RichEdit: {
        auto* view = new QTextEdit;
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
    group(GroupBox3)->setLayout(Column({w(GB3b1), w(GB3b2), w(GB3b3), w(GB3b4), w(GB3b5)}));
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
    window->addWidget(sizeAdvice_);
}

} // namespace zindra
