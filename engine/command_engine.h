// The one command-processing object of a process (the library's or the
// desktop tool's): it runs commands one at a time under one re-entrant lock,
// owns the cached data store, and echoes every command to the monitor.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "engine/data_folder.h"
#include "engine/data_store.h"
#include "engine/parameters.h"
#include "engine/platform/platform.h"

namespace zelvo {

struct CommandWord;

// The output buffer of a command holds this many code units, terminator
// included.
inline constexpr size_t kOutputCapacity = 256;

class CommandEngine {
 public:
  // Starts the desktop tool for a window command and waits for it; returns
  // its result. Called without the command lock held.
  using ToolLauncher =
      std::function<int32_t(std::u16string_view command_word, const ParameterMap& parameters)>;

  // Resolves the data folder, loads the data store, computes the caller name
  // and looks the monitor up. Without a launcher the window commands answer
  // 37 (unknown command). `platform` must outlive the engine.
  explicit CommandEngine(Platform* platform, ToolLauncher launcher = nullptr);
  CommandEngine(const CommandEngine&) = delete;
  CommandEngine& operator=(const CommandEngine&) = delete;

  // Runs one command: `output` receives at most 255 code units and a
  // terminator (never half a surrogate pair). An exception inside the command
  // gives 26 and leaves `output` untouched, with no echo.
  int32_t Dispatch(std::u16string_view command, std::u16string_view parameters, char16_t* output);

  // Runs one in-process command (word already upper-cased) under the command
  // lock, with no output copy and no echo; 37 for a word that is not one.
  // Exceptions propagate.
  int32_t RunStoreCommand(std::u16string_view command_word, const ParameterMap& parameters,
                          std::u16string* output);

  // Sends "caller|command|parameters|result|output" to the monitor while one
  // is known; once the monitor is not found, never again.
  void EchoToMonitor(std::u16string_view command, std::u16string_view parameters, int32_t result,
                     std::u16string_view output);

  Platform* platform() const { return platform_; }
  DataFolder& data_folder() { return data_folder_; }

  // The name under which a process with this command line is echoed.
  static std::u16string CallerNameOf(std::u16string_view command_line);

 private:
  // Runs the handler of an in-process command, with the command lock held;
  // 37 for none or a window command.
  int32_t RunInProcess(const CommandWord* command, const ParameterMap& parameters,
                       std::u16string* output);

  Platform* const platform_;
  const ToolLauncher launcher_;
  DataFolder data_folder_;
  DataStore data_store_;
  std::recursive_mutex lock_;
  const std::u16string caller_name_;
  bool monitor_known_ = false;
  // The answer of the command running under the lock; kept between commands
  // so that its memory is allocated once.
  std::u16string answer_;
};

}  // namespace zelvo
