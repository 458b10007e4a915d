#include <gtest/gtest.h>

#include <sstream>

#include "ClientGen.h"
#include "RenderJob.h"
#include "data/GumpStore.h"
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
                       "data offset: 16 (" + (home / "miro2.cfg").string() + ")\n" +
                       "animation lookup: none (no ANIM.IDX)\n"
                       "lookup entries without animation: 0\n"
                       "body slots with a female variant: 0\n"
                       "hue records: 0\n"
                       "gumps: none\n" +
                       [] {
                         std::string fonts;
                         for (int f = 0; f < 10; ++f) fonts += "font " + std::to_string(f) + ": greatest height 0, 0 glyphs\n";
                         return fonts;
                       }());
  EXPECT_EQ(r.err,
            "mirolane2-render: Error: File Open Error [ANIM.IDX]\n"
            "mirolane2-render: Error: Failed to load HUES.MUL.\n"
            "mirolane2-render: Error: Failed to open FONT.MUL.\n");
}

TEST_F(RenderJob, Info_ScansTheIndexFilesOnceThenReadsTheCache) {
  std::vector<clientgen::IndexRecord> records;
  for (int i = 0; i < 37000; ++i) records.push_back({i * 100, 100, 0});
  test::writeFile(data / "ANIM.IDX", clientgen::encodeIndex(records));
  test::writeFile(data / "anim4.idx", clientgen::encodeIndex(records));
  test::writeFile(data / "HUES.MUL", clientgen::encodeHues(std::vector<clientgen::HueEntry>(3000)));
  test::writeFile(data / "FONTS.MUL", clientgen::encodeFonts({{}, {{3, 12, std::vector<std::uint16_t>(36, 1)}}}));
  clientgen::GumpImage gump(2, 2);
  test::writeFile(data / "gumpartLegacyMUL.uop",
                  clientgen::encodeUop({{uopGumpName(12), clientgen::uopGumpData(gump), 1},
                                        {uopGumpName(13), clientgen::uopGumpData(gump), 0}}));
  test::writeFile(home / "MIRO2.ini", "[ETC]\r\nDataOffset=0\r\n[Other]\r\nKeep=me\r\n");
  Options o = infoIn(home);
  o.data = data.path();
  o.offset = "3";

  JobResult r = runJob(o);
  EXPECT_EQ(r.status, kDone) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("animation lookup: scan of ANIM.IDX ANIM4.IDX\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("body slots with a female variant: 16\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("hue records: 3000\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("gumps: gumpartLegacyMUL.uop, 2 gumps\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("font 0: greatest height 0, 0 glyphs\nfont 1: greatest height 12, 1 glyphs\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(test::readFile(home / "MIRO2.ini"), "[ETC]\r\nDataOffset=3\r\n[Other]\r\nKeep=me\r\n");
  EXPECT_EQ(std::filesystem::file_size(home / "MIRO2Lup.dat"), 177376u);

  r = runJob(o);
  EXPECT_NE(r.out.find("animation lookup: cache " + (home / "MIRO2Lup.dat").string() + "\n"), std::string::npos)
      << r.out;
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
