// Every in-process command through the real libzelvo.so export, at one store
// size per run (--entries=N), beside its floor and beside SQLite doing the
// same work with the same durability (WAL, synchronous=FULL, one transaction
// per change). scripts/bench.sh runs it for each size and prints the ratios.
//
// Floors: a read from memory is a plain std::map lookup of the same key; a
// change is writing, flushing and renaming the same file bytes; a load is
// reading and MD5-hashing the same bytes.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <openssl/evp.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "bench/floors.h"
#include "bench/store_writer.h"

namespace {

using WideEntry = int32_t (*)(const char16_t*, const char16_t*, char16_t*);

int64_t entries = 1000;
std::string base;
std::string folder;
WideEntry command = nullptr;
sqlite3* database = nullptr;

using zelvo::bench::Key;
using zelvo::bench::WriteStoreFile;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

void Run(const char16_t* word, const std::u16string& parameters) {
  char16_t output[256];
  benchmark::DoNotOptimize(command(word, parameters.c_str(), output));
}

void Sql(const char* statement) {
  char* error = nullptr;
  if (sqlite3_exec(database, statement, nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: %s\n", error);
    std::abort();
  }
}

sqlite3_stmt* Prepare(const char* statement) {
  sqlite3_stmt* prepared = nullptr;
  if (sqlite3_prepare_v2(database, statement, -1, &prepared, nullptr) != SQLITE_OK) std::abort();
  return prepared;
}

// --- Zelvo through the export ----------------------------------------------

void GetData(benchmark::State& state) {
  const std::u16string parameters = u"datakey=" + Wide(Key(entries / 2));
  for (auto _ : state) Run(u"GETDATA", parameters);
}
void GetValue(benchmark::State& state) {
  for (auto _ : state) Run(u"GETVALUE", u"valname=UFNM");
}
void AddData(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Run(u"DELDATA", u"datakey=KEY0000000,datastring=x" + Wide(std::to_string(i)));
    state.ResumeTiming();
    Run(u"ADDDATA", u"datakey=KEY0000000,datastring=x" + Wide(std::to_string(++i)));
  }
}
void DelData(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Run(u"ADDDATA", u"datakey=KEY0000000,datastring=y" + Wide(std::to_string(++i)));
    state.ResumeTiming();
    Run(u"DELDATA", u"datakey=KEY0000000,datastring=y" + Wide(std::to_string(i)));
  }
}
void UpdateUser(benchmark::State& state) {
  int64_t i = 0;
  for (auto _ : state) Run(u"UPDATEUSER", u"firstname=Ann" + Wide(std::to_string(++i)));
}
void Rebuild(benchmark::State& state) {
  for (auto _ : state) Run(u"REBUILD", u"");
}

// --- Floors ------------------------------------------------------------------

void GetDataFloor(benchmark::State& state) {
  std::map<std::u16string, std::vector<std::u16string>> map;
  for (int64_t i = 0; i < entries; ++i) map[Wide(Key(i))] = {u"a", u"b"};
  const std::u16string key = Wide(Key(entries / 2));
  for (auto _ : state) benchmark::DoNotOptimize(map.find(key));
}

void GetValueFloor(benchmark::State& state) {
  zelvo::bench::ReadAndHash(state, folder + "user.zu2");
}
void AddDataFloor(benchmark::State& state) {
  zelvo::bench::WriteFlushRename(state, folder + "data.zd2");
}
void DelDataFloor(benchmark::State& state) {
  zelvo::bench::WriteFlushRename(state, folder + "data.zd2");
}
void UpdateUserFloor(benchmark::State& state) {
  zelvo::bench::WriteFlushRename(state, folder + "user.zu2");
}
void RebuildFloor(benchmark::State& state) {
  zelvo::bench::ReadAndHash(state, folder + "data.zd2");
}

// --- SQLite ------------------------------------------------------------------

