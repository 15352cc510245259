// Whole random commands through the command frame, against a data folder of
// the fuzzer's own: the command word and the parameter string come from the
// input (UTF-16, split at the first unit 0). Every command must end with a
// code of the result table, an answer of at most 255 units, and the stores
// must stay loadable.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "engine/command_engine.h"
#include "engine/platform/platform_wrapper.h"

namespace {

using namespace zelvo;

// Writes go to the disk but are never flushed: a fuzzer has no power to lose.
class UnflushedFile final : public WritableFile {
 public:
  explicit UnflushedFile(std::unique_ptr<WritableFile> target) : target_(std::move(target)) {}
  bool Append(const uint8_t* data, size_t n) override { return target_->Append(data, n); }
  bool Sync() override { return true; }
  bool Close() override { return target_->Close(); }

 private:
  std::unique_ptr<WritableFile> target_;
};

class FuzzPlatform final : public PlatformWrapper {
 public:
  explicit FuzzPlatform(std::string base) : base_(std::move(base)) {}
  std::unique_ptr<WritableFile> CreateUniqueFile(const std::string& prefix,
                                                 std::string* created) override {
    auto file = target_->CreateUniqueFile(prefix, created);
    return file ? std::make_unique<UnflushedFile>(std::move(file)) : nullptr;
  }
  bool SyncFolder(const std::string&) override { return true; }
  bool CommonAppDataFolder(std::string* folder) override {
    *folder = base_;
    return true;
  }
  std::vector<std::string> CommonFilesFolders() override { return {}; }
  std::u16string ProcessCommandLine() override { return u"dispatch_fuzzer"; }
  std::unique_ptr<MonitorConnection> ConnectToMonitor() override { return nullptr; }

 private:
  const std::string base_;
};

const std::set<int32_t> kResults = {0, 17, 19, 20, 21, 22, 23, 24, 25, 26, 28, 32, 37, 47, 48, 99};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::string base = [] {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/zelvo-fuzz-XXXXXX";
    return std::string(::mkdtemp(pattern.data()));
  }();
  static FuzzPlatform platform(base);
  static std::unique_ptr<CommandEngine> engine;
  static int runs = 0;
  // A fresh store now and then, so that it does not grow without bound.
  if (runs++ % 2000 == 0) {
    engine.reset();
    std::filesystem::remove_all(base + "/Orvane Systems");
    engine = std::make_unique<CommandEngine>(
        &platform, [](std::u16string_view, const ParameterMap&) { return 99; });
  }

  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  const size_t split = text.find(u'\0');
  const std::u16string command = text.substr(0, split);
  const std::u16string parameters = split == std::u16string::npos ? u"" : text.substr(split + 1);

  char16_t output[kOutputCapacity + 1];
  output[kOutputCapacity] = u'!';
  const int32_t result = engine->Dispatch(command, parameters, output);
  if (!kResults.contains(result) || output[kOutputCapacity] != u'!') std::abort();
  if (std::char_traits<char16_t>::length(output) >= kOutputCapacity) std::abort();
  return 0;
}
