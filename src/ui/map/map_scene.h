#pragma once
// The campaign map drawn with Qt's graphics items from Graphviz's layout: the picture the map
// window shows and the batch tool exports.
#include "map/map_layout.h"

#include <QByteArray>
#include <QString>

class QGraphicsItem;
class QGraphicsScene;

namespace mf7 {

// What an item of the map is, in QGraphicsItem::data: kMapItemKind holds "scenario", "win",
// "lose", "invalid", "edge" or "legend"; kMapItemNumber the scenario, goto or edge index.
constexpr int kMapItemKind = 0;
constexpr int kMapItemNumber = 1;

// Fills the scene (emptied first) with the laid-out graph and a legend above it.
void draw_map(QGraphicsScene& scene, const CampaignGraph& graph, const CampaignFlow& flow,
              const MapLayout& layout);

// The node an item belongs to (the item itself or its parent), or nothing.
QGraphicsItem* map_node_of(QGraphicsItem* item);

// The scene as "png" or "svg" bytes; empty when the format is unknown.
QByteArray render_map(QGraphicsScene& scene, const QString& format);

// Lays out and draws the graph in a scene of its own and renders it.
QByteArray render_campaign_map(const CampaignGraph& graph, const CampaignFlow& flow,
                               const QString& format);

} // namespace mf7
