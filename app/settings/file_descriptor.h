#pragma once

#include <string_view>
#include <system_error>

namespace zentrel {

// The error of the last failed system call.
std::error_code lastSystemError();

// Owns an open file descriptor and closes it when it goes out of scope.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Closes now; the write-back a close can still bring may fail.
    std::error_code close();

  private:
    int fd_ = -1;
};

// Writes every byte, going on after a partial write or an interrupted call.
std::error_code writeAll(const FileDescriptor& file, std::string_view bytes);

}  // namespace zentrel
