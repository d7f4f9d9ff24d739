// Drives a test lays out: letter, system type code, volume name, free bytes.
#pragma once

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/Drives.h"

namespace fakes {

class FakeDrives : public platform::Drives {
 public:
  struct Drive {
    unsigned type = platform::kDriveFixed;
    std::string volume;
    int64_t freeBytes = 0;  // -1: the query fails
  };
  std::map<char, Drive> drives;  // by upper-case letter
  std::vector<int> freeQueries;  // every drive number asked for

  void Add(char letter, unsigned type, int64_t freeMb, std::string volume = "") {
    drives[letter] = {type, std::move(volume), freeMb < 0 ? -1 : freeMb * 1048576};
  }

  std::string Letters() override {
    std::string letters;
    for (const auto& [letter, drive] : drives) letters += letter;
    return letters;
  }
  unsigned DriveType(const std::string& root) override {
    // As the system: only a root path names a drive.
    if (root.size() != 3 || root.substr(1) != ":\\") return 1;
    auto it = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))));
    return it == drives.end() ? 1 : it->second.type;
  }
  std::string VolumeName(char letter) override {
    auto it = drives.find(letter);
    return it == drives.end() ? std::string() : it->second.volume;
  }
  int64_t FreeBytes(int driveNumber) override {
    freeQueries.push_back(driveNumber);
    if (driveNumber < 1 || driveNumber > 26) return -1;
    auto it = drives.find(static_cast<char>('A' + driveNumber - 1));
    return it == drives.end() ? -1 : it->second.freeBytes;
  }
};

}  // namespace fakes
