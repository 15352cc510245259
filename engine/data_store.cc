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
constexpr char16_t kValueEnd = u'\0';

// Calls `visit` with every value of a packed text, in order.
template <typename Visit>
void ForEachValue(std::u16string_view packed, Visit visit) {
  size_t start = 0;
  for (size_t end; (end = packed.find(kValueEnd, start)) != std::u16string_view::npos;
       start = end + 1) {
    visit(packed.substr(start, end - start));
  }
}

std::u16string Pack(const std::vector<std::u16string>& values) {
  size_t length = 0;
  for (const std::u16string& value : values) length += value.size() + 1;
  std::u16string packed;
  packed.reserve(length);
  for (const std::u16string& value : values) packed.append(value).push_back(kValueEnd);
  return packed;
}

std::vector<std::u16string> Unpack(std::u16string_view packed) {
  std::vector<std::u16string> values;
  ForEachValue(packed, [&](std::u16string_view value) { values.emplace_back(value); });
  return values;
}

// Decodes key, count and values into `*packed` (the key and a unit 0, then
// the values as StoredEntry holds them) and stores the key's length; false
// when the chunk runs short. Values come in order and unique, however the
// file had them.
bool DecodeEntry(std::span<const uint8_t> data, std::u16string* packed, size_t* key_length) {
  int32_t count = 0;
  packed->clear();
  // Room for everything at once: the text is a few units shorter than half
  // the chunk's bytes.
  packed->reserve(data.size() / 2);
  if (!AppendDecodedString(&data, packed) || !DecodeInt(&data, &count)) return false;
  *key_length = packed->size();
  packed->push_back(kValueEnd);
  if (count <= 0) return true;
  // Each value takes at least its 4-byte length: a larger count is damage.
  if (static_cast<size_t>(count) > data.size() / 4) return false;
  const size_t first = packed->size();
  bool ordered = true;
  size_t previous = first;  // where the previous value starts
  for (int32_t i = 0; i < count; ++i) {
    const size_t start = packed->size();
    if (!AppendDecodedString(&data, packed)) return false;
    if (i > 0 && std::u16string_view(*packed).substr(start) <=
                     std::u16string_view(*packed).substr(previous, start - 1 - previous)) {
      ordered = false;
    }
    packed->push_back(kValueEnd);
    previous = start;
  }
  // Every saver writes the values in order; sorting is needed only for files
  // of other writers.
  if (!ordered) {
    std::vector<std::u16string> values = Unpack(*packed);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    *packed = Pack(values);
  }
  return true;
}

bool KeyLess(const auto& entry, std::u16string_view key) { return entry.key() < key; }

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

FileStatus DataStore::ReadFile(Entries* entries, FileStamp* stamp) {
  bool ordered = true;
  const FileStatus status = ReadStoreFile(
      platform_, FilePath(), kDataStoreMagic,
      [&](const Chunk& chunk) {
        if (chunk.tag() != kEntryTag) return true;
        StoredEntry entry;
        if (!DecodeEntry(chunk.bytes(), &entry.text, &entry.key_length)) return false;
        if (!entries->empty() && entries->back().key() >= entry.key()) ordered = false;
        entries->push_back(std::move(entry));
        return true;
      },
      stamp);
  if (status == 0 && !ordered) {
    // Files of other writers: into key order, and of the chunks that share a
    // key the later one counts.
    std::stable_sort(entries->begin(), entries->end(),
                     [](const StoredEntry& a, const StoredEntry& b) { return a.key() < b.key(); });
    Entries unique;
    for (StoredEntry& entry : *entries) {
      if (!unique.empty() && unique.back().key() == entry.key()) {
        unique.back() = std::move(entry);
      } else {
        unique.push_back(std::move(entry));
      }
    }
    *entries = std::move(unique);
  }
  return status;
}

