// The texts the tool shows: each with its English source, the group its
// translations keep it in, and its number in the Windows string table.
#pragma once

#include <cstdint>

#include "tool/core/string_ids.h"

namespace zelvo {

struct ToolText {
  const char* context;
  const char* english;  // empty: a text without any words
  int string_id;
};

// The text of a result code (empty for a code without one).
ToolText ResultMessageText(int32_t code);
// The name of a country of the profile (empty for an id without one).
ToolText CountryNameText(int32_t country_id);

inline constexpr ToolText kCannotCreateRegistryText{
    "ZelvoToolApp", "Unable to create user registry", ZELVO_IDS_CANNOT_CREATE_REGISTRY};
inline constexpr ToolText kCannotWriteRegistryText{
    "ZelvoToolApp", "Unable to write to user registry", ZELVO_IDS_CANNOT_WRITE_REGISTRY};

}  // namespace zelvo
