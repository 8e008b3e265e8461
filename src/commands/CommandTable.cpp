#include "commands/CommandTable.h"

#include <array>

#include "base/Messages.h"
#include "models/ModelTable.h"

namespace vexa {

namespace {

using namespace cmd;

constexpr std::array kCommands{
    CommandInfo{kNew, "&New\tCtrl+N", "Create a new Template", "New Template"},
    CommandInfo{kLoad, "&Load...\tCtrl+L", "Load from template file", "Load Template"},
    CommandInfo{kSave, "&Save\tCtrl+S", "Save to template file", "Save Template"},
    CommandInfo{kSaveAs, "Save &As...", "Save the active Template with a new name", "Save As"},
    CommandInfo{kLoadDefault, "Load &Default\tCtrl+D", "Load default template", "Default"},
    CommandInfo{kImportText, "&Import Text Data\tCtrl+I", "Import template data from a text file",
                "Import text data"},
    CommandInfo{kExportText, "&Export Text Data\tCtrl+E", "Export template data from a text file",
                "Export text data"},
    CommandInfo{kPrint, "&Print...", "Print the keys with their labels and contents", "Print"},
    CommandInfo{kExportPicture, "Export Pic&ture...",
                "Save the keys with their labels and contents as an SVG, PNG or PDF picture",
                "Export picture"},
    CommandInfo{kExit, "E&xit", "Quit the application; prompts to save documents", "Exit"},
    CommandInfo{kModelPX2100, "PX2100", "Select PX2100 keyboard", "PX2100"},
    CommandInfo{kModelPX2200, "PX2200", "Select PX2200 keyboard", "PX2200"},
    CommandInfo{kModelPX2400, "PX2400", "Select PX2400 keyboard", "PX2400"},
    CommandInfo{kModelDV3300, "DV3300", "Select DV3300 keyboard", "DV3300"},
    CommandInfo{kModelDV3500, "DV3500", "Select DV3500 keyboard", "DV3500"},
    CommandInfo{kModelDV3100, "DV3100", "Select DV3100 Keyboard", "DV3100"},
    CommandInfo{kUndo, "&Undo\tCtrl+Z", "Undo the last change of the template", "Undo"},
    CommandInfo{kRedo, "&Redo\tCtrl+Y", "Redo the change undone last", "Redo"},
    CommandInfo{kClearKey, "&Clear Current Key", "Clear current key content", "Clear Key"},
    CommandInfo{kSetAsciiMode, "Set &ASCII Mode", "Set key to ASCII code mode", "ASCII code mode"},
    CommandInfo{kSetScanCodeMode, "Set &ScanCode Mode", "Set key to scan code mode", "Scan code mode"},
    CommandInfo{kInsertCaps, "Insert Ca&ps Code", "Insert a Caps function code", "Insert caps code"},
    CommandInfo{kInsertDelay, "Insert &Delay Time", "Insert inter-string delay time function code",
                "Insert Delay time"},
    CommandInfo{kLevelSeparator, "Enter &Level Separator", "Enter level-separator function code",
                "Enter Level separator"},
    CommandInfo{kShiftLevel, "Enter S&hift Level code", "Enter multi-level function code",
                "Multi-level code"},
    CommandInfo{kEnterAsciiCode, "&Enter ASCII Code", "Enter ASCII code as decimal", "Enter ASCII code"},
    CommandInfo{kSwitchDisplay, "S&witch ASCII Display mode", "Switch ASCII display mode", "Display mode"},
    CommandInfo{kSelectScanCode, "Select Scan C&ode", "Enter scan code from list", "Enter Scan code"},
    CommandInfo{kReadFromKeyboard, "&Read From KB", "Read data from keyboard", "Read data"},
    CommandInfo{kWriteIntoKeyboard, "&Write Into KB", "Write data into keyboard", "Write data"},
    CommandInfo{kProgramAsPluggedIn, msg::kStationMenuItem, msg::kStationMenuPrompt, ""},
    CommandInfo{kConfigKeyboard, "Config &KB Properties", "Config &KB Properties", ""},
    CommandInfo{kConfigCardReader, "Config &MR properties", "Config MR properties", "Config MR"},
    CommandInfo{kConfigRs232, "", "Config RS232 protocol", "Config RS232"},
    CommandInfo{kCommunicationPort, "Communication &Port...", "Choose the port to the keyboard: PS/2 or USB",
                "Communication port"},
    CommandInfo{kKeyboardOutput, "Keyboard Output", "", ""},
    CommandInfo{kToggleToolbar, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar"},
    CommandInfo{kToggleStatusBar, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar"},
    CommandInfo{kAbout, "&About VEXA...", "Display program information, version number and copyright",
                "About"},
    CommandInfo{kKeyWordList, "Key Word &List", "Special Function Key Word Table", "Key Word"},
};

constexpr std::array kTemplateMenu{kNew,         kLoad,          kSave,       kSaveAs,     kSeparator,
                                   kLoadDefault, kSeparator,     kImportText, kExportText, kSeparator,
                                   kPrint,       kExportPicture, kSeparator,  kExit};
constexpr std::array kKeyboardMenu{kModelPX2100, kModelPX2200, kModelPX2400,
                                   kModelDV3300, kModelDV3500, kModelDV3100};
constexpr std::array kKeyEditMenu{
    kUndo,          kRedo,        kSeparator,      kClearKey,   kSetAsciiMode,   kSetScanCodeMode,
    kInsertCaps,    kInsertDelay, kLevelSeparator, kShiftLevel, kEnterAsciiCode, kSwitchDisplay,
    kSelectScanCode};
constexpr std::array kConfigMenu{kReadFromKeyboard, kWriteIntoKeyboard, kProgramAsPluggedIn, kConfigKeyboard,
                                 kConfigCardReader, kSeparator,         kCommunicationPort};
constexpr std::array kTestingMenu{kKeyboardOutput};
constexpr std::array kViewMenu{kToggleToolbar, kToggleStatusBar};
constexpr std::array kHelpMenu{kAbout, kKeyWordList};

constexpr std::array kMenuBar{
    MenuInfo{"&Template", kTemplateMenu}, MenuInfo{"Key&board", kKeyboardMenu},
    MenuInfo{"&Key Edit", kKeyEditMenu},  MenuInfo{"&Configuration", kConfigMenu},
    MenuInfo{"T&esting", kTestingMenu},   MenuInfo{"&View", kViewMenu},
    MenuInfo{"&Help", kHelpMenu},
};

constexpr std::array kToolbar{kNew,
                              kLoad,
                              kSave,
                              kSeparator,
                              kConfigRs232,
                              kConfigKeyboard,
                              kConfigCardReader,
                              kSeparator,
                              kReadFromKeyboard,
                              kWriteIntoKeyboard,
                              kSeparator,
                              kClearKey,
                              kSetAsciiMode,
                              kSetScanCodeMode,
                              kSeparator,
                              kInsertCaps,
                              kInsertDelay,
                              kLevelSeparator,
                              kShiftLevel,
                              kSeparator,
                              kSelectScanCode,
                              kEnterAsciiCode,
                              kSwitchDisplay};

constexpr std::array kAccelerators{
    Accelerator{"Ctrl+N", kNew},         Accelerator{"Ctrl+O", kLoad},
    Accelerator{"Ctrl+S", kSave},        Accelerator{"Ctrl+L", kLoad},
    Accelerator{"Ctrl+D", kLoadDefault}, Accelerator{"Ctrl+I", kImportText},
    Accelerator{"Ctrl+E", kExportText},  Accelerator{"Ctrl+Z", kUndo},
    Accelerator{"Alt+Backspace", kUndo}, Accelerator{"Ctrl+Y", kRedo},
    Accelerator{"Ctrl+Shift+Z", kRedo},  Accelerator{"Ctrl+X", kCut},
    Accelerator{"Shift+Del", kCut},      Accelerator{"Ctrl+C", kCopy},
    Accelerator{"Ctrl+Ins", kCopy},      Accelerator{"Ctrl+V", kPaste},
    Accelerator{"Shift+Ins", kPaste},    Accelerator{"F6", kNextPane},
    Accelerator{"Shift+F6", kPrevPane},
};

}  // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
  for (const CommandInfo& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::span<const MenuInfo> MenuBar() { return kMenuBar; }
std::span<const int> ToolbarButtons() { return kToolbar; }
std::span<const Accelerator> Accelerators() { return kAccelerators; }

int ModelCommandOf(int modelId) {
  for (const ModelInfo& m : Models()) {
    if (m.id == modelId) return m.menuCommand;
  }
  return 0;
}

int ModelOfCommand(int id) {
  for (const ModelInfo& m : Models()) {
    if (m.menuCommand == id) return m.id;
  }
  return 0;
}

}  // namespace vexa
