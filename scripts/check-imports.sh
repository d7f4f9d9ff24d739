#!/usr/bin/env bash
# Checks that an i686 image loads on Windows 95/98/ME and NT 4: the loader
# refuses a program over a single missing import, and Wine (which exports
# everything) cannot show it. Reads the import table and headers with the cross
# toolchain's objdump and fails, naming each, on
#  - an import that those systems lack (a threads runtime or a newer header can
#    pull in functions of Windows 98, 2000, XP or Vista unseen),
#  - a static import of an optional library (WININET.DLL is loaded when its
#    Tools item is used),
#  - a subsystem or OS version other than 4.0.
# Prints the DLLs and the number of imported functions. Usage: check-imports.sh EXE
set -euo pipefail
exe=${1:?usage: check-imports.sh EXE}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
dump=$(mktemp)
trap 'rm -f "$dump"' EXIT
"$objdump" -p "$exe" > "$dump"

python3 - "$exe" "$dump" <<'PY'
import re, sys

# Functions absent from Windows 95 and/or NT 4 (added by 98, NT 4 service
# packs, 2000, XP or Vista, or NT-only), as the runtimes and headers tend to
# reach for them.
MISSING = {
    'KERNEL32.DLL': '''
        GetTickCount64 AddVectoredExceptionHandler RemoveVectoredExceptionHandler
        AddVectoredContinueHandler RemoveVectoredContinueHandler
        TryEnterCriticalSection GetHandleInformation SetHandleInformation
        InitializeCriticalSectionEx InitializeCriticalSectionAndSpinCount
        SetCriticalSectionSpinCount
        InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW
        WakeConditionVariable WakeAllConditionVariable
        InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared
        ReleaseSRWLockExclusive ReleaseSRWLockShared TryAcquireSRWLockExclusive
        TryAcquireSRWLockShared
        FlsAlloc FlsFree FlsGetValue FlsSetValue
        InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete InitOnceInitialize
        GetFileSizeEx SetFilePointerEx GetFileAttributesExA GetFileAttributesExW
        GlobalMemoryStatusEx IsProcessorFeaturePresent EncodePointer DecodePointer
        EncodeSystemPointer DecodeSystemPointer
        GetModuleHandleExA GetModuleHandleExW GetSystemTimePreciseAsFileTime
        IsDebuggerPresent SwitchToThread SignalObjectAndWait OpenThread
        GetProcessAffinityMask SetProcessAffinityMask SetThreadAffinityMask
        InterlockedCompareExchange InterlockedExchangeAdd InterlockedCompareExchange64
        CreateWaitableTimerA CreateWaitableTimerW SetWaitableTimer CancelWaitableTimer
        CreateTimerQueue CreateTimerQueueTimer DeleteTimerQueueTimer DeleteTimerQueueEx
        QueueUserWorkItem RegisterWaitForSingleObject UnregisterWait UnregisterWaitEx
        GetThreadId GetProcessId GetNativeSystemInfo IsWow64Process
        GetSystemTimes GetLogicalProcessorInformation GetCurrentProcessorNumber
        CreateToolhelp32Snapshot Process32First Process32Next Module32First Module32Next
        VirtualAllocEx VirtualFreeEx CreateRemoteThread GetLongPathNameA
        GetConsoleWindow AttachConsole HeapSetInformation SetDllDirectoryA
        CreateHardLinkA ReplaceFileA MoveFileWithProgressA CancelIo CancelIoEx
        GetDiskFreeSpaceExA GetVersionExW RtlCaptureContext RtlVirtualUnwind
        RtlLookupFunctionEntry RtlAddFunctionTable GetErrorMode WerRegisterRuntimeExceptionModule
        QueryFullProcessImageNameA GetFinalPathNameByHandleA
        CreateSymbolicLinkA GetUserDefaultLocaleName LCIDToLocaleName LocaleNameToLCID
        CompareStringEx GetLocaleInfoEx''',
    'USER32.DLL': '''
        SetLayeredWindowAttributes GetLayeredWindowAttributes UpdateLayeredWindow
        MonitorFromWindow MonitorFromPoint MonitorFromRect GetMonitorInfoA
        EnumDisplayMonitors AnimateWindow GetAncestor TrackMouseEvent GetWindowInfo
        GetTitleBarInfo GetComboBoxInfo GetMenuInfo SetMenuInfo GetMenuBarInfo
        PrintWindow SendInput GetGUIThreadInfo AllowSetForegroundWindow
        LockSetForegroundWindow GetLastInputInfo FlashWindowEx GetAltTabInfoA
        SetWindowDisplayAffinity ChangeWindowMessageFilter ChangeWindowMessageFilterEx
        SetProcessDPIAware IsHungAppWindow RegisterPowerSettingNotification
        GetRawInputData RegisterRawInputDevices SetThreadDpiAwarenessContext''',
    'GDI32.DLL': '''
        GetDCBrushColor SetDCBrushColor GetDCPenColor SetDCPenColor GradientFill
        AlphaBlend TransparentBlt SetLayout GetLayout AddFontResourceExA
        AddFontMemResourceEx GetFontUnicodeRanges GetCharWidthI GetTextExtentPointI''',
    'COMCTL32.DLL': '''
        InitCommonControlsEx _TrackMouseEvent SetWindowSubclass DefSubclassProc
        RemoveWindowSubclass GetWindowSubclass TaskDialog TaskDialogIndirect
        InitMUILanguage DrawShadowText LoadIconMetric LoadIconWithScaleDown
        FlatSB_EnableScrollBar InitializeFlatSB ImageList_SetImageCount
        ImageList_DrawIndirect ImageList_Copy ImageList_Duplicate''',
    'ADVAPI32.DLL': '''
        RegOpenCurrentUser RegGetValueA RegSetKeyValueA RegDeleteKeyExA RegDeleteTreeA
        RegDeleteKeyValueA RegCopyTreeA RegLoadMUIStringA RegDisableReflectionKey
        CheckTokenMembership CreateWellKnownSid ConvertSidToStringSidA
        ConvertStringSidToSidA''',
    'SHELL32.DLL': '''
        SHGetFolderPathA SHGetFolderPathW SHGetKnownFolderPath SHGetSpecialFolderPathA
        SHCreateDirectoryExA SHGetStockIconInfo Shell_NotifyIconGetRect
        SHQueryUserNotificationState SHGetPropertyStoreForWindow''',
}
MISSING = {dll: set(names.split()) for dll, names in MISSING.items()}
# Libraries a system may lack, loaded at run time where they are used.
OPTIONAL_DLLS = {'WININET.DLL'}
# The C runtime's secure ("_s") and 64-bit file functions came with later
# versions of msvcrt.dll than Windows 95/98 carry.
MSVCRT_LATE = re.compile(r'(_s|_s_l|64|64i32|i64)$|^(__iob_func|_vscprintf|_get_output_format'
                         r'|_aligned_malloc|_aligned_free|_set_abort_behavior|_configthreadlocale'
                         r'|___lc_codepage_func|___mb_cur_max_func|__lc_codepage)$')

