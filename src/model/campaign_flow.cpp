#include "model/campaign_flow.h"

#include <algorithm>
#include <bit>
#include <set>
#include <tuple>

namespace mf7 {

namespace {

// Where one outcome leads: the next number and the played set (as bits) after the scenario.
struct Step {
    int next;
    uint32_t mask;
};

// The situations of a campaign: a scenario about to be played and which of the scenarios named
// by alternatives have been played (as bits; always empty when the play is approximate).
class Explorer {
  public:
    explicit Explorer(const CampaignRecord& cam) : cam_(cam), count_(played_count(cam)) {
        bit_.fill(-1);
        int bits = 0;
        for (int s = 0; s < count_; ++s)
            for (const OutcomeRecord& o : slot(s).outcome)
                if (names_scenario(o.if_played) && bit_[index(o.if_played)] < 0)
                    bit_[index(o.if_played)] = bits++;
        exact_ = bits <= kMaxExactAlternatives;
        masks_ = exact_ ? std::size_t{1} << bits : 1;
    }

    int count() const { return count_; }
    bool exact() const { return exact_; }
    std::size_t masks() const { return masks_; }

    // Up to two steps: an approximate play takes an alternative both ways.
    int steps(int s, uint32_t mask, int outcome, Step out[2]) const {
        const OutcomeRecord& o = slot(s).outcome[static_cast<std::size_t>(outcome)];
        int own = bit_[index(s)];
        uint32_t after = exact_ && own >= 0 ? mask | (1u << own) : mask;
        // A number that is no scenario of the campaign is never played; the scenario just
        // finished always counts as played.
        if (!has_alternative(o) || !names_scenario(o.if_played) || o.if_played == s) {
            bool played = has_alternative(o) && o.if_played == s;
            out[0] = {next_scenario(o, played), after};
            return 1;
        }
        if (exact_) {
            bool played = (after >> bit_[index(o.if_played)]) & 1u;
            out[0] = {next_scenario(o, played), after};
            return 1;
        }
        out[0] = {next_scenario(o, true), after};
        out[1] = {next_scenario(o, false), after};
        return o.goto_scn == o.then_goto ? 1 : 2;
    }

    bool is_scenario(int n) const { return n >= 0 && n < count_; }

  private:
    const ScenarioSlot& slot(int s) const { return cam_.scenarios[index(s)]; }
    static std::size_t index(int s) { return static_cast<std::size_t>(s); }
    bool names_scenario(int p) const { return p > 0 && p < count_; }

    const CampaignRecord& cam_;
    int count_;
    std::array<int, layout::kMaxScenarios> bit_{};
    bool exact_ = true;
    std::size_t masks_ = 1;
};

uint64_t bit(int s) {
    return uint64_t{1} << s;
}

// Breadth first from the start: reachable scenarios per played set, endings, broken gotos and
// the fewest scenarios played to each ending.
std::vector<uint64_t> explore(const Explorer& ex, CampaignFlow& flow) {
    std::vector<uint64_t> reach(ex.masks(), 0);
    std::set<std::tuple<int, int, int>> broken;
    std::vector<uint32_t> frontier{0}, next;
    reach[0] = 1;
    for (int depth = 1; !frontier.empty(); ++depth) {
        next.clear();
        for (uint32_t state : frontier) {
            int s = static_cast<int>(state & 63u);
            uint32_t mask = state >> 6;
            for (int k = 0; k < kOutcomes; ++k) {
                Step steps[2];
                for (int i = 0, n = ex.steps(s, mask, k, steps); i < n; ++i) {
                    auto [to, after] = steps[i];
                    if (to == kGotoWin) {
                        flow.can_win = true;
                        flow.shortest_win = flow.shortest_win.value_or(depth);
                    } else if (to == kGotoLose) {
                        flow.can_lose = true;
                        flow.shortest_lose = flow.shortest_lose.value_or(depth);
                    } else if (!ex.is_scenario(to)) {
                        broken.emplace(s, k, to);
                    } else if (!(reach[after] & bit(to))) {
                        reach[after] |= bit(to);
                        next.push_back(static_cast<uint32_t>(to) | (after << 6));
                    }
                }
            }
        }
        frontier.swap(next);
    }
    for (auto [from, k, to] : broken)
        flow.broken.push_back({from, static_cast<Outcome>(k), to});
    return reach;
}

// Which reachable situations lead to some ending. A played set only grows, so the sets are
// settled from the largest down, and within one set by walking back from the ending ones.
std::vector<uint64_t> can_end(const Explorer& ex, const std::vector<uint64_t>& reach) {
    std::vector<uint64_t> good(ex.masks(), 0);
    for (std::size_t m = ex.masks(); m-- > 0;) {
        if (!reach[m])
            continue;
        std::array<uint64_t, layout::kMaxScenarios> before{};
        uint64_t ok = 0;
        for (uint64_t left = reach[m]; left; left &= left - 1) {
            int s = std::countr_zero(left);
            for (int k = 0; k < kOutcomes; ++k) {
                Step steps[2];
                for (int i = 0, n = ex.steps(s, static_cast<uint32_t>(m), k, steps); i < n; ++i) {
                    auto [to, after] = steps[i];
                    if (!ex.is_scenario(to) || (after != m && (good[after] & bit(to))))
                        ok |= bit(s);
                    else if (after == m)
                        before[static_cast<std::size_t>(to)] |= bit(s);
                }
            }
        }
        for (uint64_t todo = ok; todo;) {
            int n = std::countr_zero(todo);
            todo &= todo - 1;
            uint64_t fresh = before[static_cast<std::size_t>(n)] & ~ok;
            ok |= fresh;
            todo |= fresh;
        }
        good[m] = ok;
    }
    return good;
}

} // namespace

bool has_alternative(const OutcomeRecord& o) {
    return o.if_played > 0;
}

int next_scenario(const OutcomeRecord& o, bool if_played_was_played) {
    return has_alternative(o) && !if_played_was_played ? o.then_goto : o.goto_scn;
}

int played_count(const CampaignRecord& cam) {
    return std::max(1, usable_count(cam));
}

const char* outcome_name(Outcome outcome) {
    static const char* kNames[kOutcomes] = {"BV", "V", "TV", "L"};
    return kNames[outcome];
}

CampaignFlow analyse_flow(const CampaignRecord& cam) {
    Explorer ex(cam);
    CampaignFlow flow;
    flow.exact = ex.exact();
    std::vector<uint64_t> reach = explore(ex, flow);
    std::vector<uint64_t> good = can_end(ex, reach);
    uint64_t reached = 0, trapped = 0;
    for (std::size_t m = 0; m < reach.size(); ++m) {
        reached |= reach[m];
        trapped |= reach[m] & ~good[m];
    }
    for (int s = 0; s < ex.count(); ++s) {
        (reached & bit(s) ? flow.reachable : flow.unreachable).push_back(s);
        if (trapped & bit(s))
            flow.trapped.push_back(s);
    }
    return flow;
}

} // namespace mf7
