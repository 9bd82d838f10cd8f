#include "platform/files.h"

#include "platform/paths.h"
#include "platform/temp_files.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
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

bool read_file(const NativePath& path, std::string& bytes, FileError& error,
               std::size_t max_bytes) {
    fs::path native = to_native(resolve_path(path));
    std::error_code ec;
    fs::file_status status = fs::status(native, ec);
    if (ec) {
        error.text = ec.message();
        return false;
    }
    // A folder, device or pipe is no file of the game, and a pipe would block the read.
    if (!fs::is_regular_file(status)) {
        error.text = fs::is_directory(status) ? errno_text(EISDIR) : "Not a regular file";
        return false;
    }
    std::ifstream in(native, std::ios::binary);
    if (!in) {
        error.text = errno_text(errno ? errno : ENOENT);
        return false;
    }
    bool whole = max_bytes == std::string::npos;
    std::size_t cap = whole ? kReadLimit + 1 : max_bytes;
    std::string out;
    char buf[65536];
    while (out.size() < cap) {
        std::size_t want = std::min<std::size_t>(sizeof buf, cap - out.size());
        in.read(buf, static_cast<std::streamsize>(want));
        out.append(buf, static_cast<std::size_t>(in.gcount()));
        if (!in)
            break;
    }
    if (in.bad()) {
        error.text = errno_text(errno ? errno : EIO);
        return false;
    }
    if (whole && out.size() > kReadLimit) {
        error.text = errno_text(EFBIG);
        return false;
    }
    bytes = std::move(out);
    return true;
}

void ignore_file_size_signal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

