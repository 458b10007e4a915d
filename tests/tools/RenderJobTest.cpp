#include <gtest/gtest.h>

#include <sstream>

#include <algorithm>
#include <functional>

#include "ClientGen.h"
#include "files/PictureFile.h"
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
  EXPECT_EQ(r.status, kWorkFailed) << r.err;  // the folder has none of the client's files
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
            "mirolane2-render: Error: Failed to open FONT.MUL.\n"
            "mirolane2-render: 3 errors above; what could be read was used\n");
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
                                          Case{"--offset", badOffset}, Case{"-o FILE", nothingToDo}}) {
    const JobResult r = runJob(options);
    EXPECT_EQ(r.status, kBadArguments) << argument;
    EXPECT_NE(r.err.find(argument), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << argument;
  }
}

// A client folder whose every index record points at one group: a grey man of 3 x 6 pixels
// standing on the base point, in two frames.
class RenderStill : public RenderJob {
 protected:
  RenderStill() { writeClient(); }
  void writeClient() {
    clientgen::AnimFileWriter anim;
    clientgen::AnimGroup group;
    for (int i = 0; i < 256; ++i) group.palette[static_cast<std::size_t>(i)] = clientgen::colour15(i / 8, i / 8, i / 8);
    clientgen::IndexedFrame man(3, 6, 1, 0);
    for (int& p : man.pixels) p = 128;
    group.frames = {man, man};
    const clientgen::IndexRecord record = anim.add(group);
    test::writeFile(data / "ANIM.IDX", clientgen::encodeIndex(std::vector<clientgen::IndexRecord>(37000, record)));
    test::writeFile(data / "ANIM.MUL", anim.data());
    std::vector<clientgen::HueEntry> hues(10);
    for (auto& c : hues[4].colours) c = clientgen::colour15(31, 0, 0);  // hue 5 is red throughout
    test::writeFile(data / "HUES.MUL", clientgen::encodeHues(hues));
    test::writeFile(data / "FONTS.MUL", clientgen::encodeFonts({}));
  }
  Options still(const std::string& output) {
    Options o;
    o.home = home.path();
    o.data = data.path();
    o.output = home / output;
    return o;
  }
  Bitmap32 picture(const std::string& name) {
    Bitmap32 b;
    const Status read = readPicture(home / name, b);
    EXPECT_TRUE(read) << read.message();
    return b;
  }
};

TEST_F(RenderStill, WritesTheComposedStillAsBmpOrPng) {
  Options o = still("man.bmp");
  o.hues = {"0=5"};
  JobResult r = runJob(o);
  ASSERT_EQ(r.status, kDone) << r.err;
  const Bitmap32 bmp = picture("man.bmp");
  ASSERT_EQ(bmp.width(), 270);
  ASSERT_EQ(bmp.height(), 240);
  EXPECT_EQ(bmp.pixel(127, 167), 0xFF0000u);  // the grey man in hue 5
  EXPECT_EQ(bmp.pixel(129, 162), 0xFF0000u);
  EXPECT_EQ(bmp.pixel(130, 167), 0xFFFFFFu);  // white background
  EXPECT_EQ(bmp.pixel(127, 161), 0xFFFFFFu);

  o = still("man.png");
  o.hues = {"0=5"};
  o.format = "png";
  r = runJob(o);
  ASSERT_EQ(r.status, kDone) << r.err;
  EXPECT_EQ(picture("man.png"), bmp);
}

TEST_F(RenderStill, BackgroundComesFromTheSettingsUnlessGiven) {
  test::writeFile(home / "MIRO2.ini", "[Option]\r\nBGColor=255\r\n");  // 0x00BBGGRR: red
  ASSERT_EQ(runJob(still("a.bmp")).status, kDone);
  EXPECT_EQ(picture("a.bmp").pixel(0, 0), 0xFF0000u);
  Options o = still("b.bmp");
  o.background = "#0080ff";
  ASSERT_EQ(runJob(o).status, kDone);
  EXPECT_EQ(picture("b.bmp").pixel(0, 0), 0x0080FFu);
}

TEST_F(RenderStill, AFrameBeyondTheMotionIsClampedWithANotice) {
  Options o = still("late.bmp");
  o.frame = "9";
  const JobResult r = runJob(o);
  EXPECT_EQ(r.status, kDone);
  EXPECT_NE(r.err.find("drawing frame 1"), std::string::npos) << r.err;
}

