// Component layer: TcxCPU2000 runs every detection once when it is
// created and publishes the results as read-only properties; its load hook
// (after the holding window has applied its stored properties, which set
// AutoBench) measures the speed and takes the brand string.
//
// It is a non-visual component of the window that holds it (the detection
// window's "cxCpu"); the engine below it (CpuidQuery, CpuRecords, CpuVendors)
// knows nothing of the toolkit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cpu/CpuRecords.h"
#include "ui/Controls.h"

namespace cpu {

// Speed measurement at load. Stored with the window that holds the component.
class TcxAutoBench {
 public:
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  int32_t Delay() const { return delay_; }
  void SetDelay(int32_t ms) { delay_ = ms; }

 private:
  bool enabled_ = false;
  int32_t delay_ = 500;
};

// CPUID availability and levels, from TCpuidLevelsRecord.
class TcxCPUID {
 public:
  explicit TcxCPUID(const TCpuidLevelsRecord& r)
      : available_(r.available), maxLevel_(r.maxLevel), maxLevelEx_(r.maxLevelEx) {}
  bool Available() const { return available_; }
  int32_t MaxLevel() const { return maxLevel_; }
  int32_t MaxLevelEx() const { return maxLevelEx_; }

 private:
  bool available_;
  int32_t maxLevel_, maxLevelEx_;
};

// The decoded signature fields, the two feature words and the vendor id.
class TcxDetectedInfo {
 public:
  TcxDetectedInfo(const TSignatureRecord& r, int32_t features, int32_t featuresEx,
                  std::string vendorId)
      : family_(r.family), familyEx_(r.familyEx), model_(r.model), modelEx_(r.modelEx),
        stepping_(r.stepping), type_(r.type), features_(features), featuresEx_(featuresEx),
        signature_(r.signature), vendorId_(std::move(vendorId)), brand_(r.brandId) {}
  int32_t cpuFamily() const { return family_; }
  int32_t cpuFamilyEx() const { return familyEx_; }
  int32_t cpuModel() const { return model_; }
  int32_t cpuModelEx() const { return modelEx_; }
  int32_t cpuStepping() const { return stepping_; }
  int32_t cpuType() const { return type_; }
  int32_t FeatureSet() const { return features_; }
  int32_t FeatureSetEx() const { return featuresEx_; }
  int32_t Signature() const { return signature_; }
  const std::string& VendorID() const { return vendorId_; }
  int32_t Brand() const { return brand_; }

 private:
  int32_t family_, familyEx_, model_, modelEx_, stepping_, type_;
  int32_t features_, featuresEx_, signature_;
  std::string vendorId_;
  int32_t brand_;
};

// The 27 standard feature flags (the standard feature bit each reflects).
class TcxFeatureSet {
 public:
  explicit TcxFeatureSet(const TFeatureFlagsRecord& r) : r_(r) {}
  bool FPU() const { return r_.fpu; }          // 0
  bool VME() const { return r_.vme; }          // 1
  bool DE() const { return r_.de; }            // 2
  bool PSE() const { return r_.pse; }          // 3
  bool TSC() const { return r_.tsc; }          // 4
  bool MSR() const { return r_.msr; }          // 5
  bool PAE() const { return r_.pae; }          // 6
  bool MCE() const { return r_.mce; }          // 7
  bool CX8() const { return r_.cx8; }          // 8
  bool APIC() const { return r_.apic; }        // 9
  bool SEP() const { return r_.sep; }          // 11
  bool MTRR() const { return r_.mtrr; }        // 12
  bool PGE() const { return r_.pge; }          // 13
  bool MCA() const { return r_.mca; }          // 14
  bool CMOV() const { return r_.cmov; }        // 15
  bool PAT() const { return r_.pat; }          // 16
  bool PSE36() const { return r_.pse36; }      // 17
  bool SERIAL() const { return r_.serial; }    // 18
  bool MMX() const { return r_.mmx; }          // 23
  bool XSR() const { return r_.fxsr; }         // 24
  bool SIMD() const { return r_.simd; }        // 25
  bool SIMD2() const { return r_.simd2; }      // 26
  bool CLFLUSH() const { return r_.clflush; }  // 19
  bool DTS() const { return r_.dts; }          // 21
  bool ACPI() const { return r_.acpi; }        // 22
  bool SS() const { return r_.ss; }            // 27
  bool TM() const { return r_.tm; }            // 29

