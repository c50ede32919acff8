// Bounded reading of regular files only, and replacing a file through a new one renamed over it.
#include "project/SafeFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace kerf {

void FileHandle::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int FileHandle::Close() {
  if (fd_ < 0) return 0;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 ? 0 : errno;
}

namespace {

constexpr const char* NotRegular = "not a regular file";

Result<std::string> Failed(std::string reason) {
  return Result<std::string>::Fail(std::move(reason));
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a write to path lands in: links followed to their end, also when that end does not
// exist yet. False with errno set for a loop of links.
bool ResolveForWriting(const std::string& path, std::string& target) {
  target = path;
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::string link(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t n = readlink(target.c_str(), link.data(), link.size());
    if (n < 0) return false;
    link.resize(static_cast<size_t>(n));
    if (!link.starts_with('/')) link.insert(0, DirectoryOf(target) + "/");
    target = link;
  }
  errno = ELOOP;
  return false;
}

// A new empty file with a short name of its own in dir; -1 with errno set when none can be made.
FileHandle CreateBeside(const std::string& dir, std::string& tempPath) {
  static constexpr char Letters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<size_t> pick(0, sizeof Letters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = dir + "/.kerf";
    for (int i = 0; i < 6; ++i) tempPath += Letters[pick(random)];
    FileHandle file(open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.IsOpen() || errno != EEXIST) return file;
  }
  errno = EEXIST;
  return FileHandle();
}

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

Result<std::string> ReadRegularFile(const std::string& path, size_t maxBytes,
                                    const std::string& tooLarge) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer before fstat can refuse it.
  FileHandle file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.IsOpen()) return Failed(std::strerror(errno));
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) return Failed(std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return Failed(std::strerror(EISDIR));
  if (!S_ISREG(info.st_mode)) return Failed(NotRegular);
  if (static_cast<uint64_t>(info.st_size) > maxBytes) return Failed(tooLarge);
  fcntl(file.Get(), F_SETFL, fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);

  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(file.Get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failed(std::strerror(errno));
    if (n == 0) break;
    // The file may grow while it is read; the limit holds for what is read, not what was announced.
    if (static_cast<size_t>(n) > maxBytes - bytes.size()) return Failed(tooLarge);
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

Result<void> ReplaceFile(const std::string& path, std::string_view bytes) {
  std::string target;
  if (!ResolveForWriting(path, target)) {
    return Result<void>::Fail(std::strerror(errno));
  }
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    return Result<void>::Fail(S_ISDIR(old.st_mode) ? std::strerror(EISDIR) : NotRegular);
  }

  std::string tempPath;
  FileHandle file = CreateBeside(DirectoryOf(target), tempPath);
  if (!file.IsOpen()) {
    return Result<void>::Fail(std::strerror(errno));
  }
  if (exists) {
    // Owner and group where the process may set them (a user may only give the file to a group
    // of their own); the mode after them, since a change of owner clears the set-id bits.
    if (fchown(file.Get(), old.st_uid, old.st_gid) != 0) (void)!fchown(file.Get(), -1, old.st_gid);
    fchmod(file.Get(), old.st_mode & 07777);
  }

  int err = 0;
  if (!WriteAll(file.Get(), bytes) || fsync(file.Get()) != 0) err = errno;
  const int closeError = file.Close();
  if (err == 0) err = closeError;
  if (err == 0 && rename(tempPath.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(tempPath.c_str());
    return Result<void>::Fail(std::strerror(err));
  }
  // Make the rename itself durable; a failure here no longer endangers either file.
  FileHandle dir(open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.IsOpen()) fsync(dir.Get());
  return {};
}

}  // namespace kerf
