// The library's one command engine, built while the library is loaded.
#pragma once

#include "engine/command_engine.h"

namespace zelvo {

CommandEngine& LibraryEngine();

}  // namespace zelvo
