#include "engine/chunk_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/result_code.h"
#include "tests/support/power_loss_platform.h"
#include "tests/support/store_bytes.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_platform.h"

namespace zelvo {
namespace {

using testing::FileBytes;
using testing::Fixed32;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

constexpr ChunkTag kMagic("ZDF2");

// The read sequence of every store: the status it ends with, and the chunks
// it delivered (tag and data).
struct ReadOutcome {
  FileStatus status = 0;
  std::vector<std::pair<uint32_t, std::string>> chunks;
};

ReadOutcome ReadAll(Platform* platform, const std::string& path) {
  ReadOutcome outcome;
  ChunkFile file(platform);
  outcome.status = file.Open(path, kMagic, FileMode::kRead);
  if (outcome.status != 0) return outcome;
  Chunk chunk;
  while (file.ReadChunk(&chunk) == 0) {
    const auto data = chunk.bytes();
    outcome.chunks.emplace_back(chunk.tag().raw(), std::string(data.begin(), data.end()));
  }
  outcome.status = file.Status();
  if (outcome.status == result::kEndOfFile) outcome.status = file.VerifyChecksum(chunk);
  file.Close();
  return outcome;
}

// Writes the chunks with the writer and returns the file's bytes.
std::string WriteAll(Platform* platform, const std::string& path,
                     const std::vector<std::pair<const char*, std::string>>& chunks) {
  ChunkFile file(platform);
  EXPECT_EQ(file.Open(path, kMagic, FileMode::kWrite), 0);
  Chunk chunk;
  for (const auto& [tag, data] : chunks) {
    chunk.set_tag(ChunkTag(ChunkTag(tag[0], tag[1], tag[2], tag[3])));
    EXPECT_TRUE(chunk.Allocate(static_cast<uint32_t>(data.size())));
    if (!data.empty()) std::memcpy(chunk.data(), data.data(), data.size());
    EXPECT_EQ(file.WriteChunk(chunk), 0);
  }
  EXPECT_EQ(file.WriteChecksum(), 0);
  EXPECT_EQ(file.Close(), 0);
  return ReadFileBytes(path);
}

class ChunkFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return folder_.Path(name); }
  std::vector<std::string> FolderNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TempFolder folder_;
  testing::TestPlatform platform_;
};

TEST(ChunkTagTest, FirstCharacterInLowestByte) {
  EXPECT_EQ(ChunkTag("CKSM").raw(), 0x4D534B43u);
  EXPECT_EQ(ChunkTag('Z', 'D', 'T', '2'), ChunkTag(0x3254445Au));
  EXPECT_NE(ChunkTag("ZDT2"), ChunkTag("ZDT3"));
}

struct CraftedFile {
  const char* name;
  std::string bytes;
  FileStatus status;
};

std::vector<CraftedFile> CraftedFiles() {
  const std::string data(20, 'd');
  const std::string valid = FileBytes("ZDF2").Chunk("ZDT2", data).Checksum().bytes();
  std::string changed_byte = valid;
  changed_byte[12] ^= 1;
  std::string changed_tag = valid;
  changed_tag[7] = '3';
  return {
      {"Empty", "", result::kBadData},
      {"OneByte", "Z", result::kBadData},
      {"ThreeBytes", "ZDF", result::kBadData},
      {"OtherStoreMagic", FileBytes("ZVU2").Checksum().bytes(), result::kBadData},
      {"EmptyStore", FileBytes("ZDF2").Checksum().bytes(), 0},
      {"NoChunkAfterMagic", "ZDF2", result::kBadChecksum},
      {"CutInsideLength", "ZDF2ZDT2\x14\x00", result::kReadFailed},
      {"CutInsideData", "ZDF2ZDT2" + Fixed32(20) + "dddd", result::kReadFailed},
      {"LengthPastEndOfFile", "ZDF2ZDT2" + Fixed32(0xFFFFFFF0u) + "dddd", result::kReadFailed},
      {"CutBetweenChunks", FileBytes("ZDF2").Chunk("ZDT2", data).bytes(), result::kBadChecksum},
      {"ShortLastChunk", FileBytes("ZDF2").Chunk("ZDT2", "ab").bytes(), result::kBadChecksum},
      {"ChangedDataByte", changed_byte, result::kBadChecksum},
      {"ChangedTag", changed_tag, 0},
      {"ChunkAfterChecksum",
       FileBytes("ZDF2").Chunk("ZDT2", data).Checksum().Chunk("ZDT2", data).bytes(),
       result::kBadChecksum},
      {"LongChecksumChunk",
       FileBytes("ZDF2")
           .Chunk("ZDT2", data)
           .Chunk("CKSM", FileBytes("ZDF2").Chunk("ZDT2", data).Digest() + "tail")
           .bytes(),
       0},
      {"ZeroLengthChunk", FileBytes("ZDF2").Chunk("NONE", "").Checksum().bytes(), 0},
  };
}

