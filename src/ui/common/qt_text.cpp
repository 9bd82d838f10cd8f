#include "ui/common/qt_text.h"

#include "platform/cp1252.h"

namespace mf7 {

QString toQ(const std::string& cp1252) {
    return QString::fromStdString(cp1252_to_utf8(cp1252));
}

std::string fromQ(const QString& text) {
    return utf8_to_cp1252(text.toStdString());
}

QString pathToQ(const NativePath& path) {
    return utf8ToQ(path.str());
}

NativePath pathFromQ(const QString& text) {
    return NativePath(text.toStdString());
}

QString utf8ToQ(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace mf7
