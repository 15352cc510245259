// The "ZDT2" chunk that holds one entry of the data store: the key, a 32-bit
// value count, then the values, texts in the store's string field. The store
// keeps its file's bytes in memory and reads its entries from them in place;
// these are the helpers that read, check and write one entry's chunk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chunk_format.h"
#include "engine/coding.h"
#include "engine/stored_text.h"

namespace zelvo {

inline constexpr ChunkTag kEntryTag("ZDT2");

// Where an entry's chunk lies in the bytes that hold it.
struct EntrySpan {
  size_t offset = 0;    // of the chunk's tag
  uint32_t length = 0;  // of the chunk's data, behind the tag and length
  uint32_t key_units = 0;

  size_t end() const { return offset + kChunkHeaderSize + length; }
};

// Reads an entry chunk that IsCanonicalEntry accepted.
class EntryView {
 public:
  EntryView(const uint8_t* bytes, const EntrySpan& span)
      : data_(bytes + span.offset + kChunkHeaderSize), key_units_(span.key_units) {}

  StoredText key() const { return StoredText(data_ + 4, key_units_); }

  // Calls `visit` with every value, in order.
  template <typename Visit>
  void ForEachValue(Visit visit) const {
    const uint8_t* pos = data_ + 4 + 2 * size_t{key_units_};
    const uint32_t count = DecodeFixed32(pos);
    pos += 4;
    for (uint32_t i = 0; i < count; ++i) {
      const uint32_t byte_count = DecodeFixed32(pos);
      visit(StoredText(pos + 4, byte_count / 2));
      pos += 4 + byte_count;
    }
  }

 private:
  const uint8_t* data_;
  uint32_t key_units_;
};

// Whether `data` is an entry exactly as this store writes it: every text
// whole, of even length and without a unit 0, the values in strictly rising
// order, nothing behind the last. Stores the key's length when it is.
bool IsCanonicalEntry(std::span<const uint8_t> data, uint32_t* key_units);

// Reads any entry chunk, as other writers may lay it out: texts end at a unit
// 0 or an odd last byte, a count below 1 means no values, bytes behind the
// last value are ignored, and the values come back sorted and unique. False
// when a field runs past the end of the chunk.
bool DecodeEntry(std::span<const uint8_t> data, std::u16string* key,
                 std::vector<std::u16string>* values);

// Appends the chunk of an entry (sorted, unique values) to `*bytes` and stores
// where it lies; false, appending nothing, when it is too long for a chunk.
bool AppendEntryChunk(std::u16string_view key, const std::vector<std::u16string>& values,
                      std::vector<uint8_t>* bytes, EntrySpan* span);

}  // namespace zelvo
