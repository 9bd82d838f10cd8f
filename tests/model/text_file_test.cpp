#include "model/text_file.h"

#include "settings/settings.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(TextFile, LinesEndAtCrAndEachGetsCrLf) {
    struct Case {
        std::string bytes, text;
    } cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb\n", "a\nb\n\r\n"}, // LF alone stays inside the one line
        {"a\rb", "a\r\nb\r\n"},
        {"a\r\r\nb", "a\r\n\r\nb\r\n"},
        {"x\n\r\ny", "x\n\r\ny\r\n"},
        {"\r\n", "\r\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(text_from_file_bytes(c.bytes), c.text);
    }
}

TEST(TextFile, LoadAndSaveWithoutEditsAddsOneEmptyLine) {
    TempDir dir;
    RecordingMessages msgs;
    std::string path = dir.file("brief.txt");
    std::string original = "a\r\nb\r\n";
    ASSERT_TRUE(demo::write_bytes(path, original));
    std::string text;
    ASSERT_TRUE(get_text_file(path, text, msgs));
    ASSERT_TRUE(save_text_file(path, text, msgs));
    EXPECT_EQ(read_all(path), "a\r\nb\r\n\r\n");
    EXPECT_TRUE(msgs.shown.empty());
}

TEST(TextFile, EveryHighByteSurvives) {
    TempDir dir;
    RecordingMessages msgs;
    std::string path = dir.file("ansi.txt");
    std::string original;
    for (int b = 0x80; b <= 0xFF; ++b)
        original += static_cast<char>(b);
    original += "\r\n";
    ASSERT_TRUE(demo::write_bytes(path, original));
    std::string text;
    ASSERT_TRUE(get_text_file(path, text, msgs));
    ASSERT_TRUE(save_text_file(path, text, msgs));
    EXPECT_EQ(read_all(path), original + "\r\n");
}

TEST(TextFile, MissingFileIsAnEmptyTextAndIsNotCreated) {
    TempDir dir;
    RecordingMessages msgs;
    std::string text = "old";
    EXPECT_TRUE(get_text_file(dir.file("new.txt"), text, msgs));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(file_exists(dir.file("new.txt")));
    EXPECT_TRUE(msgs.shown.empty());
}

TEST(TextFile, FailedWritesAreReportedAndLeaveNoFile) {
    TempDir dir;
    RecordingMessages msgs;
    std::filesystem::create_directories(to_native(dir.file("taken.txt")));
    for (std::string path : {dir.file(join_path("nofolder", "x.txt")), dir.file("taken.txt")}) {
        SCOPED_TRACE(path);
        msgs.clear();
        EXPECT_FALSE(save_text_file(path, "text", msgs));
        ASSERT_EQ(msgs.shown.size(), 1u);
        const std::string& m = msgs.shown[0].text;
        EXPECT_EQ(m.rfind("The error: >", 0), 0u);
        EXPECT_NE(m.find("< was encountered, While trying to write the file: " + path),
                  std::string::npos);
        EXPECT_FALSE(file_exists(path));
    }
}

TEST(TextFile, FailedReadIsReported) {
    // A file that exists and cannot be read, even by root: reading the start of this one fails.
    std::string path = "/proc/self/mem";
    if (!file_exists(path))
        GTEST_SKIP() << "no such file on this system";
    RecordingMessages msgs;
    std::string text = "old";
    EXPECT_FALSE(get_text_file(path, text, msgs));
    EXPECT_EQ(text, "");
    ASSERT_EQ(msgs.shown.size(), 1u);
    EXPECT_NE(msgs.shown[0].text.find("While trying to read the file: /proc/self/mem"),
              std::string::npos);
}

TEST(TextFileName, RefusedNamesAndTheExtension) {
    struct Case {
        std::string text;
        NameTest test;
        bool refused;
        std::string with_ext;
    } cases[] = {
        {"", NameTest::Plain, true, ""},
        {"", NameTest::Trimmed, true, ""},
        {"   ", NameTest::Trimmed, true, ""},
        {".txt", NameTest::Plain, true, ""},
        {".TXT", NameTest::Trimmed, true, ""},
        {"brief", NameTest::Plain, false, "brief.txt"},
        {"brief", NameTest::Trimmed, false, "brief.txt"},
        {"Brief.TXT", NameTest::Plain, false, "Brief.TXT"},
        {".abc", NameTest::Plain, false, ".abc.txt"},
        {".abc", NameTest::Trimmed, true, ""},
        {"brief.txt ", NameTest::Trimmed, false, "brief.txt "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + (c.test == NameTest::Plain ? " plain" : " trimmed"));
        EXPECT_EQ(text_name_refused(c.text, ".txt", c.test), c.refused);
        if (!c.refused) {
            EXPECT_EQ(text_name_with_extension(c.text, ".txt", c.test), c.with_ext);
        }
    }
    Settings s = demo::demo_settings("/game");
    EXPECT_EQ(text_file_path(s, "brief.txt"), join_path(s.mf7_txt, "brief.txt"));
}
