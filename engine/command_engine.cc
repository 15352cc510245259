#include "engine/command_engine.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory_resource>

#include "engine/command_table.h"
#include "engine/monitor_message.h"
#include "engine/result_code.h"
#include "engine/text.h"

namespace zelvo {
namespace {

// At most 255 code units, cut before a surrogate pair rather than inside it.
size_t OutputLength(std::u16string_view text) {
  constexpr size_t kLimit = kOutputCapacity - 1;
  if (text.size() <= kLimit) return text.size();
  return IsHighSurrogate(text[kLimit - 1]) && IsLowSurrogate(text[kLimit]) ? kLimit - 1 : kLimit;
}

}  // namespace

CommandEngine::CommandEngine(Platform* platform, ToolLauncher launcher)
    : platform_(platform),
      launcher_(std::move(launcher)),
      data_folder_(platform),
      data_store_(platform, &data_folder_),
      caller_name_(CallerNameOf(platform->ProcessCommandLine())) {
  data_store_.Load();
  monitor_known_ = platform_->ConnectToMonitor() != nullptr;
}

std::u16string CommandEngine::CallerNameOf(std::u16string_view command_line) {
  std::u16string name = AsciiLower(command_line);
  const size_t exe = name.find(u".exe");
  if (exe != std::u16string::npos && exe > 0) {
    name.resize(exe + 4);
    name.erase(0, name.find_first_not_of(u'"'));
  }
  return name.empty() ? u"Unknown" : name;
}

int32_t CommandEngine::RunStoreCommand(std::u16string_view command_word,
                                       const ParameterMap& parameters, std::u16string* output) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  return RunInProcess(FindCommandWord(command_word), parameters, output);
}

int32_t CommandEngine::RunInProcess(const CommandWord* command, const ParameterMap& parameters,
                                    std::u16string* output) {
  if (command == nullptr || command->opens_window()) return result::kUnknownCommand;
  StoreContext context{platform_, &data_folder_, &data_store_};
  return command->handler(context, parameters, output);
}

int32_t CommandEngine::Dispatch(std::u16string_view command, std::u16string_view parameters,
                                char16_t* output) {
  int32_t result = result::kUnknownCommand;
  std::unique_lock<std::recursive_mutex> hold(lock_);
  try {
    const std::u16string word = AsciiUpper(command);
    // A command's parameters live on its stack unless they are long.
    std::array<std::byte, 2048> memory;
    std::pmr::monotonic_buffer_resource arena(memory.data(), memory.size());
    const ParameterMap map = ParseParameters(parameters, &arena);
    std::u16string& text = answer_;
    text.clear();
    const CommandWord* found = FindCommandWord(word);
    if (found != nullptr && found->opens_window()) {
      if (launcher_) {
        // A tool window may stay open for minutes: other commands go on, and
        // leave their answers in the buffer meanwhile.
        hold.unlock();
        result = launcher_(word, map);
        hold.lock();
        text.clear();
      }
    } else {
      result = RunInProcess(found, map, &text);
    }
    const size_t length = OutputLength(text);
    std::copy_n(text.data(), length, output);
    output[length] = u'\0';
    EchoToMonitor(command, parameters, result, std::u16string_view(text).substr(0, length));
  } catch (...) {
    if (!hold.owns_lock()) hold.lock();
    result = result::kUnknownError;
  }
  return result;
}

void CommandEngine::EchoToMonitor(std::u16string_view command, std::u16string_view parameters,
                                  int32_t result, std::u16string_view output) {
  std::lock_guard<std::recursive_mutex> hold(lock_);
  if (!monitor_known_) return;
  const std::unique_ptr<MonitorConnection> monitor = platform_->ConnectToMonitor();
  if (!monitor) {
    monitor_known_ = false;
    return;
  }
  monitor->Send(kEchoDataWord, EchoText(caller_name_, command, parameters, result, output));
}

}  // namespace zelvo
