#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fakes/FakeRegistry.h"
#include "fakes/FakeTools.h"
#include "tools/BIOSDate.h"

using platform::RegRoot;
namespace reg = platform::reg;

namespace {

constexpr char kNt[] = "HARDWARE\\DESCRIPTION\\System";

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

struct BiosRig {
  fakes::FakeRegistry registry;
  fakes::FakeTools fake;

  void Put(const std::string& path, const std::string& name, uint32_t type, const std::vector<uint8_t>& data) {
    registry.Put(path, name, type, data, RegRoot::LocalMachine);
  }
  std::vector<std::string> Lines(const std::vector<uint8_t>& data) {
    Put(kNt, "SystemBiosVersion", reg::kMultiSz, data);
    auto key = registry.Open(RegRoot::LocalMachine, kNt, platform::RegOpen::Read);
    auto lines = tools::ReadMultiStringLines(*key, "SystemBiosVersion");
    EXPECT_TRUE(lines.has_value());
    return lines.value_or(std::vector<std::string>{"<error>"});
  }
  // The text of the one box shown, or "<none>".
  std::string Box() {
    tools::TBIOSDate bios(nullptr, "BIOSInfor", registry, fake.tools);
    fake.boxes.shown.clear();
    tools::ShowBiosInformation(bios, registry, fake.tools);
    if (fake.boxes.shown.empty()) return "<none>";
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].caption, "BIOS Information");
    EXPECT_TRUE(fake.boxes.shown[0].systemModal);
    return fake.boxes.shown[0].text;
  }
};

}  // namespace

TEST(BiosLines, EachStringOfTheValueIsALine) {
  BiosRig rig;
  EXPECT_EQ(rig.Lines(Bytes(std::string("AMI BIOS\0Version 1.02\0\0", 24))),
            (std::vector<std::string>{"AMI BIOS", "Version 1.02"}));
  // Control bytes end a line too; bytes above 127 belong to it.
  EXPECT_EQ(rig.Lines(Bytes("A\tB\xe9")), (std::vector<std::string>{"A", "B\xe9"}));
  EXPECT_TRUE(rig.Lines({}).empty());
}

TEST(BiosLines, OnlyTheFirst99BytesCountAndAValueOver100BytesIsAnError) {
  BiosRig rig;
  // 98 letters and a NUL: complete. 99 letters: the line is still open at the end.
  EXPECT_EQ(rig.Lines(Bytes(std::string(98, 'x') + '\0')), std::vector<std::string>{std::string(98, 'x')});
  EXPECT_TRUE(rig.Lines(Bytes(std::string(99, 'x'))).empty());
  EXPECT_EQ(rig.Lines(Bytes("first" + std::string(1, '\0') + std::string(94, 'y'))),
            std::vector<std::string>{"first"});
  EXPECT_EQ(rig.Lines(Bytes("ok" + std::string(1, '\0') + std::string(97, 'z'))), std::vector<std::string>{"ok"});

  rig.Put(kNt, "SystemBiosVersion", reg::kMultiSz, Bytes(std::string(101, 'x')));
  auto key = rig.registry.Open(RegRoot::LocalMachine, kNt, platform::RegOpen::Read);
  EXPECT_FALSE(tools::ReadMultiStringLines(*key, "SystemBiosVersion").has_value());
}

TEST(BiosBox, OnNtItShowsTheDateAndEveryVersionLine) {
  BiosRig rig;
  rig.Put(kNt, "SystemBiosVersion", reg::kMultiSz, Bytes(std::string("BOCHS  - 1\0Wine BIOS 2.0\0\0", 27)));
  rig.registry.PutString(kNt, "SystemBiosDate", "01/01/07", RegRoot::LocalMachine);
  EXPECT_EQ(rig.Box(), "Bios Date: 01/01/07\r\nBIOS Version: BOCHS  - 1\r\nWine BIOS 2.0\r\n");

  // A missing date is an empty one.
  BiosRig noDate;
  noDate.Put(kNt, "SystemBiosVersion", reg::kMultiSz, Bytes(std::string("X\0", 2)));
  EXPECT_EQ(noDate.Box(), "Bios Date: \r\nBIOS Version: X\r\n");
}