TEST_F(ChunkFileTest, CraftedFilesGiveTheirStatus) {
  for (const CraftedFile& crafted : CraftedFiles()) {
    const std::string path = PathOf("crafted");
    WriteFileBytes(path, crafted.bytes);
    EXPECT_EQ(ReadAll(&platform_, path).status, crafted.status) << crafted.name;
  }
}

TEST_F(ChunkFileTest, MissingFileCannotBeOpened) {
  EXPECT_EQ(ReadAll(&platform_, PathOf("missing")).status, result::kOpenFailed);
}

TEST_F(ChunkFileTest, ZeroLengthChunkReadsBackEmpty) {
  WriteFileBytes(PathOf("f"), FileBytes("ZDF2").Chunk("NONE", "").Checksum().bytes());
  const ReadOutcome outcome = ReadAll(&platform_, PathOf("f"));
  ASSERT_EQ(outcome.chunks.size(), 2u);
  EXPECT_EQ(outcome.chunks[0], std::make_pair(ChunkTag("NONE").raw(), std::string()));
}

TEST_F(ChunkFileTest, WriterLaysOutExactBytes) {
  EXPECT_EQ(WriteAll(&platform_, PathOf("empty"), {}), FileBytes("ZDF2").Checksum().bytes());
  EXPECT_EQ(WriteAll(&platform_, PathOf("empty"), {}).size(), 28u);
  const std::string big(200000, 'x');  // larger than the write buffer
  EXPECT_EQ(WriteAll(&platform_, PathOf("f"), {{"ZDT2", "abc"}, {"NONE", ""}, {"ZDT2", big}}),
            FileBytes("ZDF2")
                .Chunk("ZDT2", "abc")
                .Chunk("NONE", "")
                .Chunk("ZDT2", big)
                .Checksum()
                .bytes());
  const ReadOutcome outcome = ReadAll(&platform_, PathOf("f"));
  EXPECT_EQ(outcome.status, 0);
  ASSERT_EQ(outcome.chunks.size(), 4u);
  EXPECT_EQ(outcome.chunks[2].second, big);
}

TEST_F(ChunkFileTest, DigestCoversTheDataStreamNotItsCutting) {
  const auto checksum_of = [&](const std::vector<std::pair<const char*, std::string>>& chunks) {
    return WriteAll(&platform_, PathOf("f"), chunks).substr(ReadFileBytes(PathOf("f")).size() - 16);
  };
  const std::string one = checksum_of({{"ZDT2", "abcdefghij"}});
  EXPECT_EQ(checksum_of({{"ZDT2", "abc"}, {"XXXX", "defg"}, {"ZDT2", "hij"}}), one);
  EXPECT_NE(checksum_of({{"ZDT2", "hij"}, {"ZDT2", "abcdefg"}}), one);
}

// Chunks handed over already laid out give the file that writing them one by
// one gives, whether they fit the write buffer or not; a layout whose length
// runs past its end fails the write and leaves the old file.
TEST_F(ChunkFileTest, LaidOutChunksWriteLikeSingleChunks) {
  const std::string big(100000, 'n');
  const std::string layouts[] = {
      "ZDT2" + Fixed32(3) + "abc" + "XXXX" + Fixed32(0),
      "ZDT2" + Fixed32(2) + "ab" + "ZDT2" + Fixed32(100000) + big,
  };
  const std::string files[] = {
      FileBytes("ZDF2").Chunk("ZDT2", "abc").Chunk("XXXX", "").Checksum().bytes(),
      FileBytes("ZDF2").Chunk("ZDT2", "ab").Chunk("ZDT2", big).Checksum().bytes(),
  };
  const auto write = [&](const std::string& layout) {
    ChunkFile file(&platform_);
    EXPECT_EQ(file.Open(PathOf("f"), kMagic, FileMode::kWrite), 0);
    const FileStatus status =
        file.WriteChunks({reinterpret_cast<const uint8_t*>(layout.data()), layout.size()});
    file.WriteChecksum();
    file.Close();
    return status;
  };
  for (size_t i = 0; i < std::size(layouts); ++i) {
    EXPECT_EQ(write(layouts[i]), 0);
    EXPECT_EQ(ReadFileBytes(PathOf("f")), files[i]) << i;
  }
  EXPECT_EQ(write("ZDT2" + Fixed32(10) + "abc"), result::kWriteFailed);
  EXPECT_EQ(ReadFileBytes(PathOf("f")), files[1]);
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"f"});
}

