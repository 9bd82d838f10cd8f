#include "platform/files.h"

#include "demo/demo_game.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace mf7;
using namespace mf7::test;

TEST(Lines, CarriageReturnEndsALineAndLfAloneStaysInside) {
    struct Case {
        std::string text;
        std::vector<std::string> cr, any;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}, {"a", "b"}}, {"a\nb\n", {"a\nb\n"}, {"a", "b"}},
        {"a\rb", {"a", "b"}, {"a", "b"}},       {"", {}, {}},
        {"\r\n\r\n", {"", ""}, {"", ""}},       {"last", {"last"}, {"last"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(split_lines_cr(c.text), c.cr);
        EXPECT_EQ(split_lines_any(c.text), c.any);
    }
    EXPECT_EQ(join_lines_crlf({"a", ""}), "a\r\n\r\n");
}

TEST(CopyFileAtomic, CopiesWholeFilesAndPatchesOnlyTheHead) {
    struct Case {
        std::size_t size, head;
    } cases[] = {{0, 16}, {10, 16}, {16, 16}, {300 * 1024, 11350}, {200000, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        TempDir dir;
        std::string source(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i)
            source[i] = static_cast<char>((i * 31 + 7) % 256);
        ASSERT_TRUE(demo::write_bytes(dir.file("s"), source));
        std::size_t seen = 0;
        auto patch = [&](std::string& head) {
            seen = head.size();
            if (!head.empty())
                head[0] = 'X';
        };
        FileError error;
        ASSERT_TRUE(copy_file_atomic(dir.file("s"), dir.file("d"), error, c.head, patch));
        std::string expected = source;
        if (c.head > 0 && !expected.empty())
            expected[0] = 'X';
        EXPECT_EQ(read_all(dir.file("d")), expected);
        EXPECT_EQ(seen, std::min(c.size, c.head));
        EXPECT_EQ(read_all(dir.file("s")), source);
        EXPECT_EQ(list_files(dir.str(), "*"), (std::vector<std::string>{"d", "s"}));
    }
}

TEST(CopyFileAtomic, FailuresLeaveNoTemporaryFileAndKeepTheOldCopy) {
    TempDir dir;
    ASSERT_TRUE(demo::write_bytes(dir.file("s"), "new"));
    std::filesystem::create_directories(to_native(dir.file("blocked")));
    FileError error;
    EXPECT_FALSE(copy_file_atomic(dir.file("s"), dir.file("blocked"), error));
    EXPECT_EQ(error.text, kFolderInTheWayText);
    EXPECT_FALSE(copy_file_atomic(dir.file("none"), dir.file("d"), error));
    EXPECT_EQ(error.text, "No such file or directory");
    // A source that fails once the copy has begun (a folder opens, but does not read).
    ASSERT_TRUE(demo::write_bytes(dir.file("d"), "old"));
    EXPECT_FALSE(copy_file_atomic(dir.file("blocked"), dir.file("d"), error));
    EXPECT_EQ(error.text, kFolderReadText);
    EXPECT_EQ(read_all(dir.file("d")), "old");
    EXPECT_EQ(list_files(dir.str(), "*"), (std::vector<std::string>{"d", "s"}));
}

TEST(WriteFileAtomic, ReplacedFilesKeepTheirPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no permission bits beyond the read-only attribute";
#endif
    TempDir dir;
    std::string path = dir.file("f");
    FileError error;
    ASSERT_TRUE(write_file_atomic(path, "one", error));
    using P = std::filesystem::perms;
    const P kept = P::owner_read | P::owner_write | P::group_read | P::others_write;
    std::filesystem::permissions(to_native(path), kept);
    ASSERT_TRUE(write_file_atomic(path, "two", error));
    ASSERT_TRUE(demo::write_bytes(dir.file("s"), "three"));
    ASSERT_TRUE(copy_file_atomic(dir.file("s"), path, error));
    EXPECT_EQ(std::filesystem::status(to_native(path)).permissions(), kept);
    EXPECT_EQ(read_all(path), "three");
}
