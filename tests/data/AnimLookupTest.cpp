#include <gtest/gtest.h>

#include <random>

#include "ClientGen.h"
#include "data/AnimLookup.h"
#include "support/ClientData.h"
#include "support/LiteralAnimScan.h"

namespace miro {
namespace {

using clientgen::IndexRecord;

// An index file of `nonEmpty` records that every scan counts, numbered so that a lookup tells
// its ordinal (base + 16 x ordinal), with empty records sprinkled in: lookup -1, length 0, and,
// with `zeroLookups`, lookup 0, which only some scans pass over.
std::string generatedIndex(std::mt19937& random, int nonEmpty, std::int32_t base, bool zeroLookups = true) {
  std::vector<IndexRecord> records;
  std::uniform_int_distribution<int> dice(0, 99);
  for (int ordinal = 0; ordinal < nonEmpty;) {
    const int roll = dice(random);
    if (roll < 4) records.push_back({-1, 4000, 0});
    else if (roll < 8) records.push_back({base + 7, 0, 0});
    else if (roll < 11 && zeroLookups) records.push_back({0, 1200, 0});
    else records.push_back({base + 16 * ordinal++, 3000, 0});
  }
  return clientgen::encodeIndex(records);
}

struct Generated {
  std::string anim, anim2, anim3, anim4;
  AnimIndexFiles files() const {
    return {asBytes(anim), asBytes(anim2), asBytes(anim3), asBytes(anim4)};
  }
};

// Long enough for every table, or cut short so that later ordinals run off the end.
Generated generate(unsigned seed, bool short_, bool zeroLookups = true) {
  std::mt19937 random(seed);
  const int cut = short_ ? 2 : 1;
  return {generatedIndex(random, 36000 / cut, 0x100000, zeroLookups),
          generatedIndex(random, 5600 / cut, 0x200000, zeroLookups),
          generatedIndex(random, 3300 / cut, 0x300000, zeroLookups),
          generatedIndex(random, 14700 / cut, 0x400000, zeroLookups)};
}

void expectSameLookup(const AnimLookup& fast, const AnimLookup& literal) {
  int differences = 0;
  for (int i = 0; i < anim::kEntries && differences < 5; ++i) {
    if (fast[i] != literal[i]) {
      ++differences;
      ADD_FAILURE() << "entry " << i << ": " << fast[i] << " != " << literal[i];
    }
  }
  for (int slot = 0; slot < anim::kBodySlots; ++slot) {
    EXPECT_EQ(fast.femaleVariant(slot), literal.femaleVariant(slot)) << "slot " << slot;
  }
}

TEST(AnimLookup, Build_EqualsTheLiteralScanOnGeneratedIndexFiles) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    for (const bool short_ : {false, true}) {
      const Generated g = generate(seed, short_);
      for (const std::int32_t offset : {0, 2, -3, 7, -6274}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << (short_ ? " short" : "") << " offset " << offset);
        expectSameLookup(buildAnimLookup(g.files(), offset), test::literalAnimScan(g.files(), offset));
      }
    }
  }
}

TEST(AnimLookup, Build_EqualsTheLiteralScanWithIndexFilesMissing) {
  const Generated g = generate(9, false);
  AnimIndexFiles files = g.files();
  files.anim2.reset();
  files.anim4.reset();
  expectSameLookup(buildAnimLookup(files, 1), test::literalAnimScan(files, 1));
  files.anim3.reset();
  files.anim4 = asBytes(g.anim4);
  expectSameLookup(buildAnimLookup(files, 0), test::literalAnimScan(files, 0));
}

TEST(AnimLookup, Build_EqualsTheLiteralScanOnTheRealIndexFiles) {
  SKIP_WITHOUT_REAL_CLIENT_DATA();
  const auto anim = test::realClientFile("ANIM.IDX");
  const auto anim2 = test::realClientFile("ANIM2.IDX");
  const auto anim3 = test::realClientFile("ANIM3.IDX");
  const auto anim4 = test::realClientFile("ANIM4.IDX");
  ASSERT_TRUE(anim && anim2 && anim3 && anim4);
  const AnimIndexFiles files{asBytes(*anim), asBytes(*anim2), asBytes(*anim3), asBytes(*anim4)};
  for (const std::int32_t offset : {0, 2, -1}) {
    SCOPED_TRACE(offset);
    const AnimLookup fast = buildAnimLookup(files, offset);
    expectSameLookup(fast, test::literalAnimScan(files, offset));
    EXPECT_EQ(fast.femaleVariantCount(), 16);
  }
}