TEST_F(ChunkFileTest, WrongModeIsRefused) {
  ChunkFile writer(&platform_);
  ASSERT_EQ(writer.Open(PathOf("f"), kMagic, FileMode::kWrite), 0);
  Chunk chunk;
  EXPECT_EQ(writer.ReadChunk(&chunk), result::kBadFileMode);
  writer.WriteChecksum();
  writer.Close();
  ChunkFile reader(&platform_);
  ASSERT_EQ(reader.Open(PathOf("f"), kMagic, FileMode::kRead), 0);
  EXPECT_EQ(reader.WriteChunk(chunk), result::kBadFileMode);
  EXPECT_EQ(reader.Status(), result::kBadFileMode);
}

TEST_F(ChunkFileTest, NoMd5MeansCryptoUnavailable) {
  platform_.md5_unavailable = true;
  ChunkFile file(&platform_);
  EXPECT_EQ(file.Open(PathOf("f"), kMagic, FileMode::kWrite), result::kCryptoUnavailable);
  EXPECT_EQ(file.Open(PathOf("f"), kMagic, FileMode::kRead), result::kCryptoUnavailable);
  EXPECT_TRUE(FolderNames().empty());
}

TEST_F(ChunkFileTest, AbandonedWriteLeavesOldFileAndNoTemporary) {
  const std::string old = WriteAll(&platform_, PathOf("f"), {{"ZDT2", "old"}});
  {
    ChunkFile file(&platform_);
    ASSERT_EQ(file.Open(PathOf("f"), kMagic, FileMode::kWrite), 0);
    Chunk chunk;
    chunk.set_tag(ChunkTag("ZDT2"));
    file.WriteChunk(chunk);
    // Destroyed before its checksum.
  }
  EXPECT_EQ(ReadFileBytes(PathOf("f")), old);
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"f"});
}

// Every step of a save fails once in turn: the file is never damaged and no
// temporary file stays. Only a failed folder flush, the last step, comes after
// the rename and so leaves the new file in place, whole.
TEST_F(ChunkFileTest, FailureAtEveryWriteStepKeepsOldFile) {
  const std::string big(100000, 'n');  // written past the buffer
  const auto save = [&] {
    platform_.write_steps = 0;
    ChunkFile file(&platform_);
    FileStatus status = file.Open(PathOf("f"), kMagic, FileMode::kWrite);
    if (status != 0) return status;
    Chunk chunk;
    chunk.set_tag(ChunkTag("ZDT2"));
    chunk.Allocate(static_cast<uint32_t>(big.size()));
    std::memcpy(chunk.data(), big.data(), big.size());
    file.WriteChunk(chunk);
    status = file.WriteChecksum();
    const FileStatus closed = file.Close();
    return status != 0 ? status : closed;
  };
  const std::string fresh = FileBytes("ZDF2").Chunk("ZDT2", big).Checksum().bytes();
  ASSERT_EQ(save(), 0);
  ASSERT_EQ(ReadFileBytes(PathOf("f")), fresh);
  const int steps = platform_.write_steps;
  EXPECT_GE(steps, 7) << "create, three writes, flush, close, rename, folder flush";

  const std::string old = WriteAll(&platform_, PathOf("f"), {{"ZDT2", "old"}});
  for (int step = 1; step <= steps; ++step) {
    platform_.fail_write_step = step;
    EXPECT_NE(save(), 0) << "step " << step;
    EXPECT_EQ(ReadFileBytes(PathOf("f")), step < steps ? old : fresh) << "step " << step;
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"f"}) << "step " << step;
    platform_.fail_write_step = 0;
    WriteFileBytes(PathOf("f"), old);
  }
}

// The power goes after every possible number of steps of a save: the file
// found afterwards is always the old or the new one, whole; after a save that
// reported success it is the new one.
TEST_F(ChunkFileTest, PowerLossAtAnyStepLeavesOldOrNewFile) {
  const std::string old = WriteAll(&platform_, PathOf("f"), {{"ZDT2", "old"}});
  const std::string fresh = FileBytes("ZDF2").Chunk("ZDT2", "fresh").Checksum().bytes();
  for (int steps = 0; steps < 12; ++steps) {
    WriteFileBytes(PathOf("f"), old);
    testing::PowerLossPlatform power(folder_.path());
    power.steps_left = steps;
    ChunkFile file(&power);
    FileStatus status = file.Open(PathOf("f"), kMagic, FileMode::kWrite);
    if (status == 0) {
      Chunk chunk;
      chunk.set_tag(ChunkTag("ZDT2"));
      chunk.Allocate(5);
      std::memcpy(chunk.data(), "fresh", 5);
      file.WriteChunk(chunk);
      status = file.WriteChecksum();
      const FileStatus closed = file.Close();
      if (status == 0) status = closed;
    }
    power.LosePower();
    const std::string now = ReadFileBytes(PathOf("f"));
    EXPECT_TRUE(now == old || now == fresh) << "after " << steps << " steps";
    if (status == 0) {
      EXPECT_EQ(now, fresh) << "after " << steps << " steps";
    }
  }
}

}  // namespace
}  // namespace zelvo
