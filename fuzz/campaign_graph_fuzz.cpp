// The path analysis and the campaign graph of a fuzzed campaign, checked against what must hold
// whatever the gotos: every scenario reachable or unreachable and never both, findings that the
// graph's arrows bear out, a plain replay of every game on small campaigns agreeing with the
// analysis, JSON that parses, and Graphviz source that reads back with the same nodes and edges.
#include "campaign_graph_input.h"
#include "fuzz_support.h"
#include "model/campaign_flow.h"
#include "model/campaign_graph.h"
#include "model/overview.h"
#include "model/scenario_file.h"
#include "reports/map_source.h"

#include <cgraph.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

using namespace mf7;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "campaign graph: %s\n", what);
    std::abort();
}

void require(bool ok, const char* what) {
    if (!ok)
        fail(what);
}

bool is_ending(int to) {
    return to == kGotoWin || to == kGotoLose;
}

// Every game of a small campaign, replayed with the whole set of scenarios finished so far: a
// scenario's alternative takes its then_goto while its if_played scenario is not in that set.
struct Replay {
    std::set<int> reached, trapped;
    std::set<std::tuple<int, int, int>> broken;
    std::optional<int> win, lose;
};

Replay replay(const CampaignRecord& cam, int count) {
    using State = std::pair<int, uint64_t>; // scenario about to be played, scenarios finished
    std::map<State, int> depth{{{0, 0}, 1}};
    std::map<State, std::vector<State>> next;
    std::set<State> ending;
    std::vector<State> queue{{0, 0}};
    Replay r;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        auto [s, done] = queue[i];
        int d = depth[queue[i]];
        r.reached.insert(s);
        uint64_t after = done | (uint64_t{1} << s);
        for (int k = 0; k < kOutcomes; ++k) {
            const OutcomeRecord& o = cam.scenarios[static_cast<std::size_t>(s)].outcome[k];
            bool played = o.if_played >= 0 && o.if_played < 64 && ((after >> o.if_played) & 1u);
            int to = o.if_played > 0 && !played ? o.then_goto : o.goto_scn;
            if (is_ending(to)) {
                std::optional<int>& best = to == kGotoWin ? r.win : r.lose;
                best = std::min(best.value_or(d), d);
                ending.insert(queue[i]);
            } else if (to < 0 || to >= count) {
                r.broken.emplace(s, k, to);
                ending.insert(queue[i]); // a broken goto ends the game too, if badly
            } else {
                State n{to, after};
                next[queue[i]].push_back(n);
                if (depth.emplace(n, d + 1).second)
                    queue.push_back(n);
            }
        }
    }
    // Walked back from the states that end, until nothing changes.
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [state, to] : next)
            if (!ending.count(state) &&
                std::any_of(to.begin(), to.end(), [&](const State& n) { return ending.count(n); }))
                changed = ending.insert(state).second || changed;
    }
    for (const auto& [state, d] : depth)
        if (!ending.count(state))
            r.trapped.insert(state.first);
    return r;
}

void check_against_replay(const CampaignRecord& cam, int count, const CampaignFlow& flow) {
    Replay r = replay(cam, count);
    require(std::set<int>(flow.reachable.begin(), flow.reachable.end()) == r.reached,
            "reachable differs from the replay");
    require(std::set<int>(flow.trapped.begin(), flow.trapped.end()) == r.trapped,
            "trapped differs from the replay");
    std::set<std::tuple<int, int, int>> broken;
    for (const BrokenEnd& b : flow.broken)
        broken.emplace(b.from, b.outcome, b.to);
    require(broken == r.broken, "broken gotos differ from the replay");
    require(flow.shortest_win == r.win && flow.shortest_lose == r.lose,
            "shortest paths differ from the replay");
}

