#include "ui/common/qt_text.h"

#include "platform/cp1252.h"

namespace mf7 {

QString toQ(const std::string& cp1252) {
    return QString::fromStdString(cp1252_to_utf8(cp1252));
}

std::string fromQ(const QString& text) {
    return utf8_to_cp1252(text.toStdString());
}

QString pathToQ(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string pathFromQ(const QString& text) {
    return text.toStdString();
}

} // namespace mf7
