// A file a tool's option defaults to, which lies in the source tree of a
// build and in the package once installed.
#pragma once

#include <string>

namespace cli {

struct DefaultFile {
    std::string path;
    bool installed = false; // the package's copy, not the source tree's
};

// Installed, the tool runs as PREFIX/bin/TOOL and takes PREFIX/INSTALLED,
// the package's copy: the tree it was built from may be gone. Anywhere else
// (where it was built: no such file lies beside it), BUILT, the tree's file,
// which the tree's commands and tests read and edit.
DefaultFile FindDefaultFile(const std::string& installed, const std::string& built);

} // namespace cli
