#include "app/batch.h"

#include "model/campaign_graph.h"
#include "model/overview.h"
#include "platform/files.h"
#include "reports/flow_report.h"
#include "reports/map_source.h"

namespace mf7 {

namespace {

constexpr const char* kGraphUsage =
    "usage: mf7batch graph CAMPAIGN [--format json|dot|svg|png] [--out FILE] [--ini FILE]\n";

MapRenderer& map_renderer() {
    static MapRenderer renderer;
    return renderer;
}

struct GraphOptions {
    std::string format = "json";
    NativePath out;
};

bool parse_graph_options(const std::vector<NativePath>& options, GraphOptions& g) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        bool has_value = i + 1 < options.size();
        if (options[i].str() == "--format" && has_value)
            g.format = options[++i].str();
        else if (options[i].str() == "--out" && has_value)
            g.out = options[++i];
        else
            return false;
    }
    return g.format == "json" || g.format == "dot" || g.format == "svg" || g.format == "png";
}

// The picture or source in the format asked for; nothing (with the reason told) when it cannot
// be made.
std::optional<std::string> graph_bytes(BatchContext& c, const std::string& format) {
    OverviewFill fill = fill_overview(c.state, c.messages);
    CampaignGraph graph = campaign_graph(c.state.campaign, fill.rows, c.state.settings.mf7_scn);
    if (format == "json")
        return graph_json(graph) + "\n";
    CampaignFlow flow = analyse_flow(c.state.campaign);
    if (format == "dot")
        return graph_dot(graph, flow);
    if (!map_renderer()) {
        c.err << "mf7batch: this build draws no pictures; use --format json or dot\n";
        return std::nullopt;
    }
    std::string error;
    std::optional<std::string> bytes = map_renderer()(graph, flow, format, error);
    if (!bytes)
        c.err << "mf7batch: " << error << "\n";
    return bytes;
}

} // namespace

void set_map_renderer(MapRenderer renderer) {
    map_renderer() = std::move(renderer);
}

int batch_flow(BatchContext& c) {
    bool json = c.options.size() == 1 && c.options[0].str() == "--json";
    if (!c.options.empty() && !json) {
        c.err << "usage: mf7batch flow CAMPAIGN [--json] [--ini FILE]\n";
        return 2;
    }
    CampaignFlow flow = analyse_flow(c.state.campaign);
    c.out << (json ? flow_json(flow) + "\n" : flow_text(flow, played_count(c.state.campaign)));
    return flow_is_sound(flow) ? 0 : 1;
}

int batch_graph(BatchContext& c) {
    GraphOptions g;
    if (!parse_graph_options(c.options, g)) {
        c.err << kGraphUsage;
        return 2;
    }
    std::optional<std::string> bytes = graph_bytes(c, g.format);
    if (!bytes)
        return 2;
    if (g.out.empty()) {
        c.out << *bytes;
        return 0;
    }
    FileError error;
    if (!write_file_atomic(g.out, *bytes, error)) {
        c.err << "mf7batch: cannot write " << g.out.str() << ": " << error.text << "\n";
        return 2;
    }
    return 0;
}

} // namespace mf7
