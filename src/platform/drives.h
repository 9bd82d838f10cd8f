#pragma once
// Drives as the folder picker offers them. The game's platform has drive letters; elsewhere the
// root folder, the home folder and the volumes mounted under /media and /mnt stand in for them.
#include <string>
#include <vector>

namespace mf7 {

// The drives to offer, the platform's main drive first.
std::vector<std::string> drive_list();
// The drive a path lies on, out of `drives`: its drive letter and colon ("C:"), elsewhere the
// longest listed drive that holds the path ("/" for any absolute path); on Windows a network
// path's "\\server\share". Empty for a path on no drive (relative or empty).
std::string drive_of(const std::string& path, const std::vector<std::string>& drives);
// Whether the drive of path exists and answers.
bool path_drive_exists(const std::string& path);
// The platform's main drive: "C:" on the game's platform, "/" elsewhere.
std::string main_drive();
// The top folder of a drive: "C:" becomes "C:\", a folder stays as it is.
std::string drive_root(const std::string& drive);
// The message for a drive that does not answer.
std::string drive_not_responding(const std::string& drive);
// The folder itself when it exists, else its nearest existing parent, else the drive's root.
std::string nearest_existing_folder(const std::string& folder);

} // namespace mf7
