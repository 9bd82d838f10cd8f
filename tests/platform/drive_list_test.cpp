#include "platform/drive_list.h"

#include <gtest/gtest.h>

using namespace mf7;

TEST(DriveList, RemovableMountsComeFromMediaAndMnt) {
    std::string mounts = "/dev/vda / ext4 rw,relatime 0 0\n"
                         "/dev/sdb1 /media/anna/USB\\040STICK vfat rw 0 0\n"
                         "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
                         "tmpfs /mnt tmpfs rw 0 0\n"
                         "/dev/sdd1 /srv/media/x ext4 rw 0 0\n"
                         "broken-line\n";
    EXPECT_EQ(removable_mounts(mounts),
              (std::vector<std::string>{"/media/anna/USB STICK", "/mnt/backup"}));
}

TEST(DriveList, DriveOfAFolderIsTheLongestDriveHoldingIt) {
    std::vector<std::string> drives = {"/", "/home/anna", "/media/anna/USB"};
    struct Case {
        const char* folder;
        const char* drive;
    } cases[] = {{"/home/anna/games", "/home/anna"},
                 {"/home/anna", "/home/anna"},
                 {"/home/annabel", "/"},
                 {"/media/anna/USB/x", "/media/anna/USB"}};
    for (const Case& c : cases)
        EXPECT_EQ(drive_of(c.folder, drives), c.drive) << c.folder;
    EXPECT_EQ(drive_of("d:\\Games\\MF", {"C:", "D:"}), "D:");
    EXPECT_EQ(drive_of("E:\\x", {"C:", "D:"}), "C:"); // a drive unknown: the first
    EXPECT_EQ(drive_root("C:"), "C:\\");
}
