#include "ui/map/campaign_map_window.h"

#include "map/map_layout.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "reports/flow_report.h"
#include "ui/common/qt_text.h"
#include "ui/map/map_scene.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace mf7 {

// The view: zoom with the wheel, pan by dragging, click and double-click on nodes.
class MapView : public QGraphicsView {
  public:
    MapView(QGraphicsScene* scene, CampaignMapWindow* window)
        : QGraphicsView(scene, window), window_(window) {
        setObjectName("MapView");
        setDragMode(QGraphicsView::ScrollHandDrag);
        setRenderHint(QPainter::Antialiasing);
        setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    }

  protected:
    void wheelEvent(QWheelEvent* event) override {
        window_->zoom_by(event->angleDelta().y() > 0 ? 1.25 : 0.8);
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (int n = scenario_at(event->pos()); n >= 0 && event->button() == Qt::LeftButton)
            emit window_->scenarioSelected(n);
        QGraphicsView::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (int n = scenario_at(event->pos()); n >= 0 && event->button() == Qt::LeftButton)
            emit window_->scenarioEditRequested(n);
        event->accept();
    }

  private:
    // The scenario under a point of the view, or -1.
    int scenario_at(QPoint pos) const {
        QGraphicsItem* node = map_node_of(itemAt(pos));
        if (!node || node->data(kMapItemKind).toString() != "scenario")
            return -1;
        return node->data(kMapItemNumber).toInt();
    }
    CampaignMapWindow* window_;
};

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// Graphviz is not thread-safe: one layout at a time, on a pool of one thread. The application
// owns the pool, so a layout still running when the program ends finishes before the pool goes
// (at exit, when no window waits for it); a closed map only stops watching it.
QThreadPool& layout_pool() {
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(1);
    }
    return *pool;
}

using LayoutCache = std::vector<std::pair<std::string, std::shared_ptr<const MapLayout>>>;
using LayOut = std::function<MapLayout(const CampaignGraph&, const CampaignFlow&)>;

// On the worker: everything here is a copy the window no longer touches.
MapPicture analyse_and_lay_out(int generation, const CampaignRecord& campaign,
                               const std::vector<OverviewRow>& rows, const NativePath& folder,
                               const LayOut& lay_out, const LayoutCache& cache) {
    MapPicture p;
    p.generation = generation;
    p.graph = campaign_graph(campaign, rows, folder);
    // The overview shows at least one row; the analysis plays the slots the rows show.
    CampaignRecord shown = campaign;
    shown.scenario_count = static_cast<int16_t>(p.graph.scenarios.size());
    p.flow = analyse_flow(shown);
    p.key = layout_key(p.graph);
    auto cached = std::find_if(cache.begin(), cache.end(),
                               [&](const auto& entry) { return entry.first == p.key; });
    p.layout = cached != cache.end() ? cached->second
                                     : std::make_shared<const MapLayout>(lay_out(p.graph, p.flow));
    return p;
}

// Scenario labels are 10 px at scale 1: below this scale they are too small to read.
constexpr double kReadableScale = 0.8;
constexpr std::size_t kCachedLayouts = 8;

} // namespace