exe, dump = sys.argv[1], open(sys.argv[2]).read()
faults, imports, dll = [], {}, None
table = dump[dump.find('The Import Tables'):] if 'The Import Tables' in dump else ''
for line in table.splitlines():
    m = re.search(r'DLL Name: (\S+)', line)
    if m:
        dll = m.group(1)
        imports.setdefault(dll, [])
        continue
    m = re.match(r'\s+[0-9a-fA-F]+\s+\d+\s+(\S+)\s*$', line)
    if m and dll:
        imports[dll].append(m.group(1))
    elif re.match(r'\s+[0-9a-fA-F]+\s+<none>\s+([0-9a-fA-F]+)', line) and dll:
        imports[dll].append('#ordinal')

if not imports:
    faults.append('no import table found (not a PE image?)')
for dll, names in imports.items():
    key = dll.upper()
    if key in OPTIONAL_DLLS:
        faults.append(f'{dll}: imported statically (load it at run time)')
    for name in names:
        if name in MISSING.get(key, ()):
            faults.append(f'{dll}: {name} (missing on Windows 95/98/ME or NT 4)')
        if key == 'MSVCRT.DLL' and MSVCRT_LATE.search(name):
            faults.append(f'{dll}: {name} (missing from the C runtime of Windows 95/98)')

def header(field):
    m = re.search(rf'^{field}\s+(\S+)', dump, re.M)
    return m.group(1) if m else '?'
if header('Magic') != '010b':
    faults.append(f'not a 32-bit image (Magic {header("Magic")})')
for what in ('Subsystem', 'OSystem'):
    major, minor = header(f'Major{what}Version'), header(f'Minor{what}Version')
    if (major, minor) != ('4', '0'):
        faults.append(f'{what} version {major}.{minor} (must be 4.0)')
# Page-aligned sections are mapped from the file; others are copied into
# private memory by Windows 9x and Wine.
if header('FileAlignment').lstrip('0') != '1000':
    faults.append(f'file alignment {header("FileAlignment")} (must be 00001000)')

count = sum(len(v) for v in imports.values())
print(f'imports of {exe}: {count} functions from ' +
      ', '.join(f'{d} ({len(v)})' for d, v in imports.items()))
for fault in faults:
    print(f'import check: {fault}')
print('import check: ' + ('FAILED' if faults else 'passed (loads on Windows 95/98/ME and NT 4)'))
sys.exit(1 if faults else 0)
PY
