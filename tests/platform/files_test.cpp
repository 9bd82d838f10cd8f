#include "platform/files.h"

#include <gtest/gtest.h>

using namespace mf7;

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
