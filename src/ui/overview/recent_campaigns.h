#pragma once
// The campaigns opened or saved lately, newest first. They are the user's own, so they live in
// the per-user config folder and not in the editor's settings file beside the program.
#include <QStringList>

namespace mf7::recent_campaigns {

constexpr int kLimit = 8;

QStringList list();
// Puts `path` first, under the name it has on disk, and drops other entries for the same file;
// older entries beyond the limit fall off.
void add(const QString& path);
void remove(const QString& path);

} // namespace mf7::recent_campaigns
