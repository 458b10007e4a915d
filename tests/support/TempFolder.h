#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace miro::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / std::string(name); }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& file, std::string_view bytes);
std::string readFile(const std::filesystem::path& file);
// The names in `folder`, sorted.
std::string listFolder(const std::filesystem::path& folder);

// While alive, this process may not write files larger than `bytes`: writes beyond it fail
// with EFBIG, as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long oldSoft_;
  void (*oldHandler_)(int);
};

}  // namespace miro::test
