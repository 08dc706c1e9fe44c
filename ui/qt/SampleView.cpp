#include "ui/qt/SampleView.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace zindra {
namespace {

QTextCharFormat FormatOf(const CharStyle& style) {
    QTextCharFormat format;
    format.setFontFamilies({QString::fromStdString(style.Face)});
    format.setFontPointSize(style.Size);
    return format;
}

} // namespace

void ShowRuns(QTextEdit* view, const std::vector<StyledRun>& runs) {
    view->clear();
    QTextCursor cursor(view->document());
    for (const StyledRun& run : runs) {
        const QTextCharFormat format = FormatOf(run.Style);
        const QString text = QString::fromStdU16String(run.Text);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) cursor.insertBlock(QTextBlockFormat(), format);
            cursor.insertText(lines[i], format);
        }
    }
}

} // namespace zindra
