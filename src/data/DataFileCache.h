#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "data/DataFolder.h"

namespace miro {

// The bytes of one client file, mapped read-only.
class MappedFile {
 public:
  MappedFile(const void* data, std::size_t size) : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::span<const std::uint8_t> bytes() const { return {data_, size_}; }
  std::size_t size() const { return size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// Every read of a client file goes through here: each file is mapped once and reused while
// its size and modification time stay the same, so drawing many elements opens nothing again.
class DataFileCache {
 public:
  // Nothing when the file is missing or cannot be opened.
  std::shared_ptr<const MappedFile> open(const DataFolder& folder, std::string_view name);
  std::shared_ptr<const MappedFile> open(const std::filesystem::path& file);

  // How many times a file was really opened (for tests and statistics).
  int openCount() const { return openCount_; }

 private:
  struct Entry {
    std::shared_ptr<const MappedFile> file;
    std::int64_t size = 0;
    std::int64_t modified = 0;
    std::uint64_t inode = 0;
  };
  std::map<std::string, Entry> files_;
  std::map<std::pair<std::string, std::string>, std::filesystem::path> names_;
  int openCount_ = 0;
};

}  // namespace miro
