#include <gtest/gtest.h>

#include "common/Strings.h"
#include "data/DataFolderSetup.h"
#include "support/RecordingReporter.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

class ScriptedPrompter : public ClientFilePrompter {
 public:
  explicit ScriptedPrompter(std::optional<std::filesystem::path> choice) : choice_(std::move(choice)) {}
  std::optional<std::filesystem::path> chooseClientExe() override {
    ++calls;
    return choice_;
  }
  int calls = 0;

 private:
  std::optional<std::filesystem::path> choice_;
};

constexpr const char* kRegistryHeader = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";

// A Wine prefix with the client installed at C:\Games\Ultima Online\client.exe.
class WinePrefix {
 public:
  WinePrefix() {
    writeFile(dir / "drive_c" / "Games" / "Ultima Online" / "client.exe", "MZ");
    std::filesystem::create_directories(dir / "dosdevices");
    std::filesystem::create_symlink("../drive_c", dir / "dosdevices" / "c:");
  }
  void registry(const std::string& keys) { writeFile(dir / "system.reg", kRegistryHeader + keys); }
  std::string clientFolder() const { return (dir / "dosdevices" / "c:" / "Games" / "Ultima Online").string() + "/"; }

  TempFolder dir;
};

constexpr const char* kClientEntry =
    "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1700000000\n"
    "\"ExePath\"=\"C:\\\\GAMES\\\\ultima online\\\\Client.exe\"\n";

class FirstRunSetup : public testing::Test {
 protected:
  bool run(ClientLocator& locator, ClientFilePrompter& prompter) {
    return runFirstRunSetup(home, reporter, locator, prompter, abort);
  }
  std::filesystem::path config() const { return home.file(kConfigFileName); }
  bool configExists() const { return std::filesystem::exists(config()); }
  std::string captions() const {
    std::string out;
    for (const auto& m : reporter.messages) out += (out.empty() ? "" : ",") + m.caption;
    return out;
  }

  TempFolder dir;
  ProgramFolder home{dir.path(), ProgramFolder::Source::HomeOption};
  test::RecordingReporter reporter;
  bool abort = false;
};

TEST_F(FirstRunSetup, ConfigurationPresent_DoesNothing) {
  writeFile(dir / "miro2.cfg", "[PATH]\nUO_PATH=/uo/\n");  // the name is matched ignoring case
  WineClientLocator locator(std::nullopt);
  ScriptedPrompter prompter("/x/client.exe");
  EXPECT_FALSE(run(locator, prompter));
  EXPECT_TRUE(reporter.messages.empty());
  EXPECT_FALSE(abort);
  EXPECT_EQ(test::listFolder(dir.path()), "miro2.cfg");
}

