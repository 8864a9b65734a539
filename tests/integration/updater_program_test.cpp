// The updater program, run as it is installed: copied into an install tree beside a stand-in host, with a
// package made here with libzip.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct ZipEntry {
  std::string name;
  std::string bytes;
  unsigned mode = 0100644;  // Unix type and permissions, as zip stores them
};

void MakeZip(const fs::path& path, const std::vector<ZipEntry>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const ZipEntry& entry : entries) {
    zip_int64_t index;
    if (entry.name.back() == '/') {
      index = zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
      zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
      index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
      zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    ASSERT_GE(index, 0) << entry.name;
    zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX, entry.mode << 16);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

const char kConfiguration[] = "; sample\n[download]\npath=updates\n[version]\nversion=1.0.0\n";

// An install tree with the built updater, a stand-in host that notes its start, and a package 2.0.0.
class InstallTree {
 public:
  explicit InstallTree(const std::vector<ZipEntry>& package) {
    fs::copy_file(fs::path(EXAMHOST_BINARY_DIR) / "src/programs/update/update", Path("update"));
    WriteProgram("examhost", "#!/bin/sh\necho 1.0.0 > host-started\n");
    folder_.Write("conf/global.ini", kConfiguration);
    folder_.Write("server/html/index.php", "old index");
    folder_.Write("updates/version", "2.0.0");
    MakeZip(Path("updates/2.0.0.zip"), package);
  }

  fs::path Path(const std::string& relative) const { return fs::path(folder_.Native()) / relative; }
  std::string Read(const std::string& relative) const { return folder_.Read(relative); }
  void WriteProgram(const std::string& relative, const std::string& script) const {
    fs::permissions(folder_.Write(relative, script), fs::perms(0755));
  }

  // Runs the updater and waits for it; its exit code.
  int RunUpdater() const {
    int status = std::system(("'" + Path("update").string() + "' 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // What the host it started wrote, once it has.
  std::string HostStarted() const {
    for (int attempt = 0; attempt < 500 && Read("host-started").empty(); ++attempt)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return Read("host-started");
  }

  // Every file outside the update folder with its bytes, but for the note of the host's start.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Native())) {
      std::string relative = fs::relative(entry.path(), folder_.Native()).string();
      if (relative.rfind("updates", 0) != 0 && relative != "host-started") files[relative] = entry.is_regular_file() ? Read(relative) : "<dir>";
    }
    return files;
  }

 private:
  TempFolder folder_;
};

TEST(UpdaterProgram, InstallsThePackageSetsTheVersionAndRestartsTheNewHost) {
  InstallTree tree({{"examhost", "#!/bin/sh\necho 2.0.0 > host-started\n", 0100755},
                    {"server/html/index.php", "new index"},
                    {"server/html/exam/", "", 040755},
                    {"server/html/exam/page.php", "a page"},
                    {"update_2.0.0", "next updater", 0100755}});
  EXPECT_EQ(tree.RunUpdater(), 0);
  EXPECT_EQ(tree.HostStarted(), "2.0.0\n");
  EXPECT_EQ(tree.Read("server/html/index.php"), "new index");
  EXPECT_EQ(tree.Read("server/html/exam/page.php"), "a page");
  EXPECT_EQ(tree.Read("update_2.0.0"), "next updater");
  EXPECT_EQ(fs::status(tree.Path("update_2.0.0")).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_EQ(tree.Read("conf/global.ini"), "; sample\n[download]\npath=updates\n[version]\nversion=2.0.0\n");
  EXPECT_FALSE(fs::exists(tree.Path("updates/2.0.0.zip")));
  EXPECT_FALSE(fs::exists(tree.Path("updates/staging")));
  EXPECT_FALSE(fs::exists(tree.Path("updates/backup")));
}

TEST(UpdaterProgram, ADamagedOrUnsafePackageChangesNothingAndTheOldHostComesBack) {
  const ZipEntry good{"server/html/index.php", "new index"};
  const ZipEntry host{"examhost", "#!/bin/sh\necho 2.0.0 > host-started\n", 0100755};
  struct Case {
    const char* name;
    std::vector<ZipEntry> entries;
  } cases[] = {
      {"parent folder", {good, host, {"../escaped.txt", "x"}}},
      {"inner parent folder", {good, host, {"server/../../escaped.txt", "x"}}},
      {"absolute", {good, host, {"/tmp/escaped.txt", "x"}}},
      {"drive letter", {good, host, {"C:/escaped.txt", "x"}}},
      {"backslash", {good, host, {"..\\escaped.txt", "x"}}},
      {"symbolic link", {good, host, {"server/link", "/etc/passwd", 0120777}}},
      {"damaged", {good, host, {"server/html/zz.php", "DAMAGED-CONTENT"}}},
      {"truncated", {good, host}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InstallTree tree(c.entries);
    fs::path package = tree.Path("updates/2.0.0.zip");
    std::string bytes = tree.Read("updates/2.0.0.zip");
    if (std::string(c.name) == "damaged") bytes.replace(bytes.find("DAMAGED"), 7, "changed");
    if (std::string(c.name) == "truncated") bytes.resize(bytes.size() / 2);
    std::ofstream(package, std::ios::binary) << bytes;
    std::map<std::string, std::string> before = tree.Files();

    EXPECT_EQ(tree.RunUpdater(), 1);
    EXPECT_EQ(tree.HostStarted(), "1.0.0\n");
    EXPECT_EQ(tree.Files(), before);
    EXPECT_FALSE(fs::exists(tree.Path("../escaped.txt")));
    EXPECT_FALSE(fs::exists(package));  // useless: the next start downloads it afresh
  }
}

TEST(UpdaterProgram, AFileThatCannotBePutInPlaceTakesBackWhatWasAlreadyPlaced) {
  // "data" is a folder of the install tree, so the last entry cannot take its place.
  InstallTree tree({{"server/html/index.php", "new index"},
                    {"examhost", "#!/bin/sh\necho 2.0.0 > host-started\n", 0100755},
                    {"docs/new/readme.txt", "new folders"},
                    {"data", "a file"}});
  fs::create_directories(tree.Path("data"));
  std::ofstream(tree.Path("data/results.txt")) << "kept";
  std::map<std::string, std::string> before = tree.Files();
  EXPECT_EQ(tree.RunUpdater(), 1);
  EXPECT_EQ(tree.HostStarted(), "1.0.0\n");
  EXPECT_EQ(tree.Files(), before);
  EXPECT_TRUE(fs::exists(tree.Path("updates/2.0.0.zip")));
}

TEST(UpdaterProgram, WithoutAVersionMarkerNothingIsInstalledAndThePackageKept) {
  InstallTree tree(std::vector<ZipEntry>{{"server/html/index.php", "new index"}});
  fs::remove(tree.Path("updates/version"));
  EXPECT_EQ(tree.RunUpdater(), 1);
  EXPECT_EQ(tree.HostStarted(), "1.0.0\n");
  EXPECT_EQ(tree.Read("server/html/index.php"), "old index");
  EXPECT_EQ(tree.Read("conf/global.ini"), kConfiguration);
  EXPECT_TRUE(fs::exists(tree.Path("updates/2.0.0.zip")));
}

}  // namespace
