#include <gtest/gtest.h>

#include "ClientGen.h"
#include "data/AnimLookupLoad.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using clientgen::IndexRecord;
using test::readFile;
using test::writeFile;

// An index whose record of ordinal n has the lookup base + n, with an empty record now and then.
std::string countingIndex(int records, std::int32_t base) {
  std::vector<IndexRecord> out;
  for (int i = 0; i < records; ++i) {
    if (i % 97 == 5) out.push_back({-1, 0, 0});
    out.push_back({base + i, 100, 0});
  }
  return clientgen::encodeIndex(out);
}

class AnimLookupLoading : public testing::Test {
 protected:
  AnimLookupLoading() {
    writeFile(data / "anim.idx", countingIndex(36000, 1000000));  // found whatever the case
    writeFile(data / "ANIM2.IDX", countingIndex(5600, 2000000));
    writeFile(data / "Anim3.idx", countingIndex(3300, 3000000));
    writeFile(data / "ANIM4.IDX", countingIndex(14700, 4000000));
  }

  LookupLoad load(std::int32_t offset) { return loadAnimLookup(home, folder, offset, files, reporter); }
  std::filesystem::path cache() const { return homeDir / "MIRO2Lup.dat"; }

  test::TempFolder homeDir;
  test::TempFolder data;
  ProgramFolder home{homeDir.path(), ProgramFolder::Source::HomeOption};
  DataFolder folder{data.path().string() + "/"};
  DataFileCache files;
  test::RecordingReporter reporter;
};

TEST_F(AnimLookupLoading, FirstLoad_ScansAndWritesTheCacheThatTheNextLoadReads) {
  const LookupLoad scanned = load(0);
  EXPECT_EQ(scanned.source, LookupSource::Scan);
  EXPECT_EQ(scanned.indexFiles, (std::vector<std::string>{"ANIM.IDX", "ANIM2.IDX", "ANIM3.IDX", "ANIM4.IDX"}));
  EXPECT_TRUE(scanned.cacheWritten);
  EXPECT_EQ(scanned.lookup[0], 1000000 + 6274);

  const std::string bytes = readFile(cache());
  ASSERT_EQ(bytes.size(), 177376u);
  EXPECT_EQ(bytes.substr(0, 16), std::string("MIRO2Lookup\0\3\0\0\0", 16));
  EXPECT_EQ(bytes, encodeLookupCache(scanned.lookup));

  const LookupLoad cached = load(0);
  EXPECT_EQ(cached.source, LookupSource::Cache);
  EXPECT_EQ(cached.lookup.entries(), scanned.lookup.entries());
  for (int slot = 0; slot < anim::kBodySlots; ++slot) {
    EXPECT_EQ(cached.lookup.femaleVariant(slot), scanned.lookup.femaleVariant(slot)) << slot;
  }
  EXPECT_EQ(cached.lookup.femaleVariantCount(), 16);
  EXPECT_EQ(readFile(cache()), bytes);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(AnimLookupLoading, OffsetDifferentFromTheRememberedOne_RebuildsTheCache) {
  const LookupLoad before = load(0);
  writeFile(homeDir / "miro2.ini", "[ETC]\r\nDataOffset=0\r\n");
  const LookupLoad after = load(2);
  EXPECT_EQ(after.source, LookupSource::Scan);
  // Ordinal 6276 of ANIM.IDX.
  EXPECT_EQ(after.lookup[0], 1000000 + 6276);
  for (int i = anim::kSecondMountBase; i < anim::kFourthMountBase; ++i) EXPECT_EQ(after.lookup[i], before.lookup[i]);
  EXPECT_EQ(readFile(cache()), encodeLookupCache(after.lookup));

  ASSERT_TRUE(rememberDataOffset(home, 2));
  EXPECT_EQ(load(2).source, LookupSource::Cache);
  EXPECT_EQ(readFile(homeDir / "miro2.ini"), "[ETC]\r\nDataOffset=2\r\n");
}

TEST_F(AnimLookupLoading, InvalidCache_IsReplacedValidHeaderIsEnough) {
  const std::string good = encodeLookupCache(load(0).lookup);
  struct Case {
    const char* what;
    std::string bytes;
    LookupSource source;
  };
  std::string version2 = good;
  version2[12] = 2;
  std::string wrongText = good;
  wrongText[0] = 'm';
  std::string noZero = good;
  noZero[11] = 'X';
  std::string tampered = good;
  tampered[16] = 0x55;  // the first entry changed: a valid cache is taken as it is
  const Case cases[] = {
      {"version 2", version2, LookupSource::Scan},
      {"wrong text", wrongText, LookupSource::Scan},
      {"no zero byte", noZero, LookupSource::Scan},
      {"too short", good.substr(0, good.size() - 4), LookupSource::Scan},
      {"header only", good.substr(0, 16), LookupSource::Scan},
      {"longer", good + "trailing bytes", LookupSource::Cache},
      {"tampered", tampered, LookupSource::Cache},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(cache(), c.bytes);
    const LookupLoad loaded = load(0);
    EXPECT_EQ(loaded.source, c.source);
    if (c.source == LookupSource::Scan) EXPECT_EQ(readFile(cache()), good);
    else EXPECT_EQ(loaded.lookup.entries(), *decodeLookupCache(asBytes(c.bytes)));
  }
}

TEST_F(AnimLookupLoading, NoAnimIdx_ReportsItAndWritesNoCache) {
  std::filesystem::remove(data / "anim.idx");
  const LookupLoad loaded = load(0);
  EXPECT_EQ(loaded.source, LookupSource::None);
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].text, "File Open Error [ANIM.IDX]");
  EXPECT_EQ(reporter.messages[0].caption, "Error");
  EXPECT_EQ(reporter.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(std::filesystem::exists(cache()));
  EXPECT_EQ(loaded.lookup[anim::bodySlotEntry(192, 0, 0)], 0);  // the third file was not scanned
}

