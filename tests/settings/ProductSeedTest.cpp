#include "product/ProductSeed.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zindra {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::TempFolder;
using test::WriteText;

// An installed share/zindra: the seed settings file and the manual at the
// top, the label templates below, and the help the Help button opens.
struct Installed {
    TempFolder prefix;
    fs::path share = prefix / "share/zindra";
    Installed() {
        fs::create_directories(share / "templates");
        fs::create_directories(share / "help");
        WriteText(share / "zindratips.ini", "[TipoftheDay]\nPosition=1\n");
        WriteText(share / "Zindras.rtf", "{\\rtf1 manual}");
        WriteText(share / "templates/ot167.rtf", "{\\rtf1 L1}");
        WriteText(share / "help/index.html", "<html>");
    }
    std::vector<fs::path> Folders() const { return {share, share / "templates"}; }
};

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ProductSeedTest, TheInstalledFilesAreFoundFromTheProgramsPrefix) {
    const auto folders = InstalledProductFolders("/opt/zindra/bin/zindra");
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0].lexically_normal().string(), "/opt/zindra/share/zindra");
    EXPECT_EQ(folders[1].lexically_normal().string(), "/opt/zindra/share/zindra/templates");
}

TEST(ProductSeedTest, AFirstStartMakesTheFolderWithTheFilesSideBySide) {
    Installed installed;
    TempFolder documents;
    const fs::path product = documents / "Zindra";
    EXPECT_TRUE(SeedProductFolder(product, installed.Folders()));
    // The help folder is the Help button's, not a product file.
    EXPECT_EQ(Names(product),
              (std::vector<std::string>{"Zindras.rtf", "ot167.rtf", "zindratips.ini"}));
    EXPECT_EQ(ReadText(product / "zindratips.ini"), "[TipoftheDay]\nPosition=1\n");
    EXPECT_EQ(ReadText(product / "ot167.rtf"), "{\\rtf1 L1}");
}

TEST(ProductSeedTest, AnExistingFolderIsTheUsersAndStaysAsItIs) {
    Installed installed;
    TempFolder documents;
    const fs::path product = documents / "Zindra";
    fs::create_directory(product);
    WriteText(product / "zindratips.ini", "[TipoftheDay]\nEnabled=0\n");
    EXPECT_TRUE(SeedProductFolder(product, installed.Folders()));
    EXPECT_EQ(Names(product), (std::vector<std::string>{"zindratips.ini"}));
    EXPECT_EQ(ReadText(product / "zindratips.ini"), "[TipoftheDay]\nEnabled=0\n");
}

TEST(ProductSeedTest, WithoutInstalledFilesOrAPlaceForTheFolderItStaysMissing) {
    TempFolder documents;
    TempFolder empty;
    fs::create_directory(empty / "templates");
    // Nothing installed: the re-install message is the truth, so no empty folder.
    EXPECT_FALSE(SeedProductFolder(documents / "Zindra", {empty.Path(), empty / "missing"}));
    EXPECT_FALSE(fs::exists(documents / "Zindra"));

    // The documents "folder" is a file: the product folder cannot be made.
    Installed installed;
    WriteText(documents / "Documents", "not a folder");
    EXPECT_FALSE(SeedProductFolder(documents / "Documents/Zindra", installed.Folders()));
}

} // namespace
} // namespace zindra
