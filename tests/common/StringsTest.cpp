#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/Strings.h"

namespace miro {
namespace {

TEST(Strings, Table_HoldsTheMessagesWordForWord) {
  EXPECT_EQ(strings::text(1058),
            "This looks like your first time using this software.\nTry to Auto setting? (This will scan Registry)\n"
            "[No] is a manual setup.");
  EXPECT_EQ(strings::text(1075),
            "MIRO2.CFG was created.\nWhen the display picture has broken, please change OFFSET of MIRO2.CFG.");
  EXPECT_EQ(strings::text(1077),
            "MIRO2.CFG old type was detected.\nOld MIRO2.CFG was deleted.\nPlease reboot MIRO2.");
  EXPECT_EQ(strings::text(strings::kConfirmation), "Confirmation");
  EXPECT_EQ(strings::text(strings::kError), "Error");
  EXPECT_EQ(strings::text(strings::kReport), "Report");
  EXPECT_EQ(strings::text(1047), "Giant Beatle");
  EXPECT_EQ(strings::text(999), "");
}

TEST(Strings, ParseTable_CountsBadLinesAndKeepsTheGoodOnes) {
  int bad = -1;
  const auto table = strings::parseTable(
      "# comment\n"
      "\n"
      "1000\ta\\nb\\tc\\\\d\n"
      "1001\tfirst\n"
      "1001\tduplicate\n"
      "x1002\tbad id\n"
      "1003 no tab\n"
      "1004\tbad escape \\q\n"
      "1005\t\n",
      &bad);
  EXPECT_EQ(bad, 4);
  EXPECT_EQ(table, (std::map<int, std::string>{{1000, "a\nb\tc\\d"}, {1001, "first"}, {1005, ""}}));
}

TEST(Strings, EmbeddedTable_IsTheResourceFileWholeAndParsesWithoutBadLines) {
  std::ifstream in(MIRO_STRINGS_TSV, std::ios::binary);
  ASSERT_TRUE(in) << MIRO_STRINGS_TSV;
  const std::string tsv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int bad = -1;
  const auto table = strings::parseTable(tsv, &bad);
  EXPECT_EQ(bad, 0);
  EXPECT_GT(table.size(), 50u);
  for (const auto& [id, text] : table) {
    EXPECT_GE(id, 1000);
    EXPECT_LE(id, 2204);
    EXPECT_EQ(strings::text(id), text) << id;
  }
}

}  // namespace
}  // namespace miro
