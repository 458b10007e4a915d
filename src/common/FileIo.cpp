#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace miro {

namespace {

std::string failureText(std::string_view what, const std::filesystem::path& file, int error) {
  return std::string(what) + " " + file.string() + ": " + std::strerror(error);
}

std::filesystem::path followLinks(const std::filesystem::path& file) {
  std::filesystem::path target = file;
  std::error_code ec;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, ec); ++hops) {
    const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

mode_t modeForNewFile(const std::filesystem::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

namespace {

// Reads up to `count` bytes, or, with `whole`, the whole file when it is no larger than `count`.
Status readFile(const std::filesystem::path& file, std::string& bytes, std::size_t count, bool whole) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Status::failure(failureText("Cannot open", file, errno));
  struct stat info {};
  Status status = Status::success();
  if (::fstat(fd, &info) != 0) {
    status = Status::failure(failureText("Cannot read", file, errno));
  } else if (!S_ISREG(info.st_mode)) {
    status = Status::failure("Not a file: " + file.string());
  } else if (whole && static_cast<std::uint64_t>(info.st_size) > count) {
    status = Status::failure("File too large: " + file.string());
  } else {
    bytes.assign(std::min<std::size_t>(count, static_cast<std::size_t>(info.st_size)), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        status = Status::failure(failureText("Cannot read", file, errno));
        break;
      }
      if (n == 0) break;  // the file shrank while we read it
      done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
  }
  ::close(fd);
  return status;
}

}  // namespace

Status readWholeFile(const std::filesystem::path& file, std::string& bytes, std::size_t limit) {
  return readFile(file, bytes, limit, true);
}

Status readFileStart(const std::filesystem::path& file, std::string& bytes, std::size_t count) {
  return readFile(file, bytes, count, false);
}

Status writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  const std::filesystem::path target = followLinks(file);
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');

  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Status::failure(failureText("Cannot write", file, errno));
  const std::filesystem::path temporary(name.data());

  int error = 0;
  if (!writeAll(fd, bytes)) error = errno ? errno : EIO;
  if (!error && ::fchmod(fd, modeForNewFile(target)) != 0) error = errno;
  if (!error && ::fdatasync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.c_str());
    return Status::failure(failureText("Cannot write", file, error));
  }
  return Status::success();
}

}  // namespace miro
