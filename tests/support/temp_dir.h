#pragma once
// A fresh folder per test, removed afterwards.
#include "platform/paths.h"

#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace mf7 {

// Failing checks print a path as its bytes.
inline void PrintTo(const NativePath& path, std::ostream* os) {
    *os << '"' << path.str() << '"';
}

} // namespace mf7

namespace mf7::test {

// A path written in a test: "x.cam"_path.
inline NativePath operator""_path(const char* bytes, std::size_t size) {
    return NativePath(std::string(bytes, size));
}

// Paths from plain strings, for tables of cases.
inline std::vector<NativePath> paths(const std::vector<std::string>& names) {
    return std::vector<NativePath>(names.begin(), names.end());
}

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

    NativePath path() const { return from_native(path_); }
    std::string str() const { return path().str(); }
    NativePath file(const std::string& name) const { return join_path(path(), NativePath(name)); }

  private:
    std::filesystem::path path_;
};

} // namespace mf7::test
