#include <gtest/gtest.h>

#include "common/Ini.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

struct ReadCase {
  const char* text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

class IniRead : public testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, ValueFollowsTheProfileRules) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(Ini::fromText(c.text).value(c.section, c.key), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRead,
    testing::Values(
        ReadCase{"[PATH]\r\nUO_PATH=/games/uo/\r\n", "PATH", "UO_PATH", "/games/uo/"},
        ReadCase{"[PATH]\nUO_PATH=/games/uo/\n", "PATH", "UO_PATH", "/games/uo/"},  // LF alone
        ReadCase{"[path]\nuo_path=x", "PATH", "UO_PATH", "x"},                      // names ignore case
        ReadCase{"[ PATH ]\n  UO_PATH  =   x y  \n", "PATH", "UO_PATH", "x y"},     // blanks trimmed
        ReadCase{"[A]\nk=\"  quoted  \"\n", "A", "k", "  quoted  "},                 // one pair of quotes removed
        ReadCase{"[A]\nk='x'\n", "A", "k", "x"},
        ReadCase{"[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},                           // only one pair
        ReadCase{"[A]\nk=\"x'\n", "A", "k", "\"x'"},                                 // quotes must match
        ReadCase{"[A]\nk=\"\n", "A", "k", "\""},
        ReadCase{"[A]\nk=a=b;c\n", "A", "k", "a=b;c"},                               // only the first = splits
        ReadCase{"[A]\nk=\n", "A", "k", ""},
        ReadCase{"[A]\n;k=1\nk=2\n", "A", "k", "2"},                                 // comment line
        ReadCase{"[A]\n  ;k=1\n", "A", "k", std::nullopt},
        ReadCase{"[A]\nk=1\nK=2\n", "A", "k", "1"},                                  // first key wins
        ReadCase{"[A]\nk=1\n[a]\nk=2\nj=3\n", "A", "k", "1"},                        // first section wins
        ReadCase{"[A]\nk=1\n[a]\nj=3\n", "A", "j", std::nullopt},                    // ... even without the key
        ReadCase{"k=1\n[A]\n", "A", "k", std::nullopt},                              // keys before any section
        ReadCase{"[A]\nk=1\n[B]\n", "B", "k", std::nullopt},
        ReadCase{"[A]\nkey only\n=v\n", "A", "key only", std::nullopt},
        ReadCase{"\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "1"},                           // byte-order mark
        ReadCase{"[A]\r\nk=1\r", "A", "k", "1"},
        ReadCase{"[A", "A", "k", std::nullopt},
        ReadCase{"", "A", "k", std::nullopt}));

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

class IniInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, ParsesLikeTheProfileObject) {
  EXPECT_EQ(parseIniInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniInteger,
    testing::Values(IntegerCase{"5", 5}, IntegerCase{"-12", -12}, IntegerCase{"+7", 7}, IntegerCase{"0x10", 16},
                    IntegerCase{"0X1f", 31}, IntegerCase{"$FF", 255}, IntegerCase{"-$10", -16},
                    IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"0x80000000", INT32_MIN},
                    IntegerCase{"2147483647", INT32_MAX}, IntegerCase{"-2147483648", INT32_MIN},
                    IntegerCase{"2147483648", std::nullopt}, IntegerCase{"0x100000000", std::nullopt},
                    IntegerCase{"abc", std::nullopt}, IntegerCase{"", std::nullopt}, IntegerCase{"-", std::nullopt},
                    IntegerCase{"0x", std::nullopt}, IntegerCase{"$", std::nullopt}, IntegerCase{"12a", std::nullopt},
                    IntegerCase{"1 2", std::nullopt}, IntegerCase{"0x1G", std::nullopt},
                    IntegerCase{"007", 7}, IntegerCase{"--1", std::nullopt}, IntegerCase{"1.5", std::nullopt}));

TEST(Ini, ReadIntegerAndBool_FallBackOnMissingOrBadValues) {
  const Ini ini = Ini::fromText("[PATH]\nOFFSET=letters\nTEN=0x0A\n[ETC]\nOn=1\nOff=0\nOdd=2\nBad=yes\n");
  EXPECT_EQ(ini.readInteger("PATH", "OFFSET", 0), 0);
  EXPECT_EQ(ini.readInteger("PATH", "TEN", 0), 10);
  EXPECT_EQ(ini.readInteger("PATH", "NONE", -3), -3);
  EXPECT_TRUE(ini.readBool("ETC", "On", false));
  EXPECT_FALSE(ini.readBool("ETC", "Off", true));
  EXPECT_TRUE(ini.readBool("ETC", "Odd", false));
  EXPECT_TRUE(ini.readBool("ETC", "Bad", true));
  EXPECT_FALSE(ini.readBool("ETC", "Bad", false));
  EXPECT_EQ(ini.readString("ETC", "None", "dflt"), "dflt");
}

TEST(Ini, Write_UpdatesInPlaceAppendsKeysAndSectionsAndKeepsOtherLines) {
  Ini ini = Ini::fromText(
      "; my settings\n"
      "[Main]\n"
      "Width = 270\n"
      "; keep me\n"
      "Height=240\n"
      "\n"
      "[Other]\n"
      "x=1\n");
  ini.writeInteger("MAIN", "width", 300);
  ini.writeString("Main", "Title", "a=b;c");
  ini.writeBool("Fresh", "On", true);
  EXPECT_EQ(ini.text(),
            "; my settings\r\n"
            "[Main]\r\n"
            "width=300\r\n"
            "; keep me\r\n"
            "Height=240\r\n"
            "Title=a=b;c\r\n"
            "\r\n"
            "[Other]\r\n"
            "x=1\r\n"
            "\r\n"
            "[Fresh]\r\n"
            "On=1\r\n");
  EXPECT_EQ(ini.readString("main", "TITLE", ""), "a=b;c");
}

TEST(Ini, Write_IntoAnEmptyFileGivesTheSectionThenItsKeys) {
  Ini ini;
  ini.writeString("PATH", "UO_PATH", "/games/uo/");
  ini.writeString("PATH", "OFFSET", "0");
  EXPECT_EQ(ini.text(), "[PATH]\r\nUO_PATH=/games/uo/\r\nOFFSET=0\r\n");
}

TEST(Ini, Write_LineBreaksInAValueCannotSplitTheLine) {
  Ini ini;
  ini.writeString("S", "k", "one\r\ntwo");
  const Ini reread = Ini::fromText(ini.text());
  EXPECT_EQ(reread.keys("S"), std::vector<std::string>{"k"});
  EXPECT_EQ(reread.readString("S", "k", ""), "one  two");
}

TEST(Ini, DeleteKeyAndEraseSection_RemoveOnlyWhatTheyName) {
  Ini ini = Ini::fromText("[A]\nk=1\nj=2\n[B]\nk=3\n[C]\nz=4\n");
  ini.deleteKey("a", "K");
  ini.eraseSection("b");
  ini.eraseSection("missing");
  EXPECT_EQ(ini.text(), "[A]\r\nj=2\r\n[C]\r\nz=4\r\n");
  EXPECT_FALSE(ini.hasSection("B"));
}

TEST(Ini, SaveAndLoad_RoundTripAndAMissingFileReadsEmpty) {
  test::TempFolder dir;
  Ini ini;
  ASSERT_TRUE(ini.load(dir / "absent.ini"));
  EXPECT_EQ(ini.text(), "");

  test::writeFile(dir / "miro2.cfg", "[PATH]\nUO_PATH=/old/\nOFFSET=3\n");
  ASSERT_TRUE(ini.load(dir / "miro2.cfg"));
  ini.writeString("PATH", "UO_PATH", "/new/");
  ASSERT_TRUE(ini.save(dir / "miro2.cfg"));
  EXPECT_EQ(test::readFile(dir / "miro2.cfg"), "[PATH]\r\nUO_PATH=/new/\r\nOFFSET=3\r\n");

  EXPECT_FALSE(ini.load(dir.path()));  // a folder is no INI file
}

}  // namespace
}  // namespace miro
