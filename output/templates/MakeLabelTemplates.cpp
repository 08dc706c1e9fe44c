// Writes the label templates that ship with the product into the folder
// given as the only argument.

#include "output/LabelTemplate.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zindra-make-label-templates FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const zindra::LabelStock& stock : zindra::LabelStocks) {
        if (!zindra::ShipsTemplate(stock)) continue;
        std::ofstream file(folder / stock.TemplateFile, std::ios::binary);
        file << zindra::LabelTemplateRtf(stock);
        if (!file) {
            std::cerr << "cannot write " << (folder / stock.TemplateFile) << "\n";
            return 1;
        }
    }
    return 0;
}
