#include "Batch.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

#include "Still.h"
#include "common/Ini.h"

namespace miro::render {

namespace {

bool isOutfitFile(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension == ".uc2" || extension == ".uoc";
}

int workerCount(const Options& options) {
  if (options.jobs) return std::max(1, *parseIniInteger(*options.jobs));
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

std::vector<std::filesystem::path> batchOutfits(const std::filesystem::path& source, std::ostream& err, bool& ok) {
  std::vector<std::filesystem::path> outfits;
  ok = true;
  std::error_code ec;
  if (std::filesystem::is_directory(source, ec)) {
    for (const auto& entry : std::filesystem::directory_iterator(source, ec)) {
      if (entry.is_regular_file() && isOutfitFile(entry.path())) outfits.push_back(entry.path());
    }
    std::sort(outfits.begin(), outfits.end());
    return outfits;
  }
  std::ifstream list(source);
  if (!list) {
    err << kProgram << ": --batch: cannot read " << source.string() << '\n';
    ok = false;
    return outfits;
  }
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.starts_with('#')) continue;
    std::filesystem::path file = line;
    outfits.push_back(file.is_relative() ? source.parent_path() / file : file);
  }
  return outfits;
}

int renderBatch(const Options& options, const ProgramFolder& home, const StartupFacts& facts, std::ostream& out,
                std::ostream& err) {
  bool ok = true;
  const std::vector<std::filesystem::path> outfits = batchOutfits(*options.batch, err, ok);
  if (!ok) return kBadArguments;
  {
    // Build the lookup cache once, before the workers read it.
    std::ostringstream quiet;
    ConsoleReporter reporter(quiet, kProgram);
    ClientData data;
    loadClientData(home, facts.config, reporter, data, quiet);
  }
  std::mutex printing;
  std::atomic<std::size_t> next = 0;
  std::atomic<int> failures = 0;
  const auto work = [&] {
    for (std::size_t i = next++; i < outfits.size(); i = next++) {
      Options one = options;
      one.batch.reset();
      one.outfit = outfits[i];
      one.output = *options.outDir / outfits[i].stem();
      std::ostringstream messages;
      std::ostringstream unused;
      const int status = renderStill(one, home, facts, unused, messages);
      if (status != kDone) ++failures;
      const std::lock_guard<std::mutex> lock(printing);
      err << messages.str();
      err << kProgram << ": " << (status == kDone ? "drew " : "failed ") << outfits[i].filename().string() << '\n';
    }
  };
  std::vector<std::thread> workers;
  const int count = std::min<int>(workerCount(options), std::max<int>(1, static_cast<int>(outfits.size())));
  for (int w = 1; w < count; ++w) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  out << outfits.size() - static_cast<std::size_t>(failures) << " of " << outfits.size() << " outfits drawn\n";
  return failures > 0 ? kWorkFailed : kDone;
}

}  // namespace miro::render
