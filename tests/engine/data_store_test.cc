#include "engine/data_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>

#include "engine/text.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/store_bytes.h"

namespace zelvo {
namespace {

using testing::CommandResult;
using testing::FileBytes;
using testing::Fixed32;
using testing::ReadFileBytes;
using testing::StringField;
using testing::WriteFileBytes;

std::string EntryData(std::u16string_view key, std::vector<std::u16string_view> values,
                      int32_t count = -1) {
  std::string data = StringField(key) + Fixed32(count < 0 ? values.size() : count);
  for (std::u16string_view value : values) data += StringField(value);
  return data;
}

class DataStoreTest : public testing::EngineTest {
 protected:
  std::string DataFile() const { return StorePath(kDataStoreFileName); }
  void LayOut(const std::string& bytes) {
    std::filesystem::create_directories(DataFolderPath());
    WriteFileBytes(DataFile(), bytes);
  }
  CommandResult Add(std::u16string_view key, std::u16string_view value) {
    return Run(u"ADDDATA", std::u16string(u"datakey=\"") + std::u16string(key) +
                               u"\",datastring=\"" + std::u16string(value) + u"\"");
  }
  CommandResult Get(std::u16string_view key) {
    return Run(u"GETDATA", std::u16string(u"datakey=\"") + std::u16string(key) + u"\"");
  }
};

TEST_F(DataStoreTest, FileHoldsOneChunkPerEntryInKeyOrder) {
  Add(u"A", u"y");
  Add(u"a", u"x");  // upper-cased: the same entry
  const std::string chunk = EntryData(u"A", {u"x", u"y"});
  EXPECT_EQ(chunk.size(), 22u);
  EXPECT_EQ(ReadFileBytes(DataFile()), FileBytes("ZDF2").Chunk("ZDT2", chunk).Checksum().bytes());
}

TEST_F(DataStoreTest, KeysFoldCaseValuesSortAndMissingParametersAreRefused) {
  struct Step {
    const char16_t* command;
    const char16_t* parameters;
    CommandResult expected;
  };
  const Step steps[] = {
      {u"ADDDATA", u"datakey=MyKey,datastring=b", {0, u""}},
      {u"GETDATA", u"datakey=mykey", {0, u"b"}},
      {u"ADDDATA", u"datakey=MYKEY,datastring=a", {0, u""}},
      {u"ADDDATA", u"datakey=MYKEY,datastring=a", {0, u""}},
      {u"GETDATA", u"datakey=MYKEY", {0, u"a,b"}},
      {u"ADDDATA", u"datakey=case,datastring=a", {0, u""}},
      {u"ADDDATA", u"datakey=case,datastring=B", {0, u""}},
      {u"GETDATA", u"datakey=case", {0, u"B,a"}},
      {u"ADDDATA", u"datakey=commas,datastring=a", {0, u""}},
      {u"ADDDATA", u"datakey=commas,datastring=\"b,,\"", {0, u""}},
      {u"GETDATA", u"datakey=commas", {0, u"a,b"}},
      {u"ADDDATA", u"datakey=empty,datastring=", {0, u""}},
      {u"GETDATA", u"datakey=empty", {0, u""}},
      {u"DELDATA", u"datakey=empty,datastring=", {0, u""}},
      {u"GETDATA", u"datakey=empty", {32, u""}},
      {u"DELDATA", u"datakey=mykey,datastring=A", {0, u""}},  // values compare exactly
      {u"GETDATA", u"datakey=mykey", {0, u"a,b"}},
      {u"DELDATA", u"datakey=nothing,datastring=x", {0, u""}},
      {u"GETDATA", u"datakey=nothing", {32, u""}},
      {u"ADDDATA", u"", {47, u""}},
      {u"ADDDATA", u"datastring=x", {47, u""}},
      {u"ADDDATA", u"datakey=k", {48, u""}},
      {u"DELDATA", u"datakey=k", {48, u""}},
      {u"GETDATA", u"", {47, u""}},
      {u"ADDDATA", u"datakey=,datastring=e", {0, u""}},
      {u"GETDATA", u"datakey=", {0, u"e"}},
      {u"DELDATA", u"datakey=,datastring=e", {0, u""}},
      {u"GETDATA", u"datakey=", {32, u""}},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(Run(step.command, step.parameters), step.expected)
        << ::testing::PrintToString(std::u16string(step.command)) << " "
        << ::testing::PrintToString(std::u16string(step.parameters));
  }
}

TEST_F(DataStoreTest, MissingParametersWriteNothing) {
  Run(u"ADDDATA", u"datakey=k");
  Run(u"DELDATA", u"");
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(DataStoreTest, LastValueRemovedTakesTheEntryOut) {
  Add(u"K", u"v");
  EXPECT_EQ(Run(u"DELDATA", u"datakey=k,datastring=v"), (CommandResult{0, u""}));
  EXPECT_EQ(Get(u"k"), (CommandResult{32, u""}));
  EXPECT_EQ(ReadFileBytes(DataFile()), FileBytes("ZDF2").Checksum().bytes());
}

TEST_F(DataStoreTest, DeleteOfUnknownKeyStillRewritesTheFile) {
  EXPECT_EQ(Run(u"DELDATA", u"datakey=k,datastring=v"), (CommandResult{0, u""}));
  EXPECT_EQ(ReadFileBytes(DataFile()), FileBytes("ZDF2").Checksum().bytes());
}

TEST_F(DataStoreTest, KeysFromFileKeepTheirCase) {
  LayOut(FileBytes("ZDF2")
             .Chunk("ZDT2", EntryData(u"ABC", {u"upper"}))
             .Chunk("ZDT2", EntryData(u"Abc", {u"mixed"}))
             .Chunk("ZDT2", EntryData(u"Xyz", {u"one"}))
             .Chunk("ZDT2", EntryData(u"abc", {u"lower"}))
             .Checksum()
             .bytes());
  EXPECT_EQ(Get(u"abc"), (CommandResult{0, u"upper"}));  // upper-cased, then exact
  EXPECT_EQ(Get(u"xyz"), (CommandResult{0, u"one"}));    // case-blind
  Add(u"xYZ", u"two");
  EXPECT_EQ(ReadFileBytes(DataFile()), FileBytes("ZDF2")
                                           .Chunk("ZDT2", EntryData(u"ABC", {u"upper"}))
                                           .Chunk("ZDT2", EntryData(u"Abc", {u"mixed"}))
                                           .Chunk("ZDT2", EntryData(u"Xyz", {u"one", u"two"}))
                                           .Chunk("ZDT2", EntryData(u"abc", {u"lower"}))
                                           .Checksum()
                                           .bytes());
}

TEST_F(DataStoreTest, CaseBlindStepTakesTheFirstKeyInOrder) {
  LayOut(FileBytes("ZDF2")
             .Chunk("ZDT2", EntryData(u"aBc", {u"second"}))
             .Chunk("ZDT2", EntryData(u"Abc", {u"first"}))
             .Checksum()
             .bytes());
  EXPECT_EQ(Get(u"abc"), (CommandResult{0, u"first"}));
}

TEST_F(DataStoreTest, FileEntriesAsWritten) {
  LayOut(FileBytes("ZDF2")
             .Chunk("ZDT2", EntryData(u"TWICE", {u"old"}))
             .Chunk("ZDT2", EntryData(u"NONE", {}, 0))
             .Chunk("ZDT2", EntryData(u"NEG", {}, -5))
             .Chunk("ZDT2", EntryData(u"DUP", {u"b", u"a", u"b"}))
             .Chunk("XTRA", "ignored")
             .Chunk("ZDT2", EntryData(u"TWICE", {u"new"}))
             .Checksum()
             .bytes());
  EXPECT_EQ(Get(u"twice"), (CommandResult{0, u"new"}));
  EXPECT_EQ(Get(u"none"), (CommandResult{32, u""}));
  EXPECT_EQ(Get(u"dup"), (CommandResult{0, u"a,b"}));
  Add(u"B", u"x");
  // The value-less entries are written back until a command removes them.
  EXPECT_EQ(ReadFileBytes(DataFile()), FileBytes("ZDF2")
                                           .Chunk("ZDT2", EntryData(u"B", {u"x"}))
                                           .Chunk("ZDT2", EntryData(u"DUP", {u"a", u"b"}))
                                           .Chunk("ZDT2", EntryData(u"NEG", {}))
                                           .Chunk("ZDT2", EntryData(u"NONE", {}))
                                           .Chunk("ZDT2", EntryData(u"TWICE", {u"new"}))
                                           .Checksum()
                                           .bytes());
  Run(u"DELDATA", u"datakey=none,datastring=x");
  EXPECT_EQ(Get(u"none"), (CommandResult{32, u""}));
  EXPECT_EQ(ReadFileBytes(DataFile()).find(StringField(u"NONE")), std::string::npos);
}

// Changes to a store read from a file go into its bytes where their entries
// lie: entries that grow, vanish or arrive move every later one.
TEST_F(DataStoreTest, ChangesFitIntoTheFileRead) {
  LayOut(FileBytes("ZDF2")
             .Chunk("ZDT2", EntryData(u"A", {u"1"}))
             .Chunk("ZDT2", EntryData(u"M", {u"1"}))
             .Chunk("ZDT2", EntryData(u"Z", {u"1"}))
             .Checksum()
             .bytes());
  Add(u"M", u"2");
  Run(u"DELDATA", u"datakey=A,datastring=1");
  Add(u"B", u"x");
  Add(u"ZZ", u"end");
  const std::string expected = FileBytes("ZDF2")
                                   .Chunk("ZDT2", EntryData(u"B", {u"x"}))
                                   .Chunk("ZDT2", EntryData(u"M", {u"1", u"2"}))
                                   .Chunk("ZDT2", EntryData(u"Z", {u"1"}))
                                   .Chunk("ZDT2", EntryData(u"ZZ", {u"end"}))
                                   .Checksum()
                                   .bytes();
  EXPECT_EQ(ReadFileBytes(DataFile()), expected);
  for (bool reloaded : {false, true}) {
    if (reloaded) engine_.reset();
    EXPECT_EQ(Get(u"a"), (CommandResult{32, u""})) << reloaded;
    EXPECT_EQ(Get(u"m"), (CommandResult{0, u"1,2"})) << reloaded;
    EXPECT_EQ(Get(u"z"), (CommandResult{0, u"1"})) << reloaded;
    EXPECT_EQ(Get(u"zz"), (CommandResult{0, u"end"})) << reloaded;
  }
}

// Layouts other writers may leave read as their texts say, and the next save
// writes them as this store does.
TEST_F(DataStoreTest, OtherLayoutsReadAsTheirTextsSay) {
  const std::string value_v = Fixed32(1) + StringField(u"v");
  const struct {
    const char* name;
    std::string file;
    std::string written;  // the entry chunk after a save
  } cases[] = {
      {"OddKeyLength",
       FileBytes("ZDF2")
           .Chunk("ZDT2", Fixed32(3) + std::string("K\0x", 3) + value_v)
           .Checksum()
           .bytes(),
       EntryData(u"K", {u"v"})},
      {"UnitZeroInValue",
       FileBytes("ZDF2")
           .Chunk("ZDT2",
                  StringField(u"K") + Fixed32(1) + Fixed32(6) + std::string("v\0\0\0b\0", 6))
           .Checksum()
           .bytes(),
       EntryData(u"K", {u"v"})},
      {"BytesBehindTheValues",
       FileBytes("ZDF2").Chunk("ZDT2", StringField(u"K") + value_v + "zz").Checksum().bytes(),
       EntryData(u"K", {u"v"})},
      {"EntryAfterAChecksumChunk",
       FileBytes("ZDF2")
           .Chunk("CKSM", std::string(16, 'c'))
           .Chunk("ZDT2", EntryData(u"K", {u"v"}))
           .Checksum()
           .bytes(),
       EntryData(u"K", {u"v"})},
  };
  for (const auto& layout : cases) {
    LayOut(layout.file);
    engine_.reset();
    EXPECT_EQ(Get(u"k"), (CommandResult{0, u"v"})) << layout.name;
    Run(u"DELDATA", u"datakey=none,datastring=x");
    EXPECT_EQ(ReadFileBytes(DataFile()),
              FileBytes("ZDF2").Chunk("ZDT2", layout.written).Checksum().bytes())
        << layout.name;
  }
}

TEST_F(DataStoreTest, DamagedFilesLoadEmpty) {
  const std::string good =
      FileBytes("ZDF2").Chunk("ZDT2", EntryData(u"K", {u"v"})).Checksum().bytes();
  std::string bad_checksum = good;
  bad_checksum[bad_checksum.size() - 1] ^= 1;
  std::string overlong_count = EntryData(u"K", {u"v"}, 1000);
  std::string overlong_string = StringField(u"K") + Fixed32(1) + Fixed32(400) + "ab";
  const std::string cases[] = {
      bad_checksum,
      FileBytes("ZDF2").Chunk("ZDT2", overlong_count).Checksum().bytes(),
      FileBytes("ZDF2").Chunk("ZDT2", overlong_string).Checksum().bytes(),
      FileBytes("ZDF2").Chunk("ZDT2", "\x02").Checksum().bytes(),
  };
  for (const std::string& bytes : cases) {
    LayOut(bytes);
    engine_.reset();
    EXPECT_EQ(Get(u"k"), (CommandResult{32, u""}));
  }
  // The next change replaces the damaged file with what memory holds.
  Add(u"new", u"1");
  EXPECT_EQ(ReadFileBytes(DataFile()),
            FileBytes("ZDF2").Chunk("ZDT2", EntryData(u"NEW", {u"1"})).Checksum().bytes());
}

TEST_F(DataStoreTest, RebuildMergesFromTheFile) {
  Add(u"keep", u"1");
  Add(u"gone", u"1");
  auto other = NewEngine();
  Run(*other, u"ADDDATA", u"datakey=added,datastring=2");
  Run(*other, u"DELDATA", u"datakey=gone,datastring=1");
  EXPECT_EQ(Get(u"added"), (CommandResult{32, u""}));  // memory only until REBUILD
  EXPECT_EQ(Run(u"REBUILD"), (CommandResult{0, u""}));
  EXPECT_EQ(Get(u"added"), (CommandResult{0, u"2"}));
  EXPECT_EQ(Get(u"gone"), (CommandResult{0, u"1"}));  // a merge does not drop entries
  // Memory holds no key the file lacks: every entry comes from the file.
  Run(*other, u"ADDDATA", u"datakey=gone,datastring=9");
  EXPECT_EQ(Run(u"REBUILD"), (CommandResult{0, u""}));
  EXPECT_EQ(Get(u"gone"), (CommandResult{0, u"9"}));

  std::string damaged = ReadFileBytes(DataFile());
  damaged[damaged.size() - 1] ^= 1;
  WriteFileBytes(DataFile(), damaged);
  EXPECT_EQ(Run(u"REBUILD"), (CommandResult{0, u""}));
  EXPECT_EQ(Get(u"keep"), (CommandResult{32, u""}));
}

// Two engines stand for two processes over one data folder.
TEST_F(DataStoreTest, NoProcessUndoesAnothersChange) {
  auto first = NewEngine();
  auto second = NewEngine();
  Run(*first, u"ADDDATA", u"datakey=k,datastring=one");
  Run(*second, u"ADDDATA", u"datakey=k,datastring=two");
  Run(*first, u"ADDDATA", u"datakey=k,datastring=three");
  Run(*second, u"DELDATA", u"datakey=k,datastring=one");
  Run(*first, u"ADDDATA", u"datakey=other,datastring=x");
  Run(*second, u"REBUILD");
  EXPECT_EQ(Run(*second, u"GETDATA", u"datakey=k"), (CommandResult{0, u"three,two"}));
  EXPECT_EQ(Run(*second, u"GETDATA", u"datakey=other"), (CommandResult{0, u"x"}));
  EXPECT_EQ(Run(*NewEngine(), u"GETDATA", u"datakey=k"), (CommandResult{0, u"three,two"}));
}

TEST_F(DataStoreTest, DamagedFileNeverWipesMemory) {
  Add(u"k", u"a");
  std::string damaged = ReadFileBytes(DataFile());
  damaged[12] ^= 1;
  WriteFileBytes(DataFile(), damaged);
  Add(u"k", u"b");
  EXPECT_EQ(Run(*NewEngine(), u"GETDATA", u"datakey=k"), (CommandResult{0, u"a,b"}));
  std::filesystem::remove(DataFile());
  Add(u"k", u"c");
  EXPECT_EQ(Run(*NewEngine(), u"GETDATA", u"datakey=k"), (CommandResult{0, u"a,b,c"}));
}

// Every step of a save that can fail (create, writes, flush, close, rename,
// folder flush): the change is answered with the save's status and made
// neither in the file nor in memory, but for the last step, the folder flush,
// after which the new file is in place and memory follows it.
TEST_F(DataStoreTest, FailedSaveIsAnsweredAndChangesNothing) {
  Add(u"k", u"a");
  const std::string before = ReadFileBytes(DataFile());
  const std::pair<const char16_t*, const char16_t*> changes[] = {
      {u"ADDDATA", u"datakey=k,datastring=b"},
      {u"DELDATA", u"datakey=k,datastring=a"},
  };
  for (const auto& [word, parameters] : changes) {
    std::vector<int> steps_after_rename;
    int step = 1;
    for (;; ++step) {
      platform_.write_steps = 0;
      platform_.fail_write_step = step;
      const CommandResult result = Run(word, parameters);
      platform_.fail_write_step = 0;
      if (platform_.write_steps < step) break;  // no step was left to fail
      SCOPED_TRACE(::testing::PrintToString(std::u16string(word)) + " failing at step " +
                   std::to_string(step));
      EXPECT_EQ(result, (CommandResult{step == 1 ? 20 : 19, u""}));
      // Memory answers what the file holds, in this process and in a new one.
      const CommandResult held = Get(u"k");
      EXPECT_EQ(Run(*NewEngine(), u"GETDATA", u"datakey=k"), held);
      if (ReadFileBytes(DataFile()) == before) {
        EXPECT_EQ(held, (CommandResult{0, u"a"}));
      } else {
        steps_after_rename.push_back(step);
        WriteFileBytes(DataFile(), before);  // the next change catches up with it
      }
    }
    EXPECT_GT(step, 6);
    EXPECT_EQ(steps_after_rename, std::vector<int>{step - 1});
    WriteFileBytes(DataFile(), before);
  }
  EXPECT_EQ(ReadFileBytes(DataFile()), before);
  // A new key whose save failed leaves nothing behind, the case-blind index
  // included.
  LayOut(FileBytes("ZDF2").Chunk("ZDT2", EntryData(u"abc", {u"1"})).Checksum().bytes());
  engine_.reset();
  platform_.write_steps = 0;
  platform_.fail_write_step = 2;
  EXPECT_EQ(Run(u"DELDATA", u"datakey=abc,datastring=1").code, 19);
  platform_.fail_write_step = 0;
  EXPECT_EQ(Get(u"ABC"), (CommandResult{0, u"1"}));
}

// A file that is there but cannot be read (access refused, an I/O error) is
// neither taken as empty nor replaced, whether it was so when the store was
// loaded or became so later; once it can be read, the store answers again.
TEST_F(DataStoreTest, UnreadableFileIsNeverReplacedNorTakenAsEmpty) {
  const struct {
    const char* name;
    std::set<std::string> testing::TestPlatform::*faults;
    int32_t code;
  } kinds[] = {
      {"refused", &testing::TestPlatform::refused_files, 20},
      {"failing reads", &testing::TestPlatform::failing_reads, 21},
  };
  for (const auto& kind : kinds) {
    for (bool after_load : {false, true}) {
      SCOPED_TRACE(std::string(kind.name) + (after_load ? " after load" : " at load"));
      std::filesystem::remove(DataFile());
      engine_.reset();
      Add(u"k", u"kept");
      const std::string before = ReadFileBytes(DataFile());
      if (!after_load) engine_.reset();
      // As a change of the file's access would, this changes its stamp.
      std::filesystem::last_write_time(
          DataFile(), std::filesystem::file_time_type::clock::now() + std::chrono::seconds(1));
      (platform_.*kind.faults).insert(DataFile());
      const std::pair<std::u16string, std::u16string> commands[] = {
          {u"ADDDATA", u"datakey=k,datastring=new"},
          {u"GETDATA", u"datakey=k"},
          {u"DELDATA", u"datakey=k,datastring=kept"},
          {u"ADDDATA", u"datakey=other,datastring=x"},
          {u"GETDATA", u"datakey=other"},
      };
      for (const auto& [command, parameters] : commands) {
        EXPECT_EQ(Run(command, parameters), (CommandResult{kind.code, u""}))
            << ::testing::PrintToString(command);
      }
      EXPECT_EQ(Run(u"REBUILD"), (CommandResult{0, u""}));
      EXPECT_EQ(Get(u"k"), (CommandResult{kind.code, u""}));
      EXPECT_EQ(ReadFileBytes(DataFile()), before);

      (platform_.*kind.faults).clear();
      EXPECT_EQ(Get(u"k"), (CommandResult{0, u"kept"}));
      EXPECT_EQ(Add(u"k", u"more"), (CommandResult{0, u""}));
      EXPECT_EQ(Run(*NewEngine(), u"GETDATA", u"datakey=k"), (CommandResult{0, u"kept,more"}));
    }
  }
}

TEST_F(DataStoreTest, ChangeWaitsForTheLockOnlySoLong) {
  Add(u"k", u"a");
  platform_.lock_timeout_ms = 50;
  auto held = Platform::Default()->LockFolder(DataFolderPath(), 100);
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(Add(u"k", u"b"), (CommandResult{20, u""}));
  EXPECT_EQ(Run(u"DELDATA", u"datakey=k,datastring=a"), (CommandResult{20, u""}));
  EXPECT_EQ(Get(u"k"), (CommandResult{0, u"a"}));
}

// A change hashes its file only from the last digest state kept before the
// changed entry. With states kept every few bytes, any sequence of changes,
// saves and reloads writes files whose checksum is that of the whole file
// computed afresh: a stale state fails the reload of a fresh store.
TEST_F(DataStoreTest, DigestFromKeptStatesIsThatOfTheWholeFile) {
  DataFolder folder(&platform_);
  for (const size_t interval : {1, 40, 300}) {
    SCOPED_TRACE(interval);
    std::filesystem::remove(DataFile());
    DataStore store(&platform_, &folder, interval);
    std::mt19937 random(static_cast<unsigned>(interval));
    for (int i = 0; i < 400; ++i) {
      const std::u16string key = u"K" + DecimalText(static_cast<int32_t>(random() % 30));
      const std::u16string value = DecimalText(static_cast<int32_t>(random() % 4));
      DataEntry entry = store.Find(key);
      if (entry.key().empty()) entry.set_key(key);
      if (random() % 3 == 0) {
        entry.RemoveValue(value);
      } else {
        entry.AddValue(value);
      }
      ASSERT_EQ(store.Commit(std::move(entry)), 0) << i;
      if (i % 11 == 0) {
        ASSERT_EQ(store.Save(), 0) << i;
      }
      if (i % 13 == 0) {
        ASSERT_EQ(store.Load(), 0) << i;  // states read from the file
      }
      DataStore fresh(&platform_, &folder);
      ASSERT_EQ(fresh.Load(), 0) << i;
      ASSERT_EQ(fresh.EntryCount(), store.EntryCount()) << i;
    }
  }
}

TEST(DataEntryTest, KeepsValuesSortedAndUnique) {
  DataEntry entry;
  for (const char16_t* value : {u"b", u"B", u"a", u"b", u"ab"}) entry.AddValue(value);
  ASSERT_EQ(entry.ValueCount(), 4u);
  EXPECT_EQ(entry.ValueAt(0), u"B");
  EXPECT_EQ(entry.ValueAt(1), u"a");
  EXPECT_EQ(entry.ValueAt(2), u"ab");
  EXPECT_TRUE(entry.RemoveValue(u"a"));
  EXPECT_FALSE(entry.RemoveValue(u"A"));
  EXPECT_EQ(entry.ValueCount(), 3u);
}

}  // namespace
}  // namespace zelvo
