#include "platform/files.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include "model/campaign_file.h"
#include "model/state.h"
#include "model/text_file.h"

#include <filesystem>
#include <functional>
#include <tuple>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace mf7;
using namespace mf7::test;

TEST(CopyFileAtomic, CopiesWholeFilesAndPatchesOnlyTheHead) {
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 16}, {10, 16}, {16, 16}, {300 * 1024, 11350}, {200000, 0}};
    for (const auto& [size, head] : cases) {
        SCOPED_TRACE(size);
        TempDir dir;
        std::string source(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            source[i] = static_cast<char>((i * 31 + 7) % 256);
        ASSERT_TRUE(demo::write_bytes(dir.file("s"), source));
        auto patch = [](std::string& bytes) {
            if (!bytes.empty())
                bytes[0] = 'X';
        };
        FileError error;
        ASSERT_TRUE(copy_file_atomic(dir.file("s"), dir.file("d"), error, head, patch));
        std::string expected = source;
        if (head > 0 && !expected.empty())
            expected[0] = 'X';
        EXPECT_EQ(read_all(dir.file("d")), expected);
    }
}

// A run of copies into one folder reads it once, and still removes what a killed run left for
// each file it writes, and only for those.
TEST(CopyFileAtomic, ARunRemovesWhatKilledRunsLeftForEachOfItsFiles) {
    TempDir dir;
    for (const char* n : {".mf7~a.abc123.tmp", ".mf7~b.abc123.tmp", ".mf7~c.abc123.tmp", "s"})
        ASSERT_TRUE(demo::write_bytes(dir.file(n), "x"));
    LeftoverTemps run;
    FileError error;
    for (const char* to : {"a", "b"})
        ASSERT_TRUE(copy_file_atomic(dir.file("s"), dir.file(to), error, 0, {}, Flush::Lazy, &run));
    EXPECT_EQ(list_files(dir.path(), "*"), paths({".mf7~c.abc123.tmp", "a", "b", "s"}));
}

