// The preview's own files in its output folder. A manifest there lists what
// the last run wrote, so that the next run removes exactly those before it
// writes its own: pictures of snapshots a session no longer takes go, and a
// file anyone else put in the folder is never touched.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace preview {

class OutputFolder {
  public:
    static constexpr std::string_view ManifestName = "qdt_preview-files.txt";

    // Makes the folder if it is not there.
    explicit OutputFolder(const std::filesystem::path& folder);

    const std::filesystem::path& Path() const { return folder_; }

    // Removes the files the manifest lists, and returns their names. Only a
    // plain name of a regular file in the folder itself counts: a path, "..",
    // a link or a folder in the manifest is left alone.
    std::vector<std::string> RemoveEarlierFiles();

    // Where this run writes a file of that name. The manifest lists it from
    // now on, so a run that breaks off still leaves its files listed.
    // Throws std::runtime_error when the manifest cannot be written.
    std::filesystem::path File(const std::string& name);

  private:
    void WriteManifest() const;

    std::filesystem::path folder_;
    std::vector<std::string> written_;
};

} // namespace preview
