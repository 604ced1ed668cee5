// Whole-file writes: a failed write leaves the previous file exactly as it was.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "core/files/AtomicWrite.h"
#include "core/files/FilesTestSupport.h"

namespace averoz {
namespace {

namespace fs = std::filesystem;

std::size_t EntriesIn(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(AtomicWrite, CreatesAndReplacesKeepingPermissions) {
  test::TempDir dir;
  const std::string path = dir / "a.awf";
  WriteFileAtomic(path, std::string_view("first"));
  EXPECT_EQ(test::ReadAll(path), "first");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteFileAtomic(path, std::string_view("second, longer"));
  EXPECT_EQ(test::ReadAll(path), "second, longer");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(EntriesIn(dir.path()), 1u);  // no temporary file left behind

  // The longest name a folder takes still works: the temporary name does not grow from it.
  const std::string longest = dir / std::string(255, 'n');
  WriteFileAtomic(longest, std::string_view("x"));
  EXPECT_EQ(test::ReadAll(longest), "x");
}

TEST(AtomicWrite, FailuresNameTheFileAndLeaveEverythingAsItWas) {
  test::TempDir dir;
  fs::create_directory(dir / "folder");
  test::WriteAll(dir / "folder/inside", "kept");
  const std::string targets[] = {dir / "no/such/folder/a.awf", dir / "folder", ""};
  for (const std::string& target : targets) {
    try {
      WriteFileAtomic(target, std::string_view("data"));
      ADD_FAILURE() << "no error for " << target;
    } catch (const FileWriteError& e) {
      EXPECT_EQ(e.path(), target);
      EXPECT_NE(std::string(e.what()).find("\"" + target + "\""), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(test::ReadAll(dir / "folder/inside"), "kept");
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

// The write itself fails half-way (file size limit): the old file keeps its bytes.
TEST(AtomicWrite, AWriteCutShortKeepsTheOldFile) {
  test::TempDir dir;
  const std::string path = dir / "a.awf";
  const std::string old(1000, 'o');
  test::WriteAll(path, old);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool failed = false;
  try {
    WriteFileAtomic(path, std::string(32812, 'n'));
  } catch (const FileWriteError&) {
    failed = true;
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_TRUE(failed);
  EXPECT_EQ(test::ReadAll(path), old);
  EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace averoz