CampaignMapWindow::CampaignMapWindow(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("CampaignMap");
    setWindowTitle("Campaign map");
    scene_ = new QGraphicsScene(this);
    view_ = new MapView(scene_, this);
    findings_ = new QListWidget(this);
    findings_->setObjectName("Findings");
    findings_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    QPushButton* zoom_in = button(this, "ZoomIn", "Zoom &in");
    QPushButton* zoom_out = button(this, "ZoomOut", "Zoom &out");
    QPushButton* fit_all = button(this, "Fit", "&Fit to window");
    QPushButton* png = button(this, "ExportPng", "Export &PNG...");
    QPushButton* svg = button(this, "ExportSvg", "Export &SVG...");
    for (QPushButton* b : {zoom_in, zoom_out, fit_all, png, svg})
        buttons->addWidget(b);
    buttons->addStretch();
    updating_ = new QLabel("Updating the map...", this);
    updating_->setObjectName("Updating");
    updating_->hide();
    buttons->addWidget(updating_);
    auto* split = new QSplitter(this);
    split->addWidget(view_);
    split->addWidget(findings_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setSizes({700, 300});
    auto* v = new QVBoxLayout(this);
    v->addLayout(buttons);
    v->addWidget(split);
    connect(zoom_in, &QPushButton::clicked, this, [this] { zoom_by(1.25); });
    connect(zoom_out, &QPushButton::clicked, this, [this] { zoom_by(0.8); });
    connect(fit_all, &QPushButton::clicked, this, &CampaignMapWindow::fit);
    connect(png, &QPushButton::clicked, this, [this] { export_as("png"); });
    connect(svg, &QPushButton::clicked, this, [this] { export_as("svg"); });
    for (auto keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence("Ctrl+=")})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { zoom_by(1.25); });
    connect(new QShortcut(QKeySequence(QKeySequence::ZoomOut), this), &QShortcut::activated, this,
            [this] { zoom_by(0.8); });
    ask_export_path = [this](const QString& format) {
        QString name =
            pathToQ(join_path(state_.settings.mf7_rep, pathFromQ("campaign-map." + format)));
        return QFileDialog::getSaveFileName(this, "Export the campaign map", name,
                                            format.toUpper() + " (*." + format + ")");
    };
    watcher_ = new QFutureWatcher<MapPicture>(this);
    connect(watcher_, &QFutureWatcher<MapPicture>::finished, this,
            &CampaignMapWindow::layout_finished);
    resize(1000, 700);
}

void CampaignMapWindow::show_campaign(const std::vector<OverviewRow>& overview_rows) {
    rows_ = overview_rows;
    stale_ = true;
    if (isVisible())
        redraw();
}

void CampaignMapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_)
        redraw();
}

void CampaignMapWindow::redraw() {
    stale_ = false;
    ++generation_;
    // A layout on its way is not stopped (Graphviz cannot be): when it comes back, the newest
    // request starts instead of it being shown.
    if (!running_)
        start_layout();
}

void CampaignMapWindow::start_layout() {
    running_ = true;
    updating_->show();
    watcher_->setFuture(QtConcurrent::run(&layout_pool(), analyse_and_lay_out, generation_,
                                          state_.campaign, rows_, state_.settings.mf7_scn, lay_out,
                                          cache_));
}

void CampaignMapWindow::layout_finished() {
    running_ = false;
    MapPicture picture = watcher_->result();
    remember(picture.key, picture.layout);
    if (picture.generation != generation_) {
        start_layout();
        return;
    }
    updating_->hide();
    show_picture(picture);
}

void CampaignMapWindow::remember(const std::string& key, std::shared_ptr<const MapLayout> layout) {
    auto old = std::find_if(cache_.begin(), cache_.end(),
                            [&](const auto& entry) { return entry.first == key; });
    if (old != cache_.end())
        cache_.erase(old);
    else if (cache_.size() == kCachedLayouts)
        cache_.erase(cache_.begin());
    cache_.emplace_back(key, std::move(layout));
}

void CampaignMapWindow::show_picture(const MapPicture& picture) {
    graph_ = picture.graph;
    flow_ = picture.flow;
    highlight_ = nullptr; // the scene's items go with the old picture
    draw_map(*scene_, graph_, flow_, *picture.layout);
    findings_->clear();
    std::string text = flow_text(flow_, static_cast<int>(graph_.scenarios.size()));
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts))
        findings_->addItem(line);
    setWindowTitle("Campaign map - " +
                   (state_.cam_name.empty() ? QString("untitled") : pathToQ(state_.cam_name)));
    show_selection();
    if (!shown_once_)
        first_view();
    else if (fitted_)
        fit();
    shown_once_ = true;
    emit laidOut();
}

