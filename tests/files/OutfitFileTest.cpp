#include <gtest/gtest.h>

#include <random>

#include "files/OutfitFile.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::readFile;
using test::writeFile;

// Every field of an outfit that a file keeps, with values that differ from the reset outfit.
Outfit dressedOutfit(unsigned seed) {
  std::mt19937 random(seed);
  Outfit o;
  o.body = static_cast<int>(random() % 6);
  for (int slot = 1; slot <= kPartSlots; ++slot) {
    o.parts[static_cast<std::size_t>(slot)] = static_cast<int>(random() % static_cast<unsigned>(partSlot(slot).items));
  }
  o.mount = static_cast<int>(random() % 18);
  for (int slot = 0; slot <= 26; ++slot) o.colours[static_cast<std::size_t>(slot)] = static_cast<HueId>(random() % 3200);
  o.colours[kMountColourSlot] = 16385;
  o.colours[3] = -7;
  for (int n = 0; n < 3; ++n) {
    SpeechLine& line = o.speech[static_cast<std::size_t>(n)];
    line.text = n == 0 ? "a=b; c" : n == 1 ? "Kal Vas Flam~ あいう" : "";
    line.font = static_cast<int>(random() % 10);
    line.unicodeColour = n != 1;
    line.shiftX = std::to_string(random() % 270);
    line.shiftY = "-" + std::to_string(random() % 40);
  }
  return o;
}

class OutfitFiles : public testing::Test {
 protected:
  OutfitLoad load(const std::string& name, Outfit& into) { return loadOutfit(dir / name, into, reporter); }
  test::TempFolder dir;
  test::RecordingReporter reporter;
};

TEST_F(OutfitFiles, StartOutfit_IsWrittenKeyByKeyInTheFormatsOrder) {
  const std::string text = encodeOutfit(Outfit{});
  EXPECT_TRUE(text.starts_with("[Format]\r\nRevision=1\r\nGenerator=Mirolane 2\r\n[Body]\r\nParts=0\r\nColor=0\r\n"
                               "[Back]\r\nParts=0\r\nColor=0\r\n[Hair]\r\n"))
      << text;
  EXPECT_NE(text.find("[F_Hair]\r\nParts=0\r\nColor=0\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Right2]\r\nParts=0\r\nColor=0\r\n[Mount]\r\nKind=0\r\nColor=0\r\n[String1]\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("[Blacelet]"), std::string::npos);
  EXPECT_TRUE(text.ends_with("[String3]\r\nStr=\r\nFont=3\r\nColor=0\r\nUnicode=0\r\nX=0\r\nY=0\r\n"));
  std::size_t sections = 0;
  for (std::size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1)) ++sections;
  EXPECT_EQ(sections, 1u + 23u + 1u + 3u);
}

TEST_F(OutfitFiles, SaveAndLoad_KeepEveryFieldAndTheSpeechColoursOfLinesOneAndTwo) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    Outfit saved = dressedOutfit(seed);
    saved.colours[27] = 1500;
    const OutfitSave save = saveOutfit((dir / "knight").string(), saved, reporter);
    ASSERT_TRUE(save.status) << save.status.message();
    EXPECT_EQ(save.fileName, "knight.uc2");
    EXPECT_EQ(save.pictureName, "knight");

    Outfit loaded;  // the reset outfit
    const OutfitLoad result = load("knight.uc2", loaded);
    ASSERT_TRUE(result.loaded);
    EXPECT_EQ(result.format, OutfitFormat::Uc2);
    EXPECT_EQ(loaded.body, saved.body);
    EXPECT_EQ(loaded.parts, saved.parts);
    EXPECT_EQ(loaded.mount, saved.mount);
    for (int slot = 0; slot <= 26; ++slot) EXPECT_EQ(loaded.colour(slot), saved.colour(slot)) << slot;
    EXPECT_EQ(loaded.colour(27), 0);  // line 3's colour is not in the file
    for (int n = 0; n < 3; ++n) {
      const SpeechLine& a = saved.speech[static_cast<std::size_t>(n)];
      const SpeechLine& b = loaded.speech[static_cast<std::size_t>(n)];
      EXPECT_EQ(b.text, a.text);
      EXPECT_EQ(b.font, a.font);
      EXPECT_EQ(b.unicodeColour, a.unicodeColour);
      EXPECT_EQ(b.shiftX, a.shiftX);
      EXPECT_EQ(b.shiftY, a.shiftY);
    }
    reporter.script({Answer::Yes});  // the next round overwrites
  }
  
}

