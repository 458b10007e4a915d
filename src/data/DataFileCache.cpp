#include "data/DataFileCache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace miro {

namespace {

std::int64_t modificationTime(const struct stat& info) {
  return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

std::shared_ptr<const MappedFile> mapFile(int fd, std::size_t size) {
  if (size == 0) return std::make_shared<MappedFile>(nullptr, 0);
  void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  if (data == MAP_FAILED) return nullptr;
  return std::make_shared<MappedFile>(data, size);
}

}  // namespace

MappedFile::~MappedFile() {
  if (data_ != nullptr) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

std::shared_ptr<const MappedFile> DataFileCache::open(const DataFolder& folder, std::string_view name) {
  const auto key = std::make_pair(folder.text(), std::string(name));
  auto known = names_.find(key);
  if (known != names_.end()) {
    if (auto file = open(known->second)) return file;
    names_.erase(known);  // renamed or gone: look the name up again
  }
  const std::filesystem::path path = folder.file(name);
  auto file = open(path);
  if (file) names_[key] = path;
  return file;
}

std::shared_ptr<const MappedFile> DataFileCache::open(const std::filesystem::path& file) {
  const std::string key = file.string();
  struct stat info {};
  if (::stat(key.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    files_.erase(key);
    return nullptr;
  }
  auto cached = files_.find(key);
  if (cached != files_.end() && cached->second.size == info.st_size &&
      cached->second.modified == modificationTime(info) && cached->second.inode == info.st_ino) {
    return cached->second.file;
  }

  const int fd = ::open(key.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    files_.erase(key);
    return nullptr;
  }
  ++openCount_;
  struct stat opened {};
  std::shared_ptr<const MappedFile> mapped;
  if (::fstat(fd, &opened) == 0) mapped = mapFile(fd, static_cast<std::size_t>(opened.st_size));
  ::close(fd);
  if (!mapped) {
    files_.erase(key);
    return nullptr;
  }
  files_[key] = Entry{mapped, opened.st_size, modificationTime(opened), opened.st_ino};
  return mapped;
}

}  // namespace miro
