#include "output/qt/SheetPainter.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

struct CaptionRow {
    const char16_t* what;
    QString caption;
    QString shown;
};

TEST(ShownCaption, KeepsWhatATextFaceDrawsOnALabel) {
    const QString acute(QChar(0x0301));
    const CaptionRow rows[] = {
        {u"plain", QStringLiteral("Widget, small"), QStringLiteral("Widget, small")},
        // DEL and C1 controls would be drawn by a bar face through the fallback.
        {u"controls", QString::fromUtf16(u"ab\u007f\u0085\u009b\u0001cd"),
         QStringLiteral("ab"
                        "cd")},
        {u"two marks stay", QStringLiteral("e") + acute + acute,
         QStringLiteral("e") + acute + acute},
        {u"a pile of marks", QStringLiteral("e") + acute.repeated(500) + QStringLiteral("x"),
         QStringLiteral("e") + acute + acute + QStringLiteral("x")},
        // Tens of thousands of characters overflow the text layout.
        {u"very long", QString(60000, QLatin1Char('X')), QString(512, QLatin1Char('X'))},
        // A cut never splits a character outside the Basic Multilingual Plane.
        {u"cut at a pair", QString(511, QLatin1Char('X')) + QString::fromUtf16(u"\U0001F600"),
         QString(511, QLatin1Char('X'))},
    };
    for (const CaptionRow& row : rows)
        EXPECT_EQ(ShownCaption(row.caption), row.shown)
            << QString::fromUtf16(row.what).toStdString();
}

} // namespace
} // namespace zindra
