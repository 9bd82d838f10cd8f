#include "platform/drive_list.h"

#include <gtest/gtest.h>

using namespace mf7;

TEST(DriveList, RemovableMountsComeFromMediaAndMnt) {
    std::string mounts = "/dev/vda / ext4 rw,relatime 0 0\n"
                         "proc /proc proc rw 0 0\n"
                         "/dev/sdb1 /media/anna/USB\\040STICK vfat rw 0 0\n"
                         "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
                         "tmpfs /mnt tmpfs rw 0 0\n"
                         "/dev/sdd1 /srv/media/x ext4 rw 0 0\n"
                         "broken-line\n";
    EXPECT_EQ(removable_mounts(mounts),
              (std::vector<std::string>{"/media/anna/USB STICK", "/mnt/backup"}));
}

TEST(DriveList, DriveOfAFolderIsTheLongestDriveHoldingIt) {
    std::vector<std::string> linux_drives = {"/", "/home/anna", "/media/anna/USB"};
    std::vector<std::string> windows_drives = {"C:", "D:"};
    struct Case {
        const std::vector<std::string>* drives;
        const char* folder;
        const char* drive;
    } cases[] = {
        {&linux_drives, "/home/anna/games", "/home/anna"},
        {&linux_drives, "/home/anna", "/home/anna"},
        {&linux_drives, "/home/annabel", "/"},
        {&linux_drives, "/media/anna/USB/x", "/media/anna/USB"},
        {&linux_drives, "/", "/"},
        {&windows_drives, "d:\\Games\\MF", "D:"},
        {&windows_drives, "E:\\x", "C:"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(drive_of(c.folder, *c.drives), c.drive) << c.folder;
    EXPECT_EQ(drive_root("C:"), "C:\\");
    EXPECT_EQ(drive_root("/home/anna"), "/home/anna");
}
