#include "ui/map/campaign_map_window.h"

#include "map/map_layout.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "reports/flow_report.h"
#include "ui/common/qt_text.h"
#include "ui/map/map_scene.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWheelEvent>

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
            pathToQ(join_path(state_.settings.mf7_rep, "campaign-map." + pathFromQ(format)));
        return QFileDialog::getSaveFileName(this, "Export the campaign map", name,
                                            format.toUpper() + " (*." + format + ")");
    };
    resize(1000, 700);
}

void CampaignMapWindow::show_campaign(const std::vector<std::string>& overview_rows) {
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
    graph_ = campaign_graph(state_.campaign, rows_, state_.settings.mf7_scn);
    // The overview shows at least one row; the analysis plays the slots the rows show.
    CampaignRecord shown = state_.campaign;
    shown.scenario_count = static_cast<int16_t>(graph_.scenarios.size());
    flow_ = analyse_flow(shown);
    draw_map(*scene_, graph_, flow_, layout_map(graph_, flow_));
    findings_->clear();
    std::string text = flow_text(flow_, static_cast<int>(graph_.scenarios.size()));
    for (const QString& line : QString::fromStdString(text).split('\n', Qt::SkipEmptyParts))
        findings_->addItem(line);
    setWindowTitle("Campaign map - " +
                   pathToQ(state_.cam_name.empty() ? "untitled" : state_.cam_name));
    fit();
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
    std::string target = pathFromQ(path);
    QByteArray bytes = render_map(*scene_, QFileInfo(path).suffix().toLower());
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
