// Reading files that anyone may have written, and replacing files so that a failure keeps the old.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Result.h"

namespace kerf {

// An open file descriptor, closed when the handle goes away.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() { Reset(); }
  FileHandle(FileHandle&& other) noexcept : fd_(other.Release()) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = other.Release();
    }
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void Reset();
  // Closes now and returns close()'s errno, 0 when it succeeded (or nothing was open).
  int Close();

 private:
  int fd_ = -1;
};

// Reads the whole file at path, at most maxBytes of it. Only a regular file (or a
// link to one) is read: a FIFO, device or folder is refused with "not a regular file" without
// waiting for a writer or reading from the device. Reading stops as soon as the file proves
// larger than maxBytes, whatever size it announced when opened, and fails with tooLarge. Other
// failures carry the reason (the system's message where it gave one), without the path.
Result<std::string> ReadRegularFile(const std::string& path, size_t maxBytes,
                                    const std::string& tooLarge);

// Replaces the contents of path with bytes. They are written to a new file with a short name in
// the same folder, flushed to disk and renamed over path, so that a failure at any step (a full
// disk included) leaves the previous file as it was. A symbolic link is followed: the file it
// names is replaced or, when it does not exist yet, created. An existing file keeps its mode and,
// where the process may set them, its owner and group. A path that exists and is not a regular
// file (a device, FIFO or folder, or a link to one) is refused. A failure carries the reason
// (the system's message where it gave one), without the path.
Result<void> ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace kerf