TEST_F(OutfitFiles, Save_AsksBeforeOverwritingAndKeepsTheOldFileOnNo) {
  writeFile(dir / "old.uc2", "[Format]\r\nRevision=1\r\n[Extra]\r\nOld=1\r\n");
  reporter.script({Answer::No});
  OutfitSave save = saveOutfit((dir / "old").string(), Outfit{}, reporter);
  EXPECT_TRUE(save.declined);
  EXPECT_EQ(readFile(dir / "old.uc2"), "[Format]\r\nRevision=1\r\n[Extra]\r\nOld=1\r\n");
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].text, "The file already exists. Overwrite?");
  EXPECT_EQ(reporter.messages[0].caption, "Confirmation");

  reporter.script({Answer::Yes});
  save = saveOutfit((dir / "old").string(), Outfit{}, reporter);
  ASSERT_TRUE(save.status);
  EXPECT_EQ(readFile(dir / "old.uc2"), encodeOutfit(Outfit{}));  // the old keys are gone
}

TEST_F(OutfitFiles, Save_ThatFailsReportsTheFileAndLosesNothing) {
  const std::string old = encodeOutfit(dressedOutfit(9));
  writeFile(dir / "keep.uc2", old);
  reporter.script({Answer::Yes});
  OutfitSave save;
  {
    test::FileSizeLimit full(200);
    save = saveOutfit((dir / "keep").string(), Outfit{}, reporter);
  }
  ASSERT_FALSE(save.status);
  EXPECT_EQ(readFile(dir / "keep.uc2"), old);
  EXPECT_EQ(reporter.messages.back().caption, "Error");
  EXPECT_NE(reporter.messages.back().text.find("keep.uc2"), std::string::npos);
}

TEST(OutfitBase, CutsTheExtensionOfTheNameOnly) {
  EXPECT_EQ(outfitBase("/home/ann/outfit.txt"), "/home/ann/outfit");
  EXPECT_EQ(outfitBase("/home/ann/outfit"), "/home/ann/outfit");
  EXPECT_EQ(outfitBase("/home/ann.v2/outfit"), "/home/ann.v2/outfit");
  EXPECT_EQ(outfitBase("knight.uc2"), "knight");
}

TEST_F(OutfitFiles, Load_TellsTheFormatByContentNotByName) {
  writeFile(dir / "really-uc2.uoc", encodeOutfit(dressedOutfit(4)));
  Outfit a;
  EXPECT_EQ(load("really-uc2.uoc", a).format, OutfitFormat::Uc2);
  EXPECT_EQ(a.parts, dressedOutfit(4).parts);

  writeFile(dir / "really-uoc.uc2", "17,26,\"0455\"\r\n26,3,\"4001\"\r\n");
  Outfit b;
  const OutfitLoad result = load("really-uoc.uc2", b);
  EXPECT_EQ(result.format, OutfitFormat::Uoc);
  EXPECT_EQ(result.fileName, "really-uoc.uc2");
  EXPECT_EQ(result.base, "really-uoc");
  EXPECT_EQ(result.folder, dir.path());
  EXPECT_EQ(b.part(17), 26);  // "katana"
  EXPECT_EQ(b.colour(17), 1109);
  EXPECT_EQ(b.mount, 3);  // "Desert Ostard"
  EXPECT_EQ(b.colour(kMountColourSlot), 16385);  // "Ethereal"
}

TEST_F(OutfitFiles, Uoc_RecordsInAnyOrderTheLastWinningSpeechWithItsLines) {
  writeFile(dir / "a.uoc",
            "2,3,\"44E\"\r\n"
            "23,5,\"0021\"\r\n"
            "12,-3\r\n"
            "1\r\n"
            "Hello there, friend\r\n"
            "25,7,\"3\"\r\n"
            "0,0\r\n"
            "0\r\n"
            "\r\n"
            "2,4,\"44F\"\r\n"
            "30,1,\"1\"\r\n"
            "0,1,\"3EA\"\r\n"
            "not a record\r\n"
            "6,2,\"1\"\r\n");
  Outfit o;
  ASSERT_TRUE(load("a.uoc", o).loaded);
  EXPECT_EQ(o.part(2), 4);
  EXPECT_EQ(o.colour(2), 0x44F);
  EXPECT_EQ(o.speech[0].font, 5);
  EXPECT_EQ(o.colour(24), 0x21);
  EXPECT_EQ(o.speech[0].shiftX, "12");
  EXPECT_EQ(o.speech[0].shiftY, "-3");
  EXPECT_TRUE(o.speech[0].unicodeColour);
  EXPECT_EQ(o.speech[0].text, "Hello there, friend");
  EXPECT_EQ(o.speech[2].font, 7);
  EXPECT_EQ(o.colour(26), 3);
  EXPECT_EQ(o.speech[2].text, "");  // an empty text line is an empty text
  EXPECT_EQ(o.body, 1);
  EXPECT_EQ(o.colour(0), 0x3EA);
  EXPECT_EQ(o.part(6), 0);  // after the line that is no record
}

