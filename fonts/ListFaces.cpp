// Prints the sample face table for the font build, one face per line:
//   name <TAB> family <TAB> size letter ("-" when none) <TAB> 1 if it draws text else 0
//   <TAB> font units per module <TAB> bar height <TAB> bearer <TAB> text drop <TAB> guard descent
// (the last four in modules). The face names and their geometry live in the window
// model only; the font generator reads them from here so that a face can never be
// built under a name, or at a size, the program does not use.
#include "faces/FaceGeometry.h"
#include "faces/SampleFaceName.h"

#include <cmath>
#include <fstream>
#include <iostream>

namespace {

void WriteFaces(std::ostream& out) {
    for (const zindra::SampleFace& face : zindra::AllSampleFaces()) {
        const zindra::FaceHeights h = zindra::HeightsOf(face);
        const long units =
            std::lround(zindra::GeometryOf(face.symbology).ModuleEm * zindra::UnitsPerEm);
        out << face.Name << '\t' << face.Family << '\t' << (face.Size ? face.Size : '-') << '\t'
            << (h.TextDrop > 0 ? 1 : 0) << '\t' << units << '\t' << h.Bar << '\t' << h.Bearer
            << '\t' << h.TextDrop << '\t' << h.GuardDescent << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zindra-list-faces OUTPUT.tsv\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    WriteFaces(out);
    out.close();
    return out ? 0 : 1;
}
