#pragma once

// Reads the words of a PDF page with positions through `pdftotext -bbox`
// (points from the page's top-left corner).

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

#include <vector>

namespace zindra::test {

struct PdfWord {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    QString text;
};

inline bool HavePdfToText() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

inline QString Unescape(QString text) {
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&");
}

inline std::vector<PdfWord> ReadPdfWords(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    process.waitForFinished();
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(),
                         Unescape(m.captured(5))});
    }
    return words;
}

} // namespace zindra::test
