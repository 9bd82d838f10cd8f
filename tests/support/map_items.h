#pragma once
// Finding the campaign map's items and waiting for its layout, for the map's tests.
#include "support/editor_fixture.h"
#include "ui/map/campaign_map_window.h"
#include "ui/map/map_scene.h"

#include <QAbstractGraphicsShapeItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>

namespace mf7::test {

// Items of the map by their kind ("scenario", "edge" ...) and number.
inline QList<QGraphicsItem*> items_of(const CampaignMapWindow& w, const char* kind,
                                      int number = -1) {
    QList<QGraphicsItem*> out;
    for (QGraphicsItem* i : w.scene().items())
        if (i->data(kMapItemKind).toString() == kind &&
            (number < 0 || i->data(kMapItemNumber).toInt() == number))
            out << i;
    return out;
}

inline QAbstractGraphicsShapeItem* shape(const CampaignMapWindow& w, const char* kind, int number) {
    auto items = items_of(w, kind, number);
    return items.size() == 1 ? dynamic_cast<QAbstractGraphicsShapeItem*>(items[0]) : nullptr;
}

// The lines of text in a scenario's box.
inline QStringList node_lines(const CampaignMapWindow& w, int scenario) {
    QStringList lines;
    for (QGraphicsItem* child : items_of(w, "scenario", scenario).value(0)->childItems())
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(child))
            lines << text->text();
    return lines;
}

inline QPoint node_point(const CampaignMapWindow& w, int scenario) {
    QGraphicsItem* node = items_of(w, "scenario", scenario).value(0);
    return w.view().mapFromScene(node->sceneBoundingRect().center());
}

// Waits until the map's newest layout is on screen.
inline bool settle(CampaignMapWindow& map) {
    return QTest::qWaitFor([&] { return !map.updating(); }, 30000);
}

inline CampaignMapWindow& open_map(Editor& e) {
    e.trigger("mnu_map");
    CampaignMapWindow& map = e.windows.campaign_map();
    if (!QTest::qWaitForWindowExposed(&map) || !settle(map))
        qWarning("the map did not open");
    return map;
}

} // namespace mf7::test
