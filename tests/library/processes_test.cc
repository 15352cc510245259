// Real host processes (the command-line host over the real library) sharing
// one data folder at the same time, killed midway (SIGKILL, TerminateProcess),
// and run as another user (Linux).
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <future>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "engine/data_folder.h"
#include "engine/data_store.h"
#include "engine/result_code.h"
#include "engine/text.h"
#include "engine/user_profile.h"
#include "tests/support/child_process.h"
#include "tests/support/environment.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_platform.h"

namespace zelvo {
namespace {

using testing::ChildOptions;
using testing::RunChild;

class ProcessesTest : public ::testing::Test {
 protected:
  ProcessesTest() {
    testing::SetVariable("ZELVO_COMMON_APPDATA", base_.path());
    testing::UnsetVariable("XDG_RUNTIME_DIR");
    platform_.app_data = base_.path();
  }

  // The values of `key` as a fresh process would load them.
  std::set<std::u16string> StoredValues(std::u16string_view key, FileStatus* status = nullptr) {
    DataFolder folder(&platform_);
    DataStore store(&platform_, &folder);
    const FileStatus loaded = store.Load();
    if (status != nullptr) *status = loaded;
    const DataEntry entry = store.Find(key);
    std::set<std::u16string> values;
    for (size_t i = 0; i < entry.ValueCount(); ++i) values.insert(entry.ValueAt(i));
    return values;
  }

