#include "model/campaign.h"

#include <gtest/gtest.h>

using namespace mf7;

namespace {

uint16_t u16_at(const std::string& b, std::size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) |
                                 (static_cast<uint8_t>(b[at + 1]) << 8));
}

// A record where every field holds a value of its own, so a misplaced field shows.
Camfil distinct_record() {
    Camfil cam;
    init_cam(cam);
    cam.scenario_count = 7;
    cam.player_start_prestige = 0x1234;
    cam.win_smk = make_text_field("WIN.SMK");
    cam.lose_smk = make_text_field("LOSE.SMK");
    for (std::size_t k = 0; k < 50; ++k) {
        scn_record& s = cam.scenarios[k];
        s.max_prestige_cap = static_cast<uint16_t>(1000 + k);
        s.start_prestige_cap = static_cast<uint16_t>(2000 + k);
        s.ai_prestige = static_cast<uint16_t>(3000 + k);
        s.player_start_prestige = static_cast<uint16_t>(4000 + k);
        s.scn_file = make_text_field("S" + std::to_string(k) + ".SCN");
        s.scn_smk = make_text_field("A" + std::to_string(k));
        s.scn_mus = make_text_field("B" + std::to_string(k));
        s.scn_txt = make_text_field("C" + std::to_string(k));
        for (int o = 0; o < 4; ++o) {
            auto& out = s.outcome[static_cast<std::size_t>(o)];
            out.prestige = static_cast<uint16_t>(100 * o + k);
            out.smk = make_text_field("m" + std::to_string(o));
            out.mus = make_text_field("u" + std::to_string(o));
            out.txt = make_text_field("t" + std::to_string(o));
            out.smk_after = make_text_field("a" + std::to_string(o));
            out.goto_scn = static_cast<int16_t>(-1 - o);
            out.if_played = static_cast<int16_t>(10 + o);
            out.then_goto = static_cast<int16_t>(20 + o);
            out.extra.fill(static_cast<uint8_t>(0xA0 + o));
        }
        s.scn_extra.fill(static_cast<uint8_t>(k));
    }
    cam.description_txt = make_text_field("DESC.TXT");
    cam.trailer_extra.fill(0xEE);
    return cam;
}

} // namespace

TEST(CampaignRecord, EveryFieldStandsAtItsOffset) {
    std::string b = camfil_to_bytes(distinct_record());
    ASSERT_EQ(b.size(), 31944u);
    EXPECT_EQ(u16_at(b, 0), 7);
    EXPECT_EQ(u16_at(b, 2), 0x1234);
    EXPECT_EQ(b.substr(4, 7), "WIN.SMK");
    EXPECT_EQ(b.substr(24, 8), "LOSE.SMK");
    EXPECT_EQ(b.substr(31844, 8), "DESC.TXT");
    EXPECT_EQ(static_cast<uint8_t>(b[31864]), 0xEE);
    EXPECT_EQ(static_cast<uint8_t>(b[31943]), 0xEE);
    struct Outcome {
        std::size_t files, gotos;
    } outcomes[] = {{88, 416}, {170, 446}, {252, 476}, {334, 506}};
    for (std::size_t k : {0u, 1u, 49u}) {
        SCOPED_TRACE(k);
        std::size_t slot = 44 + 636 * k;
        EXPECT_EQ(u16_at(b, slot + 0), 1000 + k);
        EXPECT_EQ(u16_at(b, slot + 2), 2000 + k);
        EXPECT_EQ(u16_at(b, slot + 4), 3000 + k);
        EXPECT_EQ(u16_at(b, slot + 6), 4000 + k);
        EXPECT_EQ(b.substr(slot + 8, 2), "S" + std::to_string(k).substr(0, 1));
        EXPECT_EQ(b[slot + 28], 'A');
        EXPECT_EQ(b[slot + 48], 'B');
        EXPECT_EQ(b[slot + 68], 'C');
        for (int o = 0; o < 4; ++o) {
            const auto& at = outcomes[o];
            EXPECT_EQ(u16_at(b, slot + at.files), 100 * o + k);
            EXPECT_EQ(b.substr(slot + at.files + 2, 2), "m" + std::to_string(o));
            EXPECT_EQ(b.substr(slot + at.files + 22, 2), "u" + std::to_string(o));
            EXPECT_EQ(b.substr(slot + at.files + 42, 2), "t" + std::to_string(o));
            EXPECT_EQ(b.substr(slot + at.files + 62, 2), "a" + std::to_string(o));
            EXPECT_EQ(u16_at(b, slot + at.gotos), static_cast<uint16_t>(-1 - o));
            EXPECT_EQ(u16_at(b, slot + at.gotos + 2), 10 + o);
            EXPECT_EQ(u16_at(b, slot + at.gotos + 4), 20 + o);
            EXPECT_EQ(static_cast<uint8_t>(b[slot + at.gotos + 6]), 0xA0 + o);
            EXPECT_EQ(static_cast<uint8_t>(b[slot + at.gotos + 29]), 0xA0 + o);
        }
        EXPECT_EQ(static_cast<uint8_t>(b[slot + 536]), k);
        EXPECT_EQ(static_cast<uint8_t>(b[slot + 635]), k);
    }
}

