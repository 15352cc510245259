#include "engine/user_profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "engine/region_table.h"
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

std::string Details(std::u16string_view first, std::u16string_view last, std::u16string_view email,
                    int32_t country, char opt_in) {
  return StringField(first) + StringField(last) + StringField(email) +
         Fixed32(static_cast<uint32_t>(country)) + std::string(1, opt_in);
}

class UserProfileTest : public testing::EngineTest {
 protected:
  std::string ProfileFile() const { return StorePath(kUserProfileFileName); }
  void LayOut(const std::string& bytes) {
    std::filesystem::create_directories(DataFolderPath());
    WriteFileBytes(ProfileFile(), bytes);
  }
  CommandResult Value(std::u16string_view name) {
    return Run(u"GETVALUE", std::u16string(u"valname=") + std::u16string(name));
  }
};

TEST_F(UserProfileTest, FirstUpdateWritesTheWholeRecord) {
  EXPECT_EQ(Run(u"UPDATEUSER", u"firstname=Ann"), (CommandResult{0, u""}));
  EXPECT_EQ(ReadFileBytes(ProfileFile()), FileBytes("ZVU2")
                                              .Chunk("USR2", Details(u"Ann", u"", u"", 0, 0))
                                              .Chunk("USR3", StringField(u""))
                                              .Checksum()
                                              .bytes());
}

TEST_F(UserProfileTest, UpdateAppliesOnlyParametersPresent) {
  Run(u"UPDATEUSER", u"FIRST=Ann,LAST=Lee,email=a@b.c,COUNTRY=76,optin=1,MEMBERID=m7");
  Run(u"UPDATEUSER", u"lastname=");
  EXPECT_EQ(ReadFileBytes(ProfileFile()), FileBytes("ZVU2")
                                              .Chunk("USR2", Details(u"Ann", u"", u"a@b.c", 76, 1))
                                              .Chunk("USR3", StringField(u"m7"))
                                              .Checksum()
                                              .bytes());
  const std::pair<const char16_t*, CommandResult> values[] = {
      {u"UFNM", {0, u"Ann"}}, {u"ULNM", {0, u""}},    {u"UEML", {0, u"a@b.c"}},
      {u"UCNT", {0, u"76"}},  {u"URGN", {0, u"FRA"}}, {u"UMID", {0, u"m7"}},
  };
  for (const auto& [name, expected] : values) EXPECT_EQ(Value(name), expected);
}

TEST_F(UserProfileTest, OptInFollowsTheNumber) {
  const auto opt_in = [&] {
    UserProfile profile;
    EXPECT_EQ(profile.Load(&platform_, ProfileFile()), 0);
    return profile.opt_in;
  };
  Run(u"UPDATEUSER", u"optin=1");
  EXPECT_TRUE(opt_in());
  Run(u"UPDATEUSER", u"firstname=x");
  EXPECT_TRUE(opt_in());
  Run(u"UPDATEUSER", u"optin=yes");
  EXPECT_FALSE(opt_in());
  Run(u"UPDATEUSER", u"optin=-3");
  EXPECT_TRUE(opt_in());
}

TEST_F(UserProfileTest, CountryAndRegion) {
  const std::tuple<const char16_t*, const char16_t*, const char16_t*> rows[] = {
      {u"76", u"76", u"FRA"}, {u"52", u"52", u"COG"},   {u"5", u"5", u"---"},
      {u"abc", u"0", u""},    {u"0", u"0", u""},        {u"-3", u"-3", u""},
      {u"249", u"249", u""},  {u"248", u"248", u"SMR"},
  };
  for (const auto& [country, number, region] : rows) {
    Run(u"UPDATEUSER", std::u16string(u"country_id=") + country);
    EXPECT_EQ(Value(u"UCNT"), (CommandResult{0, number}));
    EXPECT_EQ(Value(u"URGN"), (CommandResult{0, region}));
  }
}

