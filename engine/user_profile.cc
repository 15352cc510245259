#include "engine/user_profile.h"

#include "engine/coding.h"
#include "engine/store_file.h"

namespace zelvo {
namespace {

// "ZVU2": one "USR2" chunk with names, e-mail, country and opt-in, one "USR3"
// chunk with the member id, then the checksum.
constexpr ChunkTag kUserProfileMagic("ZVU2");
constexpr ChunkTag kDetailsTag("USR2");
constexpr ChunkTag kMemberTag("USR3");
// Older writers put this number in front of the "USR2" fields.
constexpr int32_t kDetailsMarker = 10092004;

bool DecodeDetails(std::span<const uint8_t> data, UserProfile* profile) {
  int32_t marker = 0;
  std::span<const uint8_t> after_marker = data;
  if (DecodeInt(&after_marker, &marker) && marker == kDetailsMarker) data = after_marker;
  return DecodeString(&data, &profile->first_name) && DecodeString(&data, &profile->last_name) &&
         DecodeString(&data, &profile->email) && DecodeInt(&data, &profile->country_id) &&
         DecodeBool(&data, &profile->opt_in);
}

}  // namespace

FileStatus UserProfile::Load(Platform* platform, const std::string& path, bool* unreadable) {
  bool not_read = false;
  const FileStatus status = ReadStoreFile(
      platform, path, kUserProfileMagic,
      [this](const Chunk& chunk) {
        // Chunks may come in any order; a later one overwrites an earlier one.
        if (chunk.tag() == kDetailsTag) return DecodeDetails(chunk.bytes(), this);
        if (chunk.tag() == kMemberTag) {
          std::span<const uint8_t> data = chunk.bytes();
          return DecodeString(&data, &member_id);
        }
        return true;
      },
      &not_read);
  if (unreadable != nullptr) *unreadable = not_read;
  if (status != 0) Clear();
  return status;
}

FileStatus UserProfile::Save(Platform* platform, const std::string& path) const {
  ChunkFile file(platform);
  FileStatus status = file.Open(path, kUserProfileMagic, FileMode::kWrite);
  if (status != 0) return status;

  Chunk chunk;
  status = PrepareChunk(
      &chunk, kDetailsTag,
      StringSize(first_name) + StringSize(last_name) + StringSize(email) + IntSize() + BoolSize());
  if (status != 0) return status;
  uint8_t* pos = EncodeString(chunk.data(), first_name);
  pos = EncodeString(pos, last_name);
  pos = EncodeString(pos, email);
  pos = EncodeInt(pos, country_id);
  EncodeBool(pos, opt_in);
  if ((status = file.WriteChunk(chunk)) != 0) return status;

  if ((status = PrepareChunk(&chunk, kMemberTag, StringSize(member_id))) != 0) return status;
  EncodeString(chunk.data(), member_id);
  if ((status = file.WriteChunk(chunk)) != 0) return status;

  return FinishStoreFile(&file);
}

}  // namespace zelvo
