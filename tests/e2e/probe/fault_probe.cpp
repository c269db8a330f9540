// Loaded into the running program: rewrites the entries of its import table
// for the calls of the table, so that each is counted, the handles it makes
// or ends are counted by kind (GetGuiResources answers 0 under Wine), and a
// chosen one fails at its Nth call, or at every call from then on, as the
// system's would.
#include "fault_probe.h"

#include <cstring>

using namespace kzprobe;

// The counts and the plan, read and written by the driver.
extern "C" __declspec(dllexport) FaultState KzFaultState;
FaultState KzFaultState = {-1, 0, 0, {}, {}, 0, {}};

namespace {

enum HookIndex {
#define KZ_HOOK_INDEX(name, effect, global, canFail) k##name,
  KZ_HOOKS(KZ_HOOK_INDEX)
#undef KZ_HOOK_INDEX
};

FaultState& state = KzFaultState;
void* originals[kHookCount];  // the system's functions, once hooked

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
    const Hook& hook = kHooks[I];
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
    const R result = reinterpret_cast<R(WINAPI*)(A...)>(originals[I])(a...);
    const bool done = hook.effect == kFrees0 ? ULONG_PTR(result) == 0 : ULONG_PTR(result) != 0;
    if (hook.effect == kMakes && done) ++state.live[Kind(hook, ULONG_PTR(result))];
    if (ending && done) --state.live[endingKind];
    return result;
  }
};

void* const kThunks[] = {
#define KZ_HOOK_THUNK(name, effect, global, canFail) \
  reinterpret_cast<void*>(&Thunk<k##name, decltype(&::name)>::Call),
    KZ_HOOKS(KZ_HOOK_THUNK)
#undef KZ_HOOK_THUNK
};

void PutHooksIn() {
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
      for (int i = 0; i < kHookCount; ++i) {
        if (std::strcmp(imported, kHooks[i].name) != 0) continue;
        DWORD protection;
        VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
        originals[i] = reinterpret_cast<void*>(slot->u1.Function);
        slot->u1.Function = reinterpret_cast<ULONG_PTR>(kThunks[i]);
        VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
        state.imported[i] = 1;
      }
    }
  }
}

}  // namespace

// Puts the hooks in, once; run as a thread of the program.
extern "C" __declspec(dllexport) DWORD WINAPI KzFaults(void*) {
  static const bool hooked = (PutHooksIn(), true);
  return hooked;
}
