#include "model/text_file.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;

TEST(TextFile, LinesEndAtCrAndEachGetsCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        // LF alone stays inside the one line
        {"a\nb\n", "a\nb\n\r\n"},
        {"a\rb", "a\r\nb\r\n"},
        {"x\n\r\ny", "x\n\r\ny\r\n"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(text_from_file_bytes(bytes), text) << bytes;
}

TEST(TextFileName, RefusedNamesAndTheExtension) {
    const std::tuple<std::string, NameTest, bool, std::string> cases[] = {
        {"   ", NameTest::Trimmed, true, ""},
        {".txt", NameTest::Plain, true, ""},
        {".TXT", NameTest::Trimmed, true, ""},
        {"brief", NameTest::Trimmed, false, "brief.txt"},
        {"Brief.TXT", NameTest::Plain, false, "Brief.TXT"},
        {".abc", NameTest::Plain, false, ".abc.txt"},
        {".abc", NameTest::Trimmed, true, ""},
        {"brief.txt ", NameTest::Trimmed, false, "brief.txt "},
    };
    for (const auto& [text, test, refused, with_ext] : cases) {
        SCOPED_TRACE(text + (test == NameTest::Plain ? " plain" : " trimmed"));
        EXPECT_EQ(text_name_refused(text, ".txt", test), refused);
        EXPECT_EQ(refused ? "" : text_name_with_extension(text, ".txt", test), with_ext);
    }
}
