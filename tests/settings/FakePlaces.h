#pragma once

#include "product/ProductFolder.h"

namespace zindra::test {

// A desktop whose documents folder and program file are whatever a test says.
struct FakePlaces : DesktopPlaces {
    std::filesystem::path Documents;
    std::filesystem::path Program = "/usr/bin/zindra";

    std::filesystem::path DocumentsFolder() const override { return Documents; }
    std::filesystem::path ProgramFile() const override { return Program; }
};

} // namespace zindra::test
