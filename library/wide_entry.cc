#include <string>

#include "library/include/zelvo.h"
#include "library/library_engine.h"

extern "C" ZELVO_EXPORT int32_t ZelvoCommandW(const char16_t* command, const char16_t* parameters,
                                              char16_t* output) {
  if (command == nullptr || parameters == nullptr || output == nullptr) {
    return ZELVO_INVALID_PARAMETERS;
  }
  return zelvo::LibraryEngine().Dispatch(command, parameters, output);
}
