#include "model/campaign_text.h"

#include "model/json_reader.h"
#include "platform/cp1252.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace mf7 {

namespace {

constexpr const char* kPrefixes[kOutcomes] = {"bv_", "v_", "tv_", "l_"};
constexpr const char* kZeroBlock = "zero";
constexpr const char* kRawKey = "raw";

// The fields in the file's order, each handed to fn as key and field. One list serves the
// writer, the reader and the diff, so they cannot disagree on a key or its place.
template <typename Cam, typename Fn> void visit_header(Cam& cam, Fn&& fn) {
    fn("scenario_count", cam.scenario_count);
    fn("player_start_prestige", cam.player_start_prestige);
    fn("win_smk", cam.win_smk);
    fn("lose_smk", cam.lose_smk);
}

template <typename Slot, typename Fn> void visit_slot(Slot& s, Fn&& fn) {
    fn("max_prestige_cap", s.max_prestige_cap);
    fn("start_prestige_cap", s.start_prestige_cap);
    fn("ai_prestige", s.ai_prestige);
    fn("player_start_prestige", s.player_start_prestige);
    fn("scn_file", s.scn_file);
    fn("scn_smk", s.scn_smk);
    fn("scn_mus", s.scn_mus);
    fn("scn_txt", s.scn_txt);
    for (int k = 0; k < kOutcomes; ++k) {
        auto& o = s.outcome[static_cast<std::size_t>(k)];
        std::string p = kPrefixes[k];
        fn(p + "prestige", o.prestige);
        fn(p + "smk", o.smk);
        fn(p + "mus", o.mus);
        fn(p + "txt", o.txt);
        fn(p + "smk_after", o.smk_after);
    }
    for (int k = 0; k < kOutcomes; ++k) {
        auto& o = s.outcome[static_cast<std::size_t>(k)];
        std::string p = kPrefixes[k];
        fn(p + "goto", o.goto_scn);
        fn(p + "if_played", o.if_played);
        fn(p + "then_goto", o.then_goto);
        fn(p + "extra", o.extra);
    }
    fn("scn_extra", s.scn_extra);
}

template <typename Cam, typename Fn> void visit_trailer(Cam& cam, Fn&& fn) {
    fn("description_txt", cam.description_txt);
    fn("trailer_extra", cam.trailer_extra);
}

// ---- writing ----

bool undefined_in_cp1252(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// A JSON string of Windows-1252 bytes. Control characters (C0, DEL and the C1 code points the
// undefined bytes stand for) are escaped, so that they are visible and cannot break a line.
std::string json_string(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        char32_t cp = cp1252_code_point(b);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) {
            out += "\\u00";
            out += kHex[cp >> 4];
            out += kHex[cp & 0xF];
        } else {
            append_utf8(out, cp);
        }
    }
    return out + "\"";
}

// The name is what stands before the padding NULs; it must hold no NUL, end in no blank (blank
// padding is another form) and hold only characters Windows-1252 defines.
bool is_plain_name(const TextField& f) {
    std::string_view s(f.data(), f.size());
    std::size_t end = s.find_last_not_of('\0');
    std::string_view name = end == std::string_view::npos ? "" : s.substr(0, end + 1);
    if (name.find('\0') != std::string_view::npos || name.ends_with(' '))
        return false;
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return undefined_in_cp1252(static_cast<unsigned char>(c)); });
}

std::string value_text(uint16_t v) {
    return std::to_string(v);
}
std::string value_text(int16_t v) {
    return std::to_string(v);
}
std::string value_text(const TextField& f) {
    std::string_view s(f.data(), f.size());
    if (is_plain_name(f))
        return json_string(s.substr(0, s.find('\0')));
    return std::string("{\"") + kRawKey + "\": " + json_string(s) + "}";
}
template <std::size_t N> std::string value_text(const std::array<uint8_t, N>& block) {
    if (std::all_of(block.begin(), block.end(), [](uint8_t b) { return b == 0; }))
        return std::string("\"") + kZeroBlock + "\"";
    std::string hex = hex_block(block);
    hex.pop_back(); // the blank after the last byte
    return "\"" + hex + "\"";
}

// ---- reading ----

struct ImportFailure {
    int line;
    std::string text;
};

[[noreturn]] void fail(int line, const std::string& where, const std::string& text) {
    throw ImportFailure{line, where.empty() ? text : where + ": " + text};
}

const json::Value& expect_kind(const json::Value& v, json::Kind kind, const std::string& where) {
    if (v.kind != kind)
        fail(v.line, where,
             "expected " + json::kind_name(kind) + ", found " + json::kind_name(v.kind));
    return v;
}