TEST_F(AnimLookupLoading, FemaleVariantsFromTheCache_NeedTheFourthIndexFile) {
  load(0);
  std::filesystem::remove(data / "ANIM4.IDX");
  const LookupLoad cached = load(0);
  EXPECT_EQ(cached.source, LookupSource::Cache);
  EXPECT_EQ(cached.lookup.femaleVariantCount(), 0);
}

TEST_F(AnimLookupLoading, CacheCannotBeWritten_TheTableIsStillUsed) {
  writeFile(homeDir / "blocker", "");
  const ProgramFolder blocked(homeDir / "blocker" / "home", ProgramFolder::Source::HomeOption);
  const LookupLoad loaded = loadAnimLookup(blocked, folder, 0, files, reporter);
  EXPECT_EQ(loaded.source, LookupSource::Scan);
  EXPECT_FALSE(loaded.cacheWritten);
  EXPECT_EQ(loaded.lookup[0], 1000000 + 6274);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(AnimLookupLoading, RememberDataOffset_ChangesThatKeyAloneInPlace) {
  EXPECT_EQ(rememberedDataOffset(home), 0);
  writeFile(homeDir / "MIRO2.ini", "[Window]\r\nLeft=10\r\n[etc]\r\ndataoffset=0x10\r\nOther=1\r\n");
  EXPECT_EQ(rememberedDataOffset(home), 16);
  ASSERT_TRUE(rememberDataOffset(home, -4));
  EXPECT_EQ(readFile(homeDir / "MIRO2.ini"), "[Window]\r\nLeft=10\r\n[etc]\r\nDataOffset=-4\r\nOther=1\r\n");
}

TEST_F(AnimLookupLoading, DiskFull_KeepsMiro2IniAndLeavesNoHalfCache) {
  const std::string settings = "[Window]\r\nNote=" + std::string(3000, 'n') + "\r\n[ETC]\r\nDataOffset=0\r\n";
  writeFile(homeDir / "MIRO2.ini", settings);
  ASSERT_TRUE(load(0).cacheWritten);
  LookupLoad rebuilt;
  Status remembered = Status::success();
  {
    test::FileSizeLimit full(1000);
    rebuilt = load(2);  // another offset: the old cache goes, the new one does not fit
    remembered = rememberDataOffset(home, 2);
  }
  EXPECT_EQ(rebuilt.source, LookupSource::Scan);
  EXPECT_EQ(rebuilt.lookup[0], 1000000 + 6274 + 2);  // scanned with the new offset
  ASSERT_FALSE(rebuilt.cacheWritten);
  EXPECT_NE(rebuilt.cacheWritten.message().find(cache().string()), std::string::npos) << rebuilt.cacheWritten.message();
  ASSERT_FALSE(remembered);
  EXPECT_NE(remembered.message().find("MIRO2.ini"), std::string::npos) << remembered.message();
  EXPECT_EQ(readFile(homeDir / "MIRO2.ini"), settings);
  EXPECT_EQ(test::listFolder(homeDir.path()), "MIRO2.ini");
}

TEST(ExpansionMounts, NamesFollowTheDataFilesPresent) {
  const std::vector<std::string> second = {"Ki-rin",        "Unicorn",        "Savage Ridgeback", "Ridgeback",
                                           "Giant Beatle",  "Skeletal Mount", "Swamp Dragon",     "Armored Swamp Dragon"};
  test::TempFolder dir;
  const DataFolder folder(dir.path().string());
  EXPECT_TRUE(expansionMountNames(folder).empty());
  writeFile(dir / "anim4.mul", "");
  EXPECT_EQ(expansionMountNames(folder), std::vector<std::string>{"Hi-ryu"});
  writeFile(dir / "ANIM2.MUL", "");
  std::vector<std::string> both = second;
  both.push_back("Hi-ryu");
  EXPECT_EQ(expansionMountNames(folder), both);
  std::filesystem::remove(dir / "anim4.mul");
  EXPECT_EQ(expansionMountNames(folder), second);
}

}  // namespace
}  // namespace miro
