// Loaded into the running program: reads its menu states and a control's
// text height where they can be read, sends it WM_DPICHANGED with an address
// of its own, hooks its imports (KZ_HOOKS) to count the handles made and
// ended (GetGuiResources answers 0 under Wine) and fail a chosen call, and
// answers for high contrast, which Wine always reports off.
#include "probe.h"

#include <cstring>

using namespace kzprobe;

extern "C" __declspec(dllexport) DWORD WINAPI KzReadMenuStates(MenuQuery* query) {
  HMENU menu = GetMenu(query->window);
  for (LONG i = 0; menu && i < query->count; ++i) query->states[i] = GetMenuState(menu, query->ids[i], MF_BYCOMMAND);
  return menu ? static_cast<DWORD>(query->count) : 0xFFFFFFFFu;
}

extern "C" __declspec(dllexport) DWORD WINAPI KzTextHeight(TextQuery* query) {
  // A control given no font draws with the system font.
  auto font = reinterpret_cast<HFONT>(SendMessageA(query->control, WM_GETFONT, 0, 0));
  HDC dc = GetDC(query->control);
  HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics = {};
  query->height = GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : -1;
  SelectObject(dc, previous);
  ReleaseDC(query->control, dc);
  return 1;
}

extern "C" __declspec(dllexport) DWORD WINAPI KzChangeDpi(DpiChange* change) {
  SendMessageA(change->window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(change->dpi, change->dpi),
               reinterpret_cast<LPARAM>(&change->suggested));
  return 1;
}

extern "C" __declspec(dllexport) FaultState KzFaultState;
FaultState KzFaultState = {-1, 0, 0, {}, 0, 0};

namespace {

FaultState& state = KzFaultState;
void* originals[kHookCount];  // the system's functions

template <int I, typename F>
struct Thunk;
template <int I, typename R, typename... A>
struct Thunk<I, R(WINAPI*)(A...)> {
  static R WINAPI Call(A... a) {
    const LONG call = ++state.calls[I];
    if (state.failHook == I && state.failFirst <= call && call <= state.failLast) {
      ++state.failed;
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return R{};
    }
    const char *how = kHooks[I].how, *ends = std::strpbrk(how, "01");
    const ULONG_PTR args[] = {ULONG_PTR(a)..., 0, 0};
    const R result = reinterpret_cast<R(WINAPI*)(A...)>(originals[I])(a...);
    if ((ULONG_PTR(result) != 0) != (std::strchr(how, 'z') != nullptr)) {  // it did what it does
      state.live += (std::strchr(how, 'm') ? 1 : 0) - (ends && args[*ends - '0'] ? 1 : 0);
    }
    return result;
  }
};

enum {
#define KZ_HOOK_INDEX(name, how) k##name,
  KZ_HOOKS(KZ_HOOK_INDEX)
#undef KZ_HOOK_INDEX
};
void* const kThunks[] = {
#define KZ_HOOK_THUNK(name, how) reinterpret_cast<void*>(&Thunk<k##name, decltype(&::name)>::Call),
    KZ_HOOKS(KZ_HOOK_THUNK)
#undef KZ_HOOK_THUNK
};

// Points the program's import of `name` at `thunk`; what it pointed at, or
// null when the program does not import it.
void* HookImport(const char* wanted, void* thunk) {
  BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
           base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
       dll->Name; ++dll) {
    auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
          std::strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name, wanted) != 0) {
        continue;
      }
      DWORD protection;
      VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
      void* original = reinterpret_cast<void*>(slot->u1.Function);
      slot->u1.Function = reinterpret_cast<ULONG_PTR>(thunk);
      VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
      return original;
    }
  }
  return nullptr;
}

DWORD PutHooksIn() {
  DWORD hooked = 0;
  for (int i = 0; i < kHookCount; ++i) hooked += (originals[i] = HookImport(kHooks[i].name, kThunks[i])) != nullptr;
  return hooked;
}

LONG highContrastOn;
decltype(&SystemParametersInfoA) systemParameters;
BOOL WINAPI AnswerHighContrast(UINT action, UINT number, void* data, UINT flags) {
  if (action != SPI_GETHIGHCONTRAST || !data) return systemParameters(action, number, data, flags);
  auto* contrast = static_cast<HIGHCONTRASTA*>(data);
  contrast->dwFlags = HCF_AVAILABLE | (highContrastOn ? HCF_HIGHCONTRASTON : 0);
  contrast->lpszDefaultScheme = nullptr;
  return TRUE;
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI KzFaults(void*) {
  static const DWORD hooked = PutHooksIn();
  return hooked;
}

extern "C" __declspec(dllexport) DWORD WINAPI KzHighContrast(HighContrast* request) {
  static void* const original = HookImport("SystemParametersInfoA", reinterpret_cast<void*>(&AnswerHighContrast));
  if (!original) return 0;
  systemParameters = reinterpret_cast<decltype(systemParameters)>(original);
  highContrastOn = request->on;
  if (request->count) SetSysColors(request->count, request->elements, request->colours);
  SendMessageA(request->window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
