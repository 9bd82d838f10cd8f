#include "platform/temp_files.h"

#include <chrono>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace mf7 {

namespace {

constexpr std::size_t kTempLetters = 6;

std::string random_letters() {
    static std::minstd_rand pick(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ (std::random_device{}())));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string out;
    for (std::size_t i = 0; i < kTempLetters; ++i)
        out += kLetters[pick() % (sizeof kLetters - 1)];
    return out;
}

// Whether a temporary file of ours is abandoned: its writer holds a lock on it while it lives.
bool abandoned_temp(const fs::path& path) {
#ifdef _WIN32
    (void)path;
    return true; // a file being written cannot be removed there, so the removal just fails
#else
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
#endif
}

fs::path folder_of(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// The start of the temporary names for target: the fixed prefix, the name and a dot.
fs::path::string_type temp_head(const fs::path& target) {
    fs::path head = kTempPrefix;
    head += target.filename();
    head += ".";
    return head.native();
}

bool is_temp_of(const fs::path::string_type& name, const fs::path& target) {
    auto head = temp_head(target);
    auto tail = fs::path(kTempSuffix).native();
    return name.size() == head.size() + kTempLetters + tail.size() && name.starts_with(head) &&
           name.ends_with(tail);
}

// Every name in folder that may be a temporary file of ours.
std::vector<fs::path> temp_names(const fs::path& folder) {
    std::vector<fs::path> names;
    auto head = fs::path(kTempPrefix).native();
    auto tail = fs::path(kTempSuffix).native();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        auto name = it->path().filename().native();
        if (name.starts_with(head) && name.ends_with(tail))
            names.push_back(it->path().filename());
    }
    return names;
}

void remove_if_abandoned(const fs::path& path) {
    if (abandoned_temp(path)) {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
}

} // namespace

fs::path temp_path(const fs::path& target) {
    fs::path name = temp_head(target);
    name += random_letters() + kTempSuffix;
    return folder_of(target) / name;
}

void LeftoverTemps::remove_for(const fs::path& target) {
    fs::path folder = folder_of(target);
    if (!listed_ || folder != folder_) {
        folder_ = folder;
        names_ = temp_names(folder);
        listed_ = true;
    }
    std::erase_if(names_, [&](const fs::path& name) {
        if (!is_temp_of(name.native(), target))
            return false;
        remove_if_abandoned(folder / name);
        return true;
    });
}

} // namespace mf7