TEST(BiosBox, OnNtAReadErrorShowsNoBox) {
  BiosRig missing;  // no key at all
  EXPECT_EQ(missing.Box(), "<none>");

  BiosRig tooLong;
  tooLong.Put(kNt, "SystemBiosVersion", reg::kMultiSz, Bytes(std::string(120, 'v')));
  EXPECT_EQ(tooLong.Box(), "<none>");

  BiosRig noVersion;  // the key without the value
  noVersion.registry.PutString(kNt, "SystemBiosDate", "01/01/07", RegRoot::LocalMachine);
  EXPECT_EQ(noVersion.Box(), "<none>");

  BiosRig binaryDate;
  binaryDate.Put(kNt, "SystemBiosVersion", reg::kMultiSz, Bytes("V"));
  binaryDate.Put(kNt, "SystemBiosDate", reg::kDword, {1, 0, 0, 0});
  EXPECT_EQ(binaryDate.Box(), "<none>");
}

TEST(BiosBox, On9xTheLaterDeviceKeyWinsAndEmptyValuesNeverClear) {
  BiosRig rig;
  rig.fake.version.SetWin98();
  rig.registry.PutString("Enum\\Root\\*PNP0C01\\0000", "BIOSDate", "01/02/98", RegRoot::LocalMachine);
  rig.registry.PutString("Enum\\Root\\*PNP0C01\\0000", "BIOSVersion", "Award 4.51", RegRoot::LocalMachine);
  rig.registry.PutString("Enum\\Root\\Bios\\0000", "BIOSDate", "03/04/99", RegRoot::LocalMachine);
  rig.registry.PutString("Enum\\Root\\Bios\\0000", "BIOSVersion", "", RegRoot::LocalMachine);
  rig.registry.PutString("Enum\\Root\\Other\\0001", "BIOSDate", "never", RegRoot::LocalMachine);
  tools::TBIOSDate bios(nullptr, "BIOSInfor", rig.registry, rig.fake.tools);
  EXPECT_EQ(bios.OS(), "Windows 9x detected");
  EXPECT_EQ(bios.BIOSDate(), "03/04/99");
  EXPECT_EQ(bios.BIOSVersion(), "Award 4.51");
  EXPECT_EQ(rig.Box(), "Bios Date: 03/04/99\r\nBIOS Version: Award 4.51");
}

TEST(BiosBox, On9xWithoutKeysTheBoxShowsEmptyFields) {
  BiosRig rig;
  rig.fake.version.SetWin98();
  rig.registry.PutDword("Enum\\Root\\Odd\\0000", "BIOSDate", 7, RegRoot::LocalMachine);  // not a text
  EXPECT_EQ(rig.Box(), "Bios Date: \r\nBIOS Version: ");
}

TEST(BiosBox, OtherPlatformsShowNothing) {
  BiosRig rig;
  rig.fake.version.platformId = platform::version::kWin32s;
  rig.fake.version.version = 0x80000000u;
  EXPECT_EQ(rig.Box(), "<none>");
  rig.fake.version.platformId = 3;
  EXPECT_EQ(rig.Box(), "<none>");
}

TEST(BiosReader, OnNtItTakesTheFirstStringsAndOnlyABinaryDate) {
  BiosRig rig;
  rig.Put(kNt, "SystemBiosVersion", reg::kMultiSz, Bytes(std::string("First\0Second\0\0", 14)));
  rig.Put(kNt, "VideoBiosVersion", reg::kMultiSz, Bytes(std::string(1002, 'v')));
  rig.registry.PutString(kNt, "SystemBiosDate", "01/01/07", RegRoot::LocalMachine);
  tools::TBIOSDate bios(nullptr, "BIOSInfor", rig.registry, rig.fake.tools);
  EXPECT_EQ(bios.OS(), "Windows NT detected");
  EXPECT_EQ(bios.BIOSVersion(), "First");
  EXPECT_EQ(bios.VideoBIOSVersion(), "");  // longer than 1001 bytes
  EXPECT_EQ(bios.BIOSDate(), "");          // stored as text

  const double days = 36526.75;  // 1 January 2000, evening
  std::vector<uint8_t> date(sizeof days);
  std::memcpy(date.data(), &days, sizeof days);
  rig.Put(kNt, "SystemBiosDate", reg::kBinary, date);
  rig.Put(kNt, "VideoBiosVersion", reg::kMultiSz, Bytes(std::string(1001, 'v')));
  tools::TBIOSDate binary(nullptr, "BIOSInfor", rig.registry, rig.fake.tools);
  EXPECT_EQ(binary.BIOSDate(), "1.1.2000");
  EXPECT_EQ(binary.VideoBIOSVersion(), std::string(1001, 'v'));

  const double nan = std::nan("");
  std::memcpy(date.data(), &nan, sizeof nan);
  rig.Put(kNt, "SystemBiosDate", reg::kBinary, date);
  EXPECT_EQ(tools::TBIOSDate(nullptr, "BIOSInfor", rig.registry, rig.fake.tools).BIOSDate(), "");
}
