#include <gtest/gtest.h>

#include "PictureFixtures.h"
#include "files/BmpFile.h"
#include "files/PictureFile.h"
#include "files/PngFile.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::TempFolder;

TEST(PictureFile, Read_TellsTheKindByContentNotName) {
  TempFolder dir;
  const Bitmap32 original = test::noisePicture(3, 2);
  test::writeFile(dir / "really-png.bmp", encodePng24(original));
  test::writeFile(dir / "really-bmp.png", encodeBmp24(original));
  for (const char* name : {"really-png.bmp", "really-bmp.png"}) {
    SCOPED_TRACE(name);
    Bitmap32 read;
    const Status status = readPicture(dir / name, read);
    ASSERT_TRUE(status) << status.message();
    EXPECT_EQ(read, original);
  }
}

TEST(PictureFile, Read_OtherContent_FailsNamingTheFile) {
  const std::string contents[] = {"", "B", "GIF89a", "\x89PN", "[Paperdoll]\nname=cape\n"};
  for (const std::string& content : contents) {
    SCOPED_TRACE(content);
    TempFolder dir;
    test::writeFile(dir / "cape.bmp", content);
    Bitmap32 picture(1, 1, 0x123456);
    const Status status = readPicture(dir / "cape.bmp", picture);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.message(), "Not a BMP or PNG picture: " + (dir / "cape.bmp").string());
    EXPECT_EQ(picture, Bitmap32(1, 1, 0x123456));
  }
}

TEST(PictureFile, Read_DamagedPicture_FailsNamingTheFileAndItsKind) {
  TempFolder dir;
  const std::string bmp = encodeBmp24(test::noisePicture(3, 2));
  const std::string png = encodePng24(test::noisePicture(3, 2));
  test::writeFile(dir / "cut-bmp", bmp.substr(0, bmp.size() - 10));
  test::writeFile(dir / "cut-png", png.substr(0, png.size() - 10));
  for (const auto& [name, kind] : {std::pair{"cut-bmp", "BMP"}, std::pair{"cut-png", "PNG"}}) {
    SCOPED_TRACE(name);
    Bitmap32 picture;
    const Status status = readPicture(dir / name, picture);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find((dir / name).string()), std::string::npos) << status.message();
    EXPECT_NE(status.message().find(kind), std::string::npos) << status.message();
  }
}

TEST(PictureFile, Read_MissingFile_FailsNamingIt) {
  TempFolder dir;
  Bitmap32 picture;
  const Status status = readPicture(dir / "gone.png", picture);
  ASSERT_FALSE(status);
  EXPECT_NE(status.message().find("gone.png"), std::string::npos) << status.message();
}

}  // namespace
}  // namespace miro
