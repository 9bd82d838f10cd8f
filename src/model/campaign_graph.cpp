#include "model/campaign_graph.h"

#include "platform/cp1252.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kRed = "#d32f2f";
constexpr const char* kOrange = "#f57c00";
constexpr const char* kBlack = "#202020";

bool contains(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

GotoKind goto_kind(int to, int count) {
    if (to == kGotoWin)
        return GotoKind::Win;
    if (to == kGotoLose)
        return GotoKind::Lose;
    return to >= 0 && to < count ? GotoKind::Scenario : GotoKind::Invalid;
}

const char* goto_kind_name(GotoKind kind) {
    static const char* kNames[] = {"scenario", "win", "lose", "invalid"};
    return kNames[static_cast<int>(kind)];
}

CampaignGraph campaign_graph(const CampaignRecord& cam, const std::vector<OverviewRow>& rows,
                             const NativePath& scenario_folder) {
    CampaignGraph g;
    int count = static_cast<int>(std::min(rows.size(), layout::kMaxScenarios));
    for (int i = 0; i < count; ++i) {
        const OverviewRow& row = rows[static_cast<std::size_t>(i)];
        GraphScenario s;
        s.number = i;
        s.file = row.file_name();
        s.date = trim(row.date);
        s.found = !s.file.empty() && file_exists(join_game_name(scenario_folder, s.file));
        g.scenarios.push_back(s);
        const ScenarioSlot& slot = cam.scenarios[static_cast<std::size_t>(i)];
        for (int k = 0; k < kOutcomes; ++k) {
            const OutcomeRecord& o = slot.outcome[static_cast<std::size_t>(k)];
            auto outcome = static_cast<Outcome>(k);
            g.edges.push_back({i, outcome, o.goto_scn, goto_kind(o.goto_scn, count)});
            if (has_alternative(o))
                g.edges.push_back(
                    {i, outcome, o.then_goto, goto_kind(o.then_goto, count), o.if_played});
        }
    }
    return g;
}

std::string node_id(GotoKind kind, int to) {
    switch (kind) {
    case GotoKind::Win:
        return "win";
    case GotoKind::Lose:
        return "lose";
    default:
        // Built by appending: GCC 12 warns wrongly on "s" + std::to_string(to).
        std::string id(1, kind == GotoKind::Scenario ? 's' : 'x');
        return id.append(std::to_string(to));
    }
}

std::string node_label(GotoKind kind, int to, const CampaignGraph& graph) {
    switch (kind) {
    case GotoKind::Win:
        return "WIN";
    case GotoKind::Lose:
        return "LOSE";
    case GotoKind::Invalid:
        return std::to_string(to) + "?";
    default:
        break;
    }
    const GraphScenario& s = graph.scenarios[static_cast<std::size_t>(to)];
    // A control byte would be invisible, or break the picture (an SVG may hold none of them).
    std::string label = std::to_string(to) + "\n" + show_controls(cp1252_to_utf8(s.file));
    return s.date.empty() ? label : label + "\n" + show_controls(cp1252_to_utf8(s.date));
}

std::string edge_label(const GraphEdge& edge) {
    // The then_goto is taken while the named scenario has not been played (next_scenario).
    return edge.if_played > 0 ? "if " + std::to_string(edge.if_played) + " not played" : "";
}

const char* outcome_colour(Outcome outcome) {
    static const char* kColours[kOutcomes] = {"#1b7f3b", "#1f5fbf", "#8d6e00", "#6a1b9a"};
    return kColours[outcome];
}

const char* edge_colour(const GraphEdge& edge) {
    return edge.kind == GotoKind::Invalid ? kRed : outcome_colour(edge.outcome);
}

Look node_look(GotoKind kind, int to, const CampaignFlow& flow) {
    switch (kind) {
    case GotoKind::Win:
        return {"#c8e6c9", "#1b5e20", kBlack, 2.0};
    case GotoKind::Lose:
        return {"#d7ccc8", "#3e2723", kBlack, 2.0};
    case GotoKind::Invalid:
        return {"#ffebee", kRed, kRed, 2.0};
    default:
        break;
    }
    if (contains(flow.unreachable, to))
        return {"#eeeeee", "#9e9e9e", "#9e9e9e", 1.0};
    if (contains(flow.trapped, to))
        return {"#fff8e1", kOrange, kBlack, 3.0};
    return {"#ffffff", kBlack, kBlack, 1.0};
}

} // namespace mf7