bool CampaignMapWindow::updating() const {
    return running_;
}

void CampaignMapWindow::show_selection() {
    delete highlight_;
    highlight_ = nullptr;
    QGraphicsItem* node = scenario_item(state_.selected_scn);
    if (!node)
        return;
    QRectF box = node->sceneBoundingRect().adjusted(-4, -4, 4, 4);
    highlight_ = scene_->addRect(box, QPen(QColor("#1565c0"), 3), QBrush(QColor("#bbdefb")));
    highlight_->setZValue(node->zValue() - 1);
    highlight_->setData(kMapItemKind, QString("selection"));
    highlight_->setData(kMapItemNumber, state_.selected_scn);
}

void CampaignMapWindow::first_view() {
    QRectF all = scene_->sceneRect();
    QSize port = view_->viewport()->size();
    if (all.isEmpty() || port.isEmpty())
        return fit();
    double whole = std::min(port.width() / all.width(), port.height() / all.height());
    if (whole >= kReadableScale)
        return fit();
    fitted_ = false;
    double scale = std::clamp(port.width() / all.width(), kReadableScale, 1.0);
    view_->setTransform(QTransform::fromScale(scale, scale));
    if (highlight_)
        return view_->centerOn(highlight_);
    // The top of the map, above the first scenario (where the campaign starts).
    QGraphicsItem* first = scenario_item(0);
    double x = first ? first->sceneBoundingRect().center().x() : all.center().x();
    view_->centerOn(x, all.top() + port.height() / scale / 2);
}

QGraphicsItem* CampaignMapWindow::scenario_item(int scenario) const {
    for (QGraphicsItem* item : scene_->items())
        if (item->data(kMapItemKind).toString() == "scenario" &&
            item->data(kMapItemNumber).toInt() == scenario)
            return item;
    return nullptr;
}

QGraphicsScene& CampaignMapWindow::scene() const {
    return *scene_;
}

QGraphicsView& CampaignMapWindow::view() const {
    return *view_;
}

void CampaignMapWindow::zoom_by(double factor) {
    fitted_ = false;
    view_->scale(factor, factor);
}

void CampaignMapWindow::fit() {
    fitted_ = true;
    view_->fitInView(scene_->sceneRect(), Qt::KeepAspectRatio);
}

void CampaignMapWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_)
        fit();
}

bool CampaignMapWindow::export_to(const QString& path) {
    NativePath target = pathFromQ(path);
    // The overview's selection is this window's, not the campaign's: the picture goes without it.
    if (highlight_)
        highlight_->hide();
    QByteArray bytes = render_map(*scene_, QFileInfo(path).suffix().toLower());
    if (highlight_)
        highlight_->show();
    if (bytes.isEmpty()) {
        messages_.show("A campaign map is exported as .png or .svg: " + path_in_message(target));
        return false;
    }
    FileError error;
    if (!write_file_atomic(target, bytes.toStdString(), error)) {
        report_file_error(messages_, path_in_message(target),
                          "write the campaign map: ", error.text);
        return false;
    }
    return true;
}

void CampaignMapWindow::export_as(const QString& format) {
    const QString chosen = ask_export_path ? ask_export_path(format) : QString();
    if (chosen.isEmpty())
        return;
    QString path = chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += "." + format;
    // The chooser asked before replacing the name exactly as given; an added extension, or a
    // file found under another letter case, is a file it never saw.
    bool chooser_asked = path == chosen && QFileInfo::exists(chosen);
    if (!chooser_asked && file_exists(pathFromQ(path)) &&
        messages_.show(path_in_message(pathFromQ(path)) +
                           " already exists.\nDo you want to replace it?",
                       Buttons::YesNo) != Answer::Yes)
        return;
    export_to(path);
}

} // namespace mf7
