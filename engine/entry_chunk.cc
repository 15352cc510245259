#include "engine/entry_chunk.h"

#include <algorithm>
#include <limits>

namespace zelvo {
namespace {

// Takes a text field from the front of `*data` when it is whole and of even
// length.
bool TakeText(std::span<const uint8_t>* data, const uint8_t** units, uint32_t* unit_count) {
  if (data->size() < 4) return false;
  const uint32_t byte_count = DecodeFixed32(data->data());
  if (byte_count % 2 != 0 || byte_count > data->size() - 4) return false;
  *units = data->data() + 4;
  *unit_count = byte_count / 2;
  *data = data->subspan(4 + size_t{byte_count});
  return true;
}

}  // namespace

bool IsCanonicalEntry(std::span<const uint8_t> data, uint32_t* key_units) {
  const uint8_t* units = nullptr;
  uint32_t size = 0;
  if (!TakeText(&data, &units, &size) || StoredText(units, size).HasUnitZero()) return false;
  *key_units = size;
  if (data.size() < 4) return false;
  const uint32_t count = DecodeFixed32(data.data());
  data = data.subspan(4);
  if (count > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return false;
  const uint8_t* previous = nullptr;
  uint32_t previous_size = 0;
  for (uint32_t i = 0; i < count; ++i) {
    if (!TakeText(&data, &units, &size)) return false;
    const StoredText value(units, size);
    if (value.HasUnitZero()) return false;
    if (previous != nullptr && StoredText(previous, previous_size).Compare(value) >= 0) {
      return false;
    }
    previous = units;
    previous_size = size;
  }
  return data.empty();
}

bool DecodeEntry(std::span<const uint8_t> data, std::u16string* key,
                 std::vector<std::u16string>* values) {
  int32_t count = 0;
  values->clear();
  if (!DecodeString(&data, key) || !DecodeInt(&data, &count)) return false;
  if (count <= 0) return true;
  // Each value takes at least its 4-byte length: a larger count is damage.
  if (static_cast<size_t>(count) > data.size() / 4) return false;
  values->resize(static_cast<size_t>(count));
  for (std::u16string& value : *values) {
    if (!DecodeString(&data, &value)) return false;
  }
  std::sort(values->begin(), values->end());
  values->erase(std::unique(values->begin(), values->end()), values->end());
  return true;
}

bool AppendEntryChunk(std::u16string_view key, const std::vector<std::u16string>& values,
                      std::vector<uint8_t>* bytes, EntrySpan* span) {
  size_t length = StringSize(key) + IntSize();
  for (const std::u16string& value : values) length += StringSize(value);
  if (length > std::numeric_limits<uint32_t>::max() ||
      values.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()) ||
      key.size() > std::numeric_limits<uint32_t>::max() / 2) {
    return false;
  }
  span->offset = bytes->size();
  span->length = static_cast<uint32_t>(length);
  span->key_units = static_cast<uint32_t>(key.size());
  bytes->resize(span->end());
  uint8_t* pos = bytes->data() + span->offset;
  pos = EncodeString(EncodeChunkHeader(pos, kEntryTag, span->length), key);
  pos = EncodeInt(pos, static_cast<int32_t>(values.size()));
  for (const std::u16string& value : values) pos = EncodeString(pos, value);
  return true;
}

}  // namespace zelvo
