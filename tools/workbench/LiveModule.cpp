#include "tools/workbench/LiveModule.h"

#include "tools/workbench/PageId.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <stdlib.h>

namespace workbench {
namespace {
namespace fs = std::filesystem;

std::string MakePrivateDirectory() {
    std::string pattern = (fs::temp_directory_path() / "qdt_workbench.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder in " + fs::temp_directory_path().string());
    }
    return pattern;
}
} // namespace

LiveModule::LiveModule(driver::Runner& runner) : runner_(runner), directory_(MakePrivateDirectory()) {}

LiveModule::~LiveModule() {
    Unload();
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
}

void LiveModule::Unload() {
    menuControllerSlot_ = 0;
    if (loaded_) {
        runner_.Unload();
        loaded_ = false;
    }
}

std::string LiveModule::Replace(const std::string& path) {
    Unload();
    const fs::path copy = fs::path(directory_) / ("module-" + std::to_string(++copies_) + ".so");
    std::error_code error;
    fs::copy_file(path, copy, fs::copy_options::overwrite_existing, error);
    if (error) {
        return "cannot copy " + path + ": " + error.message();
    }
    std::string failure;
    try {
        runner_.Load(driver::Plugin::Load(copy.string()));
        loaded_ = true;
        link_map* map = nullptr;
        const std::uint64_t offset = FindMenuControllerOffset(copy.string());
        if (offset != 0 && dlinfo(runner_.plugin()->Module(), RTLD_DI_LINKMAP, &map) == 0 && map != nullptr) {
            menuControllerSlot_ = map->l_addr + offset;
        }
    } catch (const std::exception& loaderError) {
        failure = loaderError.what();
        // The loader names the private copy; the developer knows the file by its own name.
        for (std::size_t at = failure.find(copy.string()); at != std::string::npos;
             at = failure.find(copy.string(), at + path.size())) {
            failure.replace(at, copy.string().size(), path);
        }
    }
    // The mapping outlives the name.
    fs::remove(copy, error);
    return failure;
}

} // namespace workbench
