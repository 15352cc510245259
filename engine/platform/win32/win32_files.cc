// Files and folders on Windows. Readers share read, write and delete access,
// so that a reader never blocks a replace; links (reparse points) are never
// followed; a replace is written through to the disk, so the folder needs no
// flush of its own.
#include <windows.h>

#include <chrono>
#include <random>
#include <thread>

#include "engine/platform/win32/win32_platform.h"

namespace zelvo {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The lock file of a folder; it is never deleted, so every process locks the
// same file.
constexpr wchar_t kLockFileName[] = L"zelvo.lock";
// How long a replace that meets a sharing violation (a scanner, an indexer)
// is tried again before the save fails.
constexpr auto kReplaceRetryTime = std::chrono::seconds(2);

int64_t Nanoseconds(LARGE_INTEGER time) { return time.QuadPart * 100; }

// The stamp of an open handle; false when the system does not say.
bool StampOf(HANDLE handle, FileStamp* stamp) {
  BY_HANDLE_FILE_INFORMATION information;
  FILE_BASIC_INFO basic;
  if (!::GetFileInformationByHandle(handle, &information) ||
      !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
    return false;
  }
  stamp->device = information.dwVolumeSerialNumber;
  stamp->inode = uint64_t{information.nFileIndexHigh} << 32 | information.nFileIndexLow;
  stamp->size = uint64_t{information.nFileSizeHigh} << 32 | information.nFileSizeLow;
  stamp->modified_ns = Nanoseconds(basic.LastWriteTime);
  stamp->changed_ns = Nanoseconds(basic.ChangeTime);
  return true;
}

bool IsPlainFile(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

class Win32ReadableFile final : public ReadableFile {
 public:
  Win32ReadableFile(HANDLE handle, const FileStamp& stamp) : handle_(handle), stamp_(stamp) {}
  ~Win32ReadableFile() override { ::CloseHandle(handle_); }

  bool Read(uint8_t* buffer, size_t n, size_t* bytes_read) override {
    *bytes_read = 0;
    while (*bytes_read < n) {
      const DWORD want = static_cast<DWORD>(std::min<size_t>(n - *bytes_read, 1 << 30));
      DWORD got = 0;
      if (!::ReadFile(handle_, buffer + *bytes_read, want, &got, nullptr)) return false;
      if (got == 0) break;
      *bytes_read += got;
    }
    return true;
  }

  const FileStamp& Stamp() const override { return stamp_; }

 private:
  const HANDLE handle_;
  const FileStamp stamp_;
};

class Win32WritableFile final : public WritableFile {
 public:
  explicit Win32WritableFile(HANDLE handle) : handle_(handle) {}
  ~Win32WritableFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }

  bool Append(const uint8_t* data, size_t n) override {
    while (n > 0) {
      const DWORD want = static_cast<DWORD>(std::min<size_t>(n, 1 << 30));
      DWORD written = 0;
      if (!::WriteFile(handle_, data, want, &written, nullptr) || written == 0) return false;
      data += written;
      n -= written;
    }
    return true;
  }

  bool Sync() override { return ::FlushFileBuffers(handle_) != 0; }

  bool Close() override {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

class Win32FolderLock final : public FolderLock {
 public:
  explicit Win32FolderLock(HANDLE handle) : handle_(handle) {}
  ~Win32FolderLock() override {
    OVERLAPPED whole = {};
    ::UnlockFileEx(handle_, 0, MAXDWORD, MAXDWORD, &whole);
    ::CloseHandle(handle_);
  }

 private:
  const HANDLE handle_;
};

std::wstring RandomSuffix() {
  static constexpr wchar_t kChars[] =
      L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 generator{std::random_device{}() ^ uint64_t{::GetCurrentProcessId()}
                                                                      << 32};
  std::wstring suffix(8, L' ');
  for (wchar_t& c : suffix) c = kChars[generator() % (std::size(kChars) - 1)];
  return suffix;
}

std::wstring InFolder(const std::string& folder, const wchar_t* name) {
  std::wstring path = WidePath(folder.empty() ? "." : folder);
  if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + name;
}

}  // namespace

std::unique_ptr<ReadableFile> Win32Platform::OpenForReading(const std::string& path,
                                                            FileError* error) {
  const std::wstring wide = WidePath(path);
  const HANDLE handle =
      ::CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    *error = attributes != INVALID_FILE_ATTRIBUTES && !IsPlainFile(attributes)
                 ? FileError::kNotAFile
                 : FileErrorOf(code);
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION information;
  FileStamp stamp;
  if (!::GetFileInformationByHandle(handle, &information) || !StampOf(handle, &stamp)) {
    *error = FileError::kUnavailable;
    ::CloseHandle(handle);
    return nullptr;
  }
  if (!IsPlainFile(information.dwFileAttributes)) {
    *error = FileError::kNotAFile;
    ::CloseHandle(handle);
    return nullptr;
  }
  return std::make_unique<Win32ReadableFile>(handle, stamp);
}

std::unique_ptr<WritableFile> Win32Platform::CreateUniqueFile(const std::string& path_prefix,
                                                              std::string* created_path) {
  const std::wstring prefix = WidePath(path_prefix);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring path = prefix + RandomSuffix();
    // A new file inherits the folder's access list, which opens it to all.
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      *created_path = Utf8FromWide(path.c_str());
      return std::make_unique<Win32WritableFile>(handle);
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return nullptr;
  }
  return nullptr;
}

bool Win32Platform::RenameFile(const std::string& from, const std::string& to) {
  const std::wstring source = WidePath(from);
  const std::wstring target = WidePath(to);
  const auto deadline = std::chrono::steady_clock::now() + kReplaceRetryTime;
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (::MoveFileExW(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    const DWORD error = ::GetLastError();
    if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) ||
        std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(50));
  }
}

bool Win32Platform::SyncFolder(const std::string&) { return true; }

bool Win32Platform::RemoveFile(const std::string& path) {
  return ::DeleteFileW(WidePath(path).c_str()) != 0;
}

bool Win32Platform::PathExists(const std::string& path) {
  return ::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Platform::CreateFolder(const std::string& path) {
  return ::CreateDirectoryW(WidePath(path).c_str(), nullptr) != 0;
}

bool Win32Platform::ListFiles(const std::string& folder, std::vector<std::string>* names) {
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileW(InFolder(folder, L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  names->clear();
  do {
    if (IsPlainFile(found.dwFileAttributes)) names->push_back(Utf8FromWide(found.cFileName));
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return true;
}

FileError Win32Platform::GetFileStamp(const std::string& path, FileStamp* stamp) {
  const HANDLE handle =
      ::CreateFileW(WidePath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return FileErrorOf(::GetLastError());
  const bool ok = StampOf(handle, stamp);
  ::CloseHandle(handle);
  return ok ? FileError::kNone : FileError::kUnavailable;
}

std::unique_ptr<FolderLock> Win32Platform::LockFolder(const std::string& folder, int timeout_ms) {
  const std::wstring path = InFolder(folder, kLockFileName);
  const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // A new lock file is opened to every user explicitly, whatever the folder
  // hands down.
  if (::GetLastError() != ERROR_ALREADY_EXISTS) GrantEveryoneAccess(Utf8FromWide(path.c_str()));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  auto pause = std::chrono::microseconds(50);
  for (;;) {
    OVERLAPPED whole = {};
    if (::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                     MAXDWORD, &whole)) {
      return std::make_unique<Win32FolderLock>(handle);
    }
    if (::GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= deadline) {
      ::CloseHandle(handle);
      return nullptr;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(5000));
  }
}

}  // namespace zelvo
