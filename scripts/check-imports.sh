#!/usr/bin/env bash
# Checks that an i686 image loads on Windows 95/98/ME and NT 4: the loader
# refuses a program over a single missing import, and Wine (which exports
# everything) cannot show it. Reads the import table and headers with the cross
# toolchain's objdump and fails, naming each, on
#  - a static import of any library but the six that the first Windows 95
#    (4.00.950) and NT 4 ship: kernel32, user32, gdi32, advapi32, shell32 and
#    comctl32 (no msvcrt.dll, which a retail Windows 95 lacks; the internet
#    cache, the common dialogs and media control are loaded when first used),
#  - an import that those systems lack (a threads runtime or a newer header can
#    pull in functions of Windows 98, 2000, XP or Vista unseen),
#  - a wide-character function (Windows 9x exports nearly all of them as
#    stubs that fail: the program is ANSI throughout),
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
# What a retail Windows 95 and NT 4 have to link against.
SYSTEM_DLLS = {'KERNEL32.DLL', 'USER32.DLL', 'GDI32.DLL', 'ADVAPI32.DLL', 'SHELL32.DLL', 'COMCTL32.DLL'}
# "...W" after a lower-case letter or digit: CreateSemaphoreW, lstrlenW.
WIDE = re.compile(r'[a-z0-9]W$')

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
    if key not in SYSTEM_DLLS:
        faults.append(f'{dll}: imported statically (not part of a retail Windows 95 or NT 4: '
                      'load it at run time, or do without it)')
    for name in names:
        if name in MISSING.get(key, ()):
            faults.append(f'{dll}: {name} (missing on Windows 95/98/ME or NT 4)')
        if WIDE.search(name):
            faults.append(f'{dll}: {name} (a wide-character function: a failing stub on Windows 9x)')

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
print('import check: ' + ('FAILED' if faults else
                          f'passed: {count} imports from {len(imports)} system libraries '
                          '(loads on a retail Windows 95, 98, ME and NT 4)'))
sys.exit(1 if faults else 0)
PY