// What holds of any analysis: the scenarios split in two, findings on reachable scenarios, an
// ending reached exactly when a shortest path to it is known, and every broken goto an arrow of
// the graph to an invalid node.
void check_flow(const CampaignRecord& cam, const CampaignFlow& flow, const CampaignGraph& graph,
                int count) {
    std::vector<int> all = flow.reachable;
    all.insert(all.end(), flow.unreachable.begin(), flow.unreachable.end());
    std::sort(all.begin(), all.end());
    std::vector<int> want(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        want[static_cast<std::size_t>(i)] = i;
    require(all == want, "a scenario is both reachable and unreachable, or neither");
    require(!flow.reachable.empty() && flow.reachable[0] == 0, "the first scenario unreached");
    auto reached = [&](int s) {
        return std::binary_search(flow.reachable.begin(), flow.reachable.end(), s);
    };
    for (int s : flow.trapped)
        require(reached(s), "an unreachable scenario is trapped");
    require(flow.can_win == flow.shortest_win.has_value(), "a win without a path");
    require(flow.can_lose == flow.shortest_lose.has_value(), "a loss without a path");
    for (const BrokenEnd& b : flow.broken) {
        require(reached(b.from), "a broken goto from an unreachable scenario");
        bool drawn = std::any_of(graph.edges.begin(), graph.edges.end(), [&](const GraphEdge& e) {
            return e.from == b.from && e.outcome == b.outcome && e.to == b.to &&
                   e.kind == GotoKind::Invalid;
        });
        require(drawn, "a broken goto the graph does not draw");
    }
    // A reachable scenario's outcome without an alternative leads somewhere reachable.
    for (const GraphEdge& e : graph.edges)
        if (reached(e.from) && e.kind == GotoKind::Scenario &&
            !has_alternative(cam.scenarios[static_cast<std::size_t>(e.from)].outcome[e.outcome]))
            require(reached(e.to), "a plain goto from a reachable scenario leads nowhere reached");
}

// A JSON reader just strict enough to refuse what a JSON parser refuses, counting the elements
// of each array by the key it stands under.
class JsonCheck {
  public:
    explicit JsonCheck(std::string_view text) : t_(text) {}
    bool valid() { return value("") && (space(), at_ == t_.size()); }
    std::map<std::string, std::size_t> elements;

  private:
    void space() {
        while (at_ < t_.size() && (t_[at_] == ' ' || t_[at_] == '\n'))
            ++at_;
    }
    bool eat(char c) {
        space();
        return at_ < t_.size() && t_[at_] == c ? (++at_, true) : false;
    }
    bool string(std::string* out) {
        if (!eat('"'))
            return false;
        for (; at_ < t_.size(); ++at_) {
            auto c = static_cast<unsigned char>(t_[at_]);
            if (c == '"')
                return ++at_, true;
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (++at_ == t_.size() ||
                    std::string_view("\"\\/bfnrtu").find(t_[at_]) == std::string_view::npos)
                    return false;
                if (t_[at_] == 'u')
                    for (int i = 0; i < 4; ++i)
                        if (++at_ == t_.size() ||
                            !std::isxdigit(static_cast<unsigned char>(t_[at_])))
                            return false;
            }
            if (out)
                *out += static_cast<char>(c);
        }
        return false;
    }
    bool value(const std::string& key) {
        space();
        if (at_ == t_.size())
            return false;
        char c = t_[at_];
        if (c == '"')
            return string(nullptr);
        if (c == '{') {
            ++at_;
            if (eat('}'))
                return true;
            do {
                std::string name;
                if (!string(&name) || !eat(':') || !value(name))
                    return false;
            } while (eat(','));
            return eat('}');
        }
        if (c == '[') {
            ++at_;
            elements[key] = 0;
            if (eat(']'))
                return true;
            do {
                if (!value(""))
                    return false;
                ++elements[key];
            } while (eat(','));
            return eat(']');
        }
        for (std::string_view word : {"true", "false", "null"})
            if (t_.substr(at_, word.size()) == word)
                return at_ += word.size(), true;
        std::size_t start = at_;
        if (t_[at_] == '-')
            ++at_;
        while (at_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[at_])))
            ++at_;
        return at_ > start && std::isdigit(static_cast<unsigned char>(t_[at_ - 1]));
    }
    std::string_view t_;
    std::size_t at_ = 0;
};