TEST_F(OutfitFiles, FilesThatAreNeitherFormat_LoadNothing) {
  const Outfit reset;
  for (const char* text : {"[format]\r\nRevision=1\r\n[Body]\r\nParts=2\r\n", "\xEF\xBB\xBF[Format]\r\nRevision=1\r\n",
                           "\r\n[Format]\r\nRevision=1\r\n", "", "garbage"}) {
    writeFile(dir / "odd.uc2", text);
    Outfit o;
    const OutfitLoad result = load("odd.uc2", o);
    EXPECT_TRUE(result.loaded) << text;
    EXPECT_EQ(result.format, OutfitFormat::Uoc) << text;
    EXPECT_EQ(o.body, reset.body) << text;
    EXPECT_EQ(o.colours, reset.colours) << text;
  }
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OutfitFiles, Errors_LeaveTheOutfitAsItWas) {
  const Outfit before = dressedOutfit(5);
  Outfit o = before;
  EXPECT_FALSE(load("missing.uc2", o).loaded);
  writeFile(dir / "rev2.uc2", "[Format]\r\nRevision=2\r\n[Body]\r\nParts=1\r\n");
  EXPECT_FALSE(load("rev2.uc2", o).loaded);
  writeFile(dir / "norev.uc2", "[Format]\r\nGenerator=x\r\n[Body]\r\nParts=1\r\n");
  EXPECT_FALSE(load("norev.uc2", o).loaded);
  EXPECT_EQ(o.body, before.body);
  ASSERT_EQ(reporter.messages.size(), 3u);
  EXPECT_EQ(reporter.messages[0].text, "Failed to open files.");
  EXPECT_EQ(reporter.messages[1].text, "Format Revision Error.");
  EXPECT_EQ(reporter.messages[2].caption, "Error");
}

TEST_F(OutfitFiles, Uc2_MissingKeysKeepTheirValuesAndBadIndicesAreCounted) {
  writeFile(dir / "few.uc2",
            "[Format]\r\nRevision=1\r\n[hair]\r\nparts=0x3\r\n[Body]\r\nParts=9\r\n[Hat]\r\nParts=41\r\nColor=0x4001\r\n"
            "[String2]\r\nStr=  \"quoted\"  \r\nFont=12\r\n[Mount]\r\nKind=18\r\n");
  Outfit o;
  const OutfitLoad result = load("few.uc2", o);
  EXPECT_EQ(o.part(2), 3);
  EXPECT_EQ(o.body, 0);
  EXPECT_EQ(o.part(16), 0);
  EXPECT_EQ(o.colour(16), 0x4001);
  EXPECT_EQ(o.speech[1].text, "quoted");
  EXPECT_EQ(o.speech[1].font, 3);
  EXPECT_EQ(o.mount, 0);
  EXPECT_EQ(result.outOfRange, 4);  // body 9, hat 41, font 12, mount 18
}

TEST_F(OutfitFiles, LegacySpeechText_IsReadAsTheJapaneseCodePage) {
  writeFile(dir / "jp.uoc", "23,3,\"0\"\r\n0,0\r\n0\r\n\x82\xA0\x82\xA2 ok\r\n");
  Outfit o;
  load("jp.uoc", o);
  EXPECT_EQ(o.speech[0].text, "\xE3\x81\x82\xE3\x81\x84 ok");  // "あい ok"
  writeFile(dir / "jp.uc2", "[Format]\r\nRevision=1\r\n[String1]\r\nStr=\x82\xA0\r\n");
  load("jp.uc2", o);
  EXPECT_EQ(o.speech[0].text, "\xE3\x81\x82");
}

}  // namespace
}  // namespace miro
