#include "platform/drive_list.h"

#include "platform/cp1252.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace mf7 {

namespace {

// /proc/mounts writes a blank, tab, newline or backslash in a path as a backslash and three
// octal digits.
std::string unescape_mount(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' &&
            field[i + 1] <= '3') {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool starts_with_folder(const std::string& path, const std::string& folder) {
    if (folder.empty())
        return false;
    std::string f = lcase(folder), p = lcase(path);
    if (p.compare(0, f.size(), f) != 0)
        return false;
    return p.size() == f.size() || f.back() == '/' || f.back() == '\\' || p[f.size()] == '/' ||
           p[f.size()] == '\\';
}

} // namespace

std::vector<std::string> removable_mounts(const std::string& proc_mounts) {
    std::vector<std::string> out;
    std::istringstream lines(proc_mounts);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, mount_point;
        if (!(fields >> device >> mount_point))
            continue;
        std::string path = unescape_mount(mount_point);
        for (const char* base : {"/media/", "/mnt/"})
            if (path.rfind(base, 0) == 0 && path.size() > std::string(base).size())
                out.push_back(path);
    }
    return out;
}

std::string drive_of(const std::string& folder, const std::vector<std::string>& drives) {
    std::string best;
    for (const std::string& d : drives)
        if (starts_with_folder(folder, d) && d.size() > best.size())
            best = d;
    if (best.empty() && !drives.empty())
        best = drives.front();
    return best;
}

std::string drive_root(const std::string& drive) {
    if (drive.size() == 2 && drive[1] == ':')
        return drive + "\\";
    return drive;
}

std::string drive_not_responding(const std::string& drive) {
    return "You are trying to access a Drive that isn't responding.\n\rDrive in error: >" + drive +
           "<\n\rCheck that the Drive is working properly, and has a Diskette or CD-ROM "
           "inserted. Then try again.";
}

#ifdef _WIN32
std::vector<std::string> list_drives() {
    std::vector<std::string> out;
    DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i))
            out.push_back(std::string(1, static_cast<char>('A' + i)) + ":");
    return out;
}
#else
std::vector<std::string> list_drives() {
    std::vector<std::string> out = {"/"};
    std::string home;
    if (const char* h = std::getenv("HOME"))
        home = h;
    else if (const passwd* pw = getpwuid(getuid()))
        home = pw->pw_dir;
    home = utf8_to_cp1252(home);
    if (!home.empty() && home != "/" && folder_exists(home))
        out.push_back(home);
    std::string mounts;
    std::ifstream in("/proc/mounts");
    mounts.assign(std::istreambuf_iterator<char>(in), {});
    for (const std::string& m : removable_mounts(mounts))
        out.push_back(utf8_to_cp1252(m));
    return out;
}
#endif

} // namespace mf7
