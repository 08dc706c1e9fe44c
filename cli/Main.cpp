#include "cli/Program.h"

int main(int argc, char** argv) {
    return zindra::cli::ProgramMain(argc, argv, {});
}
