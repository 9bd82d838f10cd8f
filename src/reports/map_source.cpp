#include "reports/map_source.h"

#include "platform/cp1252.h"

#include <cstdio>
#include <set>

namespace mf7 {

namespace {

// A UTF-8 string as a JSON string literal.
std::string json_quote(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// A UTF-8 string as a Graphviz quoted string; line breaks become \n.
std::string dot_quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

std::string dot_node(GotoKind kind, int to, const CampaignGraph& g, const CampaignFlow& flow) {
    Look look = node_look(kind, to, flow);
    const char* shape = kind == GotoKind::Scenario ? "box" : "ellipse";
    return "  " + dot_quote(node_id(kind, to)) + " [label=" + dot_quote(node_label(kind, to, g)) +
           ", shape=" + shape + ", fillcolor=\"" + look.fill + "\", color=\"" + look.line +
           "\", fontcolor=\"" + look.text + "\", penwidth=" + std::to_string(look.line_width) +
           "];\n";
}

} // namespace

std::string graph_json(const CampaignGraph& g) {
    std::string out = "{\"scenarios\":[";
    for (std::size_t i = 0; i < g.scenarios.size(); ++i) {
        const GraphScenario& s = g.scenarios[i];
        out += std::string(i ? "," : "") + "{\"number\":" + std::to_string(s.number) +
               ",\"file\":" + json_quote(cp1252_to_utf8(s.file)) +
               ",\"date\":" + json_quote(cp1252_to_utf8(s.date)) +
               ",\"found\":" + (s.found ? "true" : "false") + "}";
    }
    out += "],\"edges\":[";
    for (std::size_t i = 0; i < g.edges.size(); ++i) {
        const GraphEdge& e = g.edges[i];
        out += std::string(i ? "," : "") + "{\"from\":" + std::to_string(e.from) +
               ",\"outcome\":\"" + outcome_name(e.outcome) + "\",\"to\":" + std::to_string(e.to) +
               ",\"kind\":\"" + goto_kind_name(e.kind) + "\"";
        if (e.if_played > 0)
            out += ",\"if_played\":" + std::to_string(e.if_played);
        out += "}";
    }
    return out + "]}";
}

std::string graph_dot(const CampaignGraph& g, const CampaignFlow& flow) {
    std::string out = "digraph campaign {\n"
                      "  graph [rankdir=TB, nodesep=0.3, ranksep=0.5];\n"
                      "  node [style=\"filled\", fontname=\"DejaVu Sans\", fontsize=10];\n"
                      "  edge [fontname=\"DejaVu Sans\", fontsize=8, arrowsize=0.7];\n";
    for (const GraphScenario& s : g.scenarios)
        out += dot_node(GotoKind::Scenario, s.number, g, flow);
    out += dot_node(GotoKind::Win, kGotoWin, g, flow);
    out += dot_node(GotoKind::Lose, kGotoLose, g, flow);
    std::set<int> broken;
    for (const GraphEdge& e : g.edges)
        if (e.kind == GotoKind::Invalid && broken.insert(e.to).second)
            out += dot_node(GotoKind::Invalid, e.to, g, flow);
    for (std::size_t i = 0; i < g.edges.size(); ++i) {
        const GraphEdge& e = g.edges[i];
        out += "  " + dot_quote(node_id(GotoKind::Scenario, e.from)) + " -> " +
               dot_quote(node_id(e.kind, e.to)) + " [id=\"e" + std::to_string(i) + "\", color=\"" +
               edge_colour(e) + "\"";
        if (e.if_played > 0)
            out += ", style=dashed, label=" + dot_quote(edge_label(e)) + ", fontcolor=\"" +
                   edge_colour(e) + "\"";
        out += "];\n";
    }
    return out + "}\n";
}

} // namespace mf7
