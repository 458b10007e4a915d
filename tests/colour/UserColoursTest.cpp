#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour/UserColours.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {

void PrintTo(const UserColour& c, std::ostream* out) {
  *out << '{' << c.name << ", " << c.firstHue << ", " << c.count << '}';
}

namespace {


std::vector<std::string> texts(const std::vector<Message>& messages) {
  std::vector<std::string> result;
  for (const Message& m : messages) result.push_back(m.text);
  return result;
}

std::string validLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "Family " + std::to_string(i) + "," + std::to_string(i) + ",3\n";
  return text;
}

const std::string kTooMany = "Colors are used too much. (Up to 125)";

TEST(ParseUserColours, Fixtures_GiveEntriesAndLineReports) {
  struct Fixture {
    const char* what;
    std::string text;
    std::vector<UserColour> entries;
    std::vector<std::string> messages;
  };
  const std::string longName(250, 'x');  // with ",1,2" the line is 254 characters
  const Fixture fixtures[] = {
      {"comment and empty line between entries", "Pink dyes,1201,54\n# mine\nBlue,1301,60\n\nGreen,1401,54\n",
       {{"Pink dyes", 1201, 54}, {"Blue", 1301, 60}, {"Green", 1401, 54}}, {}},
      {"no second comma, counted after comments", "# head\n\n;x\nA,1,2\nB,1201\nC,3,4\n",
       {{"A", 1, 2}, {"C", 3, 4}}, {"5Error is found atline."}},
      {"count 0 left out, next keeps its range", "A,1201,0\nB,1301,60\n", {{"B", 1301, 60}},
       {"1Error is found atline."}},
      {"negative count", "A,5,-3\n", {}, {"1Error is found atline."}},
      {"no comma", "just a name\n   \n", {}, {"1Error is found atline.", "2Error is found atline."}},
      {"numbers that are not decimal integers", "A,12a,5\nB,5,\nC,0x10,5\nD,,5\nE,1,2,3\nF,1,3000000000\n", {},
       {"1Error is found atline.", "2Error is found atline.", "3Error is found atline.", "4Error is found atline.",
        "5Error is found atline.", "6Error is found atline."}},
      {"first hue kept in 16 bits", "A,40000,1\nB,65535,2\nC,-32768,3\nD,70000,4\n",
       {{"A", -25536, 1}, {"B", -1, 2}, {"C", -32768, 3}, {"D", 4464, 4}}, {}},
      {"CR LF", "A,1,2\r\n# c\r\n\r\nB,3\r\nC,5,6\r\n", {{"A", 1, 2}, {"C", 5, 6}}, {"4Error is found atline."}},
      {"LF and CR LF mixed", "A,1,2\nB,3,4\r\nC,5,6\n", {{"A", 1, 2}, {"B", 3, 4}, {"C", 5, 6}}, {}},
      {"last line without a line break", "A,1,2\nB,3,4", {{"A", 1, 2}, {"B", 3, 4}}, {}},
      {"last line without a line break, CR LF file", "A,1,2\r\nB,3,4\r", {{"A", 1, 2}, {"B", 3, 4}}, {}},
      {"malformed last line without a line break", "A,1,2\nB", {{"A", 1, 2}}, {"2Error is found atline."}},
      {"names keep their spaces, may be empty", " Dark  red ,1157,1\n,5,6\n", {{" Dark  red ", 1157, 1}, {"", 5, 6}},
       {}},
      {"blanks around the numbers", "A, 1201 ,\t54 \n", {{"A", 1201, 54}}, {}},
      {"254 characters read, 255 refused whole", longName + ",1,2\n" + longName + "x,3,4\nB,5,6\n",
       {{longName, 1, 2}, {"B", 5, 6}}, {"2Error is found atline."}},
      {"long comment skipped", "#" + std::string(400, 'c') + "\nA,1,2\n", {{"A", 1, 2}}, {}},
      {"empty file", "", {}, {}},
      {"only line breaks", "\n\r\n\n", {}, {}},
  };
  for (const Fixture& f : fixtures) {
    test::RecordingReporter reporter;
    const UserColourList list = parseUserColours(f.text, reporter);
    EXPECT_EQ(list.entries, f.entries) << f.what;
    EXPECT_EQ(texts(reporter.messages), f.messages) << f.what;
    EXPECT_EQ(list.selectedItem, -1) << f.what;
  }
}

TEST(ParseUserColours, LineReport_HasTheFileCaptionAndErrorIcon) {
  test::RecordingReporter reporter;
  parseUserColours("A\n", reporter);
  ASSERT_EQ(reporter.messages.size(), 1u);
  EXPECT_EQ(reporter.messages[0].caption, "add_colors.txt Error");
  EXPECT_EQ(reporter.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(reporter.messages[0].buttons, MessageButtons::Ok);
}

TEST(ParseUserColours, Limit_StopsAfterThe125thEntryWithAMessage) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t entries;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"124 entries", validLines(124), 124, {}},
      {"exactly 125", validLines(125), 125, {kTooMany}},
      {"130, later malformed lines not read", validLines(130) + "bad\n", 125, {kTooMany}},
      {"errors before the limit reported", "bad\n" + validLines(125) + "bad\n", 125,
       {"1Error is found atline.", kTooMany}},
  };
  for (const Case& c : cases) {
    test::RecordingReporter reporter;
    const UserColourList list = parseUserColours(c.text, reporter);
    ASSERT_EQ(list.entries.size(), c.entries) << c.what;
    EXPECT_EQ(list.entries.back(), (UserColour{"Family " + std::to_string(c.entries - 1),
                                               static_cast<std::int16_t>(c.entries - 1), 3}))
        << c.what;
    EXPECT_EQ(texts(reporter.messages), c.messages) << c.what;
  }
}

TEST(LoadUserColours, FileInProgramFolder_IsReadWhateverItsCase) {
  test::TempFolder folder;
  test::writeFile(folder / "Add_Colors.TXT", "Pink dyes,1201,54\r\nBulk,1155,23\r\n");
  test::RecordingReporter reporter;
  const UserColourList list = loadUserColours(ProgramFolder(folder.path(), ProgramFolder::Source::HomeOption), reporter);
  EXPECT_EQ(list.entries, (std::vector<UserColour>{{"Pink dyes", 1201, 54}, {"Bulk", 1155, 23}}));
  EXPECT_TRUE(reporter.messages.empty());
}

TEST(LoadUserColours, NoFile_EmptyListWithoutMessage) {
  test::TempFolder folder;
  test::RecordingReporter reporter;
  const UserColourList list = loadUserColours(ProgramFolder(folder.path(), ProgramFolder::Source::HomeOption), reporter);
  EXPECT_TRUE(list.entries.empty());
  EXPECT_EQ(list.selected(), nullptr);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST(UserColourList, Select_OutsideTheListLeavesNoItemSelected) {
  UserColourList list;
  list.select(0);
  EXPECT_EQ(list.selected(), nullptr);

  list.entries = {{"A", 1201, 54}, {"B", -2, 3}};
  list.select(1);
  ASSERT_NE(list.selected(), nullptr);
  EXPECT_EQ(list.selected()->name, "B");
  EXPECT_EQ(list.selected()->lastHue(), 0);
  list.select(2);
  EXPECT_EQ(list.selected(), nullptr);
  list.select(-1);
  EXPECT_EQ(list.selected(), nullptr);
}

}  // namespace
}  // namespace miro
