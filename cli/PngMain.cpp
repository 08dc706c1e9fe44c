// zindra-encode-png: zindra-encode with the PNG and sample-page writers, which
// need Qt. It takes the same arguments; zindra-encode hands it the runs that ask
// for --png or --sample-page, so that every other run starts without loading Qt.

#include "cli/PngSample.h"
#include "cli/Program.h"
#include "cli/SamplePagePdf.h"

int main(int argc, char** argv) {
    return zindra::cli::ProgramMain(argc, argv,
                                    {zindra::cli::WriteSamplePng, zindra::cli::WriteSamplePagePdf});
}
