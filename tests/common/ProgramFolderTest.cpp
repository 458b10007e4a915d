#include <gtest/gtest.h>

#include "common/ProgramFolder.h"
#include "support/TempFolder.h"

namespace miro {
namespace {

using Source = ProgramFolder::Source;

ProgramFolderInputs inputs(bool executableFolderWritable) {
  ProgramFolderInputs in;
  in.executable = "/opt/mirolane2/bin/mirolane2";
  in.userHome = "/home/ann";
  in.writable = [executableFolderWritable](const std::filesystem::path&) { return executableFolderWritable; };
  return in;
}

TEST(ProgramFolder, Locate_HomeOptionThenVariableThenExecutableThenUserConfig) {
  ProgramFolderInputs in = inputs(true);
  in.homeOption = "/srv/a";
  in.homeVariable = "/srv/b";
  EXPECT_EQ(locateProgramFolder(in).path(), "/srv/a");
  EXPECT_EQ(locateProgramFolder(in).source(), Source::HomeOption);

  in.homeOption.reset();
  EXPECT_EQ(locateProgramFolder(in).path(), "/srv/b");
  EXPECT_EQ(locateProgramFolder(in).source(), Source::Environment);

  in.homeVariable.reset();
  EXPECT_EQ(locateProgramFolder(in).path(), "/opt/mirolane2/bin");
  EXPECT_EQ(locateProgramFolder(in).source(), Source::Executable);

  in = inputs(false);
  EXPECT_EQ(locateProgramFolder(in).path(), "/home/ann/.config/mirolane2");
  EXPECT_EQ(locateProgramFolder(in).source(), Source::UserConfig);
  in.xdgConfigHome = "/home/ann/cfg";
  EXPECT_EQ(locateProgramFolder(in).path(), "/home/ann/cfg/mirolane2");
}

TEST(ProgramFolder, FileAndPrepare_MatchNamesIgnoringCaseAndCreateTheFolderWhenNeeded) {
  test::TempFolder dir;
  const ProgramFolder home(dir / "config" / "mirolane2", Source::UserConfig);
  EXPECT_EQ(home.file("MIRO2.CFG"), dir / "config" / "mirolane2" / "MIRO2.CFG");
  ASSERT_TRUE(home.prepare());
  test::writeFile(home.path() / "miro2.cfg", "[PATH]\n");
  EXPECT_EQ(home.file("MIRO2.CFG"), home.path() / "miro2.cfg");

  test::writeFile(dir / "plain-file", "");
  EXPECT_FALSE(ProgramFolder(dir / "plain-file" / "x", Source::HomeOption).prepare());
}

}  // namespace
}  // namespace miro