FileStatus DataStore::Load() {
  Entries read;
  FileStamp stamp;
  const FileStatus status = ReadFile(&read, &stamp);
  if (status != 0) {
    entries_.clear();
    known_stamp_.reset();
  } else if (entries_.empty()) {
    // Memory now equals the file. After a merge it does not, so the next
    // change must still catch up with the file.
    entries_ = std::move(read);
    known_stamp_ = stamp;
  } else {
    // A merge of two sorted lists in which the file's entries win.
    Entries merged;
    merged.reserve(entries_.size() + read.size());
    auto held = entries_.begin();
    for (StoredEntry& entry : read) {
      while (held != entries_.end() && held->key() < entry.key())
        merged.push_back(std::move(*held++));
      if (held != entries_.end() && held->key() == entry.key()) ++held;
      merged.push_back(std::move(entry));
    }
    std::move(held, entries_.end(), std::back_inserter(merged));
    entries_ = std::move(merged);
  }
  RebuildFoldedIndex();
  return status;
}

void DataStore::CatchUp() {
  FileStamp current;
  if (!platform_->GetFileStamp(FilePath(), &current)) return;
  if (known_stamp_ && *known_stamp_ == current) return;
  Entries read;
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
  for (const StoredEntry& entry : entries_) {
    size_t count = 0;
    size_t length = StringSize(entry.key()) + IntSize();
    ForEachValue(entry.values(), [&](std::u16string_view value) {
      ++count;
      length += StringSize(value);
    });
    if ((status = PrepareChunk(&chunk, kEntryTag, length)) != 0) return status;
    uint8_t* pos = EncodeString(chunk.data(), entry.key());
    pos = EncodeInt(pos, static_cast<int32_t>(count));
    ForEachValue(entry.values(),
                 [&](std::u16string_view value) { pos = EncodeString(pos, value); });
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

const DataStore::StoredEntry* DataStore::Lookup(std::u16string_view key) const {
  const auto exact = [this](std::u16string_view wanted) -> const StoredEntry* {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), wanted, KeyLess<StoredEntry>);
    return it != entries_.end() && it->key() == wanted ? &*it : nullptr;
  };
  if (const StoredEntry* entry = exact(key)) return entry;
  // The first key in order that equals `key` ignoring case: either the
  // upper-case form itself or the first indexed key with that form.
  const std::u16string folded = AsciiUpper(key);
  const StoredEntry* found = exact(folded);
  auto it = folded_index_.lower_bound(std::make_pair(folded, std::u16string()));
  if (it != folded_index_.end() && it->first == folded &&
      (found == nullptr || it->second < found->key())) {
    found = exact(it->second);
  }
  return found;
}

DataEntry DataStore::Find(std::u16string_view key) const {
  const StoredEntry* entry = Lookup(key);
  return entry != nullptr ? DataEntry(std::u16string(entry->key()), Unpack(entry->values()))
                          : DataEntry();
}

size_t DataStore::AppendValues(std::u16string_view key, char16_t separator,
                               std::u16string* text) const {
  const StoredEntry* entry = Lookup(key);
  if (entry == nullptr) return 0;
  const size_t start = text->size();
  text->append(entry->values());
  const size_t count =
      std::count(text->begin() + static_cast<std::ptrdiff_t>(start), text->end(), kValueEnd);
  std::replace(text->begin() + static_cast<std::ptrdiff_t>(start), text->end(), kValueEnd,
               separator);
  return count;
}

FileStatus DataStore::Commit(DataEntry entry) {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), entry.key(), KeyLess<StoredEntry>);
  const bool held = it != entries_.end() && it->key() == entry.key();
  if (entry.ValueCount() > 0) {
    StoredEntry stored{entry.key() + kValueEnd + Pack(entry.TakeValues()), entry.key().size()};
    if (held) {
      *it = std::move(stored);
    } else {
      IndexKey(entry.key());
      entries_.insert(it, std::move(stored));
    }
  } else if (held) {
    UnindexKey(entry.key());
    entries_.erase(it);
  }
  return Save();
}

void DataStore::IndexKey(std::u16string_view key) {
  if (std::any_of(key.begin(), key.end(), [](char16_t c) { return c >= u'a' && c <= u'z'; })) {
    folded_index_.emplace(AsciiUpper(key), std::u16string(key));
  }
}

void DataStore::UnindexKey(std::u16string_view key) {
  folded_index_.erase(std::make_pair(AsciiUpper(key), std::u16string(key)));
}

void DataStore::RebuildFoldedIndex() {
  folded_index_.clear();
  for (const StoredEntry& entry : entries_) IndexKey(entry.key());
}

}  // namespace zelvo
