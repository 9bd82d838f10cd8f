#include "platform/drives.h"

#include "platform/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(Drives, DriveOfAPath) {
    std::vector<NativePath> drives = paths({"/", "/home/ann", "/media/ann/USB", "/mnt/data"});
    const std::pair<const char*, const char*> cases[] = {
        {"/home/anna", "/"}, // a longer name is not inside /home/ann
        {"/media/ann/USB", "/media/ann/USB"},
        {"/mnt/data/MF/CAMPAIGN", "/mnt/data"},
        {"c:\\games\\mf", "C:"},
        {"games/mf", ""}};
    for (const auto& [path, drive] : cases)
        EXPECT_EQ(drive_of(NativePath(path), drives), NativePath(drive)) << path;
}

TEST(Drives, ARelativeFolderOpensAtTheMainDriveAndTheMessage) {
    // A relative folder opens at the main drive (its parents end in an empty name, not a root).
    EXPECT_EQ(nearest_existing_folder("no/such/relative"_path), drive_root(main_drive()));
    EXPECT_EQ(drive_not_responding("E:"_path),
              "You are trying to access a Drive that isn't responding.\n\rDrive in error: >E:<\n\r"
              "Check that the Drive is working properly, and has a Diskette or CD-ROM inserted. "
              "Then try again.");
}
