#include "model/campaign.h"

#include <gtest/gtest.h>

using namespace mf7;

TEST(CampaignRecord, EveryFieldStandsAtItsOffsetAndSurvivesARoundTrip) {
    // Bytes of a repeating pattern, so that a field read from the wrong offset shows.
    std::string b(31944, '\0');
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<char>((i * 31 + 7) % 256);
    CampaignRecord cam = campaign_from_bytes(b);
    EXPECT_EQ(campaign_to_bytes(cam), b);
    auto u16 = [&](std::size_t at) {
        return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) |
                                     (static_cast<uint8_t>(b[at + 1]) << 8));
    };
    auto block = [](const auto& bytes) { return std::string(bytes.begin(), bytes.end()); };
    EXPECT_EQ(static_cast<uint16_t>(cam.scenario_count), u16(0));
    EXPECT_EQ(cam.player_start_prestige, u16(2));
    EXPECT_EQ(block(cam.win_smk), b.substr(4, 20));
    EXPECT_EQ(block(cam.lose_smk), b.substr(24, 20));
    EXPECT_EQ(block(cam.description_txt), b.substr(31844, 20));
    EXPECT_EQ(block(cam.trailer_extra), b.substr(31864, 80));
    for (std::size_t k : {0u, 1u, 49u}) {
        SCOPED_TRACE(k);
        const ScenarioSlot& s = cam.scenarios[k];
        std::size_t at = 44 + 636 * k;
        EXPECT_EQ(s.max_prestige_cap, u16(at));
        EXPECT_EQ(s.start_prestige_cap, u16(at + 2));
        EXPECT_EQ(s.ai_prestige, u16(at + 4));
        EXPECT_EQ(s.player_start_prestige, u16(at + 6));
        EXPECT_EQ(block(s.scn_file), b.substr(at + 8, 20));
        EXPECT_EQ(block(s.scn_smk), b.substr(at + 28, 20));
        EXPECT_EQ(block(s.scn_mus), b.substr(at + 48, 20));
        EXPECT_EQ(block(s.scn_txt), b.substr(at + 68, 20));
        for (std::size_t o = 0; o < 4; ++o) {
            const OutcomeRecord& out = s.outcome[o];
            std::size_t files = at + 88 + 82 * o, gotos = at + 416 + 30 * o;
            EXPECT_EQ(out.prestige, u16(files));
            EXPECT_EQ(block(out.smk), b.substr(files + 2, 20));
            EXPECT_EQ(block(out.mus), b.substr(files + 22, 20));
            EXPECT_EQ(block(out.txt), b.substr(files + 42, 20));
            EXPECT_EQ(block(out.smk_after), b.substr(files + 62, 20));
            EXPECT_EQ(static_cast<uint16_t>(out.goto_scn), u16(gotos));
            EXPECT_EQ(static_cast<uint16_t>(out.if_played), u16(gotos + 2));
            EXPECT_EQ(static_cast<uint16_t>(out.then_goto), u16(gotos + 4));
            EXPECT_EQ(block(out.extra), b.substr(gotos + 6, 24));
        }
        EXPECT_EQ(block(s.scn_extra), b.substr(at + 536, 100));
    }
    // A shorter image reads as far as it goes, the rest zero.
    EXPECT_EQ(campaign_to_bytes(campaign_from_bytes(b.substr(0, 100))),
              b.substr(0, 100) + std::string(31844, '\0'));
}
