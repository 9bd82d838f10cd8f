#include "app/batch_pictures.h"

#include "app/batch.h"
#include "ui/map/map_scene.h"

#include <QApplication>

namespace mf7 {

MapPictures::MapPictures() {
    set_map_renderer([this](const CampaignGraph& graph, const CampaignFlow& flow,
                            const std::string& format,
                            std::string& error) -> std::optional<std::string> {
        make_application();
        QByteArray bytes = render_campaign_map(graph, flow, QString::fromStdString(format));
        if (bytes.isEmpty()) {
            error = "the campaign map could not be drawn";
            return std::nullopt;
        }
        return bytes.toStdString();
    });
}

MapPictures::~MapPictures() {
    set_map_renderer({});
}

void MapPictures::make_application() {
    if (QCoreApplication::instance())
        return;
    // With no display the picture is drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "mf7batch";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
}

} // namespace mf7
