#include <gtest/gtest.h>

#include "common/FileNames.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

TEST(FileNames, FindIgnoringCase_MatchesAnySpellingAndPrefersTheExactOne) {
  test::TempFolder dir;
  test::writeFile(dir / "Anim.mul", "a");
  EXPECT_EQ(findIgnoringCase(dir.path(), "ANIM.MUL"), dir / "Anim.mul");
  EXPECT_EQ(findIgnoringCase(dir.path(), "anim.mul"), dir / "Anim.mul");
  EXPECT_EQ(findIgnoringCase(dir.path(), "ANIM.IDX"), std::nullopt);

  test::writeFile(dir / "ANIM.MUL", "b");
  EXPECT_EQ(findIgnoringCase(dir.path(), "ANIM.MUL"), dir / "ANIM.MUL");
  EXPECT_EQ(findIgnoringCase(dir.path(), "anim.MUL"), dir / "ANIM.MUL");  // first in name order

  EXPECT_EQ(resolveIgnoringCase(dir.path(), "hues.mul"), dir / "hues.mul");
  EXPECT_EQ(findIgnoringCase(dir / "missing-folder", "x"), std::nullopt);
}

}  // namespace
}  // namespace miro
