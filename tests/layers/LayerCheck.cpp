#include "tests/layers/LayerCheck.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace layers {

namespace {

const std::set<std::string> none;

std::string Join(const std::set<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : ", ") + name;
    }
    return joined.empty() ? "nothing" : joined;
}

bool IsSource(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".h" || extension == ".hpp" || extension == ".cpp" || extension == ".cc";
}

bool Skipped(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    return name.starts_with(".") || fs::exists(entry.path() / "CMakeCache.txt");
}

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The root-relative path an include names, or empty when it names no file of the tree.
std::string Resolve(const fs::path& root, const fs::path& including, const std::string& written) {
    for (const fs::path& base : {including.parent_path(), root}) {
        const fs::path candidate = (base / written).lexically_normal();
        if (fs::is_regular_file(candidate)) {
            return candidate.lexically_relative(root).generic_string();
        }
    }
    return {};
}

} // namespace

Layers Layers::Read(std::istream& in) {
    Layers layers;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line.substr(0, line.find('#')));
        std::string kind;
        if (!(words >> kind)) {
            continue;
        }
        std::vector<std::string> rest;
        for (std::string word; words >> word;) {
            rest.push_back(word);
        }
        if (kind == "layer" && !rest.empty()) {
            layers.direct_[rest[0]].insert(rest.begin() + 1, rest.end());
        } else if (kind == "place" && rest.size() == 2) {
            const auto [place, added] = layers.places_.emplace(rest[0], rest[1]);
            if (!added && place->second != rest[1]) {
                throw std::invalid_argument(rest[0] + " is placed in both " + place->second + " and " +
                                            rest[1]);
            }
        } else {
            throw std::invalid_argument("line " + std::to_string(number) +
                                        ": not a layer or a place: " + line);
        }
    }
    for (const auto& [path, layer] : layers.places_) {
        if (!layers.direct_.contains(layer)) {
            throw std::invalid_argument("place " + path + " is in " + layer + ", which is no layer");
        }
    }
    for (const auto& [layer, uses] : layers.direct_) {
        std::set<std::string>& reach = layers.reach_[layer];
        std::vector<std::string> pending(uses.begin(), uses.end());
        while (!pending.empty()) {
            const std::string next = pending.back();
            pending.pop_back();
            if (!reach.insert(next).second) {
                continue;
            }
            if (!layers.direct_.contains(next)) {
                throw std::invalid_argument(layer + " uses " + next + ", which is no layer");
            }
            pending.insert(pending.end(), layers.direct_[next].begin(), layers.direct_[next].end());
        }
    }
    return layers;
}

std::string Layers::LayerOf(std::string_view path) const {
    std::string_view best;
    std::string layer;
    for (const auto& [place, name] : places_) {
        const bool holds = place.ends_with('/') ? path.starts_with(place) : path == place;
        if (holds && place.size() > best.size()) {
            best = place;
            layer = name;
        }
    }
    return layer;
}

bool Layers::MayInclude(const std::string& from, const std::string& to) const {
    const auto reach = reach_.find(from);
    return from == to || (reach != reach_.end() && reach->second.contains(to));
}

const std::set<std::string>& Layers::DirectUses(const std::string& layer) const {
    const auto found = direct_.find(layer);
    return found != direct_.end() ? found->second : none;
}

std::vector<Include> QuotedIncludes(std::string_view text) {
    std::vector<Include> includes;
    int number = 0;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        ++number;
        at = end + 1;
        const auto skipBlanks = [&line] {
            line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        };
        skipBlanks();
        if (!line.starts_with('#')) {
            continue;
        }
        line.remove_prefix(1);
        skipBlanks();
        if (!line.starts_with("include")) {
            continue;
        }
        line.remove_prefix(7);
        skipBlanks();
        const std::size_t close = line.find('"', 1);
        if (line.starts_with('"') && close != std::string_view::npos) {
            includes.push_back({number, std::string(line.substr(1, close - 1))});
        }
    }
    return includes;
}

std::vector<std::string> CheckTree(const Layers& layers, const fs::path& root, int& filesChecked) {
    std::vector<std::string> faults;
    std::vector<fs::path> files;
    for (auto entry = fs::recursive_directory_iterator(root); entry != fs::recursive_directory_iterator();
         ++entry) {
        if (entry->is_directory() && Skipped(*entry)) {
            entry.disable_recursion_pending();
        } else if (entry->is_regular_file() && IsSource(entry->path())) {
            files.push_back(entry->path());
        }
    }
    std::sort(files.begin(), files.end());
    filesChecked = static_cast<int>(files.size());
    for (const fs::path& file : files) {
        const std::string name = file.lexically_relative(root).generic_string();
        const std::string layer = layers.LayerOf(name);
        if (layer.empty()) {
            faults.push_back(name + ": in no layer: build it in a target, or place it in cmake/Layers.cmake");
            continue;
        }
        for (const Include& include : QuotedIncludes(ReadFile(file))) {
            const std::string where =
                name + ":" + std::to_string(include.line) + ": includes " + include.written;
            const std::string target = Resolve(root, file, include.written);
            const std::string targetLayer = target.empty() ? "" : layers.LayerOf(target);
            if (target.empty()) {
                faults.push_back(where + ", which is no file of the sources");
            } else if (targetLayer.empty()) {
                faults.push_back(where + ", which is in no layer");
            } else if (targetLayer == layer) {
                continue;
            } else if (layers.MayInclude(targetLayer, layer)) {
                faults.push_back(where + ", which is above " + layer + " (in " + targetLayer + ")");
            } else if (!layers.MayInclude(layer, targetLayer)) {
                faults.push_back(where + ", which is outside what " + layer + " uses (in " + targetLayer +
                                 "; " + layer + " uses " + Join(layers.DirectUses(layer)) + ")");
            }
        }
    }
    return faults;
}

} // namespace layers
