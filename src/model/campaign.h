#pragma once
// The campaign record and its 31,944-byte file image.
#include "model/campaign_layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mf7 {

// A file name inside a record: exactly 20 single-byte characters, NUL or blank padded.
using TextField = std::array<char, layout::kTextField>;

// Assigning pads with blanks and cuts at 20 characters.
TextField make_text_field(std::string_view text);
TextField nul_field();
TextField blank_field();
// The name a field holds: NULs read as blanks, trimmed.
std::string field_text(const TextField& field);
// NULs read as blanks, all 20 characters kept.
std::string field_raw(const TextField& field);
// Turns every NUL of the field into a blank and stores it back; readers of the reports do this.
void field_nul_to_blank(TextField& field);

// The four ways a scenario ends, in the order of the file.
enum Outcome : int { BV = 0, V = 1, TV = 2, L = 3 };
constexpr int kOutcomes = 4;

struct OutcomeRecord {
    uint16_t prestige = 0;
    TextField smk{}, mus{}, txt{}, smk_after{};
    // 254 wins the campaign, 255 loses it.
    int16_t goto_scn = 0;
    // While this scenario has not been played, go to then_goto instead; 0 (or less) = not used.
    // next_scenario() in campaign_flow.h decides it.
    int16_t if_played = 0;
    int16_t then_goto = 0;
    std::array<uint8_t, layout::slot::kExtraSize> extra{};

    bool operator==(const OutcomeRecord&) const = default;
};

struct ScenarioSlot {
    uint16_t max_prestige_cap = 0;
    uint16_t start_prestige_cap = 0;
    uint16_t ai_prestige = 0;
    uint16_t player_start_prestige = 0;
    TextField scn_file{}, scn_smk{}, scn_mus{}, scn_txt{};
    std::array<OutcomeRecord, kOutcomes> outcome{};
    std::array<uint8_t, layout::slot::kScnExtraSize> scn_extra{};

    // The slot of a new or cleared campaign, also given to inserted scenarios.
    static ScenarioSlot empty();
    bool operator==(const ScenarioSlot&) const = default;
};

struct CampaignRecord {
    int16_t scenario_count = 0;
    uint16_t player_start_prestige = 0;
    TextField win_smk{}, lose_smk{};
    std::array<ScenarioSlot, layout::kMaxScenarios> scenarios{};
    TextField description_txt{};
    std::array<uint8_t, layout::kTrailerExtraSize> trailer_extra{};

    bool operator==(const CampaignRecord&) const = default;
};

// The record from a file image; a shorter image reads as far as it goes, the rest zero.
CampaignRecord campaign_from_bytes(std::span<const uint8_t> bytes);
CampaignRecord campaign_from_bytes(std::string_view bytes);
// The 31,944-byte file image of the record.
std::string campaign_to_bytes(const CampaignRecord& cam);

// Clears the record as for a new campaign.
void reset_campaign(CampaignRecord& cam);
// Blanks to NUL in every text field, wherever they stand.
void blanks_to_nul(CampaignRecord& cam);

// Two upper-case hexadecimal digits.
std::string hex_byte(unsigned value);
// Each byte as hex_byte and one blank.
std::string hex_block(std::span<const uint8_t> bytes);

// The slots in use that may be touched: scenario_count kept within 0 to 50, since a larger or
// negative count only comes from a damaged file.
int usable_count(const CampaignRecord& cam);
bool count_is_damaged(const CampaignRecord& cam);

} // namespace mf7
