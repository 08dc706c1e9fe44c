// The path of a bar code from our clipboard into a word processor: the RTF
// that Copy places on the clipboard, opened by LibreOffice with our faces,
// printed to PDF, rasterised and read back by zbarimg.

#include "output/ClipboardContent.h"

#include "tests/MissingTool.h"
#include "tests/output/OutputFixture.h"
#include "tests/output/qt/PdfWords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace zindra {
namespace {

struct PasteCase {
    const char* name;
    std::vector<ControlId> choices; // buttons selected before Make
    std::u16string data;
    const char* read; // zbarimg's line, worked out by hand
};

const PasteCase PasteCases[] = {
    {"code39", {ControlId::OptionalChecksum}, u"CODE39", "CODE-39:CODE39W"},
    // Two runs: the bars, then the human-readable line in Arial.
    {"sscc18",
     {ControlId::Radio128, ControlId::GB3b5, ControlId::Type2},
     u"00614141123456789",
     "CODE-128:00006141411234567890"},
    // The space travels as 228 (\'e4); the character 128 as \u128?, which must
    // reach the font as position 128, subset B value 25, a "9".
    {"code128b", {ControlId::Radio128, ControlId::GB3b2}, u"Zindra \u0080", "CODE-128:Zindra 9"},
};

class PastedBarCode : public test::OutputFixture {
  protected:
    void SetUp() override {
        for (const char* tool : {"soffice", "pdftoppm", "zbarimg"})
            if (!test::HaveProgram(tool))
                ZINDRA_TOOL_MISSING(std::string(tool) + " is not installed");
        if (QDir(ZINDRA_FONT_BUILD_DIR).entryList({"*.ttf"}).isEmpty())
            ZINDRA_TOOL_MISSING("the bar-code faces are not built");
    }

    // Runs a program with our faces visible to fontconfig; its standard output.
    QByteArray Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("FONTCONFIG_FILE", dir.filePath("fonts.conf"));
        env.insert("HOME", dir.path());
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
        return process.readAllStandardOutput();
    }

    void Write(const QString& name, const std::string& content) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(content));
    }

    QTemporaryDir dir;
};

TEST_F(PastedBarCode, ReadsBackFromLibreOfficesPdf) {
    Write("fonts.conf", "<?xml version='1.0'?><fontconfig><include>/etc/fonts/fonts.conf</include>"
                        "<dir>" ZINDRA_FONT_BUILD_DIR "</dir><cachedir>" +
                            dir.filePath("cache").toStdString() + "</cachedir></fontconfig>");
    QStringList documents;
    for (const auto& c : PasteCases) {
        window.Select(ControlId::Radio39);
        for (ControlId choice : c.choices)
            window.Click(choice);
        Make(c.data);
        window.Click(ControlId::CopyButtonClick);
        Write(QString(c.name) + ".rtf", output.Clipboard.back().Rtf);
        documents << dir.filePath(QString(c.name) + ".rtf");
        if (window.Checked(ControlId::OptionalChecksum)) window.Click(ControlId::OptionalChecksum);
    }
    Run("soffice", QStringList{"--headless", "--norestore",
                               "-env:UserInstallation=file://" + dir.filePath("profile"),
                               "--convert-to", "pdf", "--outdir", dir.filePath("pdf")} +
                       documents);

    for (const auto& c : PasteCases) {
        const QString pdf = dir.filePath(QString("pdf/%1.pdf").arg(c.name));
        const QString png = dir.filePath(c.name);
        Run("pdftoppm", {"-r", "300", "-gray", "-png", "-singlefile", pdf, png});
        const QString read =
            QString::fromUtf8(Run("zbarimg", {"--nodbus", "-q", png + ".png"})).trimmed();
        EXPECT_EQ(read.toStdString(), c.read) << c.name;
    }
}

} // namespace
} // namespace zindra
