// Runs zindra-encode --png and reads the image back with a bar-code reader:
// the sample set in its face must scan as what was encoded.

#include "tests/cli/RunProgram.h"

#include <QImage>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace zindra::test {
namespace {

// What zbarimg reads from the image, without its symbology prefix.
std::string Scan(const std::string& png) {
    const auto text = ScratchFile("scan.txt");
    const std::string command =
        "zbarimg --nodbus -q --raw -Sean5.enable '" + png + "' > '" + text.string() + "'";
    if (std::system(command.c_str()) != 0) return "(no bar code found)";
    return ReadFile(text);
}

int FirstInkColumn(const QImage& image, bool fromRight) {
    for (int i = 0; i < image.width(); ++i) {
        const int x = fromRight ? image.width() - 1 - i : i;
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return i;
    }
    return image.width();
}

struct PngRow {
    std::vector<std::string> args;
    std::string scanned;
};

TEST(PngSample, ScansAsEncoded) {
    const PngRow rows[] = {
        {{"--checksum", "CODE39"}, "CODE39W\n"}, // zbarimg keeps the check character
        {{"-s", "code128", "-v", "2", "Zindra 7"}, "Zindra 7\n"},
        // the second line, in another font, must not spoil the bars
        {{"-s", "code128", "-v", "5", "-t", "human", "-o", "00614141123456789"},
         "00006141411234567890\n"},
        {{"-s", "ean", "-v", "2", "590123412345"}, "5901234123457\n"},
        {{"-s", "i25", "--dpi", "300", "-p", "36", "123456"}, "123456\n"},
    };
    for (const auto& row : rows) {
        const std::string png = ScratchFile("sample.png").string();
        std::filesystem::remove(png);
        auto args = row.args;
        args.insert(args.begin(), {"--png", png});
        const ProgramRun run = RunEncoder(args);
        ASSERT_EQ(run.Status, 0) << row.args.back() << ": " << run.Err;
        EXPECT_EQ(Scan(png), row.scanned) << row.args.back();
    }
}

TEST(PngSample, QuietZoneAndResolution) {
    const std::string png = ScratchFile("quiet.png").string();
    const ProgramRun run = RunEncoder({"--png", png, "--checksum", "CODE39"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "*CODE39W*\n");
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    // Our faces draw a module of 1/25 em: 8 pixels at 24 points and 600 dpi.
    EXPECT_GE(FirstInkColumn(image, false), 10 * 8);
    EXPECT_GE(FirstInkColumn(image, true), 10 * 8);
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 600, 0.5);
}

TEST(PngSample, EncodingErrorWritesNoImage) {
    const std::string png = ScratchFile("none.png").string();
    std::filesystem::remove(png);
    const ProgramRun run = RunEncoder({"--png", png, "abc"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_FALSE(std::filesystem::exists(png));
}

// An image that was not written whole is no success: the partial file goes.
TEST(PngSample, FailedWriteIsStatusTwoAndLeavesNoFile) {
    const ProgramRun full = RunEncoder({"--png", "/dev/full", "ABC"});
    EXPECT_EQ(full.Status, 2);
    EXPECT_EQ(full.Err, "zindra-encode: cannot write '/dev/full': No space left on device\n");
    EXPECT_EQ(full.Out, "");
    EXPECT_TRUE(std::filesystem::exists("/dev/full")) << "a device is never removed";

    // A nearly full disk: the file may grow to 200 bytes; any image (a PNG of a
    // symbol is several hundred bytes at the least) needs more.
    const std::string png = ScratchFile("cut.png").string();
    std::filesystem::remove(png);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldSignal =
        std::signal(SIGXFSZ, SIG_IGN); // EFBIG instead of death, as on a full disk
    const rlimit small{200, before.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const ProgramRun cut = RunEncoder({"--png", png, "ABC"});
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(cut.Status, 2);
    // Nothing was put at the path, so nothing had to be removed.
    EXPECT_EQ(cut.Err, "zindra-encode: cannot write '" + png + "': File too large\n");
    EXPECT_FALSE(std::filesystem::exists(png));
}

// Sets an environment variable for one scope; nullptr removes it.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// The bulk tool does not depend on the caller's display or session.
TEST(PngSample, CallersEnvironmentDoesNotMatter) {
    const std::string png = ScratchFile("env.png").string();
    {
        const ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
        const ScopedEnv display("DISPLAY", ":9876");
        const ProgramRun run = RunEncoder({"--png", png, "ABC"});
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(Scan(png), "ABC\n");
    }
    // Every program that starts Qt for zindra-encode: a platform that cannot
    // start and a missing runtime folder neither stop it nor speak up.
    const std::vector<std::vector<std::string>> runs = {
        {"--png", png, "ABC"},
        {"--sample-page", ScratchFile("env.pdf").string(), "ABC"},
        {"--batch", "-", "--sheet", "5160", "--pdf", ScratchFile("env-sheet.pdf").string()},
    };
    const ScopedEnv platform("QT_QPA_PLATFORM", "xcb");
    const ScopedEnv display("DISPLAY", ":9876");
    const ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    for (const auto& args : runs) {
        const ProgramRun run = RunEncoder(args, "ABC\n");
        EXPECT_EQ(run.Status, 0) << args.front() << ": " << run.Err;
        EXPECT_EQ(run.Err, "") << args.front() << ": nothing the user can act on";
    }
}

struct RefusedRow {
    std::vector<std::string> args;
    std::string err; // the start of the message
};

// A narrow bar under two pixels scans nowhere: refused as a failed record,
// with the smallest size that works (1/25 em reaches 2 pixels at 50 pixels per em).
TEST(PngSample, NarrowBarUnderTwoPixelsIsRefused) {
    const RefusedRow rows[] = {
        {{"--dpi", "72", "-p", "24"},
         "zindra-encode: the narrow bar would be 0.96 pixels wide at 72 dpi, too narrow to scan;"
         " use 50 points or more at this resolution\n"},
        {{"--dpi", "600", "-p", "1"},
         "zindra-encode: the narrow bar would be 0.32 pixels wide at 600 dpi, too narrow to scan;"
         " use 6 points or more at this resolution\n"},
        {{"--dpi", "600", "-p", "2"},
         "zindra-encode: the narrow bar would be 0.68 pixels wide at 600 dpi, too narrow to scan;"
         " use 6 points or more at this resolution\n"},
        {{"--dpi", "72", "-p", "50"}, ""}, // just at two pixels: made, and it scans
        // Made and scanned here; the size advice still warns that print
        // at 6 points is too small for most scanners, and its bars too short.
        {{"--dpi", "600", "-p", "6"},
         "zindra-encode: warning: too small to scan reliably; bars shorter than 6.35 mm: for "
         "hand-held scanners only\n"},
    };
    for (const auto& row : rows) {
        const std::string png = ScratchFile("narrow.png").string();
        std::filesystem::remove(png);
        auto args = row.args;
        args.insert(args.begin(), {"--png", png});
        args.push_back("CODE39");
        const ProgramRun run = RunEncoder(args);
        const bool made = row.err.empty() || row.err.rfind("zindra-encode: warning:", 0) == 0;
        EXPECT_EQ(run.Err, row.err) << row.args[3];
        EXPECT_EQ(run.Status, made ? 0 : 1) << row.args[3];
        EXPECT_EQ(Scan(png), made ? "CODE39\n" : "(no bar code found)") << row.args[3];
    }
}

TEST(PngSample, Refusals) {
    const std::string inMissingFolder = ScratchFile("no-such-folder").string() + "/a.png";
    const RefusedRow rows[] = {
        {{"--png", inMissingFolder, "X"}, "zindra-encode: cannot write '" + inMissingFolder + "'"},
        // 1638 points at 4800 dpi would be a picture of billions of pixels
        {{"--png", ScratchFile("big.png").string(), "--dpi", "4800", "-p", "1638", "X"},
         "zindra-encode: the image would be "},
    };
    for (const auto& row : rows) {
        const ProgramRun run = RunEncoder(row.args);
        EXPECT_EQ(run.Status, 2) << row.args.back();
        EXPECT_NE(run.Err.find(row.err), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

} // namespace
} // namespace zindra::test