TEST_F(UserProfileTest, ValueNameIsCheckedBeforeAndAfterReading) {
  // Without a file: names not starting with U fail before the read.
  EXPECT_EQ(Run(u"GETVALUE"), (CommandResult{28, u""}));
  EXPECT_EQ(Value(u"ufnm"), (CommandResult{28, u""}));
  EXPECT_EQ(Value(u"XYZ"), (CommandResult{28, u""}));
  EXPECT_EQ(Value(u"UOPT"), (CommandResult{20, u""}));
  EXPECT_EQ(Value(u"UXYZ"), (CommandResult{20, u""}));
  EXPECT_EQ(Value(u"UFNM"), (CommandResult{20, u""}));
  Run(u"UPDATEUSER", u"firstname=Ann");
  EXPECT_EQ(Value(u"UOPT"), (CommandResult{28, u""}));
  EXPECT_EQ(Run(u"GETVALUE", u"VALUE=UFNM"), (CommandResult{0, u"Ann"}));
}

TEST_F(UserProfileTest, OtherWritersLayoutsReadAndDamageGivesNoField) {
  struct Case {
    const char* name;
    std::string bytes;
    CommandResult first_name;
    CommandResult member_id;
  };
  const Case cases[] = {
      {"Marker",
       FileBytes("ZVU2")
           .Chunk("USR2", Fixed32(10092004) + Details(u"Ann", u"", u"", 0, 1))
           .Chunk("USR3", StringField(u"m"))
           .Checksum()
           .bytes(),
       {0, u"Ann"},
       {0, u"m"}},
      {"NoMemberChunk",
       FileBytes("ZVU2").Chunk("USR2", Details(u"Ann", u"", u"", 0, 0)).Checksum().bytes(),
       {0, u"Ann"},
       {0, u""}},
      {"AnyOrderLaterWinsUnknownIgnored",
       FileBytes("ZVU2")
           .Chunk("USR3", StringField(u"m1"))
           .Chunk("USR2", Details(u"Old", u"", u"", 0, 0))
           .Chunk("USR9", "junk")
           .Chunk("USR2", Details(u"New", u"", u"", 0, 0))
           .Chunk("USR3", StringField(u"m2"))
           .Checksum()
           .bytes(),
       {0, u"New"},
       {0, u"m2"}},
      {"BadChecksum",
       FileBytes("ZVU2")
           .Chunk("USR2", Details(u"Ann", u"", u"", 0, 0))
           .Chunk("CKSM", std::string(16, 'x'))
           .bytes(),
       {25, u""},
       {25, u""}},
      {"StringPastChunkEnd",
       FileBytes("ZVU2").Chunk("USR2", StringField(u"Ann").substr(0, 6)).Checksum().bytes(),
       {25, u""},
       {25, u""}},
      {"DetailsTooShort",
       FileBytes("ZVU2")
           .Chunk("USR2", StringField(u"A") + StringField(u"") + StringField(u""))
           .Checksum()
           .bytes(),
       {25, u""},
       {25, u""}},
      {"MemberPastChunkEnd",
       FileBytes("ZVU2")
           .Chunk("USR2", Details(u"Ann", u"", u"", 0, 0))
           .Chunk("USR3", Fixed32(100))
           .Checksum()
           .bytes(),
       {25, u""},
       {25, u""}},
      {"WrongMagic", FileBytes("ZDF2").Checksum().bytes(), {22, u""}, {22, u""}},
  };
  for (const Case& c : cases) {
    LayOut(c.bytes);
    EXPECT_EQ(Value(u"UFNM"), c.first_name) << c.name;
    EXPECT_EQ(Value(u"UMID"), c.member_id) << c.name;
  }
}

TEST_F(UserProfileTest, UpdateOfDamagedFileStartsFromDefaults) {
  LayOut(FileBytes("ZVU2")
             .Chunk("USR2", Details(u"Old", u"Name", u"", 9, 1))
             .Chunk("USR3", StringField(u"m"))
             .Chunk("CKSM", std::string(16, 'x'))
             .bytes());
  EXPECT_EQ(Run(u"UPDATEUSER", u"lastname=New"), (CommandResult{0, u""}));
  EXPECT_EQ(ReadFileBytes(ProfileFile()), FileBytes("ZVU2")
                                              .Chunk("USR2", Details(u"", u"New", u"", 0, 0))
                                              .Chunk("USR3", StringField(u""))
                                              .Checksum()
                                              .bytes());
}

