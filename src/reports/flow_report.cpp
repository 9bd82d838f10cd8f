#include "reports/flow_report.h"

namespace mf7 {

namespace {

std::string json_numbers(const std::vector<int>& v) {
    std::string out = "[";
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i)
            out += ',';
        out += std::to_string(v[i]);
    }
    return out + "]";
}

std::string json_optional(const std::optional<int>& v) {
    return v ? std::to_string(*v) : "null";
}

const char* json_bool(bool b) {
    return b ? "true" : "false";
}

// "3, 5 and 7"
std::string number_list(const std::vector<int>& v) {
    std::string out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i)
            out += i + 1 == v.size() ? " and " : ", ";
        out += std::to_string(v[i]);
    }
    return out;
}

std::string scenarios_word(std::size_t n) {
    return n == 1 ? "scenario" : "scenarios";
}

std::string ending_line(const char* what, int code, const std::optional<int>& shortest) {
    if (!shortest)
        return std::string("No path from the first scenario reaches a ") + what + " (" +
               std::to_string(code) + ").";
    return std::string("A ") + what + " can be reached; the shortest path plays " +
           std::to_string(*shortest) + " " + scenarios_word(static_cast<std::size_t>(*shortest)) +
           ".";
}

} // namespace

std::string flow_json(const CampaignFlow& f) {
    std::string broken = "[";
    for (std::size_t i = 0; i < f.broken.size(); ++i) {
        const BrokenEnd& b = f.broken[i];
        broken += std::string(i ? "," : "") + "{\"from\":" + std::to_string(b.from) +
                  ",\"outcome\":\"" + outcome_name(b.outcome) +
                  "\",\"to\":" + std::to_string(b.to) + "}";
    }
    broken += "]";
    return std::string("{\"exact\":") + json_bool(f.exact) +
           ",\"reachable\":" + json_numbers(f.reachable) +
           ",\"unreachable\":" + json_numbers(f.unreachable) +
           ",\"can_win\":" + json_bool(f.can_win) + ",\"can_lose\":" + json_bool(f.can_lose) +
           ",\"broken\":" + broken + ",\"trapped\":" + json_numbers(f.trapped) +
           ",\"shortest_win\":" + json_optional(f.shortest_win) +
           ",\"shortest_lose\":" + json_optional(f.shortest_lose) + "}";
}

std::string flow_text(const CampaignFlow& f, int count) {
    if (count == 0)
        return "The campaign has no scenarios.\n";
    std::string out;
    auto line = [&out](const std::string& text) { out += text + "\n"; };
    if (!f.exact)
        line("More than 16 scenarios are named by alternative gotos: each alternative was "
             "followed both ways, so what follows may find paths the game never takes.");
    if (f.unreachable.empty())
        line("Every scenario can be reached from the first.");
    else
        line("No path from the first scenario reaches " + scenarios_word(f.unreachable.size()) +
             " " + number_list(f.unreachable) + ".");
    line(ending_line("win", kGotoWin, f.shortest_win));
    line(ending_line("loss", kGotoLose, f.shortest_lose));
    for (const BrokenEnd& b : f.broken)
        line("Scenario " + std::to_string(b.from) + " goes to " + std::to_string(b.to) +
             " on outcome " + outcome_name(b.outcome) + ", which is no scenario and no ending.");
    if (!f.trapped.empty())
        line("A player can go round for ever, with no ending reachable, from " +
             scenarios_word(f.trapped.size()) + " " + number_list(f.trapped) + ".");
    if (flow_is_sound(f))
        line("Every path through the campaign ends.");
    return out;
}

bool flow_is_sound(const CampaignFlow& f) {
    return f.can_win && f.unreachable.empty() && f.broken.empty() && f.trapped.empty();
}

} // namespace mf7
