// The panel's IAccessible; see panel_accessible.h.
#include "shell/panel_accessible.h"

#include "compose/compose_settings.h"

namespace kz {
namespace {

constexpr char kPanelName[] = "Control panel";

// A BSTR of an ASCII or ANSI text; null when out of memory.
BSTR Bstr(const char* text) {
  WCHAR wide[128];
  if (!MultiByteToWideChar(CP_ACP, 0, text, -1, wide, sizeof wide / sizeof wide[0])) wide[0] = 0;
  return SysAllocString(wide);
}

HRESULT Text(const char* text, BSTR* out) {
  *out = Bstr(text);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Nothing(BSTR* out) {
  *out = nullptr;
  return S_FALSE;
}

HRESULT ChildId(long id, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = id;
  return S_OK;
}

HRESULT Empty(VARIANT* out) {
  out->vt = VT_EMPTY;
  return S_FALSE;
}

// The standard object of the child window `child`, as a VARIANT.
HRESULT WindowObject(HWND child, VARIANT* out) {
  IDispatch* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_WINDOW),
                                        __uuidof(IDispatch), reinterpret_cast<void**>(&object)))) {
    return Empty(out);
  }
  out->vt = VT_DISPATCH;
  out->pdispVal = object;
  return S_OK;
}

}  // namespace

PanelAccessible::PanelAccessible(HWND window, AccessiblePanelSource& source)
    : window_(window), source_(&source) {}

bool PanelAccessible::Child(const VARIANT& child, int* section) const {
  if (!source_ || child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > kSectionCount) {
    return false;
  }
  *section = static_cast<int>(child.lVal) - 1;
  return true;
}

HRESULT PanelAccessible::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG PanelAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG PanelAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT PanelAccessible::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}
HRESULT PanelAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT PanelAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT PanelAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT PanelAccessible::get_accParent(IDispatch** parent) {
  if (!source_) return E_FAIL;
  return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                    reinterpret_cast<void**>(parent));
}

HRESULT PanelAccessible::get_accChildCount(long* count) {
  *count = kSectionCount;
  return source_ ? S_OK : E_FAIL;
}

// The knobs are simple elements: no object of their own.
HRESULT PanelAccessible::get_accChild(VARIANT child, IDispatch** out) {
  int section;
  *out = nullptr;
  return Child(child, &section) && section >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT PanelAccessible::get_accName(VARIANT child, BSTR* name) {
  int section;
  if (!Child(child, &section)) return E_INVALIDARG;
  return Text(section < 0 ? kPanelName : source_->ReadKnob(section).name, name);
}

HRESULT PanelAccessible::get_accValue(VARIANT child, BSTR* value) {
  int section;
  if (!Child(child, &section)) return E_INVALIDARG;
  return section < 0 ? Nothing(value) : Text(source_->ReadKnob(section).value, value);
}

// The panel's description says what is in force; a knob has none.
HRESULT PanelAccessible::get_accDescription(VARIANT child, BSTR* description) {
  int section;
  if (!Child(child, &section)) return E_INVALIDARG;
  if (section >= 0) return Nothing(description);
  char choices[64];
  source_->ReadChoices(choices, sizeof choices);
  return Text(choices, description);
}

HRESULT PanelAccessible::get_accRole(VARIANT child, VARIANT* role) {
  int section;
  if (!Child(child, &section)) return E_INVALIDARG;
  return ChildId(section < 0 ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_SLIDER, role);
}

HRESULT PanelAccessible::get_accState(VARIANT child, VARIANT* state) {
  int section;
  if (!Child(child, &section)) return E_INVALIDARG;
  if (section < 0) {
    return ChildId(STATE_SYSTEM_FOCUSABLE | (GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0), state);
  }
  const AccessiblePanelSource::Knob knob = source_->ReadKnob(section);
  return ChildId(STATE_SYSTEM_FOCUSABLE | (knob.focused ? STATE_SYSTEM_FOCUSED : 0) |
                     (knob.enabled ? 0 : STATE_SYSTEM_UNAVAILABLE),
                 state);
}

HRESULT PanelAccessible::get_accHelp(VARIANT, BSTR* help) { return Nothing(help); }

HRESULT PanelAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  *topic = 0;
  return Nothing(file);
}

HRESULT PanelAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) { return Nothing(shortcut); }

// The knob with the keyboard focus, the panel itself, or the control that has it.
HRESULT PanelAccessible::get_accFocus(VARIANT* focus) {
  if (!source_) return E_FAIL;
  for (int s = 0; s < kSectionCount; ++s) {
    if (source_->ReadKnob(s).focused) return ChildId(s + 1, focus);
  }
  HWND focused = GetFocus();
  if (focused == window_) return ChildId(CHILDID_SELF, focus);
  return focused && IsChild(window_, focused) ? WindowObject(focused, focus) : Empty(focus);
}

HRESULT PanelAccessible::get_accSelection(VARIANT* selection) { return Empty(selection); }

HRESULT PanelAccessible::get_accDefaultAction(VARIANT, BSTR* action) { return Nothing(action); }

HRESULT PanelAccessible::accSelect(long flags, VARIANT child) {
  int section;
  if (!Child(child, &section) || section < 0 || flags != SELFLAG_TAKEFOCUS) return E_INVALIDARG;
  source_->TakeFocus(section);
  return S_OK;
}

HRESULT PanelAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  int section;
  if (!Child(child, &section)) return E_INVALIDARG;
  RECT r;
  if (section < 0) {
    GetClientRect(window_, &r);
  } else {
    r = source_->ReadKnob(section).bounds;
  }
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
  *left = r.left, *top = r.top, *width = r.right - r.left, *height = r.bottom - r.top;
  return S_OK;
}

// Among the knobs, left to right; the panel leads to its first and last.
HRESULT PanelAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  int section;
  if (!Child(start, &section)) return E_INVALIDARG;
  int to = -1;
  if (section < 0) {
    to = direction == NAVDIR_FIRSTCHILD ? 0 : direction == NAVDIR_LASTCHILD ? kSectionCount - 1 : -1;
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT) {
    to = section + 1;
  } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT) {
    to = section - 1;
  } else if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
    return E_INVALIDARG;  // a knob has no children
  }
  return 0 <= to && to < kSectionCount ? ChildId(to + 1, end) : Empty(end);
}

// A knob, a control (by its own object), the panel, or nothing of ours.
HRESULT PanelAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (!source_) return E_FAIL;
  POINT p = {x, y};
  ScreenToClient(window_, &p);
  RECT client;
  GetClientRect(window_, &client);
  if (!PtInRect(&client, p)) return Empty(child);
  for (int s = 0; s < kSectionCount; ++s) {
    const RECT bounds = source_->ReadKnob(s).bounds;
    if (PtInRect(&bounds, p)) return ChildId(s + 1, child);
  }
  HWND control = ChildWindowFromPointEx(window_, p, CWP_SKIPINVISIBLE);
  return control && control != window_ ? WindowObject(control, child) : ChildId(CHILDID_SELF, child);
}

HRESULT PanelAccessible::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT PanelAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT PanelAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace kz
