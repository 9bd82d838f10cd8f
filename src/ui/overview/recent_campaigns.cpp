#include "ui/overview/recent_campaigns.h"

#include "platform/paths.h"
#include "ui/common/qt_text.h"

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

// The name on disk, found ignoring letter case as the saves find it.
QString on_disk(const QString& path) {
    return pathToQ(resolve_path(pathFromQ(path)));
}

void add(const QString& path) {
    // One entry per file, whatever letter case it was opened or saved under.
    QString added = on_disk(path);
    QStringList paths;
    for (const QString& p : list())
        if (p != added && on_disk(p) != added)
            paths << p;
    paths.prepend(added);
    save(paths.mid(0, kLimit));
}

void remove(const QString& path) {
    QStringList paths = list();
    paths.removeAll(path);
    save(paths);
}

} // namespace mf7::recent_campaigns
