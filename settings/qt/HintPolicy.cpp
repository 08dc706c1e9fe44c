#include "settings/qt/HintPolicy.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace zindra {

bool HintPolicy::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
    if (!settings_.ShowHints) return true;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->toolTip().isEmpty()) return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, settings_.HidePauseMs);
    return true;
}

} // namespace zindra