 private:
  TFeatureFlagsRecord r_;
};

// The three extended flags.
class TcxExFeatureSet {
 public:
  explicit TcxExFeatureSet(const TFeatureFlagsRecord& r)
      : mmxEx_(r.mmxEx), amd3DNow_(r.amd3DNow), amd3DNowEx_(r.amd3DNowEx) {}
  bool MMXEx() const { return mmxEx_; }
  bool AMD3DNow() const { return amd3DNow_; }
  bool AMD3DNowEx() const { return amd3DNowEx_; }

 private:
  bool mmxEx_, amd3DNow_, amd3DNowEx_;
};

// Cache sizes in KB; empty until the component's last creation step.
class TcxCacheInfo {
 public:
  int32_t L1Data() const { return l1Data_; }
  int32_t L1Code() const { return l1Code_; }
  int32_t Level1() const { return level1_; }
  int32_t Level2() const { return level2_; }

 private:
  friend class TcxCPU2000;
  void Fill(const TCacheSizesRecord& r) {
    l1Data_ = r.l1Data;
    l1Code_ = r.l1Code;
    level1_ = r.level1;
    level2_ = r.level2;
  }
  int32_t l1Data_ = 0, l1Code_ = 0, level1_ = 0, level2_ = 0;
};

enum class TcxBuildStatus { bsAlpha, bsBeta, bsFinal };
enum class TcxReleaseStatus { rsPrivate, rsPublic };

class TcxVersionInfo {
 public:
  TcxVersionInfo(std::string copyright, std::string product, float version, int32_t build,
                 TcxBuildStatus status, TcxReleaseStatus release)
      : copyright_(std::move(copyright)), product_(std::move(product)), version_(version),
        build_(build), status_(status), release_(release) {}
  const std::string& Copyright() const { return copyright_; }
  const std::string& Product() const { return product_; }
  float Version() const { return version_; }
  int32_t Build() const { return build_; }
  TcxBuildStatus Status() const { return status_; }
  TcxReleaseStatus Release() const { return release_; }

 private:
  std::string copyright_, product_;
  float version_;
  int32_t build_;
  TcxBuildStatus status_;
  TcxReleaseStatus release_;
};

// Two version records: the engine's (query and record layers) and the component's.
class TcxCpu2kVersionInfo {
 public:
  TcxCpu2kVersionInfo();
  const TcxVersionInfo& Engine() const { return *engine_; }
  const TcxVersionInfo& Component() const { return *component_; }

 private:
  std::unique_ptr<TcxVersionInfo> engine_, component_;
};

class TcxCPU2000 : public ui::NonVisual {
 public:
  // Detects everything; owner may be null for a component without a window.
  TcxCPU2000(ui::Window* owner, std::string name);
  ~TcxCPU2000() override;

  // The load hook: the holding window calls it once after it has applied its
  // stored properties (AutoBench).
  void Loaded();

  TcxAutoBench& AutoBench() { return *autoBench_; }
  const TcxAutoBench& AutoBench() const { return *autoBench_; }
  const TcxCacheInfo& Cache() const { return *cache_; }
  int32_t Count() const { return count_; }
  const TcxCPUID& CPUID() const { return *cpuid_; }
  const TcxDetectedInfo& InternalResults() const { return *internalResults_; }
  const TcxFeatureSet& FeatureSet() const { return *featureSet_; }
  const TcxExFeatureSet& FeatureSetEx() const { return *featureSetEx_; }
  const std::string& CPU() const { return cpu_; }
  bool FDivBug() const { return fdivBug_; }
  // Vendor short name and model name, or (after loading) the brand string up
  // to its first zero byte.
  const std::string& FullName() const { return fullName_; }
  bool OverDrive() const { return overDrive_; }
  bool MMX() const { return mmx_; }
  int32_t Speed() const { return speed_; }
  const std::string& Serial() const { return serial_; }
  const std::string& Vendor() const { return vendor_; }
  const TcxCpu2kVersionInfo& VersionInfo() const { return *versionInfo_; }

 private:
  // Declared in creation order: destroyed in the reverse one (Cache first,
  // AutoBench last).
  std::unique_ptr<TcxAutoBench> autoBench_;
  std::unique_ptr<TcxCPUID> cpuid_;
  std::unique_ptr<TcxDetectedInfo> internalResults_;
  std::unique_ptr<TcxFeatureSet> featureSet_;
  std::unique_ptr<TcxExFeatureSet> featureSetEx_;
  std::unique_ptr<TcxCpu2kVersionInfo> versionInfo_;
  std::unique_ptr<TcxCacheInfo> cache_;
  int32_t count_ = 0;
  bool fdivBug_ = false, overDrive_ = false, mmx_ = false;
  int32_t speed_ = 0;
  std::string serial_, vendor_, cpu_, fullName_;
};

}  // namespace cpu