  testing::TempFolder base_;
  testing::TestPlatform platform_;
};

TEST_F(ProcessesTest, ConcurrentHostsLoseNothing) {
  constexpr int kHosts = 4;
  constexpr int kValues = 60;
  std::set<std::u16string> expected;
  std::vector<std::string> scripts(kHosts);
  for (int host = 0; host < kHosts; ++host) {
    for (int i = 0; i < kValues; ++i) {
      const std::string value = "h" + std::to_string(host) + "v" + std::to_string(i);
      scripts[host] += "ADDDATA,datakey=\"shared\",datastring=\"" + value + "\"\n";
      // Every third value is taken out again by the same host later.
      if (i % 3 == 2) {
        const std::string earlier = "h" + std::to_string(host) + "v" + std::to_string(i - 1);
        scripts[host] += "DELDATA,datakey=\"shared\",datastring=\"" + earlier + "\"\n";
      }
    }
  }
  for (int host = 0; host < kHosts; ++host) {
    for (int i = 0; i < kValues; ++i) {
      if (i % 3 != 1 || i + 1 >= kValues) {
        expected.insert(Utf8ToUtf16("h" + std::to_string(host) + "v" + std::to_string(i)));
      }
    }
  }
  std::vector<std::thread> hosts;
  for (int host = 0; host < kHosts; ++host) {
    hosts.emplace_back([&, host] {
      ChildOptions options;
      options.input = scripts[host];
      const testing::ChildOutcome outcome = RunChild({ZELVO_CLI_PATH, "-"}, options);
      EXPECT_EQ(outcome.exit_code, 0);
      EXPECT_EQ(outcome.output.find("0\t\n"), 0u);
      EXPECT_EQ(outcome.output.find_first_not_of("0\t\n"), std::string::npos) << outcome.output;
    });
  }
  for (std::thread& host : hosts) host.join();
  EXPECT_EQ(StoredValues(u"SHARED"), expected);
}

TEST_F(ProcessesTest, ProfileUpdatesOfDifferentFieldsAreAllKept) {
  constexpr int kUpdates = 60;
  std::string first_names, last_names;
  for (int i = 0; i < kUpdates; ++i) {
    first_names += "UPDATEUSER,firstname=\"A" + std::to_string(i) + "\"\n";
    last_names += "UPDATEUSER,lastname=\"B" + std::to_string(i) + "\"\n";
  }
  std::thread other([&] {
    ChildOptions options;
    options.input = last_names;
    EXPECT_EQ(RunChild({ZELVO_CLI_PATH, "-"}, options).exit_code, 0);
  });
  ChildOptions options;
  options.input = first_names;
  EXPECT_EQ(RunChild({ZELVO_CLI_PATH, "-"}, options).exit_code, 0);
  other.join();
  UserProfile profile;
  ASSERT_EQ(profile.Load(&platform_, base_.Path("Orvane Systems/Zelvo/user.zu2")), 0);
  EXPECT_EQ(profile.first_name, u"A" + DecimalText(kUpdates - 1));
  EXPECT_EQ(profile.last_name, u"B" + DecimalText(kUpdates - 1));
}

// How many times the kill tests kill a host: a few dozen in the test run,
// hundreds in the reliability campaign ($ZELVO_KILL_ROUNDS).
int KillRounds() {
  const char* rounds = std::getenv("ZELVO_KILL_ROUNDS");
  return rounds != nullptr ? std::atoi(rounds) : 25;
}

// A host killed at a random moment, over and over: the file always loads and
// holds every change that was confirmed before the kill.
TEST_F(ProcessesTest, KilledHostLeavesALoadableFile) {
  std::mt19937 random(20261210);
  std::set<std::u16string> confirmed;
  int counter = 0;
  for (int round = 0; round < KillRounds(); ++round) {
    testing::LiveChild host({ZELVO_CLI_PATH, "-"});
    const int commands = static_cast<int>(random() % 8);
    for (int i = 0; i < commands; ++i) {
      const std::string value = "v" + std::to_string(counter++);
      ASSERT_TRUE(host.WriteLine("ADDDATA,datakey=\"k\",datastring=\"" + value + "\""));
      ASSERT_EQ(host.ReadLine(), "0\t");
      confirmed.insert(Utf8ToUtf16(value));
    }
    host.WriteLine("ADDDATA,datakey=\"k\",datastring=\"unconfirmed" + std::to_string(round) + "\"");
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    host.Kill();
    host.Wait();

    FileStatus status = 0;
    std::set<std::u16string> stored = StoredValues(u"K", &status);
    if (confirmed.empty() && status == result::kOpenFailed) continue;
    ASSERT_EQ(status, 0) << "round " << round;
    for (const std::u16string& value : confirmed) {
      ASSERT_TRUE(stored.contains(value)) << "round " << round;
    }
  }
  // The next change removes whatever a killed writer left behind.
  ASSERT_EQ(RunChild({ZELVO_CLI_PATH, "ADDDATA", "datakey=k,datastring=last"}).exit_code, 0);
  for (const auto& entry :
       std::filesystem::directory_iterator(base_.Path("Orvane Systems/Zelvo"))) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
  }
}

// The same for the profile: after a kill the file loads, and its first name
// is the last one confirmed or the one whose update the kill cut short.
TEST_F(ProcessesTest, KilledHostLeavesALoadableProfile) {
  std::mt19937 random(20261211);
  std::u16string confirmed;
  int counter = 0;
  const std::string path = base_.Path("Orvane Systems/Zelvo/user.zu2");
  for (int round = 0; round < KillRounds(); ++round) {
    testing::LiveChild host({ZELVO_CLI_PATH, "-"});
    const int commands = static_cast<int>(random() % 6);
    for (int i = 0; i < commands; ++i) {
      const std::string name = "n" + std::to_string(counter++);
      ASSERT_TRUE(
          host.WriteLine("UPDATEUSER,firstname=\"" + name + "\",lastname=\"" + name + "\""));
      ASSERT_EQ(host.ReadLine(), "0\t");
      confirmed = Utf8ToUtf16(name);
    }
    const std::u16string cut_short = u"cut" + DecimalText(round);
    host.WriteLine("UPDATEUSER,firstname=\"" + Utf16ToUtf8(cut_short) + "\",lastname=\"" +
                   Utf16ToUtf8(cut_short) + "\"");
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    host.Kill();
    host.Wait();

    UserProfile profile;
    const FileStatus status = profile.Load(&platform_, path);
    if (confirmed.empty() && status == result::kOpenFailed) continue;
    ASSERT_EQ(status, 0) << "round " << round;
    EXPECT_EQ(profile.first_name, profile.last_name) << "round " << round;
    ASSERT_TRUE(profile.first_name == confirmed || profile.first_name == cut_short)
        << "round " << round;
    if (profile.first_name == cut_short) confirmed = cut_short;
  }
}

// Multithreaded hosts and tool processes change the store at once: every
// change that was confirmed is in the file at the end, and nothing taken out
// has come back.
TEST_F(ProcessesTest, ThreadedHostsAndToolsTogether) {
  constexpr int kHosts = 2;
  std::vector<std::future<testing::ChildOutcome>> hosts;
  for (int host = 0; host < kHosts; ++host) {
    hosts.push_back(std::async(std::launch::async, [host] {
      return RunChild(
          {ZELVO_THREADED_HOST, ZELVO_LIBRARY_PATH, "3", "20", "host" + std::to_string(host)});
    }));
  }
  std::set<std::u16string> expected;
  const auto apply = [&expected](const std::string& lines) {
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
      if (line.empty()) continue;
      if (line[0] == '+') expected.insert(Utf8ToUtf16(line.substr(1)));
      if (line[0] == '-') expected.erase(Utf8ToUtf16(line.substr(1)));
    }
  };
#ifdef ZELVO_TOOL_PATH
  // Meanwhile the tool adds and removes values of its own, one process each.
  ChildOptions tool;
  tool.environment = {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + base_.path() + "/config",
                      "XDG_DATA_HOME=" + base_.path() + "/data"};
  tool.arguments_as_they_are = true;
  const auto run_tool = [&](const char* word, const std::string& value) {
    return RunChild({ZELVO_TOOL_PATH,
                     std::string(word) + ",datakey=\"mixed\",datastring=\"" + value + "\""},
                    tool)
        .exit_code;
  };
  for (int i = 0; i < 12; ++i) {
    const std::string value = "tool-" + std::to_string(i);
    ASSERT_EQ(run_tool("ADDDATA", value), 0);
    expected.insert(Utf8ToUtf16(value));
    if (i % 4 == 3) {
      const std::string earlier = "tool-" + std::to_string(i - 1);
      ASSERT_EQ(run_tool("DELDATA", earlier), 0);
      expected.erase(Utf8ToUtf16(earlier));
    }
  }
#endif
  for (auto& host : hosts) {
    const testing::ChildOutcome outcome = host.get();
    ASSERT_EQ(outcome.exit_code, 0);
    apply(outcome.output);
  }
  EXPECT_EQ(StoredValues(u"MIXED"), expected);
}