TEST_F(UserProfileTest, DeleteUserTwice) {
  Run(u"UPDATEUSER", u"firstname=Ann");
  EXPECT_EQ(Run(u"DELUSER"), (CommandResult{0, u""}));
  EXPECT_FALSE(std::filesystem::exists(ProfileFile()));
  EXPECT_EQ(Run(u"DELUSER"), (CommandResult{26, u""}));
}

TEST_F(UserProfileTest, UnwritableFolderGivesOpenFailure) {
  engine();
  platform_.write_steps = 0;
  platform_.fail_write_step = 1;
  EXPECT_EQ(Run(u"UPDATEUSER", u"firstname=Ann"), (CommandResult{20, u""}));
}

// A profile that is there but cannot be read is answered with its status and
// never written over with defaults.
TEST_F(UserProfileTest, UnreadableProfileIsNeverReplaced) {
  Run(u"UPDATEUSER", u"firstname=Ann");
  const std::string before = ReadFileBytes(ProfileFile());
  const std::pair<std::set<std::string> testing::TestPlatform::*, int32_t> kinds[] = {
      {&testing::TestPlatform::refused_files, 20},
      {&testing::TestPlatform::failing_reads, 21},
  };
  for (const auto& [faults, code] : kinds) {
    (platform_.*faults).insert(ProfileFile());
    EXPECT_EQ(Run(u"UPDATEUSER", u"lastname=Lee"), (CommandResult{code, u""}));
    EXPECT_EQ(Value(u"UFNM"), (CommandResult{code, u""}));
    EXPECT_EQ(ReadFileBytes(ProfileFile()), before);
    (platform_.*faults).clear();
    EXPECT_EQ(Value(u"UFNM"), (CommandResult{0, u"Ann"}));
  }
}

// The first and the last id of every row of the region table.
TEST(RegionTableTest, EveryRowStartsAndEndsRight) {
  const std::tuple<int, const char16_t*, int, const char16_t*> rows[] = {
      {1, u"AFG", 10, u"ARG"},    {11, u"ARM", 20, u"BLR"},   {21, u"BEL", 30, u"BRA"},
      {31, u"IOT", 40, u"CYM"},   {41, u"CAF", 50, u"COM"},   {51, u"COG", 60, u"DNK"},
      {61, u"DJI", 70, u"EST"},   {71, u"ETH", 80, u"GAB"},   {81, u"GMB", 90, u"GUM"},
      {91, u"GTM", 100, u"IOT"},  {101, u"IDN", 110, u"KAZ"}, {111, u"KEN", 120, u"LSO"},
      {121, u"LBR", 130, u"MDV"}, {131, u"MLI", 140, u"MDA"}, {141, u"MCO", 150, u"ANT"},
      {151, u"NLD", 160, u"NOR"}, {161, u"OMN", 170, u"POL"}, {171, u"PRT", 180, u"LCA"},
      {181, u"SPM", 190, u"SGP"}, {191, u"SVK", 200, u"SUR"}, {201, u"SJM", 210, u"TGO"},
      {211, u"TKL", 220, u"UKR"}, {221, u"ARE", 230, u"VNM"}, {231, u"VGB", 240, u"PSE"},
      {241, u"SPB", 248, u"SMR"},
  };
  for (const auto& [first, first_code, last, last_code] : rows) {
    EXPECT_EQ(RegionCode(first), first_code) << first;
    EXPECT_EQ(RegionCode(last), last_code) << last;
  }
  const std::pair<int, const char16_t*> doubles[] = {
      {4, u"ASM"},   {183, u"ASM"}, {52, u"COG"},  {68, u"GNQ"},  {92, u"GNQ"},  {77, u"---"},
      {174, u"---"}, {184, u"---"}, {239, u"---"}, {242, u"---"}, {175, u"ROM"},
  };
  for (const auto& [id, code] : doubles) EXPECT_EQ(RegionCode(id), code) << id;
  EXPECT_EQ(RegionCode(0), u"");
}

}  // namespace
}  // namespace zelvo