namespace {

// The file a write replaces: the target itself or, for a symbolic link, the file it leads to, so
// that the link stays a link.
fs::path final_target(const fs::path& target) {
    fs::path p = target;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        fs::path link = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return p;
}

// 0 when the target is new or this user may write it; renaming over a read-only file would need
// only a writable folder and so would replace it.
int refuse_read_only(const fs::path& target) {
#ifdef _WIN32
    DWORD attributes = GetFileAttributesW(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
                   !(attributes & FILE_ATTRIBUTE_DIRECTORY)
               ? EACCES
               : 0;
#else
    if (::faccessat(AT_FDCWD, target.c_str(), F_OK, AT_EACCESS) != 0)
        return 0;
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
#endif
}

// Removes what a killed run left for target, from the run's list when there is one.
void remove_leftovers(const fs::path& target, LeftoverTemps* leftovers) {
    LeftoverTemps once;
    (leftovers ? *leftovers : once).remove_for(target);
}

} // namespace

bool write_file_atomic(const NativePath& path, const std::string& bytes, FileError& error,
                       Flush flush) {
    return write_file_atomic_exact(resolve_path(path), bytes, error, flush);
}

#ifndef _WIN32
CommitCalls& commit_calls() {
    static CommitCalls calls{::fsync, std::rename};
    return calls;
}

namespace {

// The error number of a target that is neither a regular file nor a stream (a socket, a block
// device); an error of ours, told with the same words as a read of one.
constexpr int kNotRegular = -1;

std::string write_error_text(int err) {
    return err == kNotRegular ? "Not a regular file" : errno_text(err);
}

// Where a write goes. A regular file (or a new one) is written as a temporary file beside it,
// renamed over it when complete and removed otherwise, so that it is never seen half written. A
// pipe or a character device (a terminal, /dev/null, /dev/stdout) is written into, as a shell's
// redirect does: a file renamed over it would break it for every program that uses it.
class Output {
  public:
    explicit Output(const fs::path& target) : target_(target) {}
    ~Output() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.empty())
            ::unlink(name_.c_str());
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Returns 0 or the error number.
    int open(LeftoverTemps* leftovers = nullptr) {
        // The system follows the links itself: /dev/stdout leads through /proc to a pipe that
        // has no name in any folder.
        struct stat st {};
        if (::stat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            return open_stream(st.st_mode);
        target_ = final_target(target_);
        return open_temp(leftovers);
    }

    int fd() const { return fd_; }

    int write_all(const char* data, std::size_t size) {
        for (std::size_t done = 0; done < size;) {
            ssize_t n = ::write(fd_, data + done, size - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            done += static_cast<std::size_t>(n);
        }
        return 0;
    }

    int commit(Flush flush) {
        if (!stream_ && flush == Flush::ToDisk && commit_calls().sync(fd_) != 0)
            return errno;
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return errno;
        if (stream_)
            return 0;
        if (commit_calls().rename(name_.c_str(), target_.c_str()) != 0)
            return errno;
        name_.clear();
        return 0;
    }

  private:
    int open_stream(mode_t mode) {
        if (S_ISDIR(mode))
            return EISDIR;
        if (!S_ISFIFO(mode) && !S_ISCHR(mode))
            return kNotRegular;
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        stream_ = true;
        return fd_ < 0 ? errno : 0;
    }

    int open_temp(LeftoverTemps* leftovers) {
        if (int err = refuse_read_only(target_))
            return err;
        remove_leftovers(target_, leftovers);
        struct stat st {};
        bool replacing = ::stat(target_.c_str(), &st) == 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = temp_path(target_).string();
            fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                name_ = name;
                // The lock tells a later run that this file is still being written.
                ::flock(fd_, LOCK_EX);
                if (replacing)
                    keep_owner_and_mode(st);
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // A file that is replaced keeps its permissions, and its owner and group where this user may
    // give them (root may; others keep at most a group they belong to). The owner goes first, as
    // changing it clears the set-user-ID bits.
    void keep_owner_and_mode(const struct stat& st) {
        // Failing both, the file stays this user's, as a new file would be.
        [[maybe_unused]] bool kept =
            ::fchown(fd_, st.st_uid, st.st_gid) == 0 || ::fchown(fd_, -1, st.st_gid) == 0;
        ::fchmod(fd_, st.st_mode & 07777);
    }

    fs::path target_;
    std::string name_;
    int fd_ = -1;
    bool stream_ = false;
};

// Copies what is left of in after its current position to out, inside the system where it can.
int copy_rest(int in, int out) {
    bool kernel = true;
    char buf[1 << 16];
    for (;;) {
        if (kernel) {
            ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
            if (n > 0)
                continue;
            if (n == 0)
                return 0;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
                return errno;
            kernel = false;
        }
        ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0)
                return errno;
            done += w;
        }
    }
}

} // namespace

bool write_file_atomic_exact(const NativePath& path, const std::string& bytes, FileError& error,
                             Flush flush) {
    Output tmp(to_native(path));
    int err = tmp.open();
    if (!err)
        err = tmp.write_all(bytes.data(), bytes.size());
    if (!err)
        err = tmp.commit(flush);
    if (err)
        error.text = write_error_text(err);
    return !err;
}

bool copy_file_atomic(const NativePath& source, const NativePath& dest, FileError& error,
                      std::size_t head_size, const std::function<void(std::string&)>& patch_head,
                      Flush flush, LeftoverTemps* leftovers) {
    int in = ::open(to_native(source).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error.text = errno_text(errno);
        return false;
    }
    Output tmp(to_native(dest));
    int err = tmp.open(leftovers);
    if (!err && patch_head && head_size > 0) {
        std::string head(head_size, '\0');
        std::size_t got = 0;
        while (!err && got < head_size) {
            ssize_t n = ::read(in, head.data() + got, head_size - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                err = errno;
            else if (n == 0)
                break;
            else
                got += static_cast<std::size_t>(n);
        }
        head.resize(got);
        if (!err) {
            patch_head(head);
            err = tmp.write_all(head.data(), head.size());
        }
    }
    if (!err)
        err = copy_rest(in, tmp.fd());
    ::close(in);
    if (!err)
        err = tmp.commit(flush);
    if (err)
        error.text = write_error_text(err);
    return !err;
}
#else
namespace {

std::string windows_error_text(DWORD code) {
    return std::system_category().message(static_cast<int>(code));
}

// Writes bytes to a new file at tmp through the wide API, flushed to the disk when asked.
DWORD write_new_file(const fs::path& tmp, const std::string& bytes, Flush flush) {
    HANDLE h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD err = 0;
    for (std::size_t done = 0; !err && done < bytes.size();) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr))
            err = GetLastError();
        done += written;
    }
    if (!err && flush == Flush::ToDisk && !FlushFileBuffers(h))
        err = GetLastError();
    if (!CloseHandle(h) && !err)
        err = GetLastError();
    return err;
}

bool write_through_temp(const NativePath& path, const std::string& bytes, FileError& error,
                        Flush flush, LeftoverTemps* leftovers) {
    fs::path target = final_target(to_native(path));
    if (int err = refuse_read_only(target)) {
        error.text = errno_text(err);
        return false;
    }
    remove_leftovers(target, leftovers);
    fs::path tmp = temp_path(target);
    DWORD err = write_new_file(tmp, bytes, flush);
    if (!err && !MoveFileExW(tmp.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        err = GetLastError();
    if (err) {
        error.text = windows_error_text(err);
        std::error_code ec;
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

} // namespace

bool write_file_atomic_exact(const NativePath& path, const std::string& bytes, FileError& error,
                             Flush flush) {
    return write_through_temp(path, bytes, error, flush, nullptr);
}

bool copy_file_atomic(const NativePath& source, const NativePath& dest, FileError& error,
                      std::size_t head_size, const std::function<void(std::string&)>& patch_head,
                      Flush flush, LeftoverTemps* leftovers) {
    std::string bytes;
    if (!read_file(source, bytes, error))
        return false;
    if (patch_head && head_size > 0) {
        std::string head = bytes.substr(0, head_size);
        patch_head(head);
        bytes.replace(0, std::min(head_size, bytes.size()), head);
    }
    return write_through_temp(dest, bytes, error, flush, leftovers);
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
