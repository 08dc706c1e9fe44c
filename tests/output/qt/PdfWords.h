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

inline bool HaveProgram(const char* name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

inline bool HavePdfToText() {
    return HaveProgram("pdftotext");
}

inline QString Unescape(QString text) {
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&");
}

struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<PdfWord> words;
};

inline std::vector<PdfPage> ReadPdfPages(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    process.waitForFinished();
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression item(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re");
    std::vector<PdfPage> pages;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({m.captured(3).toDouble(), m.captured(4).toDouble(),
                                          m.captured(5).toDouble(), m.captured(6).toDouble(),
                                          Unescape(m.captured(7))});
        }
    }
    return pages;
}

// The words of all pages, in order.
inline std::vector<PdfWord> ReadPdfWords(const QString& pdf) {
    std::vector<PdfWord> words;
    for (const PdfPage& page : ReadPdfPages(pdf))
        words.insert(words.end(), page.words.begin(), page.words.end());
    return words;
}

} // namespace zindra::test
