#pragma once
// The campaign as JSON text, exact to the byte: one field per line in the record's own order, so
// that a line-based diff of two texts shows the fields that differ. A file name is a JSON string
// when its 20 bytes are the name followed by NULs (the form the editor saves), otherwise
// {"raw": "..."} with all 20 bytes as characters; a block of unknown bytes is its hexadecimal
// form, or "zero" when every byte is 0.
#include "model/campaign.h"

#include <string>
#include <string_view>
#include <vector>

namespace mf7 {

// UTF-8 JSON text of the whole record, ending in a line end.
std::string campaign_to_text(const CampaignRecord& cam);

// The record the text describes. On a fault the record is left as it was and error tells the
// line and the key: "line 12: scenarios[0].bv_goto: 40000 is out of range -32768 to 32767".
bool campaign_from_text(std::string_view text, CampaignRecord& cam, std::string& error);

// One field as the text writes it. slot is the scenario slot, or -1 for the header and trailer.
struct FieldText {
    int slot = -1;
    std::string key;
    std::string value;
};
// Every field of the record in the file's order.
std::vector<FieldText> campaign_field_texts(const CampaignRecord& cam);

// One line per field that differs, "scenario 3 bv_goto: 4 -> 7" (header and trailer fields
// without the scenario), values as the text writes them; empty when the records are equal.
std::vector<std::string> campaign_differences(const CampaignRecord& a, const CampaignRecord& b);

} // namespace mf7
