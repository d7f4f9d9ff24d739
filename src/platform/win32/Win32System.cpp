#include "platform/win32/Win32System.h"

#include <cstring>
#include <vector>

#include "platform/CommandLineSplit.h"
#include "platform/win32/Handles.h"
#include "platform/win32/HiddenWindow.h"

namespace platform::win32 {

MemoryFigures Win32Memory::Query() {
  MEMORYSTATUS s{};
  s.dwLength = sizeof s;  // 32 bytes in the 32-bit build, 56 in the 64-bit one
  GlobalMemoryStatus(&s);
  return {s.dwTotalPhys,     s.dwAvailPhys,    s.dwTotalPageFile,
          s.dwAvailPageFile, s.dwTotalVirtual, s.dwAvailVirtual};
}

void* Win32Blocks::Commit() noexcept {
  return VirtualAlloc(nullptr, kBlockSize, MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE);
}

void Win32Blocks::Release(void* block) noexcept { VirtualFree(block, 0, MEM_RELEASE); }

bool Win32Launcher::RunAndWait(const std::string& commandLine, const std::string& workDir) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr,
                      workDir.empty() ? nullptr : workDir.c_str(), &si, &pi))
    return false;
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

std::string Win32Profile::ReadString(const std::string& file, const std::string& section,
                                     const std::string& key, const std::string& def,
                                     size_t maxChars) {
  std::vector<char> buffer(maxChars + 1, '\0');
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), file.c_str());
  return std::string(buffer.data(), n < buffer.size() ? n : maxChars);
}

int Win32Profile::ReadInt(const std::string& file, const std::string& section,
                          const std::string& key, int def) {
  return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, file.c_str()));
}

bool Win32Profile::WriteString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool Win32Profile::DeleteKey(const std::string& file, const std::string& section, const std::string& key) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != FALSE;
}

Win32Instance::~Win32Instance() {
  if (view_) UnmapViewOfFile(const_cast<uint32_t*>(view_));
  if (mapping_) CloseHandle(mapping_);
  if (window_) DestroyWindow(window_);
}

OpenResult Win32Instance::Open(const std::string& name) {
  SECURITY_DESCRIPTOR sd;
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
      InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) &&
      SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE))  // everyone may open it
    sa.lpSecurityDescriptor = &sd;
  mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, sa.lpSecurityDescriptor ? &sa : nullptr,
                                PAGE_READWRITE, 0, 16, name.c_str());
  if (!mapping_) return OpenResult::Failed;
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  view_ = static_cast<volatile uint32_t*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 16));
  if (!view_) return OpenResult::Failed;
  return existed ? OpenResult::Existed : OpenResult::Created;
}

InstanceBlock Win32Instance::Read() {
  if (!view_) return {};
  return {view_[0], view_[1], view_[2], view_[3]};
}

void Win32Instance::Write(const InstanceBlock& b) {
  if (!view_) return;
  view_[0] = b.instance;
  view_[1] = b.appWindow;
  view_[2] = b.mainWindow;
  view_[3] = b.messageWindow;
}

LRESULT CALLBACK Win32Instance::MessageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COPYDATA) {
    auto* self = reinterpret_cast<Win32Instance*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (!self || !cds) return 0;
    return ReceiveHandOver(static_cast<uint32_t>(cds->dwData), cds->lpData, cds->cbData, self->onHandOver);
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND Win32Instance::MessageWindow() {
  if (!window_) window_ = CreateHiddenWindow("TElOneInstanceWindow", MessageProc, this);
  return window_;
}

InstanceBlock Win32Instance::Own(uint32_t appWindow, uint32_t mainWindow) {
  // Offset 0 is only ever compared, never used as a handle: its low 32 bits do.
  return {HandleBits(GetModuleHandleA(nullptr)), appWindow, mainWindow, HandleBits(MessageWindow())};
}

long Win32Instance::HandOver(uint32_t messageWindow, const std::string& text) {
  HWND target = WindowFromBits(messageWindow);
  if (!IsWindow(target)) return 0;  // the block may hold anything
  COPYDATASTRUCT cds{0, static_cast<DWORD>(text.size() + 1), const_cast<char*>(text.c_str())};
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(target, WM_COPYDATA, reinterpret_cast<WPARAM>(MessageWindow()),
                           reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 10000, &result))
    return 0;
  return static_cast<long>(result);
}

void Win32Dialogs::ShowMessage(const std::string& text, const std::string& title, BoxIcon icon) {
  UINT flags = MB_OK;
  if (icon == BoxIcon::Information) flags |= MB_ICONINFORMATION;
  if (icon == BoxIcon::Warning) flags |= MB_ICONWARNING;
  if (icon == BoxIcon::Error) flags |= MB_ICONERROR;
  MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

std::string ModulePath() {
  // A deep folder gives a longer path than MAX_PATH; a cut one would name
  // another folder. The result fills the buffer exactly when it was cut.
  std::vector<char> path(MAX_PATH + 1);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::string();
    if (n < path.size()) return std::string(path.data(), n);
    if (path.size() >= 65536) return std::string();  // no path is longer
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> Win32Environment::Arguments() {
  std::vector<std::string> args = SplitArguments(GetCommandLineA());
  if (args.empty()) args.emplace_back();
  args[0] = ModulePath();
  return args;
}

std::string Win32Environment::ProgramFolder() {
  const std::string path = ModulePath();
  const size_t sep = path.find_last_of("\\/:");
  return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

Family Win32Environment::PlatformFamily() {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
  GetVersionExA(&v);
  return v.dwPlatformId == VER_PLATFORM_WIN32_NT ? Family::NT : Family::Win9x;
}

}  // namespace platform::win32

namespace platform::win32 {

std::string Win32Environment::ProgramVersion() {
  // The fixed part of the version resource, found by its signature within the
  // resource's own bounds (no version.dll needed).
  HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
  HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
  const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = info ? SizeofResource(nullptr, info) : 0;
  for (DWORD at = 0; data && at + 12 <= size; at += 4) {
    uint32_t words[3];
    memcpy(words, data + at, sizeof words);
    if (words[0] == 0xFEEF04BDu)
      return std::to_string(words[2] >> 16) + "." + std::to_string(words[2] & 0xFFFF);
  }
  return "0.0";
}

}  // namespace platform::win32
