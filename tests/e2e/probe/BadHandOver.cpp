// Malformed hand-over records sent to the running copy's message window, as
// any other program could send them: wrong identifiers, no text, texts
// without their terminating zero, lengths up to a few megabytes.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

// first and count pick records of the list (all by default).
int SendBadHandOvers(int first, int count) {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, "Brantelle");
  if (!mapping) return std::printf("no instance block\n"), 1;
  const auto* view = static_cast<const uint32_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 16));
  if (!view) return CloseHandle(mapping), std::printf("no instance block\n"), 1;
  HWND target = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(view[3]));
  UnmapViewOfFile(view);
  CloseHandle(mapping);
  if (!IsWindow(target)) return std::printf("no message window\n"), 1;

  std::vector<char> bytes(4u << 20, 'x');  // no zero anywhere
  struct Record {
    ULONG_PTR id;
    DWORD length;
    bool data;
  };
  const Record records[] = {{0, 0, false}, {0, 0, true},  {0, 1, true},       {0, 2, true},
                            {0, 255, true}, {0, 4096, true}, {0, 1u << 20, true}, {0, (1u << 20) + 1, true},
                            {0, 4u << 20, true}, {1, 4, true}, {~ULONG_PTR(0), 16, true}};
  int accepted = 0, sent = 0;
  const int total = static_cast<int>(sizeof records / sizeof records[0]);
  for (int k = first; k < total && k < first + count; ++k) {
    const Record& r = records[k];
    COPYDATASTRUCT cds{r.id, r.length, r.data ? bytes.data() : nullptr};
    DWORD_PTR reply = 0;
    if (SendMessageTimeoutA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 10000,
                            &reply))
      ++sent;
    if (reply != 0) ++accepted;
  }
  std::printf("sent=%d accepted=%d alive=%d\n", sent, accepted, IsWindow(target) ? 1 : 0);
  return 0;
}
