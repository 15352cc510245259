#include "engine/data_store.h"

#include <algorithm>

#include "engine/coding.h"
#include "engine/result_code.h"
#include "engine/store_file.h"
#include "engine/text.h"

namespace zelvo {
namespace {

// "ZDF2": one "ZDT2" chunk per entry in key order (key, value count, values),
// then the checksum.
constexpr ChunkTag kDataStoreMagic("ZDF2");
constexpr ChunkTag kEntryTag("ZDT2");

bool DecodeEntry(std::span<const uint8_t> data, std::u16string* key,
                 std::vector<std::u16string>* values) {
  int32_t count = 0;
  if (!DecodeString(&data, key) || !DecodeInt(&data, &count)) return false;
  values->clear();
  if (count <= 0) return true;
  // Each value takes at least its 4-byte length: a larger count is damage,
  // found before anything is reserved.
  if (static_cast<size_t>(count) > data.size() / 4) return false;
  values->resize(static_cast<size_t>(count));
  for (std::u16string& value : *values) {
    if (!DecodeString(&data, &value)) return false;
  }
  // Written in order by every saver; sorting is needed only for others.
  if (std::adjacent_find(values->begin(), values->end(), std::greater_equal<>()) != values->end()) {
    std::sort(values->begin(), values->end());
    values->erase(std::unique(values->begin(), values->end()), values->end());
  }
  return true;
}

}  // namespace

void DataEntry::AddValue(std::u16string_view value) {
  auto it = std::lower_bound(values_.begin(), values_.end(), value);
  if (it == values_.end() || *it != value) values_.emplace(it, value);
}

bool DataEntry::RemoveValue(std::u16string_view value) {
  auto it = std::lower_bound(values_.begin(), values_.end(), value);
  if (it == values_.end() || *it != value) return false;
  values_.erase(it);
  return true;
}

DataStore::DataStore(Platform* platform, DataFolder* folder)
    : platform_(platform), folder_(folder) {}

FileStatus DataStore::ReadFile(EntryMap* entries, FileStamp* stamp) {
  return ReadStoreFile(
      platform_, FilePath(), kDataStoreMagic,
      [&](const Chunk& chunk) {
        if (chunk.tag() != kEntryTag) return true;
        std::u16string key;
        std::vector<std::u16string> values;
        if (!DecodeEntry(chunk.bytes(), &key, &values)) return false;
        if (entries->empty() || entries->rbegin()->first < key) {
          // Files are written in key order: appending needs no search.
          entries->emplace_hint(entries->end(), std::move(key), std::move(values));
        } else {
          // A later chunk with the same key replaces the earlier one.
          (*entries)[std::move(key)] = std::move(values);
        }
        return true;
      },
      stamp);
}

FileStatus DataStore::Load() {
  EntryMap read;
  FileStamp stamp;
  const FileStatus status = ReadFile(&read, &stamp);
  const bool was_empty = entries_.empty();
  if (status != 0) {
    entries_.clear();
    known_stamp_.reset();
  } else if (was_empty) {
    // Memory now equals the file. After a merge it does not, so the next
    // change must still catch up with the file.
    entries_ = std::move(read);
    known_stamp_ = stamp;
  } else {
    for (auto& [key, values] : read) entries_[key] = std::move(values);
  }
  RebuildFoldedIndex();
  return status;
}

void DataStore::CatchUp() {
  FileStamp current;
  if (!platform_->GetFileStamp(FilePath(), &current)) return;
  if (known_stamp_ && *known_stamp_ == current) return;
  EntryMap read;
  FileStamp stamp;
  if (ReadFile(&read, &stamp) != 0) return;
  entries_ = std::move(read);
  known_stamp_ = stamp;
  RebuildFoldedIndex();
}

FileStatus DataStore::Save() {
  ChunkFile file(platform_);
  FileStatus status = file.Open(FilePath(), kDataStoreMagic, FileMode::kWrite);
  if (status != 0) return status;
  Chunk chunk;
  for (const auto& [key, values] : entries_) {
    size_t length = StringSize(key) + IntSize();
    for (const std::u16string& value : values) length += StringSize(value);
    if ((status = PrepareChunk(&chunk, kEntryTag, length)) != 0) return status;
    uint8_t* pos = EncodeString(chunk.data(), key);
    pos = EncodeInt(pos, static_cast<int32_t>(values.size()));
    for (const std::u16string& value : values) pos = EncodeString(pos, value);
    // A failed chunk write shows in the checksum write that follows.
    file.WriteChunk(chunk);
  }
  status = FinishStoreFile(&file);
  if (status == 0) {
    FileStamp stamp;
    if (platform_->GetFileStamp(FilePath(), &stamp)) known_stamp_ = stamp;
  }
  return status;
}

DataEntry DataStore::Find(std::u16string_view key) const {
  auto exact = entries_.find(key);
  if (exact != entries_.end()) return DataEntry(exact->first, exact->second);
  // The first key in order that equals `key` ignoring case: either the
  // upper-case form itself or the first indexed key with that form.
  const std::u16string folded = AsciiUpper(key);
  const std::u16string* found = nullptr;
  auto upper = entries_.find(folded);
  if (upper != entries_.end()) found = &upper->first;
  auto it = folded_index_.lower_bound(std::make_pair(folded, std::u16string()));
  if (it != folded_index_.end() && it->first == folded &&
      (found == nullptr || it->second < *found)) {
    found = &it->second;
  }
  if (found == nullptr) return DataEntry();
  auto entry = entries_.find(*found);
  return DataEntry(entry->first, entry->second);
}

FileStatus DataStore::Commit(DataEntry entry) {
  if (entry.ValueCount() > 0) {
    IndexKey(entry.key());
    std::u16string key = entry.key();
    entries_[std::move(key)] = entry.TakeValues();
  } else if (entries_.erase(entry.key()) > 0) {
    UnindexKey(entry.key());
  }
  return Save();
}

void DataStore::IndexKey(const std::u16string& key) {
  if (std::any_of(key.begin(), key.end(), [](char16_t c) { return c >= u'a' && c <= u'z'; })) {
    folded_index_.emplace(AsciiUpper(key), key);
  }
}

void DataStore::UnindexKey(const std::u16string& key) {
  folded_index_.erase(std::make_pair(AsciiUpper(key), key));
}

void DataStore::RebuildFoldedIndex() {
  folded_index_.clear();
  for (const auto& [key, values] : entries_) IndexKey(key);
}

}  // namespace zelvo