TEST(CampaignRecord, BytesSurviveARoundTrip) {
    std::string bytes(31944, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 31 + 7) % 256);
    EXPECT_EQ(camfil_to_bytes(camfil_from_bytes(bytes)), bytes);
}

TEST(CampaignRecord, ShortImageReadsAsFarAsItGoesRestZero) {
    std::string bytes = camfil_to_bytes(distinct_record()).substr(0, 100);
    Camfil cam = camfil_from_bytes(bytes);
    EXPECT_EQ(cam.scenario_count, 7);
    EXPECT_EQ(cam.scenarios[0].max_prestige_cap, 1000);
    EXPECT_EQ(cam.scenarios[1].max_prestige_cap, 0);
    EXPECT_EQ(camfil_to_bytes(cam).substr(100), std::string(31944 - 100, '\0'));
}

TEST(CampaignRecord, ClearedRecordHasBlankScenarioNamesOnly) {
    Camfil cam = distinct_record();
    init_cam(cam);
    std::string b = camfil_to_bytes(cam);
    for (std::size_t i = 0; i < b.size(); ++i) {
        std::size_t in_slot = (i - 44) % 636;
        bool scn_file = i >= 44 && i < 31844 && in_slot >= 8 && in_slot < 28;
        ASSERT_EQ(b[i], scn_file ? ' ' : '\0') << "offset " << i;
    }
    // Saving turns those blanks into NULs: a new campaign is all zero but its count.
    cam.scenario_count = 1;
    convert_text(cam);
    std::string saved = camfil_to_bytes(cam);
    EXPECT_EQ(saved.substr(0, 2), std::string("\x01\x00", 2));
    EXPECT_EQ(saved.substr(2), std::string(31942, '\0'));
}

TEST(CampaignRecord, ConvertTextTurnsEveryBlankIntoNul) {
    Camfil cam;
    init_cam(cam);
    cam.win_smk = make_text_field("my film.smk");
    cam.scenarios[3].outcome[L].smk_after = make_text_field("a b");
    cam.description_txt = make_text_field("d.txt");
    convert_text(cam);
    EXPECT_EQ(std::string(cam.win_smk.data(), 11), std::string("my\0film.smk", 11));
    EXPECT_EQ(std::string(cam.scenarios[3].outcome[L].smk_after.data(), 4),
              std::string("a\0b\0", 4));
    EXPECT_EQ(field_text(cam.description_txt), "d.txt");
}

TEST(CampaignRecord, TextFieldsPadCutAndTrim) {
    EXPECT_EQ(std::string(make_text_field("abc").data(), 20), "abc" + std::string(17, ' '));
    EXPECT_EQ(std::string(make_text_field(std::string(25, 'x')).data(), 20), std::string(20, 'x'));
    TextField f = nul_field();
    f[2] = 'a';
    EXPECT_EQ(field_text(f), "a");
    EXPECT_EQ(field_text(nul_field()), "");
    EXPECT_EQ(field_text(blank_field()), "");
}

TEST(CampaignRecord, HexRendering) {
    EXPECT_EQ(hex_byte(0), "00");
    EXPECT_EQ(hex_byte(26), "1A");
    EXPECT_EQ(hex_byte(255), "FF");
    std::array<uint8_t, 3> b{0, 26, 255};
    EXPECT_EQ(hex_block(b), "00 1A FF ");
    std::array<uint8_t, 80> trailer{};
    EXPECT_EQ(hex_block(trailer).size(), 240u);
}
