#include "cpu/cxCPU2000.h"

#include "cpu/CpuVendors.h"
#include "cpu/CpuidQuery.h"

namespace cpu {

TcxCpu2kVersionInfo::TcxCpu2kVersionInfo()
    : engine_(std::make_unique<TcxVersionInfo>(
          "Brantelle processor identification. All rights reserved by its authors.",
          "Brantelle CPUID engine", 1.0f, 45, TcxBuildStatus::bsFinal,
          TcxReleaseStatus::rsPublic)),
      component_(std::make_unique<TcxVersionInfo>(
          "Brantelle processor identification. All rights reserved by its authors.",
          "TcxCPU2000 processor detection component", 3.0f, 44, TcxBuildStatus::bsFinal,
          TcxReleaseStatus::rsPublic)) {}

TcxCPU2000::TcxCPU2000(ui::Window* owner, std::string name) : ui::NonVisual(owner, std::move(name)) {
  constexpr uint8_t p = 0;  // processor number: accepted and ignored

  // 1. The owned sub-objects.
  autoBench_ = std::make_unique<TcxAutoBench>();

  TCpuidLevelsRecord levels;
  QueryCpuidLevels(levels);
  cpuid_ = std::make_unique<TcxCPUID>(levels);

  TSignatureRecord signature;
  QuerySignature(signature);
  internalResults_ = std::make_unique<TcxDetectedInfo>(
      signature, CpuFeatures(p), CpuFeaturesEx(p), IsCpuidAvailable() ? GetVendorString() : "");

  TFeatureFlagsRecord standard;
  QueryFeatureFlags(standard);
  featureSet_ = std::make_unique<TcxFeatureSet>(standard);
  TFeatureFlagsRecord extended;
  QueryFeatureFlags(extended);
  featureSetEx_ = std::make_unique<TcxExFeatureSet>(extended);

  versionInfo_ = std::make_unique<TcxCpu2kVersionInfo>();
  cache_ = std::make_unique<TcxCacheInfo>();

  // 2. Plain values.
  count_ = static_cast<int32_t>(GetProcessorCount() % 256);
  fdivBug_ = CpuFDivBug(p);
  overDrive_ = IsOverDrive();
  mmx_ = CpuFeature(p, 23);

  // 3. The serial number.
  if (GetModel() > 6 && HasFeature(18)) serial_ = GetSerialNumber();

  // 4. The names, in this order.
  vendor_ = GetVendorLongName(p);
  cpu_ = GetModelName(p);
  fullName_ = GetFullName(p);

  // 5. The cache sizes.
  TCacheSizesRecord caches;
  QueryCacheSizes(caches);
  cache_->Fill(caches);
}

TcxCPU2000::~TcxCPU2000() = default;

void TcxCPU2000::Loaded() {
  if (autoBench_->Enabled()) speed_ = GetVendorSpeed(0, autoBench_->Delay());
  if (cpuid_->MaxLevelEx() > 3) fullName_ = VisibleText(GetBrandString());
}

}  // namespace cpu
