// The panel for screen readers: the main window's client object, an
// IAccessible with one slider child per knob (child ids 1..3), read afresh
// from the running program each time a client asks.
#pragma once

#include <windows.h>
#include <oleacc.h>

namespace kz {

// What the panel object reads: the window answers it from the mid end.
class AccessiblePanelSource {
 public:
  struct Knob {
    const char* name;  // "Beginning", "Middle", "End"
    char value[64];  // as the page's slider says it, e.g. "+ 35"
    bool enabled;    // false: frozen
    bool focused;    // has the keyboard focus
    RECT bounds;     // the knob's tile in the window's client pixels
  };
  virtual Knob ReadKnob(int section) = 0;
  // The style, spelling and role in force, e.g. "Classic, American, As Seller".
  virtual void ReadChoices(char* text, int size) = 0;
  // Gives knob `section` the keyboard focus.
  virtual void TakeFocus(int section) = 0;

 protected:
  ~AccessiblePanelSource() = default;
};

class PanelAccessible final : public IAccessible {
 public:
  // Holds one reference for its maker, who calls Disconnect and Release when
  // the window goes; clients that still hold it are then refused.
  PanelAccessible(HWND window, AccessiblePanelSource& source);
  void Disconnect() { source_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: no type information, as for every custom MSAA object.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~PanelAccessible() = default;
  // The knob a child id names (0..2), -1 for the panel itself; false for an
  // id that names nothing here, or once disconnected.
  bool Child(const VARIANT& child, int* section) const;

  LONG references_ = 1;
  HWND window_;
  AccessiblePanelSource* source_;
};

}  // namespace kz
