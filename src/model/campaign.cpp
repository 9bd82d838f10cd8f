#include "model/campaign.h"

#include "platform/text.h"

#include <algorithm>

namespace mf7 {

using namespace layout;

TextField make_text_field(std::string_view text) {
    TextField f;
    f.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), f.size()), f.begin());
    return f;
}

TextField nul_field() {
    return TextField{};
}

TextField blank_field() {
    return make_text_field("");
}

std::string field_raw(const TextField& field) {
    return nul_to_blank(std::string_view(field.data(), field.size()));
}

std::string field_text(const TextField& field) {
    return trim(field_raw(field));
}

void field_nul_to_blank(TextField& field) {
    std::replace(field.begin(), field.end(), '\0', ' ');
}

namespace {

// Reads from an image that may be shorter than the record: bytes past its end read as zero.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint8_t byte(std::size_t at) const { return at < bytes_.size() ? bytes_[at] : 0; }
    uint16_t u16(std::size_t at) const {
        return static_cast<uint16_t>(byte(at) | (byte(at + 1) << 8));
    }
    int16_t i16(std::size_t at) const { return static_cast<int16_t>(u16(at)); }
    TextField text(std::size_t at) const {
        TextField f;
        for (std::size_t i = 0; i < f.size(); ++i)
            f[i] = static_cast<char>(byte(at + i));
        return f;
    }
    template <std::size_t N> std::array<uint8_t, N> block(std::size_t at) const {
        std::array<uint8_t, N> b;
        for (std::size_t i = 0; i < N; ++i)
            b[i] = byte(at + i);
        return b;
    }

  private:
    std::span<const uint8_t> bytes_;
};

class Writer {
  public:
    explicit Writer(std::string& out) : out_(out) {}
    void u16(std::size_t at, uint16_t v) {
        out_[at] = static_cast<char>(v & 0xFF);
        out_[at + 1] = static_cast<char>(v >> 8);
    }
    void i16(std::size_t at, int16_t v) { u16(at, static_cast<uint16_t>(v)); }
    void text(std::size_t at, const TextField& f) { std::copy(f.begin(), f.end(), &out_[at]); }
    template <std::size_t N> void block(std::size_t at, const std::array<uint8_t, N>& b) {
        for (std::size_t i = 0; i < N; ++i)
            out_[at + i] = static_cast<char>(b[i]);
    }

  private:
    std::string& out_;
};

ScenarioSlot read_slot(const Reader& r, std::size_t base) {
    using namespace slot;
    ScenarioSlot s;
    s.max_prestige_cap = r.u16(base + kMaxPrestigeCap);
    s.start_prestige_cap = r.u16(base + kStartPrestigeCap);
    s.ai_prestige = r.u16(base + kAiPrestige);
    s.player_start_prestige = r.u16(base + slot::kPlayerStartPrestige);
    s.scn_file = r.text(base + kScnFile);
    s.scn_smk = r.text(base + kScnSmk);
    s.scn_mus = r.text(base + kScnMus);
    s.scn_txt = r.text(base + kScnTxt);
    for (int k = 0; k < kOutcomes; ++k) {
        auto& o = s.outcome[static_cast<std::size_t>(k)];
        std::size_t f = base + kOutcomeFiles + kOutcomeFilesSize * static_cast<std::size_t>(k);
        o.prestige = r.u16(f + kPrestige);
        o.smk = r.text(f + kSmk);
        o.mus = r.text(f + kMus);
        o.txt = r.text(f + kTxt);
        o.smk_after = r.text(f + kSmkAfter);
        std::size_t g = base + kOutcomeGotos + kOutcomeGotosSize * static_cast<std::size_t>(k);
        o.goto_scn = r.i16(g + kGoto);
        o.if_played = r.i16(g + kIfPlayed);
        o.then_goto = r.i16(g + kThenGoto);
        o.extra = r.block<kExtraSize>(g + kExtra);
    }
    s.scn_extra = r.block<kScnExtraSize>(base + kScnExtra);
    return s;
}

