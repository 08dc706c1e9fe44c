#include "product/ProductFolder.h"

#include "FakePlaces.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::FakePlaces;
using test::TempFolder;

TEST(ProductFolderTest, IsTheDocumentsFolderAndZindraWithItsSeparator) {
    FakePlaces places;
    places.Documents = "/home/ann/Documents";
    EXPECT_EQ(ProductFolder(places).string(), "/home/ann/Documents/Zindra/");
    EXPECT_EQ(SettingsFile(places).string(), "/home/ann/Documents/Zindra/zindratips.ini");
}

TEST(ProductFolderTest, TheProgramsNameGivesTheSettingsFile) {
    const struct {
        const char* program;
        const char* settings;
    } rows[] = {
        {"zindra", "zindratips.ini"},           {"Zindra.exe", "Zindratips.ini"},
        {"zindra.v7.bin", "zindra.v7tips.ini"}, // only the last dot starts the extension
        {"barcodes", "barcodestips.ini"},       // a renamed program has a file of its own
        {"zindra.", "zindratips.ini"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SettingsFileName(row.program).string(), row.settings) << row.program;

    FakePlaces places;
    places.Documents = "/home/ann/Documents";
    places.Program = "/opt/tools.d/zindra"; // a dot in the folder is not the program's
    EXPECT_EQ(SettingsFile(places).filename().string(), "zindratips.ini");
}

TEST(ProductFolderTest, OnlyAnExistingFolderCountsAsFound) {
    TempFolder documents;
    FakePlaces places;
    places.Documents = documents.Path();
    EXPECT_FALSE(ProductFolderExists(ProductFolder(places)));

    test::WriteText(documents / "Zindra", "a file, not a folder");
    EXPECT_FALSE(ProductFolderExists(ProductFolder(places)));

    std::filesystem::remove(documents / "Zindra");
    std::filesystem::create_directory(documents / "Zindra");
    EXPECT_TRUE(ProductFolderExists(ProductFolder(places)));
}

} // namespace
} // namespace zindra
