#include "model/campaign_text.h"

#include "demo/full_game.h"
#include "platform/files.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <random>

using namespace mf7;
using namespace mf7::test;

namespace {

std::string text_of(std::string_view bytes) {
    return campaign_to_text(campaign_from_bytes(bytes));
}

std::string bytes_of(const std::string& text) {
    CampaignRecord cam;
    std::string error;
    EXPECT_TRUE(campaign_from_text(text, cam, error)) << error;
    return campaign_to_bytes(cam);
}

// The text has a line per field: the header's four from line 2, slot k's 45 fields from line
// 8 + 47 k (its braces on the lines around them), the trailer's two after the list.
std::size_t slot_line(std::size_t slot, std::size_t field) {
    return 8 + 47 * slot + field;
}
constexpr std::size_t kScnFile = 4, kBvGoto = 28, kLPrestige = 23;

} // namespace

TEST(CampaignText, ExportThenImportGivesBackEveryByte) {
    std::vector<std::pair<std::string, std::string>> files = {
        {"demo", campaign_to_bytes(demo::demo_campaign())},
        {"full 50", campaign_to_bytes(demo::full_campaign(50))},
        {"all zero", std::string(layout::kFileSize, '\0')},
        {"all 0xFF", std::string(layout::kFileSize, '\xFF')},
    };
    // Files of random bytes, whose name fields mostly need the raw form.
    std::mt19937 rng(1);
    for (int k = 0; k < 20; ++k) {
        std::string bytes(layout::kFileSize, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng() % 256);
        files.push_back({"random " + std::to_string(k), bytes});
    }
    for (const auto& [name, bytes] : files)
        ASSERT_EQ(bytes_of(text_of(bytes)), bytes) << name;
}

// The two forms of a name, as a person reads them in the text.
TEST(CampaignText, NamesArePlainStringsOnlyWhenTheyComeBackSo) {
    auto nuls = [](int n) {
        std::string out;
        while (n-- > 0)
            out += "\\u0000";
        return out;
    };
    // The name's bytes (NUL padded to 20) and its value in the text.
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"", R"("")"},
        {"SCN01.SCN", R"("SCN01.SCN")"},
        {"Caf\xE9 \x80.txt", R"("Café €.txt")"},
        {"A\"B\\\x01", R"("A\"B\\\u0001")"},
        {"ABCDEFGHIJKLMNOPQRST", R"("ABCDEFGHIJKLMNOPQRST")"},
        {"ABC                 ", R"({"raw": "ABC                 "})"},
        {"ABC ", R"({"raw": "ABC )" + nuls(16) + "\"}"},
        {std::string("AB\0CD", 5), R"({"raw": "AB\u0000CD)" + nuls(15) + "\"}"},
        {"\x81\x8D\x8F\x90\x9D", R"({"raw": "\u0081\u008d\u008f\u0090\u009d)" + nuls(15) + "\"}"},
    };
    for (const auto& [bytes, json] : rows) {
        SCOPED_TRACE(json);
        CampaignRecord cam;
        std::copy(bytes.begin(), bytes.end(), cam.win_smk.begin());
        std::string text = campaign_to_text(cam);
        EXPECT_EQ(split_lines_any(text)[3], "  \"win_smk\": " + json + ",");
        EXPECT_EQ(bytes_of(text), campaign_to_bytes(cam));
    }
}

// Hand edits land at exactly their bytes, wherever their keys stand: a header prestige (offset 2),
// slot 1's scenario file (44 + 636 + 8 = 688), slot 2's brilliant-victory goto (44 + 1272 + 416 =
// 1732) and slot 4's loss prestige (44 + 2544 + 334 = 2922).
TEST(CampaignText, HandEditsChangeExactlyTheirBytes) {
    std::string bytes = campaign_to_bytes(demo::demo_campaign());
    std::vector<std::string> lines = split_lines_any(text_of(bytes));
    auto line = [&](std::size_t n) -> std::string& { return lines.at(n - 1); };
    line(3) = "  \"player_start_prestige\": 1234,";
    line(slot_line(1, kScnFile)) = "      \"scn_file\": \"NEU\xC3\x89.SCN\",";
    line(slot_line(2, kBvGoto)) = "      \"bv_goto\": -2,";
    line(slot_line(4, kLPrestige)) = "      \"l_prestige\": 65535,";
    // Keys may stand in any order: slot 0's bv_goto and bv_if_played swapped change nothing.
    std::swap(line(slot_line(0, kBvGoto)), line(slot_line(0, kBvGoto) + 1));
    std::string expected = bytes;
    expected.replace(2, 2, "\xD2\x04");
    expected.replace(688, 20, std::string("NEU\xC9.SCN") + std::string(12, '\0'));
    expected.replace(1732, 2, "\xFE\xFF");
    expected.replace(2922, 2, "\xFF\xFF");
    EXPECT_EQ(bytes_of(joined(lines)), expected);
}
