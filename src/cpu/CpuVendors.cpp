#include "cpu/CpuVendors.h"

#include "cpu/CpuidQuery.h"

namespace cpu {

const TVendorEntry kVendorTable[8] = {
    {kVendorIntel, "GenuineIntel", "Intel ", "Intel Corporation"},
    {kVendorAMD, "AuthenticAMD", "AMD ", "Advanced Micro Devices"},
    {kVendorCyrix, "CyrixInstead", "Cyrix ", "Cyrix Corporation"},
    {kVendorIDT, "CentaurHauls", "IDT ", "IDT/Centaur"},
    {kVendorNexGen, "NexGenDriven", "NexGen ", "NexGen Inc"},
    {kVendorUMC, "UMC UMC UMC ", "UMC ", "United Microelectronics Corp"},
    {kVendorRise, "RiseRiseRise", "Rise ", "Rise Technology"},
    {kVendorUnknown, "", "Unknown ", "Unknown Vendor"},
};

const TVendorEntry& VendorEntry(int32_t index) {
  for (const TVendorEntry& e : kVendorTable)
    if (e.index == index) return e;
  return kVendorTable[7];
}

int32_t VendorIndexOf(const std::string& vendorId) {
  for (int i = 0; i < 7; ++i)
    if (vendorId == kVendorTable[i].vendorId) return kVendorTable[i].index;
  return kVendorUnknown;
}

std::string IntelModelName(const TIntelInputs& in) {
  const uint32_t m = in.model;
  switch (in.family) {
    case 4:
      switch (m) {
        case 4: return "80486SL";
        case 7: return "80486DX2";
        case 8: return "80486DX4";
        default: return "486 class";
      }
    case 5:
      switch (m) {
        case 0: case 1: return "Pentium (P5)";
        case 2: case 7: return "Pentium (P54C)";
        case 3: return "Pentium 486 OverDrive";
        case 4: return "Pentium MMX";
        default: return "Pentium class";
      }
    case 6: {
      const int32_t l2 = in.level2;
      switch (m) {
        case 0: case 1: return "Pentium Pro";
        case 3: return in.overDrive ? "Pentium II Overdrive" : "Pentium II (Model 3)";
        case 5:
          if (l2 < 128) return "Celeron (Model 5)";
          if (l2 >= 1024) return "Pentium II Xeon";
          return "Pentium II (Model 5)";
        case 6:
          if (l2 > 128) return "Mobile Pentium II";
          return in.serialFeature ? "Mobile Celeron" : "Celeron";
        case 7: case 8:
          switch (in.brandId) {
            case 0: return l2 >= 1024 ? "Pentium III Xeon" : "Pentium III";
            case 1: return "Celeron";
            case 2: return "Pentium III";
            case 3: return "Pentium III Xeon";
            case 8: return "Pentium 4";
            default: return "Pentium III class";
          }
        case 10: return "Pentium III Xeon";
        default: return "Pentium II/III class";
      }
    }
    case 15: return m == 0 ? "Pentium 4" : "Pentium 4 class";
    default: return "";
  }
}

std::string AmdModelName(uint32_t family, uint32_t model) {
  switch (family) {
    case 4:
      switch (model) {
        case 3: case 7: case 8: case 9: return "Am486";
        case 14: case 15: return "Am5x86";
        default: return "486 class";
      }
    case 5:
      switch (model) {
        case 0: return "K5 (Model 0)";
        case 1: return "K5 (Model 1)";
        case 2: return "K5 (Model 2)";
        case 3: return "K5 (Model 3)";
        case 6: return "K6 (Model 6)";
        case 7: return "K6 (Model 7)";
        case 8: return "K6-2";
        case 9: return "K6-III";
        case 13: return "K6-2+/K6-III+";
        default: return "Pentium class";
      }
    case 6:
      switch (model) {
        case 1: case 2: case 4: return "Athlon";
        case 3: return "Duron";
        default: return "Athlon class";
      }
    default: return "";
  }
}

std::string CyrixModelName(uint32_t family, uint32_t model) {
  switch (family) {
    case 4:
      switch (model) {
        case 4: return "Media GX";
        case 9: return "Cx5x86";
        default: return "486 class";
      }
    case 5:
      switch (model) {
        case 2: return "6x86";
        case 4: return "GXm";
        default: return "Pentium class";
      }
    case 6:
      switch (model) {
        case 0: return "6x86MX";
        case 5: return "VIA Cyrix III";
        default: return "M2 Class";
      }
    default: return "";
  }
}

std::string IdtModelName(uint32_t family, uint32_t model) {
  if (family != 5) return "";
  switch (model) {
    case 4: return "C6";
    case 8: return "C2";
    case 9: return "C3";
    default: return "Pentium class";
  }
}

std::string NexGenModelName(uint32_t family, uint32_t model) {
  if (family != 5) return "";
  return model == 0 ? "Nx586" : "Pentium class";
}

std::string UmcModelName(uint32_t family, uint32_t model) {
  if (family != 4) return "";
  switch (model) {
    case 1: return "U5D";
    case 2: return "U5S";
    default: return "Pentium class";
  }
}

std::string RiseModelName(uint32_t family, uint32_t model) {
  if (family != 5) return "";
  return model == 0 || model == 2 ? "mP6" : "Pentium class";
}

std::string ProcessorTypeClassName(uint32_t processorType) {
  switch (processorType) {
    case 386: return "386 class";
    case 486: return "486 class";
    case 586: return "Pentium class";
    case 686: return "Pentium II class";
    default: return std::to_string(processorType) + " class";
  }
}

int32_t GetVendorIndex(uint8_t) { return VendorIndexOf(GetVendorString()); }

std::string GetVendorShortName(uint8_t processor) {
  return VendorEntry(GetVendorIndex(processor)).shortName;
}

std::string GetVendorLongName(uint8_t processor) {
  return VendorEntry(GetVendorIndex(processor)).longName;
}

std::string GetModelName(uint8_t processor) {
  const int32_t vendor = GetVendorIndex(processor);
  if (vendor == kVendorUnknown) return ProcessorTypeClassName(GetProcessorType());
  const uint32_t f = GetFamily();
  const uint32_t m = GetModel();
  switch (vendor) {
    case kVendorIntel: {
      TIntelInputs in;
      in.family = f;
      in.model = m;
      // The family 6 rules read the level-2 cache size before the model is
      // examined, whatever the model.
      if (f == 6) {
        in.level2 = GetL2Cache();
        in.overDrive = IsOverDrive();
        in.serialFeature = HasFeature(18);
        in.brandId = GetBrandId();
      }
      return IntelModelName(in);
    }
    case kVendorAMD: return AmdModelName(f, m);
    case kVendorCyrix: return CyrixModelName(f, m);
    case kVendorIDT: return IdtModelName(f, m);
    case kVendorNexGen: return NexGenModelName(f, m);
    case kVendorUMC: return UmcModelName(f, m);
    case kVendorRise: return RiseModelName(f, m);
    default: return "";
  }
}

std::string GetFullName(uint8_t processor) {
  const int32_t vendor = GetVendorIndex(processor);
  return std::string(VendorEntry(vendor).shortName) + GetModelName(processor);
}

int32_t GetVendorSpeed(uint8_t, int32_t delayMs) { return NormalizeSpeed(MeasureSpeed(delayMs)); }

}  // namespace cpu
