#pragma once
// A fresh folder per test, removed afterwards.
#include "platform/paths.h"

#include <filesystem>
#include <random>
#include <string>

namespace mf7::test {

class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("mf7test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string str() const { return from_native(path_); }
    std::string file(const std::string& name) const { return join_path(str(), name); }

  private:
    std::filesystem::path path_;
};

} // namespace mf7::test
