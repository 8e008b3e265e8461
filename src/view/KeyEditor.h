// The key editor: turns the PC keystrokes that reach the layout view into
// edits of the selected key's content, and holds the editing steps that the
// Key Edit commands share with it (the insertion rule, the cursor moves, the
// deletes and the PX2400 linked key).
//
// What a keystroke does depends on the selected key's mode and on two flags of
// the view state:
//  - ASCII mode inserts the typed character (Enter gives [CR]); scan code mode
//    inserts the key word naming the pressed key ([A], [PAD7], [Enter] ...).
//  - After Esc (the ESC prefix) the special keys (function keys, arrows, Ctrl,
//    Shift, Tab ...) give their key words instead of acting; Esc Esc gives [ESC]
//    and keeps the prefix; Esc E and Esc F give [0E0] and [0F0].
//  - In the decimal display nothing is typed; only the cursor keys, Backspace
//    and Delete work, one decimal group (one character or one function word)
//    at a time.
// Keys are told apart by their make code and extended bit, not by the virtual
// key, so the keypad keys act as digits only while Num Lock makes them digits.
// Every word comes from the key word dictionary: a special key gives the word
// of its make code, a typed key the word of the key behind its virtual key.
//
// Space: text is inserted only while the space left is at least 1, measured
// before the insertion, so a long word may still overrun the last free bytes;
// saving refuses such a template. A dropped insertion still marks the key as
// edited.
//
// A shift level code ([ShiftLevelN]) is the whole content of its key: every
// keystroke or insertion that would add to it is refused before it changes
// anything, with a reason for the status bar (TakeRefusal).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "view/KeyEventMapping.h"

namespace vexa {

class CVEXADoc;
struct ViewState;

// What an edit asks the view to redraw.
enum class Repaint {
  None,
  ContentBox,       // (95,330)-(700,350)
  InformationArea,  // (10,300)-(750,360): key name, mode, space left, content, error line
  WholeView,
};

// One group of the decimal display and the stretch of the content it stands
// for: a plain character (1 byte of content), an escaped bracket ("[[" or
// "]]", 2 bytes) or a whole function word.
struct DecimalGroup {
  int contentStart = 0;
  int contentLength = 0;
  int decimalStart = 0;
  int decimalLength = 0;
};

// One item of a key content as the content checks read it: a key word from its
// '[' to its ']', an escaped bracket ("[[" or "]]"), or a single character.
struct ContentItem {
  int start = 0;
  int length = 0;
};

class KeyEditor {
 public:
  // Make codes (bits 0-7) with the extended bit (bit 8) of the keys the
  // editor handles itself; every other key is an ordinary key.
  enum PhysicalKey : int {
    kEsc = 0x01,
    kBackspace = 0x0E,
    kTab = 0x0F,
    kLeftCtrl = 0x1D,
    kRightCtrl = 0x11D,
    kLeftShift = 0x2A,
    kRightShift = 0x36,
    kCapsLock = 0x3A,
    kF1 = 0x3B,
    kF5 = 0x3F,
    kF7 = 0x41,
    kF9 = 0x43,
    kF11 = 0x57,
    kF12 = 0x58,
    kPause = 0x45,
    kScrollLock = 0x46,
    kNumLock = 0x145,
    kHome = 0x147,
    kUp = 0x148,
    kPageUp = 0x149,
    kLeft = 0x14B,
    kRight = 0x14D,
    kEnd = 0x14F,
    kDown = 0x150,
    kPageDown = 0x151,
    kInsert = 0x152,
    kDelete = 0x153,
    kLeftWin = 0x15B,
    kRightWin = 0x15C,
    kMenu = 0x15D,
    kPad7 = 0x47,
    kPad8 = 0x48,
    kPad4 = 0x4B,
    kPad6 = 0x4D,
    kPad1 = 0x4F,
    kPad2 = 0x50,
  };
  static constexpr int kPhysicalKeyMask = 0x1FF;

  KeyEditor(CVEXADoc& doc, ViewState& state) : m_doc(doc), m_state(state) {}