template <typename Int> void read_number(const json::Value& v, Int& out, const std::string& where) {
    expect_kind(v, json::Kind::Number, where);
    constexpr long lo = std::numeric_limits<Int>::min(), hi = std::numeric_limits<Int>::max();
    std::string range = std::to_string(lo) + " to " + std::to_string(hi);
    if (v.text.find_first_of(".eE") != std::string::npos)
        fail(v.line, where, v.text + " is no whole number from " + range);
    long n = 0;
    auto [end, ec] = std::from_chars(v.text.data(), v.text.data() + v.text.size(), n);
    if (ec != std::errc() || n < lo || n > hi)
        fail(v.line, where, v.text + " is out of range " + range);
    out = static_cast<Int>(n);
}
void read_value(const json::Value& v, uint16_t& out, const std::string& where) {
    read_number(v, out, where);
}
void read_value(const json::Value& v, int16_t& out, const std::string& where) {
    read_number(v, out, where);
}

// The Windows-1252 bytes of a UTF-8 string. raw admits NUL and the five undefined bytes (as the
// C1 code points of the same value), which only the raw form holds.
std::string cp1252_bytes(const json::Value& v, bool raw, const std::string& where) {
    std::string out;
    for (std::size_t i = 0, n = 0; i < v.text.size(); i += n) {
        char32_t cp = 0;
        n = decode_utf8(v.text, i, cp);
        bool lossy = false;
        std::string b = utf8_to_cp1252(v.text.substr(i, n), &lossy);
        auto byte = static_cast<unsigned char>(b[0]);
        if (lossy || (!raw && undefined_in_cp1252(byte))) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            fail(v.line, where,
                 "the character " + std::string(code) + " has no Windows-1252 byte" +
                     (lossy ? "" : " (bytes Windows-1252 leaves undefined need the raw form)"));
        }
        if (!raw && byte == 0)
            fail(v.line, where, "a name holds no NUL character (use the raw form)");
        out += b;
    }
    return out;
}

void read_value(const json::Value& v, TextField& out, const std::string& where) {
    if (v.kind == json::Kind::Object) {
        if (v.members.size() != 1 || v.members[0].key != kRawKey)
            fail(v.line, where,
                 std::string("a name is a string or {\"") + kRawKey +
                     "\": \"...\"} with 20 characters");
        const json::Value& raw =
            expect_kind(*v.members[0].value, json::Kind::String, where + "." + kRawKey);
        std::string bytes = cp1252_bytes(raw, true, where + "." + kRawKey);
        if (bytes.size() != out.size())
            fail(raw.line, where + "." + kRawKey,
                 "holds " + std::to_string(bytes.size()) + " characters, the raw form needs " +
                     std::to_string(out.size()));
        std::copy(bytes.begin(), bytes.end(), out.begin());
        return;
    }
    expect_kind(v, json::Kind::String, where);
    std::string bytes = cp1252_bytes(v, false, where);
    if (bytes.size() > out.size())
        fail(v.line, where,
             "\"" + v.text + "\" is " + std::to_string(bytes.size()) +
                 " bytes long, a name holds at most " + std::to_string(out.size()));
    out.fill('\0');
    std::copy(bytes.begin(), bytes.end(), out.begin());
}

int hex_digit(char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                  : -1;
}

template <std::size_t N>
void read_value(const json::Value& v, std::array<uint8_t, N>& out, const std::string& where) {
    expect_kind(v, json::Kind::String, where);
    if (v.text == kZeroBlock) {
        out.fill(0);
        return;
    }
    // N bytes as two hexadecimal digits each, one blank between bytes.
    const std::string& t = v.text;
    bool ok = t.size() == 3 * N - 1;
    for (std::size_t i = 0; ok && i < N; ++i) {
        int hi = hex_digit(t[3 * i]), lo = hex_digit(t[3 * i + 1]);
        ok = hi >= 0 && lo >= 0 && (i + 1 == N || t[3 * i + 2] == ' ');
        if (ok)
            out[i] = static_cast<uint8_t>(hi * 16 + lo);
    }
    if (!ok)
        fail(v.line, where,
             "expected " + std::to_string(N) + " bytes as hexadecimal pairs between blanks (\"" +
                 std::string(kZeroBlock) + "\" for all zero)");
}

// The scenarios list is read apart from the other top-level keys: the pointer finds it.
void read_value(const json::Value& v, const json::Value*& out, const std::string&) {
    out = &v;
}

