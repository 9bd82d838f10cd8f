#pragma once
// What the fuzz targets share: a scratch folder of the process, the fuzzed bytes written there as
// a file, and messages that are answered at once.
#include "platform/messages.h"
#include "platform/paths.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace mf7::fuzz {

class QuietMessages : public Messages {
  public:
    Answer show(const std::string&, Buttons buttons, bool) override {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::No;
    }
};

// A folder of this process, made on first use and left for the next input.
inline const NativePath& scratch_folder() {
    static const NativePath folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "mf7fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return NativePath(pattern);
    }();
    return folder;
}

inline std::string bytes_of(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Writes bytes as the file name in folder (the scratch folder unless named) and returns its
// path; a name the system refuses leaves no file. The name's bytes are taken as they are.
inline NativePath put_file(const std::string& name, const std::string& bytes,
                           const NativePath& folder = scratch_folder()) {
    NativePath path = join_path(folder, NativePath(name));
    std::ofstream out(to_native(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace mf7::fuzz
