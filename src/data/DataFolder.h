#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace miro {

// The client data folder. Client files are found in it without regard to letter case, so
// that a folder copied from Windows works.
class DataFolder {
 public:
  DataFolder() = default;
  explicit DataFolder(std::string folder) : folder_(std::move(folder)) {}

  // As configured; a folder written by the set-up ends in "/".
  const std::string& text() const { return folder_; }
  bool empty() const { return folder_.empty(); }
  std::filesystem::path file(std::string_view name) const;

 private:
  std::string folder_;
};

}  // namespace miro
