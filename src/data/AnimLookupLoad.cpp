#include "data/AnimLookupLoad.h"

#include <cstring>
#include <system_error>

#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/Strings.h"

namespace miro {

namespace {

constexpr char kCacheText[] = "MIRO2Lookup";  // 11 characters and the zero byte
constexpr std::int32_t kCacheVersion = 3;

struct IndexFileSet {
  AnimIndexFiles bytes;
  std::vector<std::shared_ptr<const MappedFile>> mapped;
  std::vector<std::string> found;
};

IndexFileSet openIndexFiles(const DataFolder& data, DataFileCache& files) {
  IndexFileSet set;
  const auto openOne = [&](std::string_view name, std::optional<Bytes>& target) {
    auto file = files.open(data, name);
    if (!file) return;
    target = file->bytes();
    set.mapped.push_back(std::move(file));
    set.found.emplace_back(name);
  };
  openOne("ANIM.IDX", set.bytes.anim);
  if (!set.bytes.anim) return set;
  openOne("ANIM2.IDX", set.bytes.anim2);
  openOne("ANIM3.IDX", set.bytes.anim3);
  openOne("ANIM4.IDX", set.bytes.anim4);
  return set;
}

// An index file is whole 12-byte records; one that ends inside a record was cut short.
void reportCutRecords(const DataFolder& data, const IndexFileSet& index, Reporter& reporter) {
  const std::optional<Bytes> files[] = {index.bytes.anim, index.bytes.anim2, index.bytes.anim3, index.bytes.anim4};
  const std::string_view names[] = {"ANIM.IDX", "ANIM2.IDX", "ANIM3.IDX", "ANIM4.IDX"};
  for (std::size_t n = 0; n < 4; ++n) {
    if (files[n] && files[n]->size() % 12 != 0) {
      reporter.error(data.file(names[n]).string() + " is damaged: it ends inside a record; the animations after it are missing.");
    }
  }
}

std::optional<AnimLookup> readCache(const std::filesystem::path& cache) {
  std::string bytes;
  if (!readFileStart(cache, bytes, kLookupCacheSize)) return std::nullopt;
  auto entries = decodeLookupCache(asBytes(bytes));
  if (!entries) return std::nullopt;
  AnimLookup lookup;
  lookup.entries() = std::move(*entries);
  return lookup;
}

void removeFile(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
}

}  // namespace

std::string encodeLookupCache(const AnimLookup& lookup) {
  std::string out(kCacheText, sizeof kCacheText);
  out.reserve(kLookupCacheSize);
  appendU32(out, static_cast<std::uint32_t>(kCacheVersion));
  for (const std::int32_t entry : lookup.entries()) appendU32(out, static_cast<std::uint32_t>(entry));
  return out;
}

std::optional<std::vector<std::int32_t>> decodeLookupCache(Bytes bytes) {
  if (bytes.size() < kLookupCacheSize) return std::nullopt;
  if (std::memcmp(bytes.data(), kCacheText, sizeof kCacheText) != 0) return std::nullopt;
  if (static_cast<std::int32_t>(u32Unchecked(bytes, 12)) != kCacheVersion) return std::nullopt;
  std::vector<std::int32_t> entries(anim::kEntries);
  for (std::size_t i = 0; i < entries.size(); ++i) entries[i] = static_cast<std::int32_t>(u32Unchecked(bytes, 16 + 4 * i));
  return entries;
}

std::int32_t rememberedDataOffset(const ProgramFolder& home) {
  Ini settings;
  if (!settings.load(home.file(kSettingsFileName))) return 0;
  return settings.readInteger("ETC", "DataOffset", 0);
}

Status rememberDataOffset(const ProgramFolder& home, std::int32_t offset) {
  const std::filesystem::path file = home.file(kSettingsFileName);
  Ini settings;
  Status status = settings.load(file);
  if (!status) return status;
  if (settings.value("ETC", "DataOffset") == std::to_string(offset)) return Status::success();
  settings.writeInteger("ETC", "DataOffset", offset);
  status = home.prepare();
  if (!status) return status;
  return settings.save(file);
}

LookupLoad loadAnimLookup(const ProgramFolder& home, const DataFolder& data, std::int32_t dataOffset,
                          DataFileCache& files, Reporter& reporter) {
  LookupLoad load;
  const std::filesystem::path cache = home.file(kLookupCacheName);
  if (dataOffset != rememberedDataOffset(home)) removeFile(cache);

  std::error_code ec;
  if (std::filesystem::exists(cache, ec)) {
    if (auto cached = readCache(cache)) {
      load.lookup = std::move(*cached);
      if (files.open(data, "ANIM4.IDX")) load.lookup.setFemaleVariantsFromFourthFile();
      load.source = LookupSource::Cache;
      return load;
    }
    removeFile(cache);
  }

  const IndexFileSet index = openIndexFiles(data, files);
  if (!index.bytes.anim) {
    reporter.error("File Open Error [ANIM.IDX]");
    return load;
  }
  reportCutRecords(data, index, reporter);
  load.lookup = buildAnimLookup(index.bytes, dataOffset);
  load.source = LookupSource::Scan;
  load.indexFiles = index.found;
  load.cacheWritten = home.prepare();
  if (load.cacheWritten) load.cacheWritten = writeFileAtomically(cache, encodeLookupCache(load.lookup));
  return load;
}

std::vector<std::string> expansionMountNames(const DataFolder& data) {
  std::vector<std::string> names;
  std::error_code ec;
  if (std::filesystem::is_regular_file(data.file("ANIM2.MUL"), ec)) {
    for (int id = 1043; id <= 1050; ++id) names.emplace_back(strings::text(id));
  }
  if (std::filesystem::is_regular_file(data.file("ANIM4.MUL"), ec)) names.emplace_back(strings::text(1074));
  return names;
}

}  // namespace miro
