#pragma once
// Lets `mf7batch graph` draw SVG and PNG pictures through the windows' drawing code, while an
// object of this class lives; it owns the application object drawing needs, made on first use.
#include <memory>

class QApplication;

namespace mf7 {

class MapPictures {
  public:
    MapPictures();
    ~MapPictures();
    MapPictures(const MapPictures&) = delete;
    MapPictures& operator=(const MapPictures&) = delete;

  private:
    void make_application();
    std::unique_ptr<QApplication> app_;
};

} // namespace mf7
