#include "platform/drives.h"

#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace mf7 {

namespace {

bool has_drive_letter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

// Whether folder holds path, compared component by component.
bool holds(const std::string& folder, const std::string& path) {
    if (folder == "/")
        return !path.empty() && path[0] == '/';
    if (path.compare(0, folder.size(), folder) != 0)
        return false;
    return path.size() == folder.size() || path[folder.size()] == '/' ||
           path[folder.size()] == path_separator();
}

// The share a network path "\\server\share\..." lies on, which stands in for its drive; empty
// for any other path.
std::string network_share(const std::string& path) {
#ifdef _WIN32
    auto sep = [&](std::size_t i) { return path[i] == '\\' || path[i] == '/'; };
    if (path.size() < 5 || !sep(0) || !sep(1) || sep(2))
        return {};
    std::size_t server_end = path.find_first_of("\\/", 2);
    if (server_end == std::string::npos || server_end + 1 >= path.size() || sep(server_end + 1))
        return {};
    return path.substr(0, path.find_first_of("\\/", server_end + 1));
#else
    // "//server/share" is an ordinary folder here.
    (void)path;
    return {};
#endif
}

} // namespace

std::vector<NativePath> drive_list() {
    std::vector<NativePath> drives;
#ifdef _WIN32
    for (char c = 'A'; c <= 'Z'; ++c) {
        std::error_code ec;
        if (fs::exists(fs::path(std::string(1, c) + ":\\"), ec))
            drives.emplace_back(std::string(1, c) + ":");
    }
#else
    drives.emplace_back("/");
    if (const char* home = std::getenv("HOME"); home && *home && folder_exists(NativePath(home))) {
        std::string h = home;
        while (h.size() > 1 && h.back() == '/')
            h.pop_back();
        if (h != "/")
            drives.emplace_back(h);
    }
    const char* user = std::getenv("USER");
    std::vector<NativePath> mounts;
    for (const char* top : {"/media", "/mnt"}) {
        for (const auto& name : list_folders(NativePath(top))) {
            NativePath folder = join_path(NativePath(top), name);
            // Desktop systems mount removable volumes one level deeper, under the user's name.
            if (user && name.str() == user) {
                for (const auto& volume : list_folders(folder))
                    mounts.push_back(join_path(folder, volume));
            } else {
                mounts.push_back(folder);
            }
        }
    }
    std::sort(mounts.begin(), mounts.end());
    drives.insert(drives.end(), mounts.begin(), mounts.end());
#endif
    return drives;
}

NativePath drive_of(const NativePath& native, const std::vector<NativePath>& drives) {
    const std::string& path = native.str();
    if (has_drive_letter(path))
        return NativePath(ucase(path.substr(0, 2)));
    if (std::string share = network_share(path); !share.empty())
        return NativePath(share);
    std::string best;
    for (const auto& d : drives)
        if (!has_drive_letter(d.str()) && holds(d.str(), path) && d.str().size() > best.size())
            best = d.str();
    return NativePath(best);
}

bool path_drive_exists(const NativePath& path) {
    NativePath drive = drive_of(path, drive_list());
    return !drive.empty() && folder_exists(drive_root(drive));
}

NativePath main_drive() {
#ifdef _WIN32
    return NativePath("C:");
#else
    return NativePath("/");
#endif
}

NativePath drive_root(const NativePath& drive) {
    if (has_drive_letter(drive.str()) && drive.str().size() == 2)
        return NativePath(drive.str() + "\\");
    return drive;
}

std::string drive_not_responding(const NativePath& drive) {
    return "You are trying to access a Drive that isn't responding.\n\rDrive in error: >" +
           path_in_message(drive) +
           "<\n\rCheck that the Drive is working properly, and has a Diskette or CD-ROM "
           "inserted. Then try again.";
}

NativePath nearest_existing_folder(const NativePath& folder) {
    std::string f = folder.str();
    while (!f.empty()) {
        if (folder_exists(NativePath(f)))
            return NativePath(f);
        std::size_t cut = f.find_last_of(std::string("/") + path_separator());
        if (cut == std::string::npos)
            break;
        std::string parent = cut == 0 ? f.substr(0, 1) : f.substr(0, cut);
        if (parent.size() == 2 && has_drive_letter(parent))
            parent += '\\';
        if (parent == f)
            break;
        f = parent;
    }
    return drive_root(main_drive());
}

} // namespace mf7