void write_slot(Writer& w, std::size_t base, const ScenarioSlot& s) {
    using namespace slot;
    w.u16(base + kMaxPrestigeCap, s.max_prestige_cap);
    w.u16(base + kStartPrestigeCap, s.start_prestige_cap);
    w.u16(base + kAiPrestige, s.ai_prestige);
    w.u16(base + slot::kPlayerStartPrestige, s.player_start_prestige);
    w.text(base + kScnFile, s.scn_file);
    w.text(base + kScnSmk, s.scn_smk);
    w.text(base + kScnMus, s.scn_mus);
    w.text(base + kScnTxt, s.scn_txt);
    for (int k = 0; k < kOutcomes; ++k) {
        const auto& o = s.outcome[static_cast<std::size_t>(k)];
        std::size_t f = base + kOutcomeFiles + kOutcomeFilesSize * static_cast<std::size_t>(k);
        w.u16(f + kPrestige, o.prestige);
        w.text(f + kSmk, o.smk);
        w.text(f + kMus, o.mus);
        w.text(f + kTxt, o.txt);
        w.text(f + kSmkAfter, o.smk_after);
        std::size_t g = base + kOutcomeGotos + kOutcomeGotosSize * static_cast<std::size_t>(k);
        w.i16(g + kGoto, o.goto_scn);
        w.i16(g + kIfPlayed, o.if_played);
        w.i16(g + kThenGoto, o.then_goto);
        w.block(g + kExtra, o.extra);
    }
    w.block(base + kScnExtra, s.scn_extra);
}

} // namespace

CampaignRecord campaign_from_bytes(std::span<const uint8_t> bytes) {
    Reader r(bytes);
    CampaignRecord cam;
    cam.scenario_count = r.i16(kScenarioCount);
    cam.player_start_prestige = r.u16(kPlayerStartPrestige);
    cam.win_smk = r.text(kWinSmk);
    cam.lose_smk = r.text(kLoseSmk);
    for (std::size_t k = 0; k < kMaxScenarios; ++k)
        cam.scenarios[k] = read_slot(r, kFirstSlot + kSlotSize * k);
    cam.description_txt = r.text(kDescriptionTxt);
    cam.trailer_extra = r.block<kTrailerExtraSize>(kTrailerExtra);
    return cam;
}

CampaignRecord campaign_from_bytes(std::string_view bytes) {
    return campaign_from_bytes(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

std::string campaign_to_bytes(const CampaignRecord& cam) {
    std::string out(kFileSize, '\0');
    Writer w(out);
    w.i16(kScenarioCount, cam.scenario_count);
    w.u16(kPlayerStartPrestige, cam.player_start_prestige);
    w.text(kWinSmk, cam.win_smk);
    w.text(kLoseSmk, cam.lose_smk);
    for (std::size_t k = 0; k < kMaxScenarios; ++k)
        write_slot(w, kFirstSlot + kSlotSize * k, cam.scenarios[k]);
    w.text(kDescriptionTxt, cam.description_txt);
    w.block(kTrailerExtra, cam.trailer_extra);
    return out;
}

ScenarioSlot ScenarioSlot::empty() {
    ScenarioSlot s; // every number and byte block zero, every text field NUL
    s.scn_file = blank_field();
    return s;
}

void reset_campaign(CampaignRecord& cam) {
    cam = CampaignRecord{};
    for (auto& s : cam.scenarios)
        s = ScenarioSlot::empty();
}

void blanks_to_nul(CampaignRecord& cam) {
    auto conv = [](TextField& f) { std::replace(f.begin(), f.end(), ' ', '\0'); };
    conv(cam.win_smk);
    conv(cam.lose_smk);
    for (auto& s : cam.scenarios) {
        conv(s.scn_file);
        conv(s.scn_smk);
        conv(s.scn_mus);
        conv(s.scn_txt);
        for (auto& o : s.outcome) {
            conv(o.smk);
            conv(o.mus);
            conv(o.txt);
            conv(o.smk_after);
        }
    }
    conv(cam.description_txt);
}

std::string hex_byte(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value / 16) % 16], kDigits[value % 16]};
}

std::string hex_block(std::span<const uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (uint8_t b : bytes) {
        out += hex_byte(b);
        out += ' ';
    }
    return out;
}

int usable_count(const CampaignRecord& cam) {
    return std::clamp<int>(cam.scenario_count, 0, static_cast<int>(kMaxScenarios));
}

bool count_is_damaged(const CampaignRecord& cam) {
    return cam.scenario_count < 0 || cam.scenario_count > static_cast<int>(kMaxScenarios);
}

} // namespace mf7
