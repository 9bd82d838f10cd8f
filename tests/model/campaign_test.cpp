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
    auto word = [](auto value) { return static_cast<uint16_t>(value); };
    auto block = [](const auto& bytes) { return std::string(bytes.begin(), bytes.end()); };
    EXPECT_EQ((std::array{word(cam.scenario_count), cam.player_start_prestige}),
              (std::array{u16(0), u16(2)}));
    EXPECT_EQ(block(cam.win_smk) + block(cam.lose_smk), b.substr(4, 40));
    EXPECT_EQ(block(cam.description_txt) + block(cam.trailer_extra), b.substr(31844, 100));
    for (std::size_t k : {0u, 1u, 49u}) {
        SCOPED_TRACE(k);
        const ScenarioSlot& s = cam.scenarios[k];
        std::size_t at = 44 + 636 * k;
        EXPECT_EQ((std::array{s.max_prestige_cap, s.start_prestige_cap, s.ai_prestige,
                              s.player_start_prestige}),
                  (std::array{u16(at), u16(at + 2), u16(at + 4), u16(at + 6)}));
        EXPECT_EQ(block(s.scn_file) + block(s.scn_smk) + block(s.scn_mus) + block(s.scn_txt),
                  b.substr(at + 8, 80));
        for (std::size_t o = 0; o < 4; ++o) {
            const OutcomeRecord& out = s.outcome[o];
            std::size_t files = at + 88 + 82 * o, gotos = at + 416 + 30 * o;
            EXPECT_EQ(out.prestige, u16(files));
            EXPECT_EQ(block(out.smk) + block(out.mus) + block(out.txt) + block(out.smk_after),
                      b.substr(files + 2, 80));
            EXPECT_EQ((std::array{word(out.goto_scn), word(out.if_played), word(out.then_goto)}),
                      (std::array{u16(gotos), u16(gotos + 2), u16(gotos + 4)}));
            EXPECT_EQ(block(out.extra), b.substr(gotos + 6, 24));
        }
        EXPECT_EQ(block(s.scn_extra), b.substr(at + 536, 100));
    }
    // A shorter image reads as far as it goes, the rest zero.
    EXPECT_EQ(campaign_to_bytes(campaign_from_bytes(b.substr(0, 100))),
              b.substr(0, 100) + std::string(31844, '\0'));
}
