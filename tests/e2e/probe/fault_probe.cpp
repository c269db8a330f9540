// Loaded into the running program: rewrites the entries of its import table
// for the calls below, so that each is counted, the handles it makes or ends
// are counted by kind (GetGuiResources answers 0 under Wine), and a chosen
// one fails at its Nth call, or at every call from then on, as the system's
// would.
#include "fault_probe.h"

#include <cstring>

namespace {

using kzprobe::kGlobalBlock;

// What a call does to the handles the program holds.
enum Effect {
  kNone,
  kMakes,   // its result is a new handle
  kEnds0,   // its first argument's handle ends when the result is non-zero
  kEnds1,   // its second argument's, likewise: ReleaseDC, and SetClipboardData (the
            // clipboard owns the block then)
  kFrees0,  // its first argument's ends when the result is zero: GlobalFree
};

// One row per hooked call: name, effect, whether its handles are global
// memory blocks, whether the driver's loop makes it fail.
#define KZ_HOOKS(X)                              \
  X(OpenClipboard, kNone, false, true)           \
  X(EmptyClipboard, kNone, false, true)          \
  X(CloseClipboard, kNone, false, false)         \
  X(SetClipboardData, kEnds1, true, true)        \
  X(GlobalAlloc, kMakes, true, true)             \
  X(GlobalLock, kNone, true, true)               \
  X(GlobalFree, kFrees0, true, false)            \
  X(GetDC, kMakes, false, true)                  \
  X(ReleaseDC, kEnds1, false, false)             \
  X(LoadImageA, kMakes, false, true)             \
  X(CreateCompatibleDC, kMakes, false, true)     \
  X(CreateCompatibleBitmap, kMakes, false, true) \
  X(CreateDIBSection, kMakes, false, true)       \
  X(CreateSolidBrush, kMakes, false, true)       \
  X(DeleteDC, kEnds0, false, false)              \
  X(DeleteObject, kEnds0, false, false)          \
  X(SelectObject, kNone, false, true)            \
  X(BitBlt, kNone, false, true)                  \
  X(StretchBlt, kNone, false, true)

enum HookIndex {
#define KZ_INDEX(name, effect, global, fails) k##name,
  KZ_HOOKS(KZ_INDEX)
#undef KZ_INDEX
      kHookCount
};
static_assert(kHookCount <= kzprobe::kMaxHooks, "the state has a row for every hook");

struct Hook {
  const char* name;
  Effect effect;
  bool global;
  bool canFail;
  void* thunk;
  void* original = nullptr;  // the system's function, once hooked
};

Hook hooks[kHookCount];

}  // namespace

// The counts and the plan, read and written by the driver.
extern "C" __declspec(dllexport) kzprobe::FaultState KzFaultState;
kzprobe::FaultState KzFaultState = {-1, 0, 0, 0, {}, {}, {}, {}, 0, {}};

namespace {

kzprobe::FaultState& state = KzFaultState;

int Kind(const Hook& hook, ULONG_PTR handle) {
  return hook.global
             ? kGlobalBlock
             : static_cast<int>(GetObjectType(reinterpret_cast<HGDIOBJ>(handle)) % kGlobalBlock);
}

template <int I, typename F>
struct Thunk;
template <int I, typename R, typename... A>
struct Thunk<I, R(WINAPI*)(A...)> {
  static R WINAPI Call(A... a) {
    Hook& hook = hooks[I];
    const LONG call = ++state.calls[I];
    if (state.failHook == I && state.failFirst <= call && call <= state.failLast) {
      ++state.failed;
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return R{};
    }
    // The handle the call ends, and its kind, read while it can still be read.
    const ULONG_PTR args[] = {ULONG_PTR(a)..., 0, 0};
    const ULONG_PTR ending = hook.effect == kEnds1                             ? args[1]
                             : hook.effect == kEnds0 || hook.effect == kFrees0 ? args[0]
                                                                               : 0;
    const int endingKind = ending ? Kind(hook, ending) : 0;
    const R result = reinterpret_cast<R(WINAPI*)(A...)>(hook.original)(a...);
    const bool done = hook.effect == kFrees0 ? ULONG_PTR(result) == 0 : ULONG_PTR(result) != 0;
    if (hook.effect == kMakes && done) ++state.live[Kind(hook, ULONG_PTR(result))];
    if (ending && done) --state.live[endingKind];
    return result;
  }
};

void PutHooksIn() {
#define KZ_ROW(name, effect, global, fails)       \
  hooks[k##name] = {#name, effect, global, fails, \
                    reinterpret_cast<void*>(&Thunk<k##name, decltype(&::name)>::Call)};
  KZ_HOOKS(KZ_ROW)
#undef KZ_ROW
  BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       dll->Name; ++dll) {
    auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const char* imported =
          reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name;
      for (Hook& hook : hooks) {
        if (std::strcmp(imported, hook.name) != 0) continue;
        DWORD protection;
        VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
        hook.original = reinterpret_cast<void*>(slot->u1.Function);
        slot->u1.Function = reinterpret_cast<ULONG_PTR>(hook.thunk);
        VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
      }
    }
  }
  state.hooks = kHookCount;
  for (int i = 0; i < kHookCount; ++i) {
    std::strncpy(state.names[i], hooks[i].name, sizeof state.names[i] - 1);
    state.imported[i] = hooks[i].original != nullptr;
    state.canFail[i] = hooks[i].canFail;
  }
}

}  // namespace

// Puts the hooks in, once; run as a thread of the program.
extern "C" __declspec(dllexport) DWORD WINAPI KzFaults(void*) {
  static const bool hooked = (PutHooksIn(), true);
  return hooked ? static_cast<DWORD>(state.hooks) : 0;
}
