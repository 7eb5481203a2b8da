// What the start-up meets in place of its files: folders, FIFOs, endless devices, files
// of other users.

#include "agent_process.h"
#include "kv_exception.h"
#include "kv_local_file.h"
#include "kv_snmp_session.h"
#include "scoped_variable.h"
#include "snmp_printable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr uid_t kOtherUser = 54321;

}  // namespace

TEST(ReadLocalFile, OnlyRegularFilesWithinTheBoundAreRead) {
  const std::string dir = MakeTempDir("kvlocal");
  std::ofstream(dir + "/small", std::ios::binary) << "one\ntwo\n";
  std::ofstream(dir + "/large", std::ios::binary) << std::string(4097, 'x');
  ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir + "/zero");
  fs::create_symlink(dir + "/small", dir + "/link");
  fs::create_directory(dir + "/folder");
  const struct {
    const char *name;
    LocalFileRead result;
    std::string bytes;
  } cases[] = {
      {"small", LocalFileRead::Read, "one\ntwo\n"}, {"link", LocalFileRead::Read, "one\ntwo\n"},
      {"large", LocalFileRead::Unusable, ""},       {"fifo", LocalFileRead::Unusable, ""},
      {"zero", LocalFileRead::Unusable, ""},        {"folder", LocalFileRead::Unusable, ""},
      {"missing", LocalFileRead::Missing, ""},      {"small/below", LocalFileRead::Missing, ""},
  };
  for (const auto &c : cases) {
    std::string bytes = "old";
    EXPECT_EQ(ReadLocalFile(dir + "/" + c.name, 4096, bytes), c.result) << c.name;
    EXPECT_EQ(bytes, c.bytes) << c.name;
  }
  fs::remove_all(dir);
}

// The boot counter file: a FIFO, a link to an endless device or a folder in its place
// counts as no file (the count starts again at 1); another user's file is not trusted
// and the count goes to the user's own state folder.
TEST(BootCounter, OddFilesCountAsNoneAndAnotherUsersFileIsLeftAlone) {
  const std::string dir = MakeTempDir("kvbootodd");
  const std::string state = MakeTempDir("kvstate");
  ScopedVariable stateHome("XDG_STATE_HOME", state.c_str());
  const std::string file = dir + "/" + kBootCounterFileName;
  const std::string ours = OctetsToPrintableHex(kLocalEngineId);

  for (const std::string kind : {"fifo", "zero"}) {
    fs::remove(file);
    if (kind == "fifo") ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    else fs::create_symlink("/dev/zero", file);
    EXPECT_EQ(IncrementBootCounter(file, kLocalEngineId), 1u) << kind;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file))) << kind;  // replaced, /dev/zero untouched
  }
  EXPECT_EQ(IncrementBootCounter(file, kLocalEngineId), 2u);

  // Whose file it is decides where the count is kept.
  const std::string own = state + "/ms2416x/" + kBootCounterFileName;
  EXPECT_EQ(BootCounterFileName(dir), file);                // ours
  EXPECT_EQ(BootCounterFileName(dir + "/none"), own);       // no folder to write in
  EXPECT_EQ(BootCounterFileName(dir, kOtherUser), own);     // the file is not that user's
  fs::create_directory(dir + "/new");
  EXPECT_EQ(BootCounterFileName(dir + "/new"), dir + "/new/" + kBootCounterFileName);  // missing: made there
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(file.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(BootCounterFileName(dir), own);
    EXPECT_TRUE(fs::is_directory(state + "/ms2416x"));
    EXPECT_EQ(fs::status(state + "/ms2416x").permissions() & fs::perms::all, fs::perms::owner_all);
    // Without XDG_STATE_HOME: ~/.local/state/ms2416x.
    ScopedVariable noState("XDG_STATE_HOME", nullptr);
    ScopedVariable home("HOME", state.c_str());
    EXPECT_EQ(BootCounterFileName(dir), state + "/.local/state/ms2416x/" + kBootCounterFileName);
  }
  // A folder in the file's place cannot be replaced: saving fails with -508.
  fs::remove(file);
  fs::create_directory(file);
  try {
    IncrementBootCounter(file, kLocalEngineId);
    ADD_FAILURE() << "no error";
  } catch (const KvException &e) {
    EXPECT_EQ(e.Code(), -508);
  }
  fs::remove_all(dir);
  fs::remove_all(state);
}
