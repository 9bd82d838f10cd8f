#pragma once
// The drives a drive list offers. The game's platform has drive letters; elsewhere the root
// folder, the home folder and the volumes mounted under /media and /mnt stand in for them.
#include <string>
#include <vector>

namespace mf7 {

// "C:", "D:" ... on Windows; "/", the home folder and the removable mounts elsewhere.
std::vector<std::string> list_drives();
// The mount points under /media and /mnt named in the text of /proc/mounts, in its order.
std::vector<std::string> removable_mounts(const std::string& proc_mounts);
// The drive among drives that holds folder: the longest one it starts with; the first drive
// when none does.
std::string drive_of(const std::string& folder, const std::vector<std::string>& drives);
// The folder a drive opens at: "C:" opens at "C:\", a folder at itself.
std::string drive_root(const std::string& drive);
// The message for a drive that does not answer.
std::string drive_not_responding(const std::string& drive);

} // namespace mf7
