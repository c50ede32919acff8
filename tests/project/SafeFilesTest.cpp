// Bounded reads of regular files only, and file replacement that survives full disks and links.
#include "project/SafeFiles.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::WriteBytes;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The special files a hostile project may name: each must be refused at once, never read.
// A FIFO without a writer would block an ordinary open for ever; /dev/zero never ends. A folder
// is refused with the system's own words for it.
enum class Special { Fifo, LinkToFifo, LinkToZero, Folder };

fs::path MakeSpecial(const ScratchFolder& folder, Special kind, const std::string& name) {
  const fs::path path = folder / name;
  switch (kind) {
    case Special::Fifo:
      mkfifo(path.c_str(), 0644);
      break;
    case Special::LinkToFifo:
      mkfifo((folder / ("fifo-" + name)).c_str(), 0644);
      fs::create_symlink("fifo-" + name, path);
      break;
    case Special::LinkToZero:
      fs::create_symlink("/dev/zero", path);
      break;
    case Special::Folder:
      fs::create_directory(path);
      break;
  }
  return path;
}

class SpecialInput : public ::testing::TestWithParam<Special> {};

TEST_P(SpecialInput, IsRefusedByEveryReaderWithoutReadingIt) {
  ScratchFolder folder;
  const bool folderKind = GetParam() == Special::Folder;
  const std::string expected = folderKind ? std::strerror(EISDIR) : "not a regular file";

  const Result<std::string> read =
      ReadRegularFile(MakeSpecial(folder, GetParam(), "any").string(), 1024, "too large");
  EXPECT_FALSE(read.Ok());
  EXPECT_NE(read.Error().find(expected), std::string::npos) << read.Error();

  const ProjectReadResult project =
      ReadProjectFile(MakeSpecial(folder, GetParam(), "p.ROU").string());
  EXPECT_FALSE(project.Ok());
  EXPECT_NE(project.Error().find(expected), std::string::npos) << project.Error();

  const fs::path bitmap = MakeSpecial(folder, GetParam(), "cutter.bmp");
  const std::string error = LoadPicture(bitmap.string()).Error();
  EXPECT_NE(error.find(bitmap.string() + ": " + expected), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialInput,
                         ::testing::Values(Special::Fifo, Special::LinkToFifo, Special::LinkToZero,
                                           Special::Folder));

TEST(ReadRegularFile, StopsAtTheLimit) {
  ScratchFolder folder;
  WriteBytes(folder / "big", std::string(2000, 'x'));
  EXPECT_EQ(ReadRegularFile((folder / "big").string(), 1999, "more than 1999 bytes").Error(),
            "more than 1999 bytes");
  const Result<std::string> read = ReadRegularFile((folder / "big").string(), 2000, "too large");
  ASSERT_TRUE(read.Ok()) << read.Error();
  EXPECT_EQ(read.Value().size(), 2000u);
}

// A tmpfs of 64 KiB mounted for the test: the only way to run out of space without filling a
// real disk. Needs the right to mount; the tests that use it skip without.
class SmallDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (mount("kerf-test", folder_.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0)
      GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
    mounted_ = true;
  }
  void TearDown() override {
    if (mounted_) umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  // Fills what is left of the disk.
  void Fill() {
    std::ofstream filler(folder_ / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    for (int i = 0; i < 64 && filler; ++i)
      filler.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  ScratchFolder folder_;
  bool mounted_ = false;
};

Raster Noise(int w, int h) {
  Raster r(w, h);
  uint32_t seed = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1103515245u + 12345u;
      r.SetPixel(x, y, static_cast<Colour>(seed >> 8) & 0xFFFFFF);
    }
  return r;
}

TEST_F(SmallDisk, AFullDiskKeepsTheOldPictureAndSaysWhy) {
  const fs::path old = folder_ / "old.png";
  std::string error;
  ASSERT_EQ(SavePicture(old.string(), Raster(4, 4)).Error(), "");
  const std::string before = ReadAll(old);
  Fill();
  // Noise does not compress: the new picture cannot fit in what is left.
  error = SavePicture(old.string(), Noise(64, 64)).Error();
  EXPECT_EQ(error, old.string() + ": " + std::strerror(ENOSPC));
  EXPECT_EQ(ReadAll(old), before);

  const fs::path fresh = folder_ / "new.bmp";
  error = SavePicture(fresh.string(), Noise(64, 64)).Error();
  EXPECT_EQ(error, fresh.string() + ": " + std::strerror(ENOSPC));
  EXPECT_FALSE(fs::exists(fresh));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 2)
      << "a temporary file was left behind";
}

TEST_F(SmallDisk, AFullDiskKeepsTheOldProject) {
  const fs::path file = folder_ / "keep.ROU";
  std::string error;
  ASSERT_EQ(WriteProjectFile(file.string(), ProjectRecord{}).Error(), "");
  const std::string before = ReadAll(file);
  Fill();
  ProjectRecord large;
  large.Cuts.assign(5000, ProjectCut{1, 2, 3, "a-long-cutter-file-name.bmp"});
  error = WriteProjectFile(file.string(), large).Error();
  EXPECT_EQ(error, "cannot write " + file.string() + ": " + std::strerror(ENOSPC));
  EXPECT_EQ(ReadAll(file), before);
}

// An output path that names a device or FIFO (itself or through a link) is refused; the node
// stays what it was.
TEST(ReplaceFile, RefusesToReplaceSpecialFiles) {
  ScratchFolder folder;
  std::vector<fs::path> specials = {MakeSpecial(folder, Special::Fifo, "fifo.png"),
                                    MakeSpecial(folder, Special::LinkToFifo, "link.png")};
  if (mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    fs::create_symlink("null", folder / "device.png");
    specials.push_back(folder / "device.png");
  }
  for (const fs::path& path : specials) {
    SCOPED_TRACE(path.string());
    const fs::file_type typeBefore = fs::status(path).type();
    std::string error;
    error = SavePicture(path.string(), Raster(2, 2)).Error();
    EXPECT_EQ(error, path.string() + ": not a regular file");
    EXPECT_EQ(fs::status(path).type(), typeBefore);
    error = WriteProjectFile(path.string(), ProjectRecord{}).Error();
    EXPECT_EQ(error, "cannot write " + path.string() + ": not a regular file");
    EXPECT_EQ(fs::status(path).type(), typeBefore);
  }
}

TEST(ReplaceFile, LongNamesDanglingLinksAndOwnersAreHandled) {
  ScratchFolder folder;
  // A name near the system's limit of 255 bytes: the temporary name must not be longer.
  const fs::path longName = folder / (std::string(240, 'n') + ".ROU");
  ASSERT_EQ(WriteProjectFile(longName.string(), ProjectRecord{}).Error(), "");
  ASSERT_EQ(WriteProjectFile(longName.string(), ProjectRecord{}).Error(), "");

  // A link to a file that does not exist yet: the file is created, the link stays a link.
  fs::create_directory(folder / "sub");
  fs::create_symlink("sub/target.png", folder / "dangling.png");
  ASSERT_EQ(SavePicture((folder / "dangling.png").string(), Raster(3, 3)).Error(), "");
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.png"));
  EXPECT_TRUE(fs::is_regular_file(folder / "sub" / "target.png"));

  // Owner and group of the replaced file stay, where the process may set them.
  const fs::path owned = folder / "owned.ROU";
  ASSERT_EQ(WriteProjectFile(owned.string(), ProjectRecord{}).Error(), "");
  if (chown(owned.c_str(), 4321, 4321) != 0) GTEST_SKIP() << "cannot give a file away here";
  ASSERT_EQ(WriteProjectFile(owned.string(), ProjectRecord{}).Error(), "");
  struct stat info {};
  ASSERT_EQ(stat(owned.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 4321u);
}

}  // namespace
}  // namespace kerf
