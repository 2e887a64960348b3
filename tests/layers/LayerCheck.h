// The layers the build declares (cmake/Layers.cmake writes them at configure
// time) and the check that no source includes across them: a file may include
// its own layer and what its layer uses, directly or through another layer.
#pragma once

#include <filesystem>
#include <istream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace layers {

class Layers {
  public:
    // Lines "layer NAME USED..." and "place PATH NAME" (a folder's PATH ends
    // in "/"; the longest place of a file decides its layer); "#" starts a
    // comment. Throws std::invalid_argument on a line it cannot read.
    static Layers Read(std::istream& in);

    // The layer of a root-relative path, or empty when no place holds it.
    std::string LayerOf(std::string_view path) const;
    bool MayInclude(const std::string& from, const std::string& to) const;
    // The layers from uses directly, as declared.
    const std::set<std::string>& DirectUses(const std::string& layer) const;

  private:
    std::map<std::string, std::set<std::string>> direct_;
    std::map<std::string, std::set<std::string>> reach_; // direct_, closed over
    std::map<std::string, std::string, std::less<>> places_;
};

struct Include {
    int line = 0;
    std::string written; // as between the quotes
};

// The quoted includes of a source text, by line ("<...>" ones are the system's).
std::vector<Include> QuotedIncludes(std::string_view text);

// Every fault in the tree's C++ sources, "FILE:LINE: includes X, which is ...",
// files by their path from root. Build folders (those holding a CMakeCache.txt)
// and hidden ones are skipped. An include is looked up next to its file first,
// then from root.
std::vector<std::string> CheckTree(const Layers& layers, const std::filesystem::path& root,
                                   int& filesChecked);

} // namespace layers
