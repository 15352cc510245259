// The application data store: named entries, each an ordered set of texts,
// held in memory and written whole to "data.zd2" after every change.
// Keys and values are ordered by UTF-16 code unit.
#pragma once

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/chunk_file.h"
#include "engine/data_folder.h"
#include "engine/entry_chunk.h"

namespace zelvo {

// A working copy of one entry.
class DataEntry {
 public:
  DataEntry() = default;
  DataEntry(std::u16string key, std::vector<std::u16string> sorted_values)
      : key_(std::move(key)), values_(std::move(sorted_values)) {}

  const std::u16string& key() const { return key_; }
  void set_key(std::u16string key) { key_ = std::move(key); }

  // Inserts the value unless an equal one is there.
  void AddValue(std::u16string_view value);
  // Removes the value equal to `value` (case-sensitive); whether one was.
  bool RemoveValue(std::u16string_view value);
  size_t ValueCount() const { return values_.size(); }
  const std::u16string& ValueAt(size_t index) const { return values_[index]; }

  std::vector<std::u16string>&& TakeValues() { return std::move(values_); }

 private:
  std::u16string key_;
  std::vector<std::u16string> values_;  // sorted, unique
};

class DataStore {
 public:
  // A change hashes the file from the last state of its digest kept before
  // the changed entry on; one is kept about every this many bytes.
  static constexpr size_t kDigestStateInterval = 64 * 1024;

  // The store of "data.zd2" in `folder`; empty until loaded.
  DataStore(Platform* platform, DataFolder* folder,
            size_t digest_state_interval = kDigestStateInterval);
  DataStore(const DataStore&) = delete;
  DataStore& operator=(const DataStore&) = delete;

  // Reads the file and merges it into memory: each entry read replaces the
  // one held under its key, the others stay. When the file is missing or
  // damaged the store is emptied; when it is there but cannot be read (see
  // ChunkFile::unreadable) memory stays as it is and the store counts as
  // unreadable until a read succeeds.
  FileStatus Load();

  // Rewrites the file from memory.
  FileStatus Save();

  // A copy of the entry held under exactly `key`, else of the first entry in
  // key order whose key matches ignoring ASCII case, else an empty entry with
  // an empty key.
  DataEntry Find(std::u16string_view key) const;

  // The values of the entry that Find would give, in order, each followed by
  // `separator`, appended to `*text`; returns how many there are.
  size_t AppendValues(std::u16string_view key, char16_t separator, std::u16string* text) const;

  // Puts the entry back under its key, or removes it when it has no values,
  // in the file and then in memory: when the file cannot be replaced, memory
  // stays as it was and the status of the save is returned.
  FileStatus Commit(DataEntry entry);

  // Before a change, under the data folder's lock: when the file was changed
  // by another process since this one last read or wrote it, its content
  // becomes what memory holds. A missing or damaged file changes nothing. A
  // file that is there but cannot be read gives its status (20 or 21), and
  // no change may then be made.
  FileStatus CatchUp();

  // 0 while memory answers for the file. While the store is unreadable, first
  // reads the file again as CatchUp does, and gives its status while it
  // still cannot be read.
  FileStatus CheckReadable() { return unreadable_ == 0 ? 0 : CatchUp(); }

  size_t EntryCount() const { return image_.entries.size(); }

 private:
  // The store as held: the bytes of its file, read or as last written, with
  // the entry chunks in key order (keys unique) from `begin` to `end`, and
  // where each entry lies among them. Entries are read from the bytes in
  // place, and a save writes them out as they are.
  struct Image {
    std::vector<uint8_t> bytes;
    size_t begin = 0;
    size_t end = 0;
    std::vector<EntrySpan> entries;
    // States of the digest of the file these bytes were read from or written
    // to, at file offsets (see FileOffset), in order.
    std::vector<DigestState> digest_states;

    // Where the chunk at `at` in the bytes lies in the file.
    size_t FileOffset(size_t at) const { return at - begin + sizeof(uint32_t); }
    EntryView View(const EntrySpan& span) const { return EntryView(bytes.data(), span); }
    // Appends the entry chunk that `span` gives in `from`.
    void AppendFrom(const Image& from, const EntrySpan& span);
  };

  std::string FilePath() const { return folder_->FilePath(kDataStoreFileName); }
  // Reads the file into `*image`; `*unreadable` as ReadStoreFile gives it.
  FileStatus ReadFile(Image* image, FileStamp* stamp, bool* unreadable);
  // Writes a file of `pieces` (whole entry chunks, laid out as in the file)
  // that holds what the image holds up to file offset `unchanged_until`, and
  // hashes it from the last digest state before there on. `*replaced` tells
  // whether it took the old file's place; `*states` receives the new file's
  // digest states.
  FileStatus WriteFile(std::initializer_list<std::span<const uint8_t>> pieces,
                       size_t unchanged_until, std::vector<DigestState>* states, bool* replaced);
  // Rebuilds `*image` from its own bytes, read from a file that other writers
  // laid out: every entry chunk decoded, in key order, the later of two with
  // one key kept.
  static void MakeCanonical(Image* image);
  // Whether every key held is also in `file`.
  bool HoldsNoKeyBeyond(const Image& file) const;
  const EntrySpan* Lookup(std::u16string_view key) const;
  const EntrySpan* FindExact(std::u16string_view key) const;
  // (key with a to z upper-cased, key) for every key that holds a to z.
  using FoldedIndex = std::set<std::pair<std::u16string, std::u16string>, std::less<>>;
  void RebuildFoldedIndex();
  // Adds `key` to `*index` when it holds a to z.
  static void IndexKey(std::u16string_view key, FoldedIndex* index);

  Platform* const platform_;
  DataFolder* const folder_;
  const size_t digest_state_interval_;
  Image image_;
  // The keys for the case-blind step of Find. Keys made by commands are
  // upper-case and need no entry.
  FoldedIndex folded_index_;
  // The file as this process last read or wrote it; none when it had none.
  std::optional<FileStamp> known_stamp_;
  // The status of the last read when the file was there but could not be
  // read; 0 otherwise.
  FileStatus unreadable_ = 0;
};

}  // namespace zelvo
