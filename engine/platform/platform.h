// The one interface through which the engine reaches the machine: files and
// folders, access lists, the MD5 digest, the monitor channel, child processes
// and the host's character set. The engine has no operating-system code of its
// own; each platform folder (posix/, later win32/) implements this interface
// and defines Platform::Default().
//
// Paths are native byte strings (UTF-8 on Linux). Every call is safe to make
// from any thread; objects returned by a call are used by one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// What identifies a file's current content cheaply: two equal stamps mean the
// file was neither replaced nor rewritten in between.
struct FileStamp {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t modified_ns = 0;
  int64_t changed_ns = 0;

  bool operator==(const FileStamp&) const = default;
};

// Why a file could not be opened or examined.
enum class FileError {
  kNone,
  // Nothing is there under the path.
  kMissing,
  // Something is there, but not a regular file (a folder, a link).
  kNotAFile,
  // The file is there, but the system would not let us at it: access refused,
  // an I/O error, no handles left, another process holding it.
  kUnavailable,
};

// A file opened for one sequential pass of reading.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;

  // Reads up to `n` bytes into `buffer` and stores how many arrived in
  // `*bytes_read` (0 at the end of the file). Returns false when the read fails.
  virtual bool Read(uint8_t* buffer, size_t n, size_t* bytes_read) = 0;

  // The stamp of the opened file (its size among it), as of opening.
  virtual const FileStamp& Stamp() const = 0;
};

// A new file being written. Destroying it closes the handle without flushing.
class WritableFile {
 public:
  virtual ~WritableFile() = default;

  // Writes all `n` bytes; returns false on any failure or short write.
  virtual bool Append(const uint8_t* data, size_t n) = 0;

  // Asks the system to start moving what was written so far to the device
  // without waiting, so that work done before Sync overlaps with the device's.
  // Only a hint: it guarantees nothing and may do nothing.
  virtual void StartWriteback() {}

  // Makes what was written durable. A failed flush must not be retried.
  virtual bool Sync() = 0;

  virtual bool Close() = 0;
};

// Held while a folder's exclusive inter-process lock is held; destroying it
// releases the lock.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

// An incremental MD5 digest.
class Md5Hash {
 public:
  virtual ~Md5Hash() = default;
  virtual bool Update(const uint8_t* data, size_t n) = 0;
  // Finishes the digest; nothing may be added after it.
  virtual bool Finish(uint8_t digest[16]) = 0;
  // A new digest in the state this one is in now (what was fed so far), to
  // be fed and finished on its own. Null when the copy cannot be had.
  virtual std::unique_ptr<Md5Hash> Copy() const = 0;
};

// One open channel to the diagnostic monitor.
class MonitorConnection {
 public:
  virtual ~MonitorConnection() = default;
  // Sends one message and waits until the monitor has handled it.
  virtual bool Send(uint32_t data_word, std::u16string_view text) = 0;
};

// How a child program ended, or why it never started.
struct ProgramOutcome {
  enum class Kind { kExited, kExitCodeUnknown, kNotFound, kAccessDenied, kStartFailed };
  Kind kind = Kind::kStartFailed;
  // The exit code for kExited; for a program killed by signal n, 128 + n.
  int32_t exit_code = 0;
};

class Platform {
 public:
  Platform() = default;
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;
  virtual ~Platform() = default;

  // The platform of this machine; it lives for the whole process.
  static Platform* Default();

  // --- Files and folders ---------------------------------------------------

  // The character that separates folder names in a path.
  virtual char PathSeparator() const = 0;

  // The file name of the program called `name` (with ".exe" on Windows).
  virtual std::string ProgramFileName(std::string_view name) const = 0;

  // Opens an existing regular file for reading, never through a symbolic
  // link. Returns null on failure, and why in `*error`.
  virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path,
                                                       FileError* error) = 0;

  // Creates a new file with a unique name that begins with `path_prefix`,
  // exclusively (never through a link), readable and writable by every user
  // (through the folder's inherited access and the file's own mode alike).
  // Stores its path in `*created_path`. Null on failure.
  virtual std::unique_ptr<WritableFile> CreateUniqueFile(const std::string& path_prefix,
                                                         std::string* created_path) = 0;

  // Replaces `to` with `from` in one step.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;

  // Makes the folder's entries (names created, renamed, removed) durable.
  // Where the rename itself is made durable (a write-through replace), there
  // is nothing left to do and this succeeds at once.
  virtual bool SyncFolder(const std::string& folder) = 0;

  // Removes the file (a link itself, not what it names).
  virtual bool RemoveFile(const std::string& path) = 0;

  // Whether anything (file or folder) exists under the path.
  virtual bool PathExists(const std::string& path) = 0;

  virtual bool CreateFolder(const std::string& path) = 0;

  // The names of the regular files in a folder (no folders, no links).
  virtual bool ListFiles(const std::string& folder, std::vector<std::string>* names) = 0;

  // The stamp of the file at `path` (of a link itself, not what it names).
  virtual FileError GetFileStamp(const std::string& path, FileStamp* stamp) = 0;

  // Takes the exclusive inter-process lock of a folder, waiting at most
  // `timeout_ms`. Null when the lock could not be had.
  virtual std::unique_ptr<FolderLock> LockFolder(const std::string& folder, int timeout_ms) = 0;

  // Opens a folder or file to every user of the machine: full access on a
  // folder (inherited by what is created in it later), read and write on a
  // file, set explicitly, whether or not the file system keeps access lists.
  // Links are not followed. Failures are silent.
  virtual void GrantEveryoneAccess(const std::string& path) = 0;

  // --- Machine ---------------------------------------------------------------

  // The folder below which machine-wide application data lives, created when
  // missing. False when it cannot be had.
  virtual bool CommonAppDataFolder(std::string* folder) = 0;

  // The folders below which machine-wide programs are installed, in the
  // order to look for a program there; empty when none can be had.
  virtual std::vector<std::string> CommonFilesFolders() = 0;

  // The command line of this process, as text.
  virtual std::u16string ProcessCommandLine() = 0;

  // --- Services ------------------------------------------------------------

  // A new MD5 digest, or null when the hashing service is not available.
  virtual std::unique_ptr<Md5Hash> NewMd5() = 0;

  // Looks the monitor up; null when none is listening.
  virtual std::unique_ptr<MonitorConnection> ConnectToMonitor() = 0;

  // Starts `program` with the single argument `argument` in the host's
  // environment and current folder, and waits for it to end.
  virtual ProgramOutcome RunProgram(const std::string& program, std::u16string_view argument) = 0;

  // --- The host's character set ----------------------------------------------

  // Converts text in the host's character set to UTF-16. False when the text
  // is not valid in that character set.
  virtual bool AnsiToWide(std::string_view ansi, std::u16string* wide) = 0;

  // Converts UTF-16 text to the host's character set, writing at most
  // `max_bytes` bytes and never part of a character. Characters the set
  // cannot represent become '?'.
  virtual std::string WideToAnsi(std::u16string_view wide, size_t max_bytes) = 0;
};

}  // namespace zelvo
