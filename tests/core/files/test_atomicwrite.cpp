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

// Renaming over a file needs only the folder's permission: a file the user made read-only
// must still be refused, for root too (whom the permission bits never stop), with the
// system's reason, and nothing may change.
TEST(AtomicWrite, ReadOnlyFileIsRefusedWithTheSystemsReason) {
  test::TempDir dir;
  const std::string path = dir / "a.awf";
  test::WriteAll(path, "kept");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directory(dir / "links");
  const std::string link = dir / "links/a.awf";
  fs::create_symlink("../a.awf", link);
  for (const std::string& target : {path, link}) {
    try {
      WriteFileAtomic(target, std::string_view("new"));
      ADD_FAILURE() << "read-only file replaced through " << target;
    } catch (const FileWriteError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot write file \"" + target + "\". Permission denied");
    }
  }
  EXPECT_EQ(test::ReadAll(path), "kept");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(EntriesIn(dir.path()), 2u);
  EXPECT_EQ(EntriesIn(dir / "links"), 1u);
}

// A link stays a link: the file it names gets the data, through a chain of links, relative
// and absolute, and the temporary file is made beside that file, not beside the link.
TEST(AtomicWrite, SymbolicLinksAreFollowedToTheFileTheyName) {
  test::TempDir dir;
  fs::create_directory(dir / "data");
  fs::create_directory(dir / "links");
  const std::string real = dir / "data/real.awf";
  test::WriteAll(real, "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("../data/real.awf", dir / "links/rel.awf");
  fs::create_symlink(dir / "links/rel.awf", dir / "links/abs.awf");  // a link to a link
  fs::create_symlink("../data/new.awf", dir / "links/dangling.awf");

  WriteFileAtomic(dir / "links/abs.awf", std::string_view("through two links"));
  EXPECT_EQ(test::ReadAll(real), "through two links");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::read_symlink(dir / "links/rel.awf"), "../data/real.awf");
  EXPECT_TRUE(fs::is_symlink(dir / "links/abs.awf"));

  // A link to a file not made yet creates that file.
  WriteFileAtomic(dir / "links/dangling.awf", std::string_view("made"));
  EXPECT_TRUE(fs::is_symlink(dir / "links/dangling.awf"));
  EXPECT_EQ(test::ReadAll(dir / "data/new.awf"), "made");
  EXPECT_EQ(EntriesIn(dir / "links"), 3u);
  EXPECT_EQ(EntriesIn(dir / "data"), 2u);

  // A loop of links names no file.
  fs::create_symlink("loop2", dir / "links/loop1");
  fs::create_symlink("loop1", dir / "links/loop2");
  EXPECT_THROW(WriteFileAtomic(dir / "links/loop1", std::string_view("x")), FileWriteError);
  EXPECT_EQ(EntriesIn(dir / "links"), 5u);
}

}  // namespace
}  // namespace averoz
