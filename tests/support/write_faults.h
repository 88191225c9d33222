// Test helper: folders where writes fail, for fault-injection tests of file writes.
//
// Permission bits do not stop root, and CI runs as root, so a read-only folder is a
// read-only tmpfs mount where the machine allows mounting and a folder with mode 0555
// otherwise. A full disk is a tiny tmpfs. Each folder is removed when the object goes.
#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace kz::test {

class FaultFolder {
 public:
  enum class Kind { kReadOnly, kFull };

  // `seed` files are written into the folder before it becomes read-only or full.
  explicit FaultFolder(Kind kind, const std::string& seedName = {},
                       const std::string& seedBytes = {}) {
    char pattern[] = "/tmp/kz-fault-XXXXXX";
    path_ = mkdtemp(pattern);
    const bool root = geteuid() == 0;
    if (root && mount("tmpfs", path_.c_str(), "tmpfs", 0,
                      kind == Kind::kFull ? "size=16k" : "size=1m") == 0) {
      mounted_ = true;
    }
    if (!seedName.empty()) {
      std::ofstream(path_ + "/" + seedName, std::ios::binary) << seedBytes;
    }
    if (kind == Kind::kReadOnly) {
      if (mounted_) {
        usable_ = mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
      } else {
        chmod(path_.c_str(), 0555);
        usable_ = !root;
      }
    } else {
      usable_ = mounted_;
      if (usable_) {
        // Fill the disk, leaving the seed file in place.
        std::ofstream filler(path_ + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && filler.write(block.data(), block.size()); ++i) {
        }
      }
    }
  }
  ~FaultFolder() {
    if (mounted_) umount2(path_.c_str(), MNT_DETACH);
    chmod(path_.c_str(), 0755);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  FaultFolder(const FaultFolder&) = delete;
  FaultFolder& operator=(const FaultFolder&) = delete;

  // False when this machine cannot make such a folder (the test should skip).
  bool usable() const { return usable_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool mounted_ = false;
  bool usable_ = false;
};

}  // namespace kz::test
