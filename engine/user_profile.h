// The user profile: the machine user's personal details, kept in "user.zu2"
// in the data folder and read afresh by every command that needs it.
#pragma once

#include <cstdint>
#include <string>

#include "engine/chunk_file.h"

namespace zelvo {

struct UserProfile {
  std::u16string first_name;
  std::u16string last_name;
  std::u16string email;
  int32_t country_id = 0;
  bool opt_in = false;
  std::u16string member_id;

  // Reads the profile file at `path`. On any failure every field is left at
  // its default and the file status is returned; a damaged chunk counts as a
  // bad checksum (25), so no field of a damaged file is ever used. When given,
  // `*unreadable` tells whether the file is there but could not be read (so
  // it must not be replaced).
  FileStatus Load(Platform* platform, const std::string& path, bool* unreadable = nullptr);

  // Writes the profile to `path`, replacing the file whole.
  FileStatus Save(Platform* platform, const std::string& path) const;

  // Every field back to its default.
  void Clear() { *this = UserProfile(); }
};

}  // namespace zelvo