  // A key-down that reached the editor (no accelerator, no system key). Clears
  // the error line, whatever the key; marks the document modified only when
  // the key changed the template (a move or a key with nothing to do leaves it
  // as it was). Text that would be added to a shift level code is refused.
  Repaint KeyDown(const PcKeyEvent& event);
  // A key-up: releasing either Shift key ends "Shift held" (until the next
  // key-down, which brings its own Shift state).
  Repaint KeyUp(int flags);

  // --- Steps shared with the Key Edit commands ------------------------------
  // The insertion rule of typed text: nothing in the decimal display, for an
  // empty text or with no space left; else the text goes in at the cursor and
  // the cursor and the caret column (up to 85) move past it.
  void InsertByRule(std::string_view text);
  // Inserts at the cursor whatever the display, if there is space left; the
  // cursor and the caret column move past the text. Returns false when the
  // text was dropped for lack of space.
  bool InsertAtCursor(std::string_view text);
  // A shift level code is the whole content of its key: true when `text` would
  // be added to one (the edit is then refused and TakeRefusal tells why).
  bool RefusesAddition(std::string_view text);
  // Why the last edit was refused, once; empty when nothing was refused.
  [[nodiscard]] std::string TakeRefusal();
  // The selected key is edited: its blank and defined flags are cleared, so it
  // is drawn green until it becomes blank.
  void MarkKeyEdited();
  // On the PX2400 the key with index 160 has a hidden twin (index 121) that
  // must always hold the same content; called after every change of key 160.
  void SyncLinkedKey();

  void CursorHome();
  void CursorEnd();
  void CursorLeft();
  void CursorRight();
  // In the character display a key word or an escaped bracket that ends at
  // (Backspace) or starts at (Delete) the cursor goes as a whole, as a group
  // does in the decimal display; any other character goes alone.
  void DeleteBack();
  void DeleteForward();

  // Where an edit goes in the content: the cursor, or in the decimal display
  // the start of the group at the decimal cursor.
  [[nodiscard]] int EditCursor() const;

  // The text a virtual key gives in ASCII mode (empty when none).
  [[nodiscard]] static std::string AsciiText(int virtualKey, bool shift, bool capsLock);
  // The key word a virtual key gives in scan code mode; empty when none, and
  // for every key whose word the key word dictionary does not know.
  [[nodiscard]] static std::string ScanCodeText(int virtualKey);
  // The items of `content` in order, covering it exactly.
  [[nodiscard]] static std::vector<ContentItem> ContentItems(std::string_view content);
  // The length of the item that ends exactly at / starts exactly at `at`; 0 when none does.
  [[nodiscard]] static int ItemEndingAt(std::string_view content, int at);
  [[nodiscard]] static int ItemStartingAt(std::string_view content, int at);
  // The groups of the decimal display of `content`, in order; empty when the
  // content is not a valid ASCII mode content.
  [[nodiscard]] static std::vector<DecimalGroup> DecimalGroups(std::string_view content);

 private:
  std::string& Content();
  [[nodiscard]] const std::string& Content() const;
  [[nodiscard]] bool SelectedIsAscii() const;
  // The word that names a virtual key in scan code mode, known or not.
  [[nodiscard]] static std::string NamingWord(int virtualKey);
  void Word(std::string_view word);
  void DigitOrWord(std::string_view digit, std::string_view word);
  void OrdinaryKey(const PcKeyEvent& event);
  void MoveSelection(int direction);
  void KeypadNavigation(int physicalKey, bool shiftHeld);
  // Decimal display: moves the decimal cursor (and caret) back to the start of
  // the previous group / forward to the start of the next one, then puts the
  // cursor on the content offset of that group.
  void DecimalStepBack(const std::string& decimal);
  void DecimalStepForward(const std::string& decimal);
  void SyncCursorToDecimal();
  // What a keystroke can change of the template: the key's content and flags,
  // and the PX2400's hidden twin.
  struct KeyMark {
    std::string content;
    std::string twin;
    int blank = 0;
    int defined = 0;
    friend bool operator==(const KeyMark&, const KeyMark&) = default;
  };
  [[nodiscard]] KeyMark MarkOf(int keyIndex) const;

  CVEXADoc& m_doc;
  ViewState& m_state;
  std::string m_refusal;
};

}  // namespace vexa
