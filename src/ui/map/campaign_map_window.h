#pragma once
// The campaign map: every scenario and where each outcome leads, laid out by Graphviz, with the
// path analysis's findings beside it. A click selects the scenario in the overview, a
// double-click asks to edit it. Object names: CampaignMap, MapView, Findings, ZoomIn, ZoomOut,
// Fit, ExportPng, ExportSvg.
#include "model/campaign_flow.h"
#include "model/campaign_graph.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QGraphicsScene;
class QGraphicsView;
class QListWidget;

namespace mf7 {

struct EditorState;
class Messages;
class MapView;

class CampaignMapWindow : public QWidget {
    Q_OBJECT
  public:
    CampaignMapWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Draws the campaign the state holds, named as the overview's rows show it; a hidden window
    // draws when it is shown next.
    void show_campaign(const std::vector<std::string>& overview_rows);
    // Writes the map as PNG or SVG, by the name's extension; false (with a message) on failure.
    bool export_to(const QString& path);

    QGraphicsScene& scene() const;
    QGraphicsView& view() const;
    const CampaignFlow& flow() const { return flow_; }
    const CampaignGraph& graph() const { return graph_; }

    void zoom_by(double factor);
    void fit();

    // Asks where to export ("png" or "svg"); empty for cancel. Tests replace it.
    std::function<QString(const QString& format)> ask_export_path;

  signals:
    void scenarioSelected(int scenario);
    void scenarioEditRequested(int scenario);

  protected:
    void showEvent(QShowEvent* event) override;
    // A map fitted to the window stays fitted while the window is resized, until zoomed.
    void resizeEvent(QResizeEvent* event) override;

  private:
    void redraw();
    void export_as(const QString& format);

    EditorState& state_;
    Messages& messages_;
    std::vector<std::string> rows_;
    bool stale_ = false;
    bool fitted_ = true;
    CampaignGraph graph_;
    CampaignFlow flow_;
    QGraphicsScene* scene_ = nullptr;
    MapView* view_ = nullptr;
    QListWidget* findings_ = nullptr;
};

} // namespace mf7