#ifndef _WIN32
// The folder made by root under umask 077 is still usable by another user.
TEST_F(ProcessesTest, AnotherUserCanUseTheFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to switch users";
  constexpr uid_t kNobody = 65534;
  ASSERT_EQ(::chmod(base_.path().c_str(), 0755), 0);
  const mode_t old_mask = ::umask(077);
  const auto root_add = RunChild({ZELVO_CLI_PATH, "ADDDATA", "datakey=k,datastring=root"});
  ::umask(old_mask);
  ASSERT_EQ(root_add.exit_code, 0);

  ChildOptions as_nobody;
  as_nobody.user = kNobody;
  const std::string host = testing::ProgramForAnyUser(
      ZELVO_CLI_PATH, {{ZELVO_LIBRARY_PATH, "libzelvo.so"}}, base_.path() + "/bin");
  EXPECT_EQ(RunChild({host, "ADDDATA", "datakey=k,datastring=nobody"}, as_nobody).exit_code, 0);
  EXPECT_EQ(RunChild({host, "UPDATEUSER", "firstname=Nobody"}, as_nobody).exit_code, 0);
  const auto nobody_get = RunChild({host, "GETDATA", "datakey=k"}, as_nobody);
  EXPECT_EQ(nobody_get.exit_code, 0);
  EXPECT_EQ(nobody_get.output, "nobody,root\n");

  const auto root_get = RunChild({ZELVO_CLI_PATH, "GETVALUE", "valname=UFNM"});
  EXPECT_EQ(root_get.output, "Nobody\n");
  EXPECT_EQ(RunChild({ZELVO_CLI_PATH, "DELDATA", "datakey=k,datastring=nobody"}).exit_code, 0);
  EXPECT_EQ(RunChild({host, "GETDATA", "datakey=k"}, as_nobody).output, "root\n");
}
#endif

}  // namespace
}  // namespace zelvo
