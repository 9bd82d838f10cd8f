#include "ui/overview/recent_campaigns.h"

#include <QSettings>
#include <QStandardPaths>

namespace mf7::recent_campaigns {

namespace {

const char* const kKey = "recent_campaigns";

QSettings store() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QSettings(folder + QStringLiteral("/recent.ini"), QSettings::IniFormat);
}

void save(const QStringList& paths) {
    store().setValue(kKey, paths);
}

} // namespace

QStringList list() {
    return store().value(kKey).toStringList().mid(0, kLimit);
}

void add(const QString& path) {
    QStringList paths = list();
    paths.removeAll(path);
    paths.prepend(path);
    save(paths.mid(0, kLimit));
}

void remove(const QString& path) {
    QStringList paths = list();
    paths.removeAll(path);
    save(paths);
}

} // namespace mf7::recent_campaigns