// Reads the members of obj into the fields visit names: every key once, no other key.
template <typename Visit>
void read_object(const json::Value& obj, const std::string& where, Visit visit) {
    std::vector<std::string> keys;
    visit([&](const std::string& key, auto&) { keys.push_back(key); });
    // The member that gives each key, in the order of keys.
    std::vector<const json::Member*> given(keys.size(), nullptr);
    for (const json::Member& m : obj.members) {
        auto it = std::find(keys.begin(), keys.end(), m.key);
        if (it == keys.end())
            fail(m.line, where, "unknown key \"" + m.key + "\"");
        const json::Member*& slot = given[static_cast<std::size_t>(it - keys.begin())];
        if (slot)
            fail(m.line, where, "key \"" + m.key + "\" stands twice");
        slot = &m;
    }
    std::size_t i = 0;
    visit([&](const std::string& key, auto& field) {
        const json::Member* m = given[i++];
        if (!m)
            fail(obj.line, where, "missing key \"" + key + "\"");
        read_value(*m->value, field, where.empty() ? key : where + "." + key);
    });
}

CampaignRecord record_of(const json::Value& doc) {
    expect_kind(doc, json::Kind::Object, "the text");
    CampaignRecord cam;
    const json::Value* scenarios = nullptr;
    read_object(doc, "", [&](auto&& fn) {
        visit_header(cam, fn);
        fn("scenarios", scenarios);
        visit_trailer(cam, fn);
    });
    expect_kind(*scenarios, json::Kind::Array, "scenarios");
    if (scenarios->items.size() != layout::kMaxScenarios)
        fail(scenarios->line, "scenarios",
             "holds " + std::to_string(scenarios->items.size()) +
                 " scenarios, the file holds exactly " + std::to_string(layout::kMaxScenarios) +
                 " (slots beyond the count too)");
    for (std::size_t k = 0; k < layout::kMaxScenarios; ++k) {
        std::string where = "scenarios[" + std::to_string(k) + "]";
        const json::Value& slot = expect_kind(scenarios->items[k], json::Kind::Object, where);
        read_object(slot, where, [&](auto&& fn) { visit_slot(cam.scenarios[k], fn); });
    }
    return cam;
}

} // namespace

std::string campaign_to_text(const CampaignRecord& cam) {
    std::vector<FieldText> fields = campaign_field_texts(cam);
    std::string out = "{\n";
    out.reserve(64 * fields.size());
    auto line = [&](const char* indent, const FieldText& f, bool last) {
        out += indent;
        out += "\"" + f.key + "\": " + f.value + (last ? "\n" : ",\n");
    };
    std::size_t i = 0;
    for (; fields[i].slot < 0; ++i)
        line("  ", fields[i], false);
    out += "  \"scenarios\": [\n";
    // The trailer's fields follow the last slot, so fields[i + 1] exists here.
    for (; fields[i].slot >= 0; ++i) {
        const FieldText& f = fields[i];
        bool last = fields[i + 1].slot != f.slot;
        if (fields[i - 1].slot != f.slot)
            out += "    {\n";
        line("      ", f, last);
        if (last)
            out += f.slot + 1 == static_cast<int>(layout::kMaxScenarios) ? "    }\n" : "    },\n";
    }
    out += "  ],\n";
    for (; i < fields.size(); ++i)
        line("  ", fields[i], i + 1 == fields.size());
    return out + "}\n";
}

bool campaign_from_text(std::string_view text, CampaignRecord& cam, std::string& error) {
    json::Value doc;
    json::ParseError parse_error;
    if (!json::parse(text, doc, parse_error)) {
        error =
            "line " + std::to_string(parse_error.line) + ": malformed JSON: " + parse_error.text;
        return false;
    }
    try {
        cam = record_of(doc);
        return true;
    } catch (const ImportFailure& f) {
        error = "line " + std::to_string(f.line) + ": " + f.text;
        return false;
    }
}

std::vector<FieldText> campaign_field_texts(const CampaignRecord& cam) {
    std::vector<FieldText> out;
    int slot = -1;
    auto add = [&](const std::string& key, const auto& field) {
        out.push_back({slot, key, value_text(field)});
    };
    visit_header(cam, add);
    for (std::size_t k = 0; k < layout::kMaxScenarios; ++k) {
        slot = static_cast<int>(k);
        visit_slot(cam.scenarios[k], add);
    }
    slot = -1;
    visit_trailer(cam, add);
    return out;
}

std::vector<std::string> campaign_differences(const CampaignRecord& a, const CampaignRecord& b) {
    std::vector<FieldText> fa = campaign_field_texts(a), fb = campaign_field_texts(b);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < fa.size(); ++i) {
        if (fa[i].value == fb[i].value)
            continue;
        std::string slot = fa[i].slot >= 0 ? "scenario " + std::to_string(fa[i].slot) + " " : "";
        out.push_back(slot + fa[i].key + ": " + fa[i].value + " -> " + fb[i].value);
    }
    return out;
}

} // namespace mf7
