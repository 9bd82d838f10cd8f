#include "ui/map/map_scene.h"

#include <QBuffer>
#include <QCursor>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QSvgGenerator>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace mf7 {

namespace {

constexpr double kFontSize = 10, kLabelSize = 8;

QFont map_font(double pixels) {
    QFont f("DejaVu Sans");
    f.setPixelSize(static_cast<int>(pixels));
    return f;
}

void tag(QGraphicsItem* item, const char* kind, int number) {
    item->setData(kMapItemKind, QString::fromLatin1(kind));
    item->setData(kMapItemNumber, number);
}

// Centred lines of text as a child of parent (or alone when parent is null).
QGraphicsSimpleTextItem* add_text(QGraphicsScene& scene, QGraphicsItem* parent, const QString& text,
                                  QPointF centre, double size, const QColor& colour) {
    auto* t = new QGraphicsSimpleTextItem(text, parent);
    if (!parent)
        scene.addItem(t);
    t->setFont(map_font(size));
    t->setBrush(colour);
    QRectF r = t->boundingRect();
    t->setPos(centre - r.center());
    return t;
}

// A file name of wide letters can be wider than its box; that line is shrunk to fit, so that the
// whole name stays readable inside the box.
void fit_to_width(QGraphicsSimpleTextItem* text, double width) {
    QRectF r = text->boundingRect();
    if (r.width() <= width)
        return;
    text->setTransformOriginPoint(r.center());
    text->setScale(width / r.width());
}

void add_node(QGraphicsScene& scene, const MapNode& n, const CampaignGraph& graph,
              const CampaignFlow& flow) {
    // A marker looks like the ending it stands for; its number is the scenario it belongs to.
    int to = n.kind == GotoKind::Win ? kGotoWin : n.kind == GotoKind::Lose ? kGotoLose : n.number;
    Look look = node_look(n.kind, to, flow);
    QRectF box(n.centre.x - n.width / 2, n.centre.y - n.height / 2, n.width, n.height);
    QPainterPath path;
    if (n.kind == GotoKind::Scenario)
        path.addRoundedRect(box, 4, 4);
    else
        path.addEllipse(box);
    auto* item =
        scene.addPath(path, QPen(QColor(look.line), look.line_width), QBrush(QColor(look.fill)));
    tag(item, goto_kind_name(n.kind), n.number);
    item->setCursor(Qt::PointingHandCursor);
    double size = n.kind == GotoKind::Scenario ? kFontSize : kLabelSize;
    QStringList lines = QString::fromStdString(node_label(n.kind, to, graph)).split('\n');
    double line_height = QFontMetricsF(map_font(size)).lineSpacing();
    QPointF centre = box.center() - QPointF(0, line_height * (lines.size() - 1) / 2);
    for (const QString& line : lines) {
        fit_to_width(add_text(scene, item, line, centre, size, QColor(look.text)), box.width() - 6);
        centre.ry() += line_height;
    }
}

// Arrow head from the curve's end to the tip.
QPolygonF arrow_head(QPointF from, QPointF tip) {
    QLineF line(tip, from);
    double angle = qDegreesToRadians(line.angle());
    QPointF side(std::sin(angle) * 3.5, std::cos(angle) * 3.5);
    return QPolygonF({tip, from + side, from - side});
}

QPainterPath curve_path(const std::vector<MapPoint>& c) {
    QPainterPath path(QPointF(c[0].x, c[0].y));
    for (std::size_t i = 1; i + 2 < c.size(); i += 3)
        path.cubicTo(c[i].x, c[i].y, c[i + 1].x, c[i + 1].y, c[i + 2].x, c[i + 2].y);
    return path;
}

// The outcomes an arrow carries, each named in its colour, then an alternative's condition:
// "BV V" or "L if 2 not played". A lone plain outcome needs no words: its colour names it.
void add_arrow_label(QGraphicsScene& scene, QGraphicsItem* arrow, const MapEdge& e,
                     const CampaignGraph& graph) {
    const GraphEdge& first = graph.edges[static_cast<std::size_t>(e.edges[0])];
    bool named = e.edges.size() > 1 || first.kind == GotoKind::Invalid;
    QList<QPair<QString, QColor>> parts;
    for (int i : e.edges) {
        const GraphEdge& ge = graph.edges[static_cast<std::size_t>(i)];
        if (named)
            parts.append({QString::fromLatin1(outcome_name(ge.outcome)),
                          QColor(outcome_colour(ge.outcome))});
    }
    if (first.if_played > 0)
        parts.append({QString::fromStdString(edge_label(first)), QColor(edge_colour(first))});
    if (parts.isEmpty() || !e.label_centre)
        return;
    QFontMetricsF metrics(map_font(kLabelSize));
    double space = metrics.horizontalAdvance(' ');
    double width = -space;
    for (const auto& part : parts)
        width += metrics.horizontalAdvance(part.first) + space;
    double x = e.label_centre->x - width / 2;
    // A pale ground keeps the words readable over the arrow's own bands and other arrows.
    double height = metrics.height();
    auto* ground =
        new QGraphicsRectItem(x - 1, e.label_centre->y - height / 2, width + 2, height, arrow);
    ground->setPen(Qt::NoPen);
    ground->setBrush(QColor(255, 255, 255, 220));
    for (const auto& part : parts) {
        double w = metrics.horizontalAdvance(part.first);
        add_text(scene, arrow, part.first, QPointF(x + w / 2, e.label_centre->y), kLabelSize,
                 part.second);
        x += w + space;
    }
}

// An arrow drawn as parallel bands, one per outcome it carries in that outcome's colour (red for
// a broken goto), dashed for an alternative.
void add_edge(QGraphicsScene& scene, const MapEdge& e, const CampaignGraph& graph) {
    if (e.edges.empty() || e.curve.size() < 4)
        return;
    for (int i : e.edges)
        if (i < 0 || i >= static_cast<int>(graph.edges.size()))
            return;
    QPainterPath path = curve_path(e.curve);
    QPointF chord(e.curve.back().x - e.curve[0].x, e.curve.back().y - e.curve[0].y);
    double length = std::max(1e-9, std::hypot(chord.x(), chord.y()));
    QPointF normal(-chord.y() / length, chord.x() / length);
    constexpr double kBand = 1.6;
    QGraphicsPathItem* item = nullptr;
    QVariantList carried;
    for (std::size_t k = 0; k < e.edges.size(); ++k) {
        const GraphEdge& ge = graph.edges[static_cast<std::size_t>(e.edges[k])];
        QPen pen(QColor(edge_colour(ge)), e.edges.size() > 1 ? kBand : 1.2);
        if (ge.if_played > 0)
            pen.setStyle(Qt::DashLine);
        double offset = (static_cast<double>(k) - (e.edges.size() - 1) / 2.0) * kBand;
        QPainterPath band = path.translated(normal * offset);
        if (!item) {
            item = scene.addPath(band, pen);
        } else {
            auto* b = new QGraphicsPathItem(band, item);
            b->setPen(pen);
        }
        carried << e.edges[k];
    }
    tag(item, "edge", e.edges[0]);
    item->setData(kMapItemEdges, carried);
    const GraphEdge& first = graph.edges[static_cast<std::size_t>(e.edges[0])];
    QColor head_colour(e.edges.size() > 1 && first.kind != GotoKind::Invalid ? "#202020"
                                                                             : edge_colour(first));
    if (e.arrow_tip) {
        QPointF end(e.curve.back().x, e.curve.back().y);
        auto* head = scene.addPolygon(arrow_head(end, QPointF(e.arrow_tip->x, e.arrow_tip->y)),
                                      QPen(head_colour, 1), QBrush(head_colour));
        head->setParentItem(item);
    }
    add_arrow_label(scene, item, e, graph);
}

// The legend: a row of samples above the map's top left corner.
void add_legend(QGraphicsScene& scene) {
    struct Entry {
        const char* text;
        QColor colour;
        Qt::PenStyle style;
        const char* fill;
    };
    CampaignFlow none, unreached, looping;
    unreached.unreachable = {0};
    looping.trapped = {0};
    Look grey = node_look(GotoKind::Scenario, 0, unreached);
    Look trapped = node_look(GotoKind::Scenario, 0, looping);
    Look broken = node_look(GotoKind::Invalid, 60, none);
    const Entry entries[] = {
        {"BV", QColor(outcome_colour(BV)), Qt::SolidLine, nullptr},
        {"V", QColor(outcome_colour(V)), Qt::SolidLine, nullptr},
        {"TV", QColor(outcome_colour(TV)), Qt::SolidLine, nullptr},
        {"L", QColor(outcome_colour(L)), Qt::SolidLine, nullptr},
        {"alternative goto", Qt::black, Qt::DashLine, nullptr},
        {"unreachable", QColor(grey.line), Qt::SolidLine, grey.fill},
        {"endless loop", QColor(trapped.line), Qt::SolidLine, trapped.fill},
        {"broken goto", QColor(broken.line), Qt::SolidLine, broken.fill},
    };
    double x = 0, y = -24;
    QFontMetricsF metrics(map_font(kFontSize));
    for (const Entry& e : entries) {
        QGraphicsItem* sample;
        if (e.fill)
            sample = scene.addRect(x, y - 6, 18, 12, QPen(e.colour, 2), QBrush(QColor(e.fill)));
        else
            sample = scene.addLine(x, y, x + 18, y, QPen(e.colour, 2, e.style));
        tag(sample, "legend", 0);
        QString text = QString::fromLatin1(e.text);
        auto* t = add_text(scene, nullptr, text, QPointF(0, 0), kFontSize, Qt::black);
        t->setPos(x + 22, y - t->boundingRect().height() / 2);
        tag(t, "legend", 0);
        x += 22 + metrics.horizontalAdvance(text) + 14;
    }
}

} // namespace

