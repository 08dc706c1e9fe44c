// zindra-encode-png: zindra-encode with the PNG writer, which needs Qt. It
// takes the same arguments; zindra-encode hands it the runs that ask for
// --png, so that every other run starts without loading Qt.

#include "cli/PngSample.h"
#include "cli/Program.h"

int main(int argc, char** argv) {
    return zindra::cli::ProgramMain(argc, argv, zindra::cli::WriteSamplePng);
}
