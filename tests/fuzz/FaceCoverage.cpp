#include "tests/fuzz/FaceCoverage.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>

namespace zindra::fuzz {

std::map<std::string, Coverage> ReadFaceCoverage(const std::string& folder) {
    std::map<std::string, Coverage> faces;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return faces;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != ".ttf") continue;
        FT_Face face = nullptr;
        if (FT_New_Face(library, entry.path().c_str(), 0, &face) != 0) continue;
        Coverage coverage;
        for (unsigned code = 0; code < coverage.size(); ++code)
            coverage[code] = FT_Get_Char_Index(face, code) != 0;
        faces[face->family_name] = coverage;
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return faces;
}

} // namespace zindra::fuzz
