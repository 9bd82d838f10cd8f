#pragma once
// The temporary files a write makes beside its target. Their names are kTempPrefix + name + "."
// + six letters + kTempSuffix, and their writer holds a lock on them while they live, so that
// one a killed run left can be told from one still being written.
#include <filesystem>
#include <string>
#include <vector>

namespace mf7 {

constexpr const char* kTempPrefix = ".mf7~";
constexpr const char* kTempSuffix = ".tmp";

// A new temporary name beside target.
std::filesystem::path temp_path(const std::filesystem::path& target);

// The temporary files of ours in a folder, read once and kept for a run of writes into it: the
// copy writes hundreds of files into one folder, and reading it before each write cost a tenth
// of the copy's time.
class LeftoverTemps {
  public:
    // Removes the temporary files for target that a killed run left. The folder is read on the
    // first call and again only when target lies in another one.
    void remove_for(const std::filesystem::path& target);

  private:
    std::filesystem::path folder_;
    std::vector<std::filesystem::path> names_;
    bool listed_ = false;
};

} // namespace mf7
