#include "platform/files.h"

#include "platform/paths.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace mf7 {

namespace {

std::string errno_text(int err) {
    return std::generic_category().message(err);
}

} // namespace

bool read_file(const std::string& path, std::string& bytes, FileError& error,
               std::size_t max_bytes) {
    std::ifstream in(to_native(resolve_path(path)), std::ios::binary);
    if (!in) {
        error.text = errno_text(errno ? errno : ENOENT);
        return false;
    }
    std::string out;
    char buf[65536];
    while (out.size() < max_bytes) {
        std::size_t want = std::min<std::size_t>(sizeof buf, max_bytes - out.size());
        in.read(buf, static_cast<std::streamsize>(want));
        out.append(buf, static_cast<std::size_t>(in.gcount()));
        if (!in)
            break;
    }
    if (in.bad()) {
        error.text = errno_text(errno ? errno : EIO);
        return false;
    }
    bytes = std::move(out);
    return true;
}

#ifndef _WIN32
bool write_file_atomic(const std::string& path, const std::string& bytes, FileError& error,
                       Flush flush) {
    fs::path target = to_native(resolve_path(path));
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string tmpl = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        error.text = errno_text(errno);
        return false;
    }
    // Keep the permissions of a file that is replaced; new files get the usual ones.
    struct stat st {};
    mode_t mode = 0666 & ~[] {
        mode_t m = umask(0);
        umask(m);
        return m;
    }();
    if (stat(target.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    fchmod(fd, mode);
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (!err && flush == Flush::ToDisk && fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && std::rename(tmpl.c_str(), target.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(tmpl.c_str());
        error.text = errno_text(err);
        return false;
    }
    return true;
}
#else
bool write_file_atomic(const std::string& path, const std::string& bytes, FileError& error,
                       [[maybe_unused]] Flush flush) {
    fs::path target = to_native(resolve_path(path));
    fs::path tmp = target;
    tmp += L".mf7tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error.text = errno_text(errno ? errno : EIO);
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    if (!MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error.text = std::system_category().message(static_cast<int>(GetLastError()));
        std::error_code ec;
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}
#endif

namespace {

std::vector<std::string> split_lines(const std::string& text, bool lf_ends_line) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n' && lf_ends_line) {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

} // namespace

std::vector<std::string> split_lines_cr(const std::string& text) {
    return split_lines(text, false);
}

std::vector<std::string> split_lines_any(const std::string& text) {
    return split_lines(text, true);
}

std::string join_lines_crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace mf7
