#pragma once
// The campaign map drawn with Qt's graphics items from its layout: the picture the map
// window shows and the batch tool exports.
#include "map/map_layout.h"

#include <QByteArray>
#include <QSize>
#include <QString>

class QGraphicsItem;
class QGraphicsScene;

namespace mf7 {

// What an item of the map is, in QGraphicsItem::data: kMapItemKind holds "scenario", "win",
// "lose", "invalid", "edge" or "legend"; kMapItemNumber the scenario (for a WIN or LOSE marker
// the scenario it stands beside), the goto of a broken end, or an arrow's first edge index;
// kMapItemEdges the indices of every edge an arrow carries.
constexpr int kMapItemKind = 0;
constexpr int kMapItemNumber = 1;
constexpr int kMapItemEdges = 2;

// Fills the scene (emptied first) with the laid-out graph and a legend above it.
void draw_map(QGraphicsScene& scene, const CampaignGraph& graph, const CampaignFlow& flow,
              const MapLayout& layout);

// The node an item belongs to (the item itself or its parent), or nothing.
QGraphicsItem* map_node_of(QGraphicsItem* item);

// A PNG is drawn at twice the scene's size, so that the small labels stay readable, but never
// wider or taller than kMaxPngSide pixels nor larger than kMaxPngPixels in all: a crafted
// campaign's map (tall labels, hundreds of broken-goto nodes) would otherwise need gigabytes.
constexpr int kMaxPngSide = 16384;
constexpr double kMaxPngPixels = 32.0 * 1024 * 1024;
// The picture's size in pixels for a scene of that size, scaled down evenly beyond the bounds.
QSize png_size(const QSizeF& scene_size);

// The scene as "png" or "svg" bytes; empty when the format is unknown or the picture cannot be
// made.
QByteArray render_map(QGraphicsScene& scene, const QString& format);

// Lays out and draws the graph in a scene of its own and renders it.
QByteArray render_campaign_map(const CampaignGraph& graph, const CampaignFlow& flow,
                               const QString& format);

} // namespace mf7
