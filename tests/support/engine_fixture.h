// A command engine over a test platform whose data folder lives in a
// temporary folder, with helpers to run commands and reach the store files.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "engine/command_engine.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_platform.h"

namespace zelvo::testing {

struct CommandResult {
  int32_t code;
  std::u16string output;
  bool operator==(const CommandResult&) const = default;
  friend void PrintTo(const CommandResult& r, std::ostream* os) {
    *os << "{" << r.code << ", " << ::testing::PrintToString(r.output) << "}";
  }
};

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() { platform_.app_data = base_.path(); }

  // The engine, built on first use (so a test can lay out files before).
  CommandEngine& engine() {
    if (!engine_) engine_ = NewEngine();
    return *engine_;
  }
  std::unique_ptr<CommandEngine> NewEngine(CommandEngine::ToolLauncher launcher = nullptr) {
    return std::make_unique<CommandEngine>(&platform_, std::move(launcher));
  }

  static CommandResult Run(CommandEngine& engine, std::u16string_view command,
                           std::u16string_view parameters = u"") {
    char16_t output[kOutputCapacity];
    // A buffer the command did not write reads as 255 '#'.
    std::fill(std::begin(output), std::end(output), u'#');
    output[kOutputCapacity - 1] = u'\0';
    const int32_t code = engine.Dispatch(command, parameters, output);
    return {code, output};
  }
  CommandResult Run(std::u16string_view command, std::u16string_view parameters = u"") {
    return Run(engine(), command, parameters);
  }

  static std::u16string Untouched() { return std::u16string(kOutputCapacity - 1, u'#'); }

  std::string DataFolderPath() const { return base_.Path("Orvane Systems/Zelvo/"); }
  std::string StorePath(const char* name) const { return DataFolderPath() + name; }

  TempFolder base_;
  TestPlatform platform_;
  std::unique_ptr<CommandEngine> engine_;
};

}  // namespace zelvo::testing
