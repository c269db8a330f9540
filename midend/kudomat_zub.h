// One running Kudomat Zub: the panel and the composer, and one entry point
// for each kind of input a front end has. Every front end (the window, the
// page, kzub, the test hosts) builds one of these from its seams and turns
// its platform's events into the calls below. No <windows.h> here.
#pragma once

#include "compose/composer.h"
#include "panel/panel.h"

namespace kz {

// What a front end does for the mid end. The comment display, the section
// checkboxes and the flash's pause are the core's own seams; the rest are
// the front end's controls, menu, clipboard and dialogs.
class FrontEnd : public CommentDisplay, public CheckboxWindow, public FlashPacer {
 public:
  // Inherited: ShowComment(comment, mark), SetSectionChecked(section, on),
  // Pause(milliseconds).

  // Whether section checkbox `section` (0..2) is checked as it stands now.
  virtual bool SectionChecked(int section) = 0;
  // Greys or enables the menu item of command `commandId`.
  virtual void GreyMenuItem(int commandId, bool greyed) = 0;
  // Puts the comment box's text, as it stands now, on the clipboard.
  virtual void CopyComment() = 0;
  virtual void Exit() = 0;
  virtual void ShowDialog(int dialogId) = 0;

 protected:
  ~FrontEnd() = default;
};

// Runs the menu rule of `commandId` with `flag`, then the checkbox rules,
// reading the section checkboxes from the front end: the one place where
// items are greyed after a command.
void UpdateMenuState(int commandId, bool flag, FrontEnd& frontEnd);

class KudomatZub {
 public:
  // The seams are given once, here, and held for the object's life. The
  // object is large (the word bank): keep it in static storage.
  KudomatZub(const StringSource& strings, Surface& surface, FrontEnd& frontEnd);
  KudomatZub(const KudomatZub&) = delete;
  KudomatZub& operator=(const KudomatZub&) = delete;

  // Start-up once the front end's controls exist: the word lists, a random
  // style, American, As Seller, all sections enabled, the initial greying,
  // knobs on random rows, the first painting.
  void Start();

  // A button, checkbox, menu item or shortcut by command id (a checkbox has
  // toggled itself already). False for an id that is not a command.
  bool Command(int id);

  // Pointer input in panel pixels. A press on an enabled knob takes it; a
  // move drags the knob taken, whether a button is held or not; a release,
  // wherever it happens, lets it go.
  void PointerPress(int x, int y);
  void PointerMove(int x, int y);
  void PointerRelease();

  // Moves section `section`'s knob `rows` rows up (negative: down), held
  // to the track; a frozen section's knob stays. What a keyboard slider does.
  void StepKnob(int section, int rows);

  // Paints the whole panel afresh (the window uncovered, the page resized).
  void Repaint();

  const Panel& panel() const { return panel_; }

  // What changes between inputs besides the word lists: a host that tries
  // one input from several states (the end-to-end model) saves and
  // restores it. Restoring keeps this object's seams.
  struct State {
    Panel panel;
    char sectionText[kSectionCount][kTextSize];
    int HeldKnob() const { return panel.dragIndex; }  // the knob being dragged, or -1
  };
  State Save() const;
  void Restore(const State& state);

 private:
  FrontEnd& frontEnd_;
  Panel panel_;
  Composer composer_;
};

}  // namespace kz