TEST_F(RenderStill, BadArguments_NameWhatIsWrongAndWriteNothing) {
  const std::pair<std::function<void(Options&)>, std::string> cases[] = {
      {[](Options& o) { o.parts = {"2=12"}; }, "--part"},
      {[](Options& o) { o.parts = {"Nope=1"}; }, "--part"},
      {[](Options& o) { o.parts = {"hair"}; }, "--part"},
      {[](Options& o) { o.hues = {"29=1"}; }, "--hue"},
      {[](Options& o) { o.hues = {"3=blue"}; }, "--hue"},
      {[](Options& o) { o.effects = {"sparkle"}; }, "--effect"},
      {[](Options& o) { o.format = "jpeg"; }, "--format"},
      {[](Options& o) { o.frames = "6"; }, "--frames"},
      {[](Options& o) { o.animTrim = "rect"; }, "--anim-trim"},
      {[](Options& o) { o.frames = "5"; o.view = "pd"; }, "--frames"},
      {[](Options& o) { o.output.reset(); o.body = "1"; }, "-o FILE"},
      {[](Options& o) { o.background = "12345"; }, "--background"},
      {[](Options& o) { o.mount = "9"; }, "--mount"},  // no expansion mounts without their files
      {[](Options& o) { o.motion = "40"; }, "--motion"},
      {[](Options& o) { o.direction = "-1"; }, "--direction"},
      {[](Options& o) { o.body = "6"; }, "--body"},
      {[](Options& o) { o.speech = {"4=hello"}; }, "--speech"},
      {[](Options& o) { o.speech = {"1=" + std::string(81, 'a')}; }, "--speech"},
      {[](Options& o) { o.speechPlaces = {"1=10;20"}; }, "--speech-place"},
      {[](Options& o) { o.speechPlaces = {"2=x,20"}; }, "--speech-place"},
      {[](Options& o) { o.speechFonts = {"1=10"}; }, "--speech-font"},
      {[](Options& o) { o.speechUnicode = {"0"}; }, "--speech-unicode"},
      {[](Options& o) { o.priorities = {"Hair=33,1"}; }, "--priority"},
      {[](Options& o) { o.priorities = {"Hair=3"}; }, "--priority"},
      {[](Options& o) { o.view = "3d"; }, "--view"},
      {[](Options& o) { o.trimRect = "1,2,3"; }, "--trim-rect"},
      {[](Options& o) { o.sheet = true; }, "--sheet"},
      {[](Options& o) { o.frames = "5"; o.animated = "mng"; }, "--animated"},
      {[](Options& o) { o.frames = "5"; o.delay = "fast"; }, "--delay"},
      {[](Options& o) { o.trimRect = "1,2,0,4"; }, "--trim-rect"},
      {[](Options& o) { o.trimRect = "300,2,10,4"; }, "--trim-rect"},
      {[](Options& o) { o.pdEmulation = "mine"; }, "--pd-emulation"},
      {[](Options& o) { o.pdExtras = "backpack,hat"; }, "--pd-extra"},
      {[](Options& o) { o.pdStringPlace = "39"; }, "--pd-string-place"},
      {[](Options& o) { o.pdStringFont = "x"; }, "--pd-string-font"},
  };
  for (const auto& [spoil, argument] : cases) {
    Options o = still("bad.bmp");
    spoil(o);
    const JobResult r = runJob(o);
    EXPECT_EQ(r.status, kBadArguments) << argument;
    EXPECT_NE(r.err.find(argument), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(home / "bad.bmp")) << argument;
  }
  Options named = still("named.bmp");
  named.parts = {"Right1=68", "hair=11", "22=0"};
  named.mount = "8";
  EXPECT_EQ(runJob(named).status, kDone);
}

TEST_F(RenderStill, Speech_IsDrawnAndDescribed) {
  Options o = still("speech.bmp");
  o.speech = {"1=Hello", "3=~"};
  o.speechPlaces = {"1=10,20"};
  o.hues = {"25=5"};
  o.describeSpeech = true;
  const JobResult r = runJob(o);
  ASSERT_EQ(r.status, kDone) << r.err;
  EXPECT_NE(r.out.find("speech line 1: X="), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("speech line 1: X=270 Y=140\n"), std::string::npos) << r.out;  // no glyphs; the top row 162, less 22
  EXPECT_NE(r.out.find("speech line 2: empty\n"), std::string::npos) << r.out;
}

