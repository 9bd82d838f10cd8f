#pragma once
// The campaign graph target's input: a compact campaign, so that every mutation lands on a goto
// or a name. A count byte (signed), then per scenario slot the twelve numbers of its outcomes
// (goto, if_played, then_goto for BV, V, TV, L), one byte each, a length byte and that many bytes
// of its file name. A number byte is read as signed, except 126 and 127, which stand for the
// endings 254 and 255: every kind of goto (scenario, ending, past the end, negative) is one
// mutation away.
#include "model/campaign.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace mf7::fuzz {

inline int16_t goto_of_byte(uint8_t b) {
    int v = static_cast<int8_t>(b);
    return static_cast<int16_t>(v == 126 ? 254 : v == 127 ? 255 : v);
}

// The byte for a number from -128 to 125, or an ending.
inline char byte_of_goto(int v) {
    return static_cast<char>(v == 254 ? 126 : v == 255 ? 127 : v);
}

inline CampaignRecord campaign_of_input(std::string_view in) {
    CampaignRecord cam;
    reset_campaign(cam);
    std::size_t at = 0;
    auto next = [&]() -> int { return at < in.size() ? static_cast<uint8_t>(in[at++]) : -1; };
    int count = next();
    cam.scenario_count = static_cast<int16_t>(static_cast<int8_t>(count < 0 ? 0 : count));
    for (ScenarioSlot& slot : cam.scenarios) {
        for (OutcomeRecord& o : slot.outcome)
            for (int16_t* field : {&o.goto_scn, &o.if_played, &o.then_goto})
                if (int b = next(); b >= 0)
                    *field = goto_of_byte(static_cast<uint8_t>(b));
        std::size_t length = static_cast<std::size_t>(std::max(0, next())) % 21;
        slot.scn_file = make_text_field(in.substr(std::min(at, in.size()), length));
        at += length;
        if (at >= in.size())
            break;
    }
    return cam;
}

// The input that gives back a campaign whose numbers all fit a byte as above.
inline std::string input_of_campaign(const CampaignRecord& cam) {
    std::string out(1, static_cast<char>(cam.scenario_count));
    for (const ScenarioSlot& slot : cam.scenarios) {
        for (const OutcomeRecord& o : slot.outcome)
            for (int v : {o.goto_scn, o.if_played, o.then_goto})
                out += byte_of_goto(v);
        std::string name = field_text(slot.scn_file);
        out += static_cast<char>(name.size());
        out += name;
    }
    return out;
}

} // namespace mf7::fuzz
