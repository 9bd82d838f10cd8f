#include "model/text_file.h"

#include "settings/settings.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

// Loading, saving and their failures go through the text window's tests.
TEST(TextFile, LinesEndAtCrAndEachGetsCrLf) {
    struct Case {
        std::string bytes, text;
    } cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\nb\n", "a\nb\n\r\n"}, // LF alone stays inside the one line
        {"a\rb", "a\r\nb\r\n"},
        {"a\r\r\nb", "a\r\n\r\nb\r\n"},
        {"x\n\r\ny", "x\n\r\ny\r\n"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text_from_file_bytes(c.bytes), c.text) << c.bytes;
}

TEST(TextFileName, RefusedNamesAndTheExtension) {
    struct Case {
        std::string text;
        NameTest test;
        bool refused;
        std::string with_ext;
    } cases[] = {
        {"", NameTest::Plain, true, ""},
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