TEST_F(RenderStill, PaperdollView_DrawsTheGumpsInsideTheWindowWhenAsked) {
  clientgen::GumpFileWriter gumps;
  clientgen::GumpImage body(3, 3);
  for (auto& c : body.colours) c = clientgen::colour15(16, 16, 16);
  gumps.add(12, body);
  gumps.add(2001, body);  // the window of another character
  test::writeFile(data / "gumpidx.mul", gumps.index());
  test::writeFile(data / "gumpart.mul", gumps.art());

  Options o = still("pd.bmp");
  o.view = "pd";
  ASSERT_EQ(runJob(o).status, kDone);
  Bitmap32 pd = picture("pd.bmp");
  EXPECT_EQ(pd.width(), 190);
  EXPECT_EQ(pd.pixel(2, 2), 0x838383u);
  EXPECT_EQ(pd.pixel(3, 3), 0x000000u);

  o.pdEmulation = "other";
  o.pdString = "";
  const JobResult r = runJob(o);
  ASSERT_EQ(r.status, kDone) << r.err;
  pd = picture("pd.bmp");
  EXPECT_EQ(pd.width(), 262);
  EXPECT_EQ(pd.pixel(0, 0), 0x838383u);   // the window's corner
  EXPECT_EQ(pd.pixel(10, 21), 0x838383u);  // the body at (8, 19)
}

void cutTo(const std::filesystem::path& file, std::size_t size) { std::filesystem::resize_file(file, size); }

TEST_F(RenderStill, DamagedClientFilesAndOutfits_ExitWith1NamingTheFile) {
  clientgen::GumpFileWriter gumps;
  gumps.add(12, clientgen::GumpImage(3, 30));
  struct Case {
    const char* what;
    std::function<void()> damage;
    const char* view;
    std::string named;  // in the messages
    bool drawn;         // the picture is still written
  };
  const auto write = [&](const char* name, const std::string& bytes) { test::writeFile(data / name, bytes); };
  const std::vector<Case> cases = {
      {"animation data cut short", [&] { cutTo(data / "ANIM.MUL", 540); }, "2d", "ANIM.MUL is damaged", true},
      {"index record beyond the data",
       [&] { write("ANIM.IDX", clientgen::encodeIndex(std::vector<clientgen::IndexRecord>(37000, {90000, 600, 0}))); },
       "2d", "ANIM.MUL is damaged: the animation at byte 90000", true},
      {"index cut inside a record", [&] { cutTo(data / "ANIM.IDX", 37000 * 12 - 5); }, "2d", "ANIM.IDX is damaged", true},
      {"hues beyond 399 blocks", [&] { write("HUES.MUL", std::string(708 * 400, '\0')); }, "2d",
       "HUES.MUL: Memory buffer overflow.", true},
      {"hues cut inside a block", [&] { cutTo(data / "HUES.MUL", 708 + 100); }, "2d", "HUES.MUL is damaged", true},
      {"fonts cut short", [&] { cutTo(data / "FONTS.MUL", 300); }, "2d", "FONTS.MUL is shorter", true},
      {"gump data cut short",
       [&] {
         write("gumpidx.mul", gumps.index());
         write("gumpart.mul", gumps.art().substr(0, 40));
       },
       "pd", "gumpart.mul is damaged: gump 12", true},
      {"gump container of garbage", [&] { write("gumpartLegacyMUL.uop", "MYP\0 not really"); }, "pd",
       "gumpartLegacyMUL.uop is no UOP container", true},
      {"outfit of binary garbage", [&] { test::writeFile(home / "bad.uoc", std::string("\x01\x02\xFF\n\x00zz", 7)); },
       "2d", (home / "bad.uoc").string() + ": no outfit in it", false},
      {"background picture cut short", [&] { test::writeFile(home / "bad.bmp", "BM\x10\0\0\0"); }, "2d",
       (home / "bad.bmp").string(), false},
      {"background picture missing", [] {}, "2d", "/no/such/picture.bmp", false},
      {"outfit of another revision", [&] { test::writeFile(home / "bad.uoc", "[Format]\r\nRevision=7\r\n"); }, "2d",
       (home / "bad.uoc").string() + ": the outfit cannot be read", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* name : {"gumpidx.mul", "gumpart.mul", "gumpartLegacyMUL.uop"}) std::filesystem::remove(data / name);
    std::filesystem::remove(home / "MIRO2Lup.dat");
    std::filesystem::remove(home / "out.bmp");
    writeClient();
    c.damage();
    Options o = still("out.bmp");
    o.view = c.view;
    o.speech = {"1=Hello"};
    if (std::filesystem::exists(home / "bad.uoc")) o.outfit = home / "bad.uoc";
    if (std::filesystem::exists(home / "bad.bmp")) o.backgroundPicture = home / "bad.bmp";
    if (std::string_view(c.what) == "background picture missing") o.backgroundPicture = "/no/such/picture.bmp";
    const JobResult r = runJob(o);
    std::filesystem::remove(home / "bad.uoc");
    std::filesystem::remove(home / "bad.bmp");
    EXPECT_EQ(r.status, kWorkFailed) << r.err;
    EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    EXPECT_EQ(std::filesystem::exists(home / "out.bmp"), c.drawn);
  }
}

