#include "engine/data_store.h"

#include <algorithm>
#include <cstring>

#include "engine/result_code.h"
#include "engine/store_file.h"
#include "engine/text.h"

namespace zelvo {
namespace {

// "ZDF2": one "ZDT2" chunk per entry in key order (key, value count, values),
// then the checksum.
constexpr ChunkTag kDataStoreMagic("ZDF2");

// Replaces `old_size` bytes at `at` with `replacement`, moving what follows
// once.
void Splice(std::vector<uint8_t>* bytes, size_t at, size_t old_size,
            std::span<const uint8_t> replacement) {
  const size_t tail = bytes->size() - at - old_size;
  if (replacement.size() > old_size) bytes->resize(bytes->size() + replacement.size() - old_size);
  std::memmove(bytes->data() + at + replacement.size(), bytes->data() + at + old_size, tail);
  if (!replacement.empty()) std::memcpy(bytes->data() + at, replacement.data(), replacement.size());
  bytes->resize(at + replacement.size() + tail);
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

void DataStore::Image::AppendFrom(const Image& from, const EntrySpan& span) {
  EntrySpan moved = span;
  moved.offset = bytes.size();
  bytes.insert(bytes.end(), from.bytes.begin() + static_cast<std::ptrdiff_t>(span.offset),
               from.bytes.begin() + static_cast<std::ptrdiff_t>(span.end()));
  entries.push_back(moved);
  end = bytes.size();
}

DataStore::DataStore(Platform* platform, DataFolder* folder, size_t digest_state_interval)
    : platform_(platform), folder_(folder), digest_state_interval_(digest_state_interval) {}

FileStatus DataStore::ReadFile(Image* image, FileStamp* stamp, bool* unreadable) {
  *image = Image();
  // Every saver writes entry chunks only, each exactly so and in key order,
  // then the checksum; any other file is rebuilt once read.
  bool canonical = true;
  bool after_checksum = false;
  const uint8_t* first_data = nullptr;
  StoredText previous_key(nullptr, 0);
  std::u16string key;
  std::vector<std::u16string> values;
  const FileStatus status = ReadStoreFile(
      platform_, FilePath(), kDataStoreMagic,
      [&](const Chunk& chunk) {
        // Chunks refer to the file's bytes, which become the image's: the
        // first chunk follows the magic, and the others lie as far from it.
        const std::span<const uint8_t> data = chunk.bytes();
        if (first_data == nullptr) first_data = data.data();
        if (chunk.tag() == kChecksumTag) {
          after_checksum = true;
          return true;
        }
        if (chunk.tag() != kEntryTag) {
          canonical = false;
          return true;
        }
        EntrySpan span;
        span.offset = kMagicSize + static_cast<size_t>(data.data() - first_data);
        span.length = chunk.length();
        canonical = canonical && !after_checksum && IsCanonicalEntry(data, &span.key_units);
        if (canonical) {
          const StoredText key_text(data.data() + 4, span.key_units);
          canonical = image->entries.empty() || previous_key.Compare(key_text) < 0;
          previous_key = key_text;
        }
        image->entries.push_back(span);
        // Other chunks are decoded here only to find damage; MakeCanonical reads
        // them.
        return canonical || DecodeEntry(data, &key, &values);
      },
      unreadable, stamp, &image->bytes, &image->digest_states, digest_state_interval_);
  if (status != 0) {
    *image = Image();
    return status;
  }
  image->begin = kMagicSize;
  image->end = image->entries.empty() ? kMagicSize : image->entries.back().end();
  if (!canonical) MakeCanonical(image);
  return 0;
}

void DataStore::MakeCanonical(Image* image) {
  std::vector<std::pair<std::u16string, std::vector<std::u16string>>> decoded(
      image->entries.size());
  for (size_t i = 0; i < decoded.size(); ++i) {
    const EntrySpan& span = image->entries[i];
    DecodeEntry(std::span(image->bytes).subspan(span.offset + kChunkHeaderSize, span.length),
                &decoded[i].first, &decoded[i].second);
  }
  // Into key order, and of the chunks that share a key the later one counts.
  std::stable_sort(decoded.begin(), decoded.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  Image normal;
  for (size_t i = 0; i < decoded.size(); ++i) {
    if (i + 1 < decoded.size() && decoded[i + 1].first == decoded[i].first) continue;
    EntrySpan span;
    // Entries read from one chunk fit into one chunk again.
    AppendEntryChunk(decoded[i].first, decoded[i].second, &normal.bytes, &span);
    normal.entries.push_back(span);
  }
  normal.end = normal.bytes.size();
  *image = std::move(normal);
}

FileStatus DataStore::Load() {
  Image read;
  FileStamp stamp;
  bool unreadable = false;
  const FileStatus status = ReadFile(&read, &stamp, &unreadable);
  if (unreadable) {
    // Nothing is known of the file: what memory holds stays.
    unreadable_ = status;
    return status;
  }
  unreadable_ = 0;
  if (status != 0) {
    image_ = Image();
    known_stamp_.reset();
  } else if (HoldsNoKeyBeyond(read)) {
    // The file's entries win, so memory now equals the file. After a merge
    // it does not, and the next change must still catch up with the file.
    image_ = std::move(read);
    known_stamp_ = stamp;
  } else {
    // A merge of two sorted lists in which the file's entries win.
    Image merged;
    merged.bytes.reserve(read.end - read.begin + image_.end - image_.begin);
    merged.entries.reserve(read.entries.size() + image_.entries.size());
    auto held = image_.entries.begin();
    for (const EntrySpan& entry : read.entries) {
      const StoredText key = read.View(entry).key();
      while (held != image_.entries.end() && image_.View(*held).key().Compare(key) < 0) {
        merged.AppendFrom(image_, *held++);
      }
      if (held != image_.entries.end() && image_.View(*held).key().Compare(key) == 0) ++held;
      merged.AppendFrom(read, entry);
    }
    while (held != image_.entries.end()) merged.AppendFrom(image_, *held++);
    image_ = std::move(merged);
  }
  RebuildFoldedIndex();
  return status;
}

bool DataStore::HoldsNoKeyBeyond(const Image& file) const {
  auto in_file = file.entries.begin();
  for (const EntrySpan& held : image_.entries) {
    const StoredText key = image_.View(held).key();
    while (in_file != file.entries.end() && file.View(*in_file).key().Compare(key) < 0) ++in_file;
    if (in_file == file.entries.end() || file.View(*in_file).key().Compare(key) != 0) return false;
  }
  return true;
}

FileStatus DataStore::CatchUp() {
  FileStamp current;
  const FileError error = platform_->GetFileStamp(FilePath(), &current);
  if (error == FileError::kUnavailable) return unreadable_ = result::kOpenFailed;
  if (error != FileError::kNone) {
    // No file: memory goes on.
    unreadable_ = 0;
    return 0;
  }
  if (unreadable_ == 0 && known_stamp_ && *known_stamp_ == current) return 0;
  Image read;
  FileStamp stamp;
  bool unreadable = false;
  const FileStatus status = ReadFile(&read, &stamp, &unreadable);
  unreadable_ = unreadable ? status : 0;
  // A damaged file changes nothing either: the change goes on from memory.
  if (status != 0) return unreadable_;
  image_ = std::move(read);
  known_stamp_ = stamp;
  RebuildFoldedIndex();
  return 0;
}

FileStatus DataStore::WriteFile(std::initializer_list<std::span<const uint8_t>> pieces,
                                size_t unchanged_until, std::vector<DigestState>* states,
                                bool* replaced) {
  *replaced = false;
  ChunkFile file(platform_);
  FileStatus status = file.Open(FilePath(), kDataStoreMagic, FileMode::kWrite);
  if (status != 0) return status;
  // The states before the change hold for the new file too; the last of
  // them is where hashing starts.
  const std::vector<DigestState>& held = image_.digest_states;
  const auto after = std::upper_bound(
      held.begin(), held.end(), unchanged_until,
      [](size_t offset, const DigestState& state) { return offset < state.offset; });
  states->assign(held.begin(), after);
  if (!states->empty() && !file.ResumeDigest(states->back())) states->clear();
  file.KeepDigestStates(digest_state_interval_, states);
  // A failed write shows in the checksum write that follows.
  for (const std::span<const uint8_t> piece : pieces) file.WriteChunks(piece);
  status = FinishStoreFile(&file);
  *replaced = file.replaced();
  if (*replaced) {
    FileStamp stamp;
    if (platform_->GetFileStamp(FilePath(), &stamp) == FileError::kNone) known_stamp_ = stamp;
  }
  return status;
}

FileStatus DataStore::Save() {
  std::vector<DigestState> states;
  bool replaced = false;
  const FileStatus status =
      WriteFile({std::span(image_.bytes).subspan(image_.begin, image_.end - image_.begin)},
                image_.FileOffset(image_.end), &states, &replaced);
  if (replaced) image_.digest_states.swap(states);
  return status;
}

const EntrySpan* DataStore::FindExact(std::u16string_view key) const {
  auto it = std::lower_bound(image_.entries.begin(), image_.entries.end(), key,
                             [this](const EntrySpan& entry, std::u16string_view wanted) {
                               return image_.View(entry).key().Compare(wanted) < 0;
                             });
  return it != image_.entries.end() && image_.View(*it).key().Compare(key) == 0 ? &*it : nullptr;
}

const EntrySpan* DataStore::Lookup(std::u16string_view key) const {
  if (const EntrySpan* entry = FindExact(key)) return entry;
  // The first key in order that equals `key` ignoring case: either the
  // upper-case form itself or the first indexed key with that form.
  const std::u16string folded = AsciiUpper(key);
  const EntrySpan* found = FindExact(folded);
  auto it = folded_index_.lower_bound(std::make_pair(folded, std::u16string()));
  if (it != folded_index_.end() && it->first == folded &&
      (found == nullptr || image_.View(*found).key().Compare(it->second) > 0)) {
    found = FindExact(it->second);
  }
  return found;
}

DataEntry DataStore::Find(std::u16string_view key) const {
  const EntrySpan* span = Lookup(key);
  if (span == nullptr) return DataEntry();
  const EntryView entry = image_.View(*span);
  std::vector<std::u16string> values;
  entry.ForEachValue([&](StoredText value) { values.push_back(value.ToString()); });
  return DataEntry(entry.key().ToString(), std::move(values));
}

size_t DataStore::AppendValues(std::u16string_view key, char16_t separator,
                               std::u16string* text) const {
  const EntrySpan* span = Lookup(key);
  if (span == nullptr) return 0;
  size_t count = 0;
  image_.View(*span).ForEachValue([&](StoredText value) {
    value.AppendTo(text);
    text->push_back(separator);
    ++count;
  });
  return count;
}

FileStatus DataStore::Commit(DataEntry entry) {
  const size_t index = static_cast<size_t>(
      std::lower_bound(image_.entries.begin(), image_.entries.end(), entry.key(),
                       [this](const EntrySpan& held, std::u16string_view wanted) {
                         return image_.View(held).key().Compare(wanted) < 0;
                       }) -
      image_.entries.begin());
  const bool held = index < image_.entries.size() &&
                    image_.View(image_.entries[index]).key().Compare(entry.key()) == 0;
  std::vector<uint8_t> chunk;
  EntrySpan span;
  if (entry.ValueCount() > 0 && !AppendEntryChunk(entry.key(), entry.TakeValues(), &chunk, &span)) {
    return result::kWriteFailed;
  }
  if (!held && chunk.empty()) return Save();

  // The chunk goes where the old one was, or where its key belongs.
  const size_t at = index < image_.entries.size() ? image_.entries[index].offset : image_.end;
  const size_t old_size = held ? image_.entries[index].end() - image_.entries[index].offset : 0;
  // Whatever allocates comes first, so that memory running out leaves the
  // store as it was; what follows the save cannot fail.
  image_.entries.reserve(image_.entries.size() + 1);
  if (chunk.size() > old_size) image_.bytes.reserve(image_.bytes.size() + chunk.size() - old_size);
  FoldedIndex new_key;
  if (!held) IndexKey(entry.key(), &new_key);
  auto old_key = folded_index_.end();
  if (held && chunk.empty()) {
    old_key = folded_index_.find(std::make_pair(AsciiUpper(entry.key()), entry.key()));
  }

  // The file first: memory takes the change only once the file holds it.
  const std::span<const uint8_t> bytes(image_.bytes);
  std::vector<DigestState> states;
  bool replaced = false;
  const FileStatus status = WriteFile({bytes.subspan(image_.begin, at - image_.begin), chunk,
                                       bytes.subspan(at + old_size, image_.end - at - old_size)},
                                      image_.FileOffset(at), &states, &replaced);
  if (!replaced) return status;

  image_.digest_states.swap(states);
  folded_index_.merge(new_key);
  if (old_key != folded_index_.end()) folded_index_.erase(old_key);
  Splice(&image_.bytes, at, old_size, chunk);
  const std::ptrdiff_t shift =
      static_cast<std::ptrdiff_t>(chunk.size()) - static_cast<std::ptrdiff_t>(old_size);
  image_.end += static_cast<size_t>(shift);
  auto it = image_.entries.begin() + static_cast<std::ptrdiff_t>(index);
  if (held && !chunk.empty()) {
    it->length = span.length;
    ++it;
  } else if (held) {
    it = image_.entries.erase(it);
  } else {
    span.offset = at;
    it = image_.entries.insert(it, span) + 1;
  }
  for (; it != image_.entries.end(); ++it) it->offset += static_cast<size_t>(shift);
  return status;
}

void DataStore::IndexKey(std::u16string_view key, FoldedIndex* index) {
  if (HasAsciiLower(key)) index->emplace(AsciiUpper(key), std::u16string(key));
}

void DataStore::RebuildFoldedIndex() {
  folded_index_.clear();
  std::u16string key;
  for (const EntrySpan& span : image_.entries) {
    const StoredText stored = image_.View(span).key();
    bool lower = false;
    for (size_t i = 0; i < stored.size() && !lower; ++i)
      lower = stored[i] >= u'a' && stored[i] <= u'z';
    if (!lower) continue;
    key.clear();
    stored.AppendTo(&key);
    IndexKey(key, &folded_index_);
  }
}

}  // namespace zelvo