// The rules below use the POSIX forms of users, modes, links, locks and limits.
#ifndef _WIN32
namespace {

using Write = bool (*)(const NativePath& dest, FileError& error);
// The two ways a file is written, each putting "new" at dest.
const std::pair<const char*, Write> kWrites[] = {
    {"write", [](const NativePath& d, FileError& e) { return write_file_atomic(d, "new", e); }},
    {"copy",
     [](const NativePath& d, FileError& e) {
         NativePath source(d.str() + ".src");
         return demo::write_bytes(source, "new") && copy_file_atomic(source, d, e);
     }},
};

// Runs check in a child process and gives its status, or 128 + the signal that ended it. As
// root, an unprivileged child first becomes nobody, so that file modes bind it.
int in_child(bool unprivileged, const std::function<int()>& check) {
    pid_t child = ::fork();
    if (child == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

// A save reaches the disk before its rename puts it in place, so that a power cut leaves the old
// file or the new one; a copy skips the flush.
TEST(WriteFileAtomic, SavesAreFlushedBeforeTheRename) {
    static std::string calls;
    CommitCalls kept = commit_calls();
    commit_calls().sync = [](int fd) { return calls += "sync ", ::fsync(fd); };
    commit_calls().rename = [](const char* from, const char* to) {
        return calls += "rename ", std::rename(from, to);
    };
    TempDir dir;
    EditorState state;
    state.cam_path = dir.file("A.CAM");
    RecordingMessages msgs;
    FileError error;
    const std::pair<std::function<bool()>, const char*> writes[] = {
        {[&] { return save_campaign(state, msgs); }, "sync rename "},
        {[&] { return write_file_atomic(dir.file("a.txt"), "x", error); }, "sync rename "},
        {[&] { return copy_file_atomic(dir.file("a.txt"), dir.file("b.txt"), error); }, "rename "},
    };
    for (const auto& [write, want] : writes) {
        calls.clear();
        EXPECT_TRUE(write());
        EXPECT_EQ(calls, want);
    }
    commit_calls() = kept;
}

// A read-only file is refused with the system's text and left as it is, though its folder would
// let a rename replace it.
TEST(WriteFileAtomic, ReadOnlyFilesAreRefusedAndUnchanged) {
    TempDir dir;
    std::filesystem::permissions(to_native(dir.path()), std::filesystem::perms::all);
    ASSERT_TRUE(demo::write_bytes(dir.file("ro"), "old") &&
                demo::write_bytes(dir.file("ro.src"), ""));
    ::chmod(dir.file("ro.src").str().c_str(), 0666);
    ::chmod(dir.file("ro").str().c_str(), 0444);
    int failed = in_child(true, [&] {
        int bad = 0;
        for (const auto& [how, write] : kWrites) {
            FileError error;
            bad += write(dir.file("ro"), error) || error.text != "Permission denied";
        }
        RecordingMessages msgs;
        save_text_file(dir.file("ro"), "new", msgs);
        bool told = msgs.texts() == std::vector<std::string>{
                                        "The error: >Permission denied< was encountered, While "
                                        "trying to write the file: " +
                                        dir.file("ro").str()};
        return bad + (told ? 0 : 10);
    });
    EXPECT_EQ(failed, 0) << "ones: writes not refused; tens: the message";
    EXPECT_EQ(read_all(dir.file("ro")), "old");
}

// Writing through a link replaces its file, keeping link and permissions, and removes our temporary
// files a killed run left for that file; one still being written (locked) and others stay.
TEST(WriteFileAtomic, LinksPermissionsAndStaleTemporaryFiles) {
    using P = std::filesystem::perms;
    const P kept = P::owner_read | P::owner_write | P::group_read | P::others_write;
    for (const auto& [how, write] : kWrites) {
        SCOPED_TRACE(how);
        TempDir dir;
        NativePath real = dir.file("real"), f = join_path(real, "f"),
                   busy = join_path(real, ".mf7~f.xyz789.tmp");
        // All but the stale .mf7~f.abc123.tmp stay.
        const std::vector<NativePath> stay =
            paths({".f.abc123", ".mf7~f.abc.tmp", ".mf7~f.xyz789.tmp", ".mf7~g.abc123.tmp", "f"});
        for (const NativePath& n : stay)
            ASSERT_TRUE(demo::write_bytes(join_path(real, n), "x"));
        ASSERT_TRUE(demo::write_bytes(join_path(real, ".mf7~f.abc123.tmp"), "x"));
        std::filesystem::permissions(to_native(f), kept);
        std::filesystem::create_symlink("real/f", to_native(dir.file("link")));
        int lock = ::open(busy.str().c_str(), O_RDONLY);
        ASSERT_EQ(::flock(lock, LOCK_EX), 0);
        FileError error;
        ASSERT_TRUE(write(dir.file("link"), error)) << error.text;
        ::close(lock);
        EXPECT_TRUE(std::filesystem::is_symlink(to_native(dir.file("link"))));
        EXPECT_EQ(read_all(f), "new");
        EXPECT_EQ(std::filesystem::status(to_native(f)).permissions(), kept);
        EXPECT_EQ(list_files(real, "*"), stay);
    }
}

// A pipe (here reached through /proc, as /dev/stdout is) is written into and stays a pipe: a file
// renamed over it would break it for every program that uses it.
TEST(WriteFileAtomic, WritesIntoPipes) {
    for (const auto& [how, write] : kWrites) {
        SCOPED_TRACE(how);
        TempDir dir;
        NativePath pipe = dir.file("p");
        int ends[2];
        ASSERT_EQ(::pipe2(ends, O_NONBLOCK), 0);
        std::filesystem::create_symlink("/proc/self/fd/" + std::to_string(ends[1]),
                                        to_native(pipe));
        FileError written;
        EXPECT_TRUE(write(pipe, written) && written.text.empty()) << written.text;
        char got[16];
        ssize_t n = ::read(ends[0], got, sizeof got);
        EXPECT_EQ(std::string(got, n > 0 ? static_cast<std::size_t>(n) : 0), "new");
        EXPECT_FALSE(std::filesystem::is_regular_file(to_native(pipe)));
        for (int fd : ends)
            ::close(fd);
    }
}

// Beyond the user's file-size limit a write fails with the system's text and leaves no
// temporary file, instead of the signal ending the program.
TEST(WriteFileAtomic, FileSizeLimitGivesAnErrorNotTheEnd) {
    TempDir dir;
    ASSERT_TRUE(demo::write_bytes(dir.file("big"), std::string(64 * 1024, 'b')));
    int status = in_child(false, [&] {
        rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ignore_file_size_signal();
        FileError e1, e2;
        bool failed = !write_file_atomic(dir.file("w"), std::string(64 * 1024, 'w'), e1) &&
                      !copy_file_atomic(dir.file("big"), dir.file("c"), e2);
        return failed && e1.text == "File too large" && e2.text == "File too large" ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "above 128: ended by that signal";
    EXPECT_EQ(list_files(dir.path(), "*"), paths({"big"}));
}

// Files read whole are bounded and must be regular files.
TEST(ReadFile, OnlyRegularFilesWithinTheLimit) {
    TempDir dir;
    ASSERT_TRUE(demo::write_bytes(dir.file("big"), std::string(kReadLimit + 1, 'b')));
    ::mkfifo(dir.file("fifo").str().c_str(), 0600);
    const std::tuple<NativePath, std::string, std::size_t> cases[] = {
        {dir.file("big"), "File too large", std::string::npos},
        {dir.file("big"), "", 10},
        {dir.file("fifo"), "Not a regular file", std::string::npos},
    };
    for (const auto& [path, fails_with, max] : cases) {
        std::string bytes;
        FileError error;
        EXPECT_EQ(read_file(path, bytes, error, max), fails_with.empty()) << path.str();
        EXPECT_EQ(error.text, fails_with);
        EXPECT_EQ(bytes.size(), fails_with.empty() ? max : 0);
    }
}
#endif