TEST_F(RenderStill, Outfits_AreLoadedChangedByTheOptionsAndSaved) {
  test::writeFile(home / "rider.uoc", "26,3,\"4001\"\r\n17,26,\"0455\"\r\n2,2,\"44E\"\r\n");
  Options o = still("rider.bmp");
  o.outfit = home / "rider.uoc";
  o.parts = {"Hair=5"};
  o.saveOutfit = home / "rider.uc2";
  ASSERT_EQ(runJob(o).status, kDone);
  EXPECT_TRUE(std::filesystem::exists(home / "rider.bmp"));
  const std::string saved = test::readFile(home / "rider.uc2");
  EXPECT_NE(saved.find("[Hair]\r\nParts=5\r\nColor=1102\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[Right1]\r\nParts=26\r\nColor=1109\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[Mount]\r\nKind=3\r\nColor=16385\r\n"), std::string::npos);

  Options again = still("unused.bmp");  // the tool never overwrites an outfit
  again.output.reset();
  again.saveOutfit = home / "rider.uc2";
  const JobResult r = runJob(again);
  EXPECT_EQ(r.status, kWorkFailed);
  EXPECT_NE(r.err.find("not overwritten"), std::string::npos) << r.err;
  EXPECT_EQ(test::readFile(home / "rider.uc2"), saved);

  Options missing = still("x.bmp");
  missing.outfit = home / "nope.uc2";
  const JobResult m = runJob(missing);
  EXPECT_EQ(m.status, kWorkFailed);
  EXPECT_NE(m.err.find("Failed to open files."), std::string::npos);
  EXPECT_NE(m.err.find((home / "nope.uc2").string() + ": the outfit cannot be read"), std::string::npos) << m.err;
}