void GetDataSqlite(benchmark::State& state) {
  sqlite3_stmt* select = Prepare("SELECT value FROM data WHERE key = ? ORDER BY value");
  const std::string key = Key(entries / 2);
  for (auto _ : state) {
    sqlite3_bind_text(select, 1, key.c_str(), -1, SQLITE_STATIC);
    std::string joined;
    while (sqlite3_step(select) == SQLITE_ROW)
      joined.append(reinterpret_cast<const char*>(sqlite3_column_text(select, 0)));
    sqlite3_reset(select);
    benchmark::DoNotOptimize(joined);
  }
  sqlite3_finalize(select);
}
void GetValueSqlite(benchmark::State& state) {
  sqlite3_stmt* select = Prepare("SELECT firstname FROM profile WHERE id = 1");
  for (auto _ : state) {
    sqlite3_step(select);
    benchmark::DoNotOptimize(sqlite3_column_text(select, 0));
    sqlite3_reset(select);
  }
  sqlite3_finalize(select);
}
void ChangeSqlite(benchmark::State& state, const char* statement, const char* undo) {
  sqlite3_stmt* change = Prepare(statement);
  sqlite3_stmt* back = Prepare(undo);
  int64_t i = 0;
  for (auto _ : state) {
    const std::string value = "z" + std::to_string(++i);
    state.PauseTiming();
    sqlite3_bind_text(back, 1, value.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(back);
    sqlite3_reset(back);
    state.ResumeTiming();
    sqlite3_bind_text(change, 1, value.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(change) != SQLITE_DONE) std::abort();
    sqlite3_reset(change);
  }
  sqlite3_finalize(change);
  sqlite3_finalize(back);
}
void AddDataSqlite(benchmark::State& state) {
  ChangeSqlite(state, "INSERT OR IGNORE INTO data VALUES ('KEY0000000', ?)",
               "DELETE FROM data WHERE key = 'KEY0000000' AND value = ?");
}
void DelDataSqlite(benchmark::State& state) {
  ChangeSqlite(state, "DELETE FROM data WHERE key = 'KEY0000000' AND value = ?",
               "INSERT OR IGNORE INTO data VALUES ('KEY0000000', ?)");
}
void UpdateUserSqlite(benchmark::State& state) {
  ChangeSqlite(state, "UPDATE profile SET firstname = ? WHERE id = 1", "SELECT ?");
}
void RebuildSqlite(benchmark::State& state) {
  sqlite3_stmt* select = Prepare("SELECT key, value FROM data");
  for (auto _ : state) {
    std::map<std::string, std::vector<std::string>> loaded;
    while (sqlite3_step(select) == SQLITE_ROW) {
      loaded[reinterpret_cast<const char*>(sqlite3_column_text(select, 0))].emplace_back(
          reinterpret_cast<const char*>(sqlite3_column_text(select, 1)));
    }
    sqlite3_reset(select);
    benchmark::DoNotOptimize(loaded);
  }
  sqlite3_finalize(select);
}

// --- Set-up ------------------------------------------------------------------

void MakeStores() {
  std::string pattern = "/tmp/zelvo-commands-bench-XXXXXX";
  base = ::mkdtemp(pattern.data());
  folder = base + "/Orvane Systems/Zelvo/";
  ::setenv("ZELVO_COMMON_APPDATA", base.c_str(), 1);
  ::unsetenv("XDG_RUNTIME_DIR");
  std::filesystem::create_directories(folder);
  WriteStoreFile(folder + "data.zd2", entries);
  sqlite3_open((base + "/bench.sqlite").c_str(), &database);
  Sql("PRAGMA journal_mode=WAL");
  Sql("PRAGMA synchronous=FULL");
  Sql("CREATE TABLE data (key TEXT, value TEXT, PRIMARY KEY (key, value)) WITHOUT ROWID");
  Sql("CREATE TABLE profile (id INTEGER PRIMARY KEY, firstname TEXT, lastname TEXT, email TEXT, "
      "country_id INTEGER, "
      "optin INTEGER, member_id TEXT)");
  Sql("INSERT INTO profile VALUES (1, 'Ann', 'Lee', '', 76, 0, '')");
  Sql("BEGIN");
  sqlite3_stmt* insert = Prepare("INSERT INTO data VALUES (?, ?)");
  for (int64_t i = 0; i < entries; ++i) {
    for (const char* prefix : {"value-a-", "value-b-"}) {
      const std::string key = Key(i), value = prefix + std::to_string(i);
      sqlite3_bind_text(insert, 1, key.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(insert, 2, value.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
  }
  sqlite3_finalize(insert);
  Sql("COMMIT");
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--entries=", 10) == 0) entries = std::atoll(argv[i] + 10);
  }
  MakeStores();
  void* library = ::dlopen(ZELVO_LIBRARY_PATH, RTLD_NOW);
  if (library == nullptr) return 1;
  command = reinterpret_cast<WideEntry>(::dlsym(library, "ZelvoCommandW"));
  Run(u"UPDATEUSER", u"firstname=Ann,lastname=Lee,country_id=76");

  for (const auto& [name, function] :
       std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>>{
           {"GETDATA", GetData},
           {"GETDATA/floor", GetDataFloor},
           {"GETDATA/sqlite", GetDataSqlite},
           {"GETVALUE", GetValue},
           {"GETVALUE/floor", GetValueFloor},
           {"GETVALUE/sqlite", GetValueSqlite},
           {"ADDDATA", AddData},
           {"ADDDATA/floor", AddDataFloor},
           {"ADDDATA/sqlite", AddDataSqlite},
           {"DELDATA", DelData},
           {"DELDATA/floor", DelDataFloor},
           {"DELDATA/sqlite", DelDataSqlite},
           {"UPDATEUSER", UpdateUser},
           {"UPDATEUSER/floor", UpdateUserFloor},
           {"UPDATEUSER/sqlite", UpdateUserSqlite},
           {"REBUILD", Rebuild},
           {"REBUILD/floor", RebuildFloor},
           {"REBUILD/sqlite", RebuildSqlite}}) {
    benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  sqlite3_close(database);
  std::filesystem::remove_all(base);
  return 0;
}
