#pragma once
// Drives as the folder picker offers them. The game's platform has drive letters; elsewhere the
// root folder, the home folder and the volumes mounted under /media and /mnt stand in for them.
#include "platform/native_path.h"

#include <string>
#include <vector>

namespace mf7 {

// The drives to offer, the platform's main drive first.
std::vector<NativePath> drive_list();
// The drive a path lies on, out of `drives`: its drive letter and colon ("C:"), elsewhere the
// longest listed drive that holds the path ("/" for any absolute path); on Windows a network
// path's "\\server\share". Empty for a path on no drive (relative or empty).
NativePath drive_of(const NativePath& path, const std::vector<NativePath>& drives);
// Whether the drive of path exists and answers.
bool path_drive_exists(const NativePath& path);
// The platform's main drive: "C:" on the game's platform, "/" elsewhere.
NativePath main_drive();
// The top folder of a drive: "C:" becomes "C:\", a folder stays as it is.
NativePath drive_root(const NativePath& drive);
// The message for a drive that does not answer (game text, the drive as path_in_message).
std::string drive_not_responding(const NativePath& drive);
// The folder itself when it exists, else its nearest existing parent, else the drive's root.
NativePath nearest_existing_folder(const NativePath& folder);

} // namespace mf7
