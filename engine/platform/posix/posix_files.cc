// Files and folders on Linux: plain descriptors, opened with O_CLOEXEC and,
// wherever a planted link could redirect us, O_NOFOLLOW.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include "engine/platform/posix/posix_platform.h"

namespace zelvo {
namespace {

class PosixReadableFile final : public ReadableFile {
 public:
  PosixReadableFile(int fd, const FileStamp& stamp) : fd_(fd), stamp_(stamp) {}
  ~PosixReadableFile() override { ::close(fd_); }

  bool Read(uint8_t* buffer, size_t n, size_t* bytes_read) override {
    *bytes_read = 0;
    while (*bytes_read < n) {
      const ssize_t got = ::read(fd_, buffer + *bytes_read, n - *bytes_read);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return false;
      if (got == 0) break;
      *bytes_read += static_cast<size_t>(got);
    }
    return true;
  }

  const FileStamp& Stamp() const override { return stamp_; }

 private:
  const int fd_;
  const FileStamp stamp_;
};

class PosixWritableFile final : public WritableFile {
 public:
  explicit PosixWritableFile(int fd) : fd_(fd) {}
  ~PosixWritableFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  bool Append(const uint8_t* data, size_t n) override {
    while (n > 0) {
      const ssize_t written = ::write(fd_, data, n);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      n -= static_cast<size_t>(written);
    }
    return true;
  }

  void StartWriteback() override {
#ifdef __linux__
    ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
  }

  bool Sync() override { return ::fdatasync(fd_) == 0; }

  bool Close() override {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

class PosixFolderLock final : public FolderLock {
 public:
  explicit PosixFolderLock(int fd) : fd_(fd) {}
  ~PosixFolderLock() override { ::close(fd_); }  // closing releases the flock

 private:
  const int fd_;
};

std::string RandomSuffix() {
  static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}() ^ static_cast<uint64_t>(::getpid())
                                                                      << 32};
  std::string suffix(8, ' ');
  for (char& c : suffix) c = kChars[generator() % (sizeof kChars - 1)];
  return suffix;
}

int64_t Nanoseconds(const struct timespec& t) {
  return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// What a failed open or stat says of the file.
FileError ErrorOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError::kMissing;
    case ELOOP:  // a link, refused by O_NOFOLLOW
      return FileError::kNotAFile;
    default:
      return FileError::kUnavailable;
  }
}

FileStamp StampOf(const struct stat& info) {
  FileStamp stamp;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;
  stamp.size = static_cast<uint64_t>(info.st_size);
  stamp.modified_ns = Nanoseconds(info.st_mtim);
  stamp.changed_ns = Nanoseconds(info.st_ctim);
  return stamp;
}

}  // namespace

std::unique_ptr<ReadableFile> PosixPlatform::OpenForReading(const std::string& path,
                                                            FileError* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) {
    *error = ErrorOf(errno);
    return nullptr;
  }
  struct stat info;
  const bool examined = ::fstat(fd, &info) == 0;
  if (!examined || !S_ISREG(info.st_mode)) {
    *error = examined ? FileError::kNotAFile : FileError::kUnavailable;
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixReadableFile>(fd, StampOf(info));
}

std::unique_ptr<WritableFile> PosixPlatform::CreateUniqueFile(const std::string& path_prefix,
                                                              std::string* created_path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = path_prefix + RandomSuffix();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
      // Read and write for every user, whatever the umask and whether or not
      // the folder hands down an access list: the file replaces one that
      // every user shares.
      ::fchmod(fd, 0666);
      *created_path = std::move(path);
      return std::make_unique<PosixWritableFile>(fd);
    }
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool PosixPlatform::RenameFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixPlatform::SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

bool PosixPlatform::RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool PosixPlatform::PathExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool PosixPlatform::CreateFolder(const std::string& path) {
  return ::mkdir(path.c_str(), 0777) == 0;
}

bool PosixPlatform::ListFiles(const std::string& folder, std::vector<std::string>* names) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return false;
  names->clear();
  while (const struct dirent* entry = ::readdir(dir)) {
    // The entry's type usually comes with it; only file systems that do not
    // give it need a look at the file.
    bool regular = entry->d_type == DT_REG;
    if (entry->d_type == DT_UNKNOWN) {
      struct stat info;
      regular = ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(info.st_mode);
    }
    if (regular) names->emplace_back(entry->d_name);
  }
  ::closedir(dir);
  return true;
}

FileError PosixPlatform::GetFileStamp(const std::string& path, FileStamp* stamp) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return ErrorOf(errno);
  *stamp = StampOf(info);
  return FileError::kNone;
}

std::unique_ptr<FolderLock> PosixPlatform::LockFolder(const std::string& folder, int timeout_ms) {
  // The lock is taken on the folder itself, so no lock file is needed and
  // reading the folder is the only right it takes.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  auto pause = std::chrono::microseconds(50);
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      return nullptr;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(5000));
  }
  return std::make_unique<PosixFolderLock>(fd);
}

}  // namespace zelvo
