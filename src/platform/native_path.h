#pragma once
// A path in the platform's own form: the file system's bytes on Linux (UTF-8 in practice), UTF-8
// on Windows, where it becomes UTF-16 only inside the platform layer. Game text is a plain
// std::string of Windows-1252 bytes; the two never convert into each other implicitly, so a path
// shown as game text (or game text used as a path) does not compile. The crossings are
// text_as_path, path_as_text and path_in_message (platform/paths.h) and, in the windows,
// pathToQ / pathFromQ.
#include <string>
#include <utility>

namespace mf7 {

class NativePath {
  public:
    NativePath() = default;
    explicit NativePath(std::string bytes) : bytes_(std::move(bytes)) {}

    // The platform's bytes, for the platform and settings functions that work on them as text
    // (separators, drive letters, the settings file's values).
    const std::string& str() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }
    void clear() { bytes_.clear(); }

    bool operator==(const NativePath&) const = default;
    auto operator<=>(const NativePath&) const = default;

  private:
    std::string bytes_;
};

} // namespace mf7
