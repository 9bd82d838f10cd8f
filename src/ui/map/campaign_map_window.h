#pragma once
// The campaign map: every scenario and where each outcome leads, laid out by Graphviz, with the
// path analysis's findings beside it. A click selects the scenario in the overview, a
// double-click asks to edit it. Object names: CampaignMap, MapView, Findings, ZoomIn, ZoomOut,
// Fit, ExportPng, ExportSvg, Updating.
//
// Graphviz takes seconds on a large campaign, so the analysis and the layout run on a worker
// from a copy of the campaign; this window only draws finished layouts, the newest request's
// only, and keeps the last picture (marked as updating) meanwhile.
#include "map/map_layout.h"
#include "model/campaign_flow.h"
#include "model/campaign_graph.h"

#include <QFutureWatcher>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QListWidget;

namespace mf7 {

struct EditorState;
class Messages;
class MapView;

// What a worker hands back: the analysis and the layout of one request.
struct MapPicture {
    int generation = 0;
    std::string key; // layout_key(graph)
    CampaignGraph graph;
    CampaignFlow flow;
    std::shared_ptr<const MapLayout> layout;
};

class CampaignMapWindow : public QWidget {
    Q_OBJECT
  public:
    CampaignMapWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Draws the campaign the state holds, named as the overview's rows show it; a hidden window
    // draws when it is shown next.
    void show_campaign(const std::vector<OverviewRow>& overview_rows);
    // Writes the map as PNG or SVG, by the name's extension; false (with a message) on failure.
    bool export_to(const QString& path);

    QGraphicsScene& scene() const;
    QGraphicsView& view() const;
    const CampaignFlow& flow() const { return flow_; }
    const CampaignGraph& graph() const { return graph_; }
    // A layout is on its way: the picture shown is an older one.
    bool updating() const;

    void zoom_by(double factor);
    void fit();
    // Outlines the scenario the overview has selected (none when it has none).
    void show_selection();

    // Asks where to export ("png" or "svg"); empty for cancel. Tests replace it.
    std::function<QString(const QString& format)> ask_export_path;
    // Lays the graph out, on the worker thread. Tests replace it to count or hold layouts.
    std::function<MapLayout(const CampaignGraph&, const CampaignFlow&)> lay_out = layout_map;

  signals:
    void scenarioSelected(int scenario);
    void scenarioEditRequested(int scenario);
    // A finished layout is on screen.
    void laidOut();

  protected:
    void showEvent(QShowEvent* event) override;
    // A map fitted to the window stays fitted while the window is resized, until zoomed.
    void resizeEvent(QResizeEvent* event) override;

  private:
    void redraw();
    void start_layout();
    void layout_finished();
    void show_picture(const MapPicture& picture);
    // The first picture: the whole map when its labels stay readable so, else the width (or a
    // readable scale) at the top, or around the selected scenario.
    void first_view();
    QGraphicsItem* scenario_item(int scenario) const;
    void remember(const std::string& key, std::shared_ptr<const MapLayout> layout);
    void export_as(const QString& format);

    EditorState& state_;
    Messages& messages_;
    std::vector<OverviewRow> rows_;
    bool stale_ = false;
    bool fitted_ = true;
    bool shown_once_ = false;
    // Counts requests: a finished layout shows only when no newer request was made.
    int generation_ = 0;
    bool running_ = false;
    QFutureWatcher<MapPicture>* watcher_ = nullptr;
    // The last few layouts by layout_key, newest last: undo and label-only changes reuse them.
    std::vector<std::pair<std::string, std::shared_ptr<const MapLayout>>> cache_;
    QGraphicsItem* highlight_ = nullptr;
    QLabel* updating_ = nullptr;
    CampaignGraph graph_;
    CampaignFlow flow_;
    QGraphicsScene* scene_ = nullptr;
    MapView* view_ = nullptr;
    QListWidget* findings_ = nullptr;
};

} // namespace mf7
