#include <gtest/gtest.h>

#include "common/FileIo.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::TempFolder;

TEST(FileIo, WriteAtomically_ReplacesTheFileAndLeavesNoTemporary) {
  TempFolder dir;
  test::writeFile(dir / "MIRO2.ini", "old");
  ASSERT_TRUE(writeFileAtomically(dir / "MIRO2.ini", "new contents"));
  EXPECT_EQ(test::readFile(dir / "MIRO2.ini"), "new contents");
  EXPECT_EQ(test::listFolder(dir.path()), "MIRO2.ini");
}

TEST(FileIo, WriteAtomically_FailedWriteKeepsTheOldFileAndNamesIt) {
  TempFolder dir;
  const std::string old(100, 'o');
  test::writeFile(dir / "outfit.uc2", old);
  Status status = Status::success();
  {
    test::FileSizeLimit full(200);  // the disk fills up half way through the write
    status = writeFileAtomically(dir / "outfit.uc2", std::string(1000, 'n'));
  }
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("outfit.uc2"), std::string::npos) << status.message();
  EXPECT_EQ(test::readFile(dir / "outfit.uc2"), old);
  EXPECT_EQ(test::listFolder(dir.path()), "outfit.uc2");
}

TEST(FileIo, WriteAtomically_IntoAMissingFolderFails) {
  TempFolder dir;
  const Status status = writeFileAtomically(dir / "no-such-folder" / "a.bmp", "x");
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("a.bmp"), std::string::npos);
}

TEST(FileIo, WriteAtomically_FollowsASymbolicLink) {
  TempFolder dir;
  test::writeFile(dir / "real.ini", "old");
  std::filesystem::create_symlink("real.ini", dir / "link.ini");
  ASSERT_TRUE(writeFileAtomically(dir / "link.ini", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_EQ(test::readFile(dir / "real.ini"), "new");
}

TEST(FileIo, WriteAtomically_KeepsThePermissionsOfTheOldFile) {
  TempFolder dir;
  test::writeFile(dir / "MIRO2.CFG", "old");
  std::filesystem::permissions(dir / "MIRO2.CFG", std::filesystem::perms(0640));
  ASSERT_TRUE(writeFileAtomically(dir / "MIRO2.CFG", "new"));
  EXPECT_EQ(std::filesystem::status(dir / "MIRO2.CFG").permissions(), std::filesystem::perms(0640));
}

TEST(FileIo, ReadWholeFile_RefusesFoldersMissingFilesAndOversizedFiles) {
  TempFolder dir;
  test::writeFile(dir / "big", std::string(10, 'x'));
  std::string bytes;
  EXPECT_TRUE(readWholeFile(dir / "big", bytes, 10));
  EXPECT_EQ(bytes, std::string(10, 'x'));
  EXPECT_FALSE(readWholeFile(dir / "big", bytes, 9));
  EXPECT_FALSE(readWholeFile(dir.path(), bytes));
  const Status missing = readWholeFile(dir / "absent", bytes);
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.message().find("absent"), std::string::npos);
}

}  // namespace
}  // namespace miro
