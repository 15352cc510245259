// Every command word, where it runs, and whether the desktop tool takes it
// on its command line. The library upper-cases the word it is given before
// looking it up; the tool looks up its word exactly as received.
#pragma once

#include <string_view>

#include "engine/store_commands.h"

namespace zelvo {

using StoreHandler = int32_t (*)(StoreContext&, const ParameterMap&, std::u16string*);

struct CommandWord {
  std::u16string_view word;
  // Runs in the calling process; null for the commands that open a window,
  // which run in the desktop tool.
  StoreHandler handler;
  // The desktop tool runs it too.
  bool tool_runs;

  bool opens_window() const { return handler == nullptr; }
};

// The row of `word` (compared exactly), or null.
const CommandWord* FindCommandWord(std::u16string_view word);

}  // namespace zelvo