TEST_F(FirstRunSetup, Yes_WithTheRegistryEntry_WritesItsFolderAndReports) {
  WinePrefix prefix;
  prefix.registry(kClientEntry);
  WineClientLocator locator(prefix.dir.path());
  ScriptedPrompter prompter(std::nullopt);
  reporter.script({Answer::Yes});

  EXPECT_TRUE(run(locator, prompter));
  EXPECT_FALSE(abort);
  EXPECT_EQ(prompter.calls, 0);
  EXPECT_EQ(readFile(config()), "[PATH]\r\nUO_PATH=" + prefix.clientFolder() + "\r\nOFFSET=0\r\n");

  ASSERT_EQ(reporter.messages.size(), 2u);
  EXPECT_EQ(reporter.messages[0].text, strings::text(1058));
  EXPECT_EQ(reporter.messages[0].caption, "Confirmation");
  EXPECT_EQ(reporter.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(reporter.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(reporter.messages[1].text, strings::text(1075));
  EXPECT_EQ(reporter.messages[1].caption, "Report");
  EXPECT_EQ(reporter.messages[1].icon, MessageIcon::Information);

  const auto read = readConfiguration(home, reporter, abort);  // the same start-up goes on
  ASSERT_TRUE(read);
  EXPECT_EQ(read->folder.text(), prefix.clientFolder());
  EXPECT_EQ(read->offset, 0);
}

TEST_F(FirstRunSetup, Yes_WithTheEntryUnderWow6432Node_FindsIt) {
  WinePrefix prefix;
  prefix.registry(
      "[Software\\\\Wow6432Node\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1700000000\n"
      "\"ExePath\"=\"C:\\\\Games\\\\Ultima Online\\\\client.exe\"\n");
  WineClientLocator locator(prefix.dir.path());
  ScriptedPrompter prompter(std::nullopt);
  reporter.script({Answer::Yes});
  EXPECT_TRUE(run(locator, prompter));
  EXPECT_EQ(loadDataConfig(home).config->folder.text(), prefix.clientFolder());
}

struct FallbackCase {
  const char* name;
  const char* registry;  // nullptr: no system.reg at all
  bool usePrefix;
};

class FirstRunFallback : public FirstRunSetup, public testing::WithParamInterface<FallbackCase> {};

TEST_P(FirstRunFallback, Yes_WithoutAUsableEntry_AsksForTheFileSilently) {
  WinePrefix prefix;
  if (GetParam().registry) prefix.registry(GetParam().registry);
  WineClientLocator locator(GetParam().usePrefix ? std::optional(prefix.dir.path()) : std::nullopt);
  ScriptedPrompter prompter("/media/uo/client.exe");
  reporter.script({Answer::Yes});

  EXPECT_TRUE(run(locator, prompter));
  EXPECT_EQ(prompter.calls, 1);
  EXPECT_EQ(captions(), "Confirmation,Report");
  EXPECT_EQ(loadDataConfig(home).config->folder.text(), "/media/uo/");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstRunFallback,
    testing::Values(FallbackCase{"NoPrefix", nullptr, false}, FallbackCase{"NoRegistryFile", nullptr, true},
                    FallbackCase{"NoKey", "[Software\\\\Wine] 1\n", true},
                    FallbackCase{"NoValue", "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1\n"
                                            "\"InstallDir\"=\"C:\\\\Games\\\\Ultima Online\"\n", true},
                    FallbackCase{"FileGone", "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1\n"
                                             "\"ExePath\"=\"C:\\\\Uninstalled\\\\client.exe\"\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FirstRunSetup, No_AsksForTheFileAndKeepsItsFolder) {
  WinePrefix prefix;
  prefix.registry(kClientEntry);  // not consulted after No
  WineClientLocator locator(prefix.dir.path());
  ScriptedPrompter prompter("/home/ann/UO Client/client.exe");
  reporter.script({Answer::No});
  EXPECT_TRUE(run(locator, prompter));
  EXPECT_EQ(prompter.calls, 1);
  EXPECT_EQ(loadDataConfig(home).config->folder.text(), "/home/ann/UO Client/");
}

TEST_F(FirstRunSetup, CancelOnTheQuestionOrInTheFileChoice_WritesNothingAndAborts) {
  for (const bool cancelQuestion : {true, false}) {
    SCOPED_TRACE(cancelQuestion ? "question" : "file choice");
    abort = false;
    reporter.messages.clear();
    writeFile(dir / "_add_colors.txt", "template");
    WineClientLocator locator(std::nullopt);
    ScriptedPrompter prompter(std::nullopt);
    reporter.script({cancelQuestion ? Answer::Cancel : Answer::No});

    EXPECT_FALSE(run(locator, prompter));
    EXPECT_TRUE(abort);
    EXPECT_EQ(prompter.calls, cancelQuestion ? 0 : 1);
    EXPECT_EQ(captions(), "Confirmation");
    EXPECT_EQ(test::listFolder(dir.path()), "_add_colors.txt");
  }
}

TEST_F(FirstRunSetup, ProgramFolderNotYetThere_IsCreated) {
  const ProgramFolder fresh(dir / "config" / "mirolane2", ProgramFolder::Source::UserConfig);
  WineClientLocator locator(std::nullopt);
  ScriptedPrompter prompter("/uo/client.exe");
  reporter.script({Answer::No});
  EXPECT_TRUE(runFirstRunSetup(fresh, reporter, locator, prompter, abort));
  EXPECT_EQ(loadDataConfig(fresh).config->folder.text(), "/uo/");
}

TEST_F(FirstRunSetup, ConfigurationCannotBeWritten_ReportsTheFileAndAborts) {
  std::filesystem::create_directories(dir / "plain");
  writeFile(dir / "plain" / "file", "");
  const ProgramFolder blocked(dir / "plain" / "file" / "sub", ProgramFolder::Source::HomeOption);
  WineClientLocator locator(std::nullopt);
  ScriptedPrompter prompter("/uo/client.exe");
  reporter.script({Answer::No});
  EXPECT_FALSE(runFirstRunSetup(blocked, reporter, locator, prompter, abort));
  EXPECT_TRUE(abort);
  ASSERT_EQ(captions(), "Confirmation,Error");
  EXPECT_NE(reporter.messages[1].text.find("sub"), std::string::npos) << reporter.messages[1].text;
}

TEST_F(FirstRunSetup, DiskFull_LeavesNoHalfConfigurationAndNamesIt) {
  WineClientLocator locator(std::nullopt);
  ScriptedPrompter prompter("/uo/" + std::string(2000, 'u') + "/client.exe");
  reporter.script({Answer::No});
  {
    test::FileSizeLimit full(1000);
    EXPECT_FALSE(run(locator, prompter));
  }
  EXPECT_TRUE(abort);
  ASSERT_EQ(captions(), "Confirmation,Error");
  EXPECT_NE(reporter.messages[1].text.find("MIRO2.CFG"), std::string::npos) << reporter.messages[1].text;
  EXPECT_EQ(test::listFolder(dir.path()), "");
}

TEST_F(FirstRunSetup, LongDataFolder_IsKeptWhole) {
  const std::string folder = "/" + std::string(300, 'u') + "/";
  WineClientLocator locator(std::nullopt);
  ScriptedPrompter prompter(folder + "client.exe");
  reporter.script({Answer::No});
  EXPECT_TRUE(run(locator, prompter));
  EXPECT_EQ(loadDataConfig(home).config->folder.text(), folder);
}

TEST(FolderOfFile, CutsAfterTheLastSeparatorButNeverAtTheFirstCharacter) {
  EXPECT_EQ(folderOfFile("/games/uo/client.exe"), "/games/uo/");
  EXPECT_EQ(folderOfFile("/client.exe"), "/client.exe");
  EXPECT_EQ(folderOfFile("client.exe"), "client.exe");
  EXPECT_EQ(folderOfFile("/games/uo/"), "/games/uo/");
  EXPECT_EQ(folderOfFile("C:\\UO\\client.exe", '\\'), "C:\\UO\\");
  EXPECT_EQ(folderOfFile("\\client.exe", '\\'), "\\client.exe");
  EXPECT_EQ(folderOfFile(""), "");
}

// --- reading MIRO2.CFG ------------------------------------------------------

class ReadConfiguration : public FirstRunSetup {};

TEST_F(ReadConfiguration, Offset_IsReadAsAnIniInteger) {
  const std::pair<const char*, std::int32_t> cases[] = {{"5", 5}, {"letters", 0}, {"0x10", 16}, {"-3", -3}, {"", 0}};
  for (const auto& [text, offset] : cases) {
    writeFile(dir / "MIRO2.CFG", std::string("[PATH]\r\nUO_PATH=/uo/\r\nOFFSET=") + text + "\r\n");
    const auto read = readConfiguration(home, reporter, abort);
    ASSERT_TRUE(read) << text;
    EXPECT_EQ(read->offset, offset) << text;
    EXPECT_EQ(read->folder.text(), "/uo/");
  }
  writeFile(dir / "MIRO2.CFG", "[PATH]\r\nUO_PATH=/uo/\r\n");
  EXPECT_EQ(readConfiguration(home, reporter, abort)->offset, 0);
  EXPECT_FALSE(abort);
  EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ReadConfiguration, EmptyOrOldFile_IsReportedDeletedAndTheNextStartAsksAgain) {
  for (const char* old : {"[PATH]\r\nUO_PATH=\r\nOFFSET=0\r\n", "[UO]\r\nPath=C:\\UO\r\n"}) {
    SCOPED_TRACE(old);
    abort = false;
    reporter.messages.clear();
    writeFile(dir / "MIRO2.CFG", old);
    EXPECT_FALSE(readConfiguration(home, reporter, abort));
    EXPECT_TRUE(abort);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].text, strings::text(1077));
    EXPECT_EQ(reporter.messages[0].caption, "Report");
    EXPECT_FALSE(configExists());
  }

  abort = false;
  reporter.messages.clear();
  WineClientLocator locator(std::nullopt);
  ScriptedPrompter prompter(std::nullopt);
  reporter.script({Answer::Cancel});
  run(locator, prompter);
  EXPECT_EQ(reporter.messages.at(0).text, strings::text(1058));
}

TEST_F(ReadConfiguration, UnreadableFile_IsReportedAndKept) {
  std::filesystem::create_directories(dir / "MIRO2.CFG");  // a folder in the file's place
  EXPECT_FALSE(readConfiguration(home, reporter, abort));
  EXPECT_TRUE(abort);
  EXPECT_EQ(captions(), "Error");
  EXPECT_TRUE(std::filesystem::exists(dir / "MIRO2.CFG"));
}

// --- the user colour list template --------------------------------------------

class UserColourTemplate : public FirstRunSetup {
 protected:
  void firstStart() {
    WineClientLocator locator(std::nullopt);
    ScriptedPrompter prompter("/uo/client.exe");
    reporter.script({Answer::No});
    ASSERT_TRUE(run(locator, prompter));
  }
};

TEST_F(UserColourTemplate, OnlyTheTemplate_IsCopiedByteForByteAndRemoved) {
  const std::string bytes = "# my colours\r\nBlue,1301,5\nRed,\x80\x81,2";
  writeFile(dir / "_add_colors.txt", bytes);
  firstStart();
  EXPECT_EQ(readFile(dir / "add_colors.txt"), bytes);
  EXPECT_EQ(test::listFolder(dir.path()), "MIRO2.CFG add_colors.txt");
}

TEST_F(UserColourTemplate, ListAlreadyThere_IsLeftAndTheTemplateKept) {
  writeFile(dir / "Add_Colors.TXT", "mine");
  writeFile(dir / "_add_colors.txt", "template");
  firstStart();
  EXPECT_EQ(readFile(dir / "Add_Colors.TXT"), "mine");
  EXPECT_EQ(readFile(dir / "_add_colors.txt"), "template");
  EXPECT_EQ(test::listFolder(dir.path()), "Add_Colors.TXT MIRO2.CFG _add_colors.txt");
}

TEST_F(UserColourTemplate, CopyFails_LeavesBothAsTheyWereAndSaysNothing) {
  const std::string bytes(4000, 'c');
  writeFile(dir / "_add_colors.txt", bytes);
  {
    test::FileSizeLimit full(1000);  // MIRO2.CFG fits, the copy does not
    firstStart();
  }
  EXPECT_EQ(readFile(dir / "_add_colors.txt"), bytes);
  EXPECT_EQ(test::listFolder(dir.path()), "MIRO2.CFG _add_colors.txt");
  EXPECT_EQ(captions(), "Confirmation,Report");
}

TEST_F(UserColourTemplate, NoTemplate_IsNoError) {
  firstStart();
  EXPECT_EQ(test::listFolder(dir.path()), "MIRO2.CFG");
}

}  // namespace
}  // namespace miro