TEST(AnimLookup, Build_ReadsOrdinalsAsTheTablesSay) {
  const Generated g = generate(4, false, false);
  const AnimLookup lookup = buildAnimLookup(g.files(), 0);
  const AnimLookup shifted = buildAnimLookup(g.files(), 2);
  const auto ordinalOf = [](std::int32_t lookup, std::int32_t base) { return (lookup - base) / 16; };

  EXPECT_EQ(ordinalOf(lookup[anim::peopleEntry(0, 0, 0)], 0x100000), 6274);
  EXPECT_EQ(ordinalOf(shifted[anim::peopleEntry(0, 0, 0)], 0x100000), 6276);
  EXPECT_EQ(ordinalOf(lookup[anim::peopleEntry(1, 34, 4)], 0x100000), 6274 + 349);
  EXPECT_EQ(ordinalOf(lookup[anim::bodySlotEntry(1, 0, 0)], 0x100000), 26918);
  EXPECT_EQ(ordinalOf(lookup[anim::bodySlotEntry(1, 0, 1)], 0x100000), 26919);
  EXPECT_EQ(ordinalOf(lookup[anim::bodySlotEntry(192, 2, 0)], 0x300000), 1665 + 10);
  EXPECT_EQ(ordinalOf(lookup[anim::bodySlotEntry(246, 0, 0)], 0x400000), 13386);
  EXPECT_EQ(ordinalOf(lookup[anim::firstMountMoveEntry(7, 1, 4)], 0x100000), 5651 + 9);

  // The second-file scans ignore the offset; mount actions 3 to 6 share their records.
  EXPECT_EQ(ordinalOf(lookup[anim::secondMountEntry(2, 4, 3)], 0x200000), 5249 + 25 + 3);
  EXPECT_EQ(lookup[anim::secondMountEntry(2, 4, 3)], shifted[anim::secondMountEntry(2, 4, 3)]);
  EXPECT_EQ(lookup[anim::secondMountEntry(2, 4, 3)], lookup[anim::secondMountEntry(2, 6, 3)]);  // shared steps
  EXPECT_EQ(lookup[anim::fourthMountEntry(3, 0)], lookup[anim::fourthMountEntry(6, 0)]);

}

TEST(AnimLookup, Build_AbsentSlotsGiveMinusOneAndUnscannedRegionsStayZero) {
  const Generated g = generate(5, false);
  AnimIndexFiles files = g.files();
  files.anim2.reset();
  files.anim3.reset();
  files.anim4.reset();
  const AnimLookup lookup = buildAnimLookup(files, 5);
  for (int i = 0; i < 175; ++i) {
    EXPECT_EQ(lookup[anim::bodySlotEntry(28, 0, 0) + i], -1);   // absent in the first file
    EXPECT_EQ(lookup[anim::bodySlotEntry(195, 0, 0) + i], -1);  // third file missing
    EXPECT_EQ(lookup[anim::bodySlotEntry(244, 0, 0) + i], 0);   // no scan reaches it
  }
  for (int i = anim::kSecondMountBase; i < anim::kFirstMountMoveBase; ++i) EXPECT_EQ(lookup[i], 0) << i;
  for (int i = anim::kNeverFilledBase; i < anim::kEntries; ++i) EXPECT_EQ(lookup[i], 0) << i;
  EXPECT_EQ(lookup.femaleVariantCount(), 0);
  EXPECT_EQ(lookup[-1], -1);
  EXPECT_EQ(lookup[anim::kEntries], -1);
}

TEST(AnimLookup, Build_AnIndexEndingEarlyGivesMinusOneNotTheLastRecord) {
  // Only 6300 counted records: the people reach past the end at ordinal 6300.
  std::vector<IndexRecord> records;
  for (int i = 0; i < 6300; ++i) records.push_back({1000 + i, 10, 0});
  const std::string anim = clientgen::encodeIndex(records);
  const AnimLookup lookup = buildAnimLookup({asBytes(anim), {}, {}, {}}, 0);
  EXPECT_EQ(lookup[25], 1000 + 6299);
  EXPECT_EQ(lookup[26], -1);
  EXPECT_EQ(lookup[349], -1);
  EXPECT_EQ(lookup[anim::bodySlotEntry(0, 0, 0)], -1);
}

TEST(AnimLookup, Build_ZeroLookupsAreEmptyOnlyForTheSecondFileAndTheFourthFileMount) {
  // Every other record has the lookup 0.
  std::vector<IndexRecord> records;
  for (int i = 0; i < 15000; ++i) {
    records.push_back({0, 10, 0});
    records.push_back({100 + i, 10, 0});
  }
  const std::string index = clientgen::encodeIndex(records);
  std::vector<IndexRecord> people(40000, IndexRecord{7, 10, 0});
  const std::string anim = clientgen::encodeIndex(people);
  const AnimLookup lookup = buildAnimLookup({asBytes(anim), asBytes(index), asBytes(index), asBytes(index)}, 0);
  EXPECT_EQ(lookup[anim::secondMountEntry(0, 0, 0)], 100 + 5054);
  EXPECT_EQ(lookup[anim::fourthMountEntry(1, 0)], 100 + 909 + 5);
  EXPECT_EQ(lookup[anim::bodySlotEntry(190, 0, 0)], 100 + 657);  // ordinal 1315
  EXPECT_EQ(lookup[anim::bodySlotEntry(190, 0, 1)], 0);          // ordinal 1316 has the lookup 0
  EXPECT_EQ(lookup[anim::bodySlotEntry(28, 0, 0)], 0);           // ordinal 1520 of the fourth file
}

TEST(AnimLookup, Build_WithoutAnimIdxScansNothing) {
  const Generated g = generate(6, false);
  AnimIndexFiles files = g.files();
  files.anim.reset();
  const AnimLookup lookup = buildAnimLookup(files, 0);
  EXPECT_EQ(lookup.missingCount(), 0);
  EXPECT_EQ(lookup[anim::bodySlotEntry(192, 0, 0)], 0);
  EXPECT_EQ(lookup.femaleVariantCount(), 0);
}

}  // namespace
}  // namespace miro