TEST_F(RenderJob, DescribeHueAndColours_PrintWithoutAnyClientData) {
  Options o;
  o.home = home.path();
  o.describeHues = {"1109", "0x4001"};
  JobResult r = runJob(o);
  ASSERT_EQ(r.status, kDone) << r.err;
  EXPECT_NE(r.out.find("1109"), std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
  o.describeHues = {"blue"};
  EXPECT_EQ(runJob(o).status, kBadArguments);

  test::writeFile(home / "add_colors.txt", "Blues,1301,10\nbroken line\n");
  Options c;
  c.home = home.path();
  c.colours = true;
  r = runJob(c);
  EXPECT_EQ(r.status, kDone);
  EXPECT_EQ(r.out, "Blues: 1301 to 1310\n");
  EXPECT_NE(r.err.find("2Error is found atline."), std::string::npos) << r.err;
}

TEST_F(RenderStill, Trimming_CutsTheStillToTheCharacterOrARectangle) {
  Options o = still("trim.bmp");
  o.trim = true;
  ASSERT_EQ(runJob(o).status, kDone);
  Bitmap32 b = picture("trim.bmp");
  EXPECT_EQ(b.width(), 3);  // the grey man of 3 x 6
  EXPECT_EQ(b.height(), 6);

  o.trim = false;
  o.trimRect = "120,160,20,10";
  ASSERT_EQ(runJob(o).status, kDone);
  b = picture("trim.bmp");
  EXPECT_EQ(b.width(), 20);
  EXPECT_EQ(b.height(), 10);
  EXPECT_EQ(b.pixel(6, 7), 0xFFFFFFu);
  EXPECT_NE(b.pixel(7, 7), 0xFFFFFFu);  // the man's left column, 127

  o.trimRect.reset();
  o.trim = true;
  o.body = "4";  // nothing drawn: written whole
  const JobResult r = runJob(o);
  EXPECT_EQ(r.status, kDone);
  EXPECT_NE(r.err.find("Nothing to trim: the picture is written whole."), std::string::npos) << r.err;
  EXPECT_EQ(picture("trim.bmp").width(), 270);
}

TEST_F(RenderStill, FormatsAndFrameSets_AreWrittenUnderTheBaseName) {
  Options o = still("man");
  o.format = "png8";
  ASSERT_EQ(runJob(o).status, kDone);
  EXPECT_EQ(picture("man.png").pixel(128, 167), 0x848484u);
  o.format = "gif";
  ASSERT_EQ(runJob(o).status, kDone);
  EXPECT_EQ(test::readFile(home / "man.gif").substr(0, 6), "GIF89a");

  Options walk = still("walk.bmp");
  walk.frames = "5";
  walk.trim = true;
  const JobResult r = runJob(walk);
  ASSERT_EQ(r.status, kDone) << r.err;
  EXPECT_NE(r.err.find("10 frames written"), std::string::npos) << r.err;  // 2 frames in 5 directions
  EXPECT_EQ(picture("walk(D)01.bmp").width(), 3);
  EXPECT_TRUE(std::filesystem::exists(home / "walk(U)00.bmp"));

  walk.frames = "default";
  walk.animated = "gif";
  walk.sheet = true;
  walk.delay = "50";
  ASSERT_EQ(runJob(walk).status, kDone);
  EXPECT_EQ(test::readFile(home / "walk.gif").substr(0, 6), "GIF89a");
  EXPECT_TRUE(std::filesystem::exists(home / "walk-sheet.json"));
}

TEST_F(RenderStill, Batch_DrawsEveryOutfitOfAFolderOrAList) {
  test::TempFolder outfits;
  test::TempFolder pictures;
  test::writeFile(outfits / "a.uoc", "0,1,\"5\"\r\n");
  test::writeFile(outfits / "b.uc2", "[Format]\r\nRevision=1\r\n[Body]\r\nParts=0\r\nColor=5\r\n");
  test::writeFile(outfits / "notes.txt", "not an outfit");
  Options o = still("unused");
  o.output.reset();
  o.batch = outfits.path();
  o.outDir = pictures.path();
  o.jobs = "2";
  o.format = "png";
  JobResult r = runJob(o);
  ASSERT_EQ(r.status, kDone) << r.err;
  EXPECT_EQ(r.out, "2 of 2 outfits drawn\n");
  EXPECT_EQ(test::listFolder(pictures.path()), "a.png b.png");
  Bitmap32 b;
  ASSERT_TRUE(readPicture(pictures / "b.png", b));
  EXPECT_EQ(b.pixel(128, 167), 0xFF0000u);  // hue 5 is red

  test::writeFile(outfits / "list.txt", "# two outfits\nb.uc2\nmissing.uc2\n");
  o.batch = outfits / "list.txt";
  r = runJob(o);
  EXPECT_EQ(r.status, kWorkFailed);
  EXPECT_EQ(r.out, "1 of 2 outfits drawn\n");
  EXPECT_NE(r.err.find("failed missing.uc2"), std::string::npos) << r.err;

  o.outDir.reset();
  EXPECT_EQ(runJob(o).status, kBadArguments);
}

TEST_F(RenderStill, AnUnwritableOutputFailsTheWork) {
  Options o = still("no-such-folder/out.bmp");
  const JobResult r = runJob(o);
  EXPECT_EQ(r.status, kWorkFailed);
  EXPECT_NE(r.err.find("out.bmp"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace miro::render
