#include "engine/command_engine.h"

#include <gtest/gtest.h>

#include <thread>

#include "engine/text.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/monitor_listener.h"

namespace zelvo {
namespace {

using testing::CommandResult;

class CommandEngineTest : public testing::EngineTest {};

TEST_F(CommandEngineTest, WordsAreMatchedAfterUpperCasing) {
  for (const char16_t* word : {u"adddata", u"AddData", u"ADDDATA"}) {
    EXPECT_EQ(Run(word, u"datakey=k"), (CommandResult{48, u""}));
  }
  for (const char16_t* word : {u"ADD DATA", u"", u"ADDDATA ", u"ädddata", u"LINK"}) {
    // Unknown words (and the window commands without a launcher) still
    // overwrite the buffer.
    EXPECT_EQ(Run(word, u"datakey=k"), (CommandResult{37, u""}));
  }
}

TEST_F(CommandEngineTest, ExceptionGivesUnknownErrorAndTouchesNothing) {
  testing::TempFolder runtime;
  testing::MonitorListener monitor(runtime.path());
  platform_.monitor_present = true;
  Run(u"GETDATA", u"datakey=k");
  ASSERT_EQ(monitor.Messages().size(), 1u);

  platform_.throw_in_md5 = true;
  EXPECT_EQ(Run(u"GETVALUE", u"valname=UFNM"), (CommandResult{26, Untouched()}));
  EXPECT_EQ(Run(u"ADDDATA", u"datakey=k,datastring=v"), (CommandResult{26, Untouched()}));
  EXPECT_EQ(monitor.Messages().size(), 1u);

  platform_.throw_in_md5 = false;
  EXPECT_EQ(Run(u"GETDATA", u"datakey=k"), (CommandResult{32, u""}));  // no change made
  EXPECT_EQ(monitor.Messages().size(), 2u);
}

TEST_F(CommandEngineTest, LauncherRunsWithoutTheLockAndGetsTheParsedCommand) {
  std::u16string seen;
  auto engine = NewEngine([&](std::u16string_view word, const ParameterMap& parameters) {
    seen = FormatToolCommandLine(word, parameters);
    // Another thread can run a command while the tool runs.
    std::thread other([&] { EXPECT_EQ(Run(*engine_, u"GETDATA", u"datakey=x").code, 32); });
    other.join();
    return 7;
  });
  engine_ = std::move(engine);
  EXPECT_EQ(Run(u"link", u"lang=de,url=support"), (CommandResult{7, u""}));
  EXPECT_EQ(seen, u"LINK,language_id=\"DEU\",url=\"support\"");
}

TEST_F(CommandEngineTest, LockIsReentrant) {
  engine();
  bool nested_ran = false;
  platform_.on_file_stamp = [&] {
    platform_.on_file_stamp = nullptr;
    EXPECT_EQ(Run(u"GETDATA", u"datakey=k").code, 32);
    nested_ran = true;
  };
  EXPECT_EQ(Run(u"ADDDATA", u"datakey=k,datastring=v").code, 0);
  EXPECT_TRUE(nested_ran);
}

TEST_F(CommandEngineTest, ManyThreadsAtOnce) {
  constexpr int kThreads = 4;
  constexpr int kValues = 50;
  engine();
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kValues; ++i) {
        const std::u16string key = u"K" + DecimalText(t) + u"_" + DecimalText(i);
        EXPECT_EQ(Run(u"ADDDATA", u"datakey=" + key + u",datastring=v" + DecimalText(i)).code, 0);
        EXPECT_EQ(Run(u"GETDATA", u"datakey=" + key).output, u"v" + DecimalText(i));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  auto fresh = NewEngine();
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kValues; ++i) {
      const std::u16string key = u"K" + DecimalText(t) + u"_" + DecimalText(i);
      EXPECT_EQ(Run(*fresh, u"GETDATA", u"datakey=" + key).code, 0);
    }
  }
}

TEST_F(CommandEngineTest, OutputIsCutAt255WithoutSplittingAPair) {
  const std::u16string pair = u"\U0001F600";
  const std::pair<std::u16string, std::u16string> rows[] = {
      {std::u16string(255, u'a'), std::u16string(255, u'a')},
      {std::u16string(300, u'a'), std::u16string(255, u'a')},
      {std::u16string(254, u'a') + pair, std::u16string(254, u'a')},
      {std::u16string(253, u'a') + pair + u"b", std::u16string(253, u'a') + pair},
  };
  for (const auto& [value, expected] : rows) {
    Run(u"DELDATA", u"datakey=k,datastring=" + Run(u"GETDATA", u"datakey=k").output);
    ASSERT_EQ(Run(u"UPDATEUSER", u"firstname=\"" + value + u"\"").code, 0);
    EXPECT_EQ(Run(u"GETVALUE", u"valname=UFNM"), (CommandResult{0, expected}));
  }
}

TEST(CallerNameTest, CutAfterExeOrWholeLine) {
  const std::pair<const char16_t*, const char16_t*> rows[] = {
      {u"\"C:\\Apps\\Editor.EXE\" /x", u"c:\\apps\\editor.exe"},
      {u"c:\\tools\\host -q", u"c:\\tools\\host -q"},
      {u"/usr/bin/Editor --open a.exe", u"/usr/bin/editor --open a.exe"},
      {u".exe file", u".exe file"},
      {u"\"\"\"x.exe\"", u"x.exe"},
      {u"", u"Unknown"},
      {u"\".exe", u".exe"},
  };
  for (const auto& [line, name] : rows) {
    EXPECT_EQ(CommandEngine::CallerNameOf(line), name)
        << ::testing::PrintToString(std::u16string(line));
  }
}

TEST_F(CommandEngineTest, EchoesEveryCommandWhileTheMonitorListens) {
  testing::TempFolder runtime;
  auto monitor = std::make_unique<testing::MonitorListener>(runtime.path());
  platform_.monitor_present = true;
  platform_.command_line = u"\"C:\\Apps\\Host.exe\" -x";
  Run(u"adddata", u"datakey=k,datastring=a|b");
  Run(u"GETDATA", u"datakey=k");
  Run(u"REBUILD");
  const auto messages = monitor->Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].data_word, 1u);
  EXPECT_EQ(messages[0].text, u"c:\\apps\\host.exe|adddata|datakey=k,datastring=a|b|0|<none>");
  EXPECT_EQ(messages[1].text, u"c:\\apps\\host.exe|GETDATA|datakey=k|0|a|b");
  EXPECT_EQ(messages[2].text, u"c:\\apps\\host.exe|REBUILD|<none>|0|<none>");

  // Gone once: never again, even when a monitor comes back.
  monitor.reset();
  Run(u"GETDATA", u"datakey=k");
  monitor = std::make_unique<testing::MonitorListener>(runtime.path());
  Run(u"GETDATA", u"datakey=k");
  EXPECT_TRUE(monitor->Messages().empty());
}

TEST_F(CommandEngineTest, NoEchoWithoutAMonitorAtStart) {
  testing::TempFolder runtime;
  testing::SetVariable("XDG_RUNTIME_DIR", runtime.path());
  platform_.monitor_present = true;
  engine();
  testing::MonitorListener monitor(runtime.path());
  Run(u"GETDATA", u"datakey=k");
  EXPECT_TRUE(monitor.Messages().empty());
}

}  // namespace
}  // namespace zelvo
