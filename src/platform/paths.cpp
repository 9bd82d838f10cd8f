#include "platform/paths.h"

#include "platform/cp1252.h"
#include "platform/text.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace mf7 {

char path_separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::string join_path(std::string_view folder, std::string_view name) {
    std::string out(folder);
    out += path_separator();
    out += name;
    return out;
}

fs::path to_native(const std::string& path) {
#ifdef _WIN32
    // Bytes that are no UTF-8 would make the conversion throw; they can only be game text.
    std::string utf8 = is_utf8(path) ? path : cp1252_to_utf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return fs::path(path);
#endif
}

std::string from_native(const fs::path& path) {
#ifdef _WIN32
    auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
#else
    return path.native();
#endif
}

namespace {

// Simple case pairs of the scripts folder names are written in: Latin, Greek, Cyrillic.
char32_t fold_code_point(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x100 && c <= 0x17E && c != 0x138 && c != 0x149) {
        bool even_upper = c <= 0x137 || (c >= 0x14A && c <= 0x177);
        return (c % 2 == 0) == even_upper ? c + 1 : c;
    }
    if ((c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

} // namespace

std::string fold_case(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size();) {
        char32_t cp = 0;
        std::size_t len = decode_utf8(path, i, cp);
        if (len == 0) {
            out += lcase(path.substr(i, 1));
            ++i;
        } else {
            append_utf8(out, fold_code_point(cp));
            i += len;
        }
    }
    return out;
}

std::string path_as_text(std::string_view path) {
    return utf8_to_cp1252(path);
}

std::string path_in_message(std::string_view path) {
    bool lossy = false;
    std::string text = utf8_to_cp1252(path, &lossy);
    if (!lossy)
        return text;
    std::string marked(1, '\0');
    marked.append(path);
    marked.push_back('\0');
    return marked;
}

std::string text_as_path(std::string_view cp1252) {
    return cp1252_to_utf8(cp1252);
}

std::string join_game_name(std::string_view folder, std::string_view name,
                           [[maybe_unused]] FolderListings* listings) {
    std::string utf8 = join_path(folder, text_as_path(name));
#ifndef _WIN32
    if (!is_ascii(name) && !find_existing(utf8, listings)) {
        std::string raw = join_path(folder, name);
        if (find_existing(raw, listings))
            return raw;
    }
#endif
    return utf8;
}

namespace {

bool exists_exact(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(to_native(path), ec);
}

bool is_separator(char c) {
    return c == '/' || c == path_separator();
}

// Reads the names in folder in the order the system gives them, until stop(name) says so.
template <typename Stop> void read_names(const std::string& folder, Stop stop) {
    std::error_code ec;
    for (fs::directory_iterator it(to_native(folder), ec), end; !ec && it != end; it.increment(ec))
        if (stop(from_native(it->path().filename())))
            return;
}

// The first name in folder that folds to folded_leaf, read from the disk.
std::optional<std::string> match_in_folder(const std::string& folder,
                                           const std::string& folded_leaf) {
    std::optional<std::string> found;
    read_names(folder, [&](std::string name) {
        if (fold_case(name) == folded_leaf)
            found = std::move(name);
        return found.has_value();
    });
    return found;
}

} // namespace

std::optional<std::string> FolderListings::match(const std::string& folder,
                                                 const std::string& folded_leaf) {
    auto [listing, fresh] = folders_.try_emplace(folder);
    if (fresh)
        read_names(folder, [&names = listing->second](std::string name) {
            std::string folded = fold_case(name);
            names.try_emplace(std::move(folded), std::move(name));
            return false;
        });
    auto found = listing->second.find(folded_leaf);
    if (found == listing->second.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::string> find_existing(const std::string& path, FolderListings* listings) {
    if (path.empty())
        return std::nullopt;
    if (exists_exact(path))
        return path;
    std::size_t end = path.size();
    while (end > 0 && is_separator(path[end - 1]))
        --end;
    std::size_t cut = end;
    while (cut > 0 && !is_separator(path[cut - 1]))
        --cut;
    if (cut == 0 || cut == end)
        return std::nullopt;
    std::string leaf = fold_case(path.substr(cut, end - cut));
    std::string parent_path = path.substr(0, cut);
    while (parent_path.size() > 1 && is_separator(parent_path.back()))
        parent_path.pop_back();
    auto parent = find_existing(parent_path, listings);
    if (!parent)
        return std::nullopt;
    auto name = listings ? listings->match(*parent, leaf) : match_in_folder(*parent, leaf);
    if (!name)
        return std::nullopt;
    std::string found = *parent;
    if (!is_separator(found.back()))
        found += path_separator();
    return found + *name;
}

std::string resolve_path(const std::string& path) {
    return find_existing(path).value_or(path);
}

bool file_exists(const std::string& path, FolderListings* listings) {
    auto found = find_existing(path, listings);
    std::error_code ec;
    return found && fs::is_regular_file(to_native(*found), ec);
}

bool folder_exists(const std::string& path) {
    auto found = find_existing(path);
    std::error_code ec;
    return found && fs::is_directory(to_native(*found), ec);
}

bool matches_pattern(std::string_view name, std::string_view pattern) {
    // Only the two forms the editor uses: "*" wildcards and literal text, compared ignoring case.
    std::string n = fold_case(name), p = fold_case(pattern);
    std::size_t ni = 0, pi = 0, star = std::string::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
            ++ni;
            ++pi;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            mark = ni;
        } else if (star != std::string::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*')
        ++pi;
    // "*.*" matches names without a dot too, as on the game's platform.
    return pi == p.size() || p.substr(pi) == ".*";
}

namespace {

std::vector<std::string> list_entries(const std::string& folder, bool want_folders,
                                      std::string_view pattern) {
    std::vector<std::string> out;
    auto found = find_existing(folder);
    if (!found)
        return out;
    std::error_code ec;
    for (fs::directory_iterator it(to_native(*found), ec), stop; !ec && it != stop;
         it.increment(ec)) {
        std::error_code ec2;
        bool dir = it->is_directory(ec2);
        if (dir != want_folders || (!dir && !it->is_regular_file(ec2)))
            continue;
        std::string name = from_native(it->path().filename());
        if (want_folders || matches_pattern(name, pattern))
            out.push_back(name);
    }
    std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
        return fold_case(a) < fold_case(b);
    });
    return out;
}

} // namespace

std::vector<std::string> list_files(const std::string& folder, std::string_view pattern) {
    return list_entries(folder, false, pattern);
}

std::vector<std::string> list_folders(const std::string& folder) {
    return list_entries(folder, true, "*");
}

std::string executable_folder() {
#ifdef _WIN32
    // The buffer grows until the whole name fits: a program folder may be longer than MAX_PATH.
    std::wstring buf(MAX_PATH, L'\0');
    DWORD n = 0;
    while ((n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()))) ==
               buf.size() &&
           buf.size() < 32768)
        buf.resize(buf.size() * 2);
    buf.resize(n);
    return from_native(fs::path(buf).parent_path());
#else
    std::error_code ec;
    auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return from_native(fs::current_path(ec));
    return from_native(exe.parent_path());
#endif
}

std::vector<std::string> program_arguments([[maybe_unused]] int argc,
                                           [[maybe_unused]] char** argv) {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i)
        args.push_back(from_native(fs::path(wide[i])));
    LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

} // namespace mf7
