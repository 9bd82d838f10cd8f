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

NativePath join_path(const NativePath& folder, const NativePath& name) {
    std::string out = folder.str();
    out += path_separator();
    out += name.str();
    return NativePath(std::move(out));
}

NativePath join_path(const NativePath& folder, const char* fixed_name) {
    return join_path(folder, NativePath(fixed_name));
}

fs::path to_native(const NativePath& path) {
#ifdef _WIN32
    // Bytes that are no UTF-8 would make the conversion throw; they can only be game text.
    const std::string& bytes = path.str();
    std::string utf8 = is_utf8(bytes) ? bytes : cp1252_to_utf8(bytes);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return fs::path(path.str());
#endif
}

NativePath from_native(const fs::path& path) {
#ifdef _WIN32
    auto u8 = path.u8string();
    return NativePath(std::string(u8.begin(), u8.end()));
#else
    return NativePath(path.native());
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

NativePath fold_path(const NativePath& path) {
    return NativePath(fold_case(path.str()));
}

NativePath trim_path(const NativePath& path) {
    return NativePath(trim(path.str()));
}

std::string path_as_text(const NativePath& path) {
    return utf8_to_cp1252(path.str());
}

std::string path_in_message(const NativePath& path) {
    bool lossy = false;
    std::string text = utf8_to_cp1252(path.str(), &lossy);
    if (!lossy)
        return text;
    std::string marked(1, '\0');
    marked.append(path.str());
    marked.push_back('\0');
    return marked;
}

NativePath text_as_path(std::string_view cp1252) {
    return NativePath(cp1252_to_utf8(cp1252));
}

NativePath join_game_name(const NativePath& folder, std::string_view name,
                          [[maybe_unused]] FolderListings* listings) {
    NativePath utf8 = join_path(folder, text_as_path(name));
#ifndef _WIN32
    if (!is_ascii(name) && !find_existing(utf8, listings)) {
        // A tree unpacked byte for byte holds the game's own bytes as the name.
        NativePath raw = join_path(folder, NativePath(std::string(name)));
        if (find_existing(raw, listings))
            return raw;
    }
#endif
    return utf8;
}

namespace {

bool exists_exact(const NativePath& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(to_native(path), ec);
}

bool is_separator(char c) {
    return c == '/' || c == path_separator();
}

// Reads the names in folder in the order the system gives them, until stop(name) says so.
template <typename Stop> void read_names(const NativePath& folder, Stop stop) {
    std::error_code ec;
    for (fs::directory_iterator it(to_native(folder), ec), end; !ec && it != end; it.increment(ec))
        if (stop(from_native(it->path().filename())))
            return;
}

// The first name in folder that folds to folded_leaf, read from the disk.
std::optional<NativePath> match_in_folder(const NativePath& folder,
                                          const std::string& folded_leaf) {
    std::optional<NativePath> found;
    read_names(folder, [&](NativePath name) {
        if (fold_case(name.str()) == folded_leaf)
            found = std::move(name);
        return found.has_value();
    });
    return found;
}

} // namespace

std::optional<NativePath> FolderListings::match(const NativePath& folder,
                                                const std::string& folded_leaf) {
    auto [listing, fresh] = folders_.try_emplace(folder);
    if (fresh)
        read_names(folder, [&names = listing->second](NativePath name) {
            std::string folded = fold_case(name.str());
            names.try_emplace(std::move(folded), std::move(name));
            return false;
        });
    auto found = listing->second.find(folded_leaf);
    if (found == listing->second.end())
        return std::nullopt;
    return found->second;
}

std::optional<NativePath> find_existing(const NativePath& native, FolderListings* listings) {
    if (native.empty())
        return std::nullopt;
    if (exists_exact(native))
        return native;
    const std::string& path = native.str();
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
    auto parent = find_existing(NativePath(parent_path), listings);
    if (!parent)
        return std::nullopt;
    auto name = listings ? listings->match(*parent, leaf) : match_in_folder(*parent, leaf);
    if (!name)
        return std::nullopt;
    std::string found = parent->str();
    if (!is_separator(found.back()))
        found += path_separator();
    return NativePath(found + name->str());
}

NativePath resolve_path(const NativePath& path) {
    return find_existing(path).value_or(path);
}

bool file_exists(const NativePath& path, FolderListings* listings) {
    auto found = find_existing(path, listings);
    std::error_code ec;
    return found && fs::is_regular_file(to_native(*found), ec);
}

bool folder_exists(const NativePath& path) {
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

std::vector<NativePath> list_entries(const NativePath& folder, bool want_folders,
                                     std::string_view pattern) {
    std::vector<NativePath> out;
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
        NativePath name = from_native(it->path().filename());
        if (want_folders || matches_pattern(name.str(), pattern))
            out.push_back(std::move(name));
    }
    std::sort(out.begin(), out.end(), [](const NativePath& a, const NativePath& b) {
        return fold_case(a.str()) < fold_case(b.str());
    });
    return out;
}

} // namespace

std::vector<NativePath> list_files(const NativePath& folder, std::string_view pattern) {
    return list_entries(folder, false, pattern);
}

std::vector<NativePath> list_folders(const NativePath& folder) {
    return list_entries(folder, true, "*");
}

NativePath executable_folder() {
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

std::vector<NativePath> program_arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<NativePath> args;
    for (int i = 1; wide && i < count; ++i)
        args.push_back(from_native(fs::path(wide[i])));
    LocalFree(wide);
    return args;
#else
    std::vector<NativePath> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return args;
#endif
}

} // namespace mf7
