// Fails when a source includes across the layers the build declares, naming
// each such include by file and line.
//   qdt_layer_check LAYERS_FILE SOURCE_ROOT
#include "tests/layers/LayerCheck.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: qdt_layer_check LAYERS_FILE SOURCE_ROOT\n");
        return 2;
    }
    try {
        std::ifstream declared(argv[1]);
        if (!declared) {
            std::fprintf(stderr, "qdt_layer_check: cannot read %s\n", argv[1]);
            return 2;
        }
        const layers::Layers layers = layers::Layers::Read(declared);
        int files = 0;
        const std::vector<std::string> faults = layers::CheckTree(layers, argv[2], files);
        for (const std::string& fault : faults) {
            std::printf("%s\n", fault.c_str());
        }
        std::printf("%d files checked, %zu faults\n", files, faults.size());
        return faults.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_layer_check: %s\n", error.what());
        return 2;
    }
}
