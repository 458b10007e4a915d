#include <gtest/gtest.h>

#include <sstream>

#include "common/Limits.h"
#include "data/WineRegistry.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

constexpr const char* kKey = "Software\\Origin Worlds Online\\Ultima Online\\1.0";

std::optional<std::string> exePath(const std::string& registry, const char* key = kKey) {
  std::istringstream in(registry);
  return readWineRegistryString(in, key, "ExePath");
}

TEST(WineRegistry, ReadString_FindsTheValueOfTheKeyWithItsEscapes) {
  const std::string reg =
      "WINE REGISTRY Version 2\n"
      ";; All keys relative to \\\\Machine\n"
      "\n"
      "#arch=win32\n"
      "\n"
      "[Software\\\\Other] 1700000000\n"
      "\"ExePath\"=\"C:\\\\wrong\\\\client.exe\"\n"
      "\n"
      "[Software\\\\origin worlds online\\\\ULTIMA ONLINE\\\\1.0] 1700000000\n"
      "#time=1d9a5e0f7c3b2a0\n"
      "\"Version\"=dword:00000001\n"
      "\"exepath\"=\"C:\\\\Games\\\\Caf\\xe9 \\\"UO\\\"\\\\client.exe\"\n";
  EXPECT_EQ(exePath(reg), "C:\\Games\\Caf\xC3\xA9 \"UO\"\\client.exe");
  EXPECT_EQ(exePath(reg, "\\Software\\Origin Worlds Online\\Ultima Online\\1.0"),
            "C:\\Games\\Caf\xC3\xA9 \"UO\"\\client.exe");  // a leading backslash names the same key
}

TEST(WineRegistry, ReadString_SkipsAnOverlongLineAndReadsOn) {
  const std::string key = "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1\n";
  const std::string longLine = "\"ExePath\"=\"C:\\\\" + std::string(limits::kRegistryLineBytes, 'x') + "\"\n";
  EXPECT_EQ(exePath("WINE REGISTRY Version 2\n" + key + longLine + "\"ExePath\"=\"C:\\\\uo\"\r\n"), "C:\\uo");
  EXPECT_EQ(exePath("WINE REGISTRY Version 2\r\n" + key + longLine), std::nullopt);
}

struct MissCase {
  const char* why;
  std::string registry;
};

class WineRegistryMiss : public testing::TestWithParam<MissCase> {};

TEST_P(WineRegistryMiss, ReadString_GivesNothing) { EXPECT_EQ(exePath(GetParam().registry), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WineRegistryMiss,
    testing::Values(
        MissCase{"not a registry", "REGEDIT4\n[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0]\n"
                                   "\"ExePath\"=\"C:\\\\uo\\\\client.exe\"\n"},
        MissCase{"empty", ""},
        MissCase{"no key", "WINE REGISTRY Version 2\n[Software\\\\Wine] 1\n\"ExePath\"=\"C:\\\\x\"\n"},
        MissCase{"value in the next key", "WINE REGISTRY Version 2\n"
                                          "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1\n"
                                          "[Software\\\\Next] 1\n\"ExePath\"=\"C:\\\\x\"\n"},
        MissCase{"not a string", "WINE REGISTRY Version 2\n"
                                 "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1\n"
                                 "\"ExePath\"=hex(2):43,00,3a,00\n"},
        MissCase{"unterminated", "WINE REGISTRY Version 2\n"
                                 "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1\n"
                                 "\"ExePath\"=\"C:\\\\uo\n"},
        MissCase{"subkey", "WINE REGISTRY Version 2\n"
                           "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0\\\\Sub] 1\n"
                           "\"ExePath\"=\"C:\\\\x\"\n"}),
    [](const auto& info) {
      std::string name = info.param.why;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(WineRegistry, TranslateWindowsPath_FollowsTheDriveAndMatchesEachPartIgnoringCase) {
  test::TempFolder prefix;
  test::writeFile(prefix / "drive_c" / "Program Files" / "UO" / "Client.EXE", "MZ");
  std::filesystem::create_directories(prefix / "dosdevices");
  std::filesystem::create_symlink("../drive_c", prefix / "dosdevices" / "c:");

  const auto found = translateWindowsPath(prefix.path(), "C:\\program files\\uo\\client.exe");
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, prefix / "dosdevices" / "c:" / "Program Files" / "UO" / "Client.EXE");
  EXPECT_TRUE(translateWindowsPath(prefix.path(), "c:/Program Files/UO/./client.exe"));

  EXPECT_EQ(translateWindowsPath(prefix.path(), "C:\\Program Files\\UO\\other.exe"), std::nullopt);
  EXPECT_EQ(translateWindowsPath(prefix.path(), "D:\\UO\\client.exe"), std::nullopt);
  EXPECT_EQ(translateWindowsPath(prefix.path(), "C:\\Program Files\\UO"), std::nullopt);  // a folder
  EXPECT_EQ(translateWindowsPath(prefix.path(), "\\\\server\\uo\\client.exe"), std::nullopt);
  EXPECT_EQ(translateWindowsPath(prefix.path(), "client.exe"), std::nullopt);
}

}  // namespace
}  // namespace miro
