#include <gtest/gtest.h>

#include <sstream>

#include "RenderJob.h"
#include "support/TempFolder.h"

namespace miro::render {
namespace {

using test::TempFolder;

struct JobResult {
  int status;
  std::string out;
  std::string err;
};

JobResult runJob(const Options& options) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = run(options, out, err);
  return {status, out.str(), err.str()};
}

class RenderJob : public testing::Test {
 protected:
  Options infoIn(const TempFolder& folder) {
    Options o;
    o.home = folder.path();
    o.info = true;
    return o;
  }
  TempFolder home;
  TempFolder data;
};

TEST_F(RenderJob, Info_FromMiro2Cfg_PrintsOneFactALine) {
  test::writeFile(home / "miro2.cfg", "[PATH]\r\nUO_PATH=" + data.path().string() + "/\r\nOFFSET=0x10\r\n");
  const JobResult r = runJob(infoIn(home));
  EXPECT_EQ(r.status, kDone) << r.err;
  EXPECT_EQ(r.out, "program folder: " + home.path().string() + " (--home)\n" +
                       "data folder: " + data.path().string() + "/ (" + (home / "miro2.cfg").string() + ")\n" +
                       "data offset: 16 (" + (home / "miro2.cfg").string() + ")\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(RenderJob, Info_DataAndOffsetOptions_OverrideMiro2Cfg) {
  test::writeFile(home / "MIRO2.CFG", "[PATH]\r\nUO_PATH=/elsewhere/\r\nOFFSET=7\r\n");
  Options o = infoIn(home);
  o.data = data.path();
  o.offset = "-2";
  const JobResult r = runJob(o);
  EXPECT_EQ(r.status, kDone) << r.err;
  EXPECT_NE(r.out.find("data folder: " + data.path().string() + " (--data)\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("data offset: -2 (--offset)\n"), std::string::npos) << r.out;

  o.offset.reset();
  EXPECT_NE(runJob(o).out.find("data offset: 7 ("), std::string::npos);
}

TEST_F(RenderJob, NoUsableConfiguration_SaysWhatIsMissingAndNeverTouchesTheFile) {
  JobResult r = runJob(infoIn(home));
  EXPECT_EQ(r.status, kBadArguments);
  EXPECT_NE(r.err.find("MIRO2.CFG"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--data"), std::string::npos) << r.err;
  EXPECT_EQ(test::listFolder(home.path()), "");

  const std::string empty = "[PATH]\r\nUO_PATH=\r\nOFFSET=0\r\n";
  test::writeFile(home / "MIRO2.CFG", empty);
  r = runJob(infoIn(home));
  EXPECT_EQ(r.status, kBadArguments);
  EXPECT_EQ(test::readFile(home / "MIRO2.CFG"), empty);
}

TEST_F(RenderJob, BadArguments_NameTheArgumentAndExitWith2) {
  struct Case {
    const char* argument;
    Options options;
  };
  Options missingHome = infoIn(home);
  missingHome.home = home / "absent";
  Options missingData = infoIn(home);
  missingData.data = home / "absent";
  Options badOffset = infoIn(home);
  badOffset.data = data.path();
  badOffset.offset = "ten";
  Options nothingToDo = infoIn(home);
  nothingToDo.data = data.path();
  nothingToDo.info = false;

  for (const auto& [argument, options] : {Case{"--home", missingHome}, Case{"--data", missingData},
                                          Case{"--offset", badOffset}, Case{"--info", nothingToDo}}) {
    const JobResult r = runJob(options);
    EXPECT_EQ(r.status, kBadArguments) << argument;
    EXPECT_NE(r.err.find(argument), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << argument;
  }
}

}  // namespace
}  // namespace miro::render