void draw_map(QGraphicsScene& scene, const CampaignGraph& graph, const CampaignFlow& flow,
              const MapLayout& layout) {
    scene.clear();
    for (const MapEdge& e : layout.edges)
        add_edge(scene, e, graph);
    for (const MapNode& n : layout.nodes)
        add_node(scene, n, graph, flow);
    add_legend(scene);
    scene.setSceneRect(scene.itemsBoundingRect().adjusted(-10, -10, 10, 10));
}

QGraphicsItem* map_node_of(QGraphicsItem* item) {
    for (; item; item = item->parentItem()) {
        QString kind = item->data(kMapItemKind).toString();
        if (!kind.isEmpty())
            return kind == "edge" || kind == "legend" ? nullptr : item;
    }
    return nullptr;
}

QSize png_size(const QSizeF& scene_size) {
    double w = std::max(1.0, scene_size.width()), h = std::max(1.0, scene_size.height());
    double scale =
        std::min({2.0, kMaxPngSide / w, kMaxPngSide / h, std::sqrt(kMaxPngPixels / (w * h))});
    // The small term keeps 16384.0 computed as 16383.99... from losing a pixel.
    auto pixels = [scale](double side) {
        return std::max(1, static_cast<int>(side * scale + 1e-6));
    };
    return {pixels(w), pixels(h)};
}

QByteArray render_map(QGraphicsScene& scene, const QString& format) {
    QRectF rect = scene.sceneRect();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(rect.size().toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), rect.size()));
        svg.setTitle("Campaign map");
        QPainter painter(&svg);
        scene.render(&painter, QRectF(QPointF(0, 0), rect.size()), rect);
    } else if (format == "png") {
        QImage image(png_size(rect.size()), QImage::Format_ARGB32);
        if (image.isNull())
            return {};
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(image.rect()), rect, Qt::IgnoreAspectRatio);
        painter.end();
        image.save(&buffer, "PNG");
    }
    return bytes;
}

QByteArray render_campaign_map(const CampaignGraph& graph, const CampaignFlow& flow,
                               const QString& format) {
    QGraphicsScene scene;
    // Drawn once: an index of the items would cost more to build than it saves.
    scene.setItemIndexMethod(QGraphicsScene::NoIndex);
    draw_map(scene, graph, flow, layout_map(graph, flow));
    return render_map(scene, format);
}

} // namespace mf7
