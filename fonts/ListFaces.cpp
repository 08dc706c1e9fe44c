// Prints the sample face table for the font build, one face per line:
//   name <TAB> family <TAB> size letter ("-" when none) <TAB> 1 if human-readable else 0
// The face names live in the window model only; the font generator reads them
// from here so that a face can never be built under a name the program does not use.
#include "ui/SampleFaceName.h"

#include <fstream>
#include <iostream>

namespace {

void WriteFaces(std::ostream& out) {
    for (const zindra::SampleFace& face : zindra::AllSampleFaces()) {
        out << face.Name << '\t' << face.Family << '\t' << (face.Size ? face.Size : '-') << '\t'
            << (face.HumanReadable ? 1 : 0) << '\n';
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
