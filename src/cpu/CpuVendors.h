// Vendor identification tables. The vendor index from the vendor-id
// string, the vendors' short and long names, one model-name table per vendor,
// and the unknown-vendor fallback from the operating system's processor type.
#pragma once

#include <cstdint>
#include <string>

namespace cpu {

constexpr int32_t kVendorUnknown = 0;
constexpr int32_t kVendorIntel = 1;
constexpr int32_t kVendorAMD = 2;
constexpr int32_t kVendorCyrix = 3;
constexpr int32_t kVendorIDT = 4;
constexpr int32_t kVendorNexGen = 5;
constexpr int32_t kVendorUMC = 6;
constexpr int32_t kVendorRise = 7;

struct TVendorEntry {
  int32_t index;
  const char* vendorId;   // exactly 12 characters
  const char* shortName;  // ends in one blank
  const char* longName;
};

// Indices 1..7 in comparison order, then the unknown vendor (index 0).
extern const TVendorEntry kVendorTable[8];
const TVendorEntry& VendorEntry(int32_t index);

// The vendor index of a vendor-id string: exact, case-sensitive comparison,
// the first equal string decides; 0 for anything else.
int32_t VendorIndexOf(const std::string& vendorId);

// The model-name tables (F = family, M = model of the signature decoders).
struct TIntelInputs {
  uint32_t family = 0, model = 0;
  int32_t level2 = 0;      // KB
  uint32_t brandId = 0;
  bool overDrive = false;
  bool serialFeature = false;  // standard feature bit 18
};
std::string IntelModelName(const TIntelInputs& in);
std::string AmdModelName(uint32_t family, uint32_t model);
std::string CyrixModelName(uint32_t family, uint32_t model);
std::string IdtModelName(uint32_t family, uint32_t model);
std::string NexGenModelName(uint32_t family, uint32_t model);
std::string UmcModelName(uint32_t family, uint32_t model);
std::string RiseModelName(uint32_t family, uint32_t model);
// The unknown vendor: the class named by dwProcessorType.
std::string ProcessorTypeClassName(uint32_t processorType);

// The queries (the processor number is accepted and ignored). Each determines
// the vendor index afresh from GetVendorString().
int32_t GetVendorIndex(uint8_t processor);
std::string GetVendorShortName(uint8_t processor);
std::string GetVendorLongName(uint8_t processor);
std::string GetModelName(uint8_t processor);
std::string GetFullName(uint8_t processor);
// NormalizeSpeed(MeasureSpeed(delayMs)), the same for every vendor.
int32_t GetVendorSpeed(uint8_t processor, int32_t delayMs);

}  // namespace cpu