void check_json(const CampaignGraph& graph) {
    std::string text = graph_json(graph);
    JsonCheck json(text);
    require(json.valid(), "the graph's JSON does not parse");
    require(json.elements["scenarios"] == graph.scenarios.size(), "JSON scenarios miscounted");
    require(json.elements["edges"] == graph.edges.size(), "JSON edges miscounted");
}

std::string attribute(void* object, const char* name) {
    char* value = agget(object, const_cast<char*>(name));
    return value ? value : "";
}

// The Graphviz source read back by Graphviz itself: the graph's nodes, each edge between the
// nodes it names, no control byte in a label, grey exactly the unreachable scenarios.
void check_dot(const CampaignGraph& graph, const CampaignFlow& flow) {
    std::string dot = graph_dot(graph, flow);
    std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> g(agmemread(dot.c_str()), agclose);
    require(g != nullptr, "the Graphviz source does not parse");
    std::set<std::string> want{node_id(GotoKind::Win, kGotoWin),
                               node_id(GotoKind::Lose, kGotoLose)};
    for (const GraphScenario& s : graph.scenarios)
        want.insert(node_id(GotoKind::Scenario, s.number));
    for (const GraphEdge& e : graph.edges)
        want.insert(node_id(e.kind, e.to));
    std::set<std::string> nodes;
    std::map<std::string, std::pair<std::string, std::string>> edges;
    for (Agnode_t* n = agfstnode(g.get()); n; n = agnxtnode(g.get(), n)) {
        std::string name = agnameof(n);
        nodes.insert(name);
        std::string label = attribute(n, "label");
        require(std::none_of(label.begin(), label.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
                "a control byte in a node's label");
        if (name[0] == 's') {
            bool grey = attribute(n, "fillcolor") == "#eeeeee";
            int number = std::atoi(name.c_str() + 1);
            require(grey == std::binary_search(flow.unreachable.begin(), flow.unreachable.end(),
                                               number),
                    "grey is not exactly the unreachable scenarios");
        }
        for (Agedge_t* e = agfstout(g.get(), n); e; e = agnxtout(g.get(), e))
            require(edges
                        .emplace(attribute(e, "id"),
                                 std::pair(agnameof(agtail(e)), agnameof(aghead(e))))
                        .second,
                    "two edges with one id");
    }
    require(nodes == want, "the Graphviz source's nodes differ from the graph's");
    require(edges.size() == graph.edges.size(), "the Graphviz source's edges miscounted");
    for (std::size_t i = 0; i < graph.edges.size(); ++i) {
        const GraphEdge& e = graph.edges[i];
        auto found = edges.find("e" + std::to_string(i));
        require(found != edges.end() &&
                    found->second ==
                        std::pair(node_id(GotoKind::Scenario, e.from), node_id(e.kind, e.to)),
                "an edge of the Graphviz source joins other nodes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const NativePath no_folder = join_path(fuzz::scratch_folder(), "none");
    CampaignRecord cam = fuzz::campaign_of_input(fuzz::bytes_of(data, size));
    int count = played_count(cam);
    // The rows as the overview shows them, each name doubling as its date.
    std::vector<OverviewRow> rows;
    for (int i = 0; i < count; ++i) {
        const ScenarioSlot& slot = cam.scenarios[static_cast<std::size_t>(i)];
        ScenarioSummary read{
            .named = true, .found = true, .date_text = field_text(slot.scn_file), .country = {}};
        rows.push_back(overview_row(slot, i, read));
    }
    CampaignGraph graph = campaign_graph(cam, rows, no_folder);
    require(static_cast<int>(graph.scenarios.size()) == count, "the graph's scenarios miscounted");
    CampaignFlow flow = analyse_flow(cam);
    check_flow(cam, flow, graph, count);
    // Small campaigns are replayed game by game; larger ones have too many played sets for that.
    if (count <= 10)
        check_against_replay(cam, count, flow);
    check_json(graph);
    check_dot(graph, flow);
    return 0;
}
