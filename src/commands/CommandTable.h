// The editor's commands as plain data: numeric ids, menu texts with their
// mnemonics and shortcut texts, status-bar prompts, tool tips, the layout of the
// menu bar and the toolbar, and the accelerator table.
//
// Menu shortcut texts and accelerators are two different things here: the menu
// shows the text after the tab, the keys of Accelerators() are what is bound.
// Every shortcut the menu shows is bound (Load also keeps Ctrl+O), so no key
// the menu promises is typed into the selected key instead. The accelerators
// with no handler (Next/Previous Pane) still swallow their keys so that they
// never reach the key editor; Cut, Copy and Paste have no menu item, only
// their keys.
#pragma once

#include <span>
#include <string_view>

namespace vexa::cmd {

// Template menu
inline constexpr int kNew = 57600;
inline constexpr int kLoad = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kLoadDefault = 32795;
inline constexpr int kImportText = 32774;
inline constexpr int kExportText = 32798;
inline constexpr int kPrint = 57607;          // the legend sheet on a printer
inline constexpr int kExportPicture = 32830;  // the legend sheet as SVG, PNG or PDF
inline constexpr int kRecentFile1 = 57616;    // ..57619: the recent-file entries
inline constexpr int kExit = 57665;
// Keyboard menu
inline constexpr int kModelPX2100 = 32818;
inline constexpr int kModelPX2200 = 32819;
inline constexpr int kModelPX2400 = 32811;
inline constexpr int kModelDV3300 = 32823;
inline constexpr int kModelDV3500 = 32821;
inline constexpr int kModelDV3100 = 32822;
// Key Edit menu
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kClearKey = 32785;
inline constexpr int kSetAsciiMode = 32783;
inline constexpr int kSetScanCodeMode = 32784;
inline constexpr int kInsertCaps = 32788;
inline constexpr int kInsertDelay = 32789;
inline constexpr int kLevelSeparator = 32790;
inline constexpr int kShiftLevel = 32791;
inline constexpr int kEnterAsciiCode = 32801;
inline constexpr int kSwitchDisplay = 32807;
inline constexpr int kSelectScanCode = 32816;
// Configuration menu
inline constexpr int kReadFromKeyboard = 32771;
inline constexpr int kWriteIntoKeyboard = 32772;
inline constexpr int kConfigKeyboard = 32773;
inline constexpr int kConfigCardReader = 32810;
inline constexpr int kConfigRs232 = 32812;         // toolbar only; no handler anywhere
inline constexpr int kCommunicationPort = 32831;   // the port dialog, to change the port
inline constexpr int kProgramAsPluggedIn = 32900;  // a provisioning station (CStationDialog)
// Testing menu
inline constexpr int kKeyboardOutput = 32797;
// View menu
inline constexpr int kToggleToolbar = 59392;
inline constexpr int kToggleStatusBar = 59393;
// Help menu
inline constexpr int kAbout = 57664;
inline constexpr int kKeyWordList = 32803;
// Accelerator-only commands: the clipboard (the selected key's content) and
// the panes (no handler)
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

inline constexpr int kSeparator = 0;  // in menu and toolbar layouts

}  // namespace vexa::cmd

namespace vexa {

struct CommandInfo {
  int id;
  std::string_view text;    // menu text: '&' marks the mnemonic, "\t" precedes the shortcut text
  std::string_view prompt;  // status-bar prompt while the item is highlighted
  std::string_view tip;     // tool tip; empty when none
};

struct MenuInfo {
  std::string_view title;
  std::span<const int> items;  // command ids; cmd::kSeparator for a separator
};

struct Accelerator {
  std::string_view keys;  // portable key text, e.g. "Ctrl+N", "Shift+F6"
  int id;
};

// Every command that has a text, a prompt or a tip.
std::span<const CommandInfo> Commands();
// nullptr for an unknown id.
const CommandInfo* FindCommand(int id);

// The menu bar, left to right. The recent-file entries are not listed: the
// Template menu shows them (when there are any) before Exit.
std::span<const MenuInfo> MenuBar();
// Toolbar buttons left to right; cmd::kSeparator marks a gap.
std::span<const int> ToolbarButtons();
std::span<const Accelerator> Accelerators();

// The Keyboard menu command of a model id; 0 for an id outside the table.
int ModelCommandOf(int modelId);
// The model id of a Keyboard menu command; 0 when `id` is none.
int ModelOfCommand(int id);

}  // namespace vexa
