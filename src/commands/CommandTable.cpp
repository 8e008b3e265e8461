#include "commands/CommandTable.h"

#include <array>

#include "base/Messages.h"
#include "base/Translate.h"
#include "models/ModelTable.h"

namespace vexa {

namespace {

using namespace cmd;

constexpr std::array kCommands{
    CommandInfo{kNew, VEXA_TR_NOOP("vexa", "&New\tCtrl+N"), VEXA_TR_NOOP("vexa", "Create a new Template"),
                VEXA_TR_NOOP("vexa", "New Template")},
    CommandInfo{kLoad, VEXA_TR_NOOP("vexa", "&Load...\tCtrl+L"),
                VEXA_TR_NOOP("vexa", "Load from template file"), VEXA_TR_NOOP("vexa", "Load Template")},
    CommandInfo{kSave, VEXA_TR_NOOP("vexa", "&Save\tCtrl+S"), VEXA_TR_NOOP("vexa", "Save to template file"),
                VEXA_TR_NOOP("vexa", "Save Template")},
    CommandInfo{kSaveAs, VEXA_TR_NOOP("vexa", "Save &As..."),
                VEXA_TR_NOOP("vexa", "Save the active Template with a new name"),
                VEXA_TR_NOOP("vexa", "Save As")},
    CommandInfo{kLoadDefault, VEXA_TR_NOOP("vexa", "Load &Default\tCtrl+D"),
                VEXA_TR_NOOP("vexa", "Load default template"), VEXA_TR_NOOP("vexa", "Default")},
    CommandInfo{kImportText, VEXA_TR_NOOP("vexa", "&Import Text Data\tCtrl+I"),
                VEXA_TR_NOOP("vexa", "Import template data from a text file"),
                VEXA_TR_NOOP("vexa", "Import text data")},
    CommandInfo{kExportText, VEXA_TR_NOOP("vexa", "&Export Text Data\tCtrl+E"),
                VEXA_TR_NOOP("vexa", "Export template data from a text file"),
                VEXA_TR_NOOP("vexa", "Export text data")},
    CommandInfo{kPrint, VEXA_TR_NOOP("vexa", "&Print..."),
                VEXA_TR_NOOP("vexa", "Print the keys with their labels and contents"),
                VEXA_TR_NOOP("vexa", "Print")},
    CommandInfo{
        kExportPicture, VEXA_TR_NOOP("vexa", "Export Pic&ture..."),
        VEXA_TR_NOOP("vexa", "Save the keys with their labels and contents as an SVG, PNG or PDF picture"),
        VEXA_TR_NOOP("vexa", "Export picture")},
    CommandInfo{kExit, VEXA_TR_NOOP("vexa", "E&xit"),
                VEXA_TR_NOOP("vexa", "Quit the application; prompts to save documents"),
                VEXA_TR_NOOP("vexa", "Exit")},
    CommandInfo{kModelPX2100, "PX2100", VEXA_TR_NOOP("vexa", "Select PX2100 keyboard"), "PX2100"},
    CommandInfo{kModelPX2200, "PX2200", VEXA_TR_NOOP("vexa", "Select PX2200 keyboard"), "PX2200"},
    CommandInfo{kModelPX2400, "PX2400", VEXA_TR_NOOP("vexa", "Select PX2400 keyboard"), "PX2400"},
    CommandInfo{kModelDV3300, "DV3300", VEXA_TR_NOOP("vexa", "Select DV3300 keyboard"), "DV3300"},
    CommandInfo{kModelDV3500, "DV3500", VEXA_TR_NOOP("vexa", "Select DV3500 keyboard"), "DV3500"},
    CommandInfo{kModelDV3100, "DV3100", VEXA_TR_NOOP("vexa", "Select DV3100 Keyboard"), "DV3100"},
    CommandInfo{kUndo, VEXA_TR_NOOP("vexa", "&Undo\tCtrl+Z"),
                VEXA_TR_NOOP("vexa", "Undo the last change of the template"), VEXA_TR_NOOP("vexa", "Undo")},
    CommandInfo{kRedo, VEXA_TR_NOOP("vexa", "&Redo\tCtrl+Y"),
                VEXA_TR_NOOP("vexa", "Redo the change undone last"), VEXA_TR_NOOP("vexa", "Redo")},
    CommandInfo{kClearKey, VEXA_TR_NOOP("vexa", "&Clear Current Key"),
                VEXA_TR_NOOP("vexa", "Clear current key content"), VEXA_TR_NOOP("vexa", "Clear Key")},
    CommandInfo{kSetAsciiMode, VEXA_TR_NOOP("vexa", "Set &ASCII Mode"),
                VEXA_TR_NOOP("vexa", "Set key to ASCII code mode"), VEXA_TR_NOOP("vexa", "ASCII code mode")},
    CommandInfo{kSetScanCodeMode, VEXA_TR_NOOP("vexa", "Set &ScanCode Mode"),
                VEXA_TR_NOOP("vexa", "Set key to scan code mode"), VEXA_TR_NOOP("vexa", "Scan code mode")},
    CommandInfo{kInsertCaps, VEXA_TR_NOOP("vexa", "Insert Ca&ps Code"),
                VEXA_TR_NOOP("vexa", "Insert a Caps function code"),
                VEXA_TR_NOOP("vexa", "Insert caps code")},
    CommandInfo{kInsertDelay, VEXA_TR_NOOP("vexa", "Insert &Delay Time"),
                VEXA_TR_NOOP("vexa", "Insert inter-string delay time function code"),
                VEXA_TR_NOOP("vexa", "Insert Delay time")},
    CommandInfo{kLevelSeparator, VEXA_TR_NOOP("vexa", "Enter &Level Separator"),
                VEXA_TR_NOOP("vexa", "Enter level-separator function code"),
                VEXA_TR_NOOP("vexa", "Enter Level separator")},
    CommandInfo{kShiftLevel, VEXA_TR_NOOP("vexa", "Enter S&hift Level code"),
                VEXA_TR_NOOP("vexa", "Enter multi-level function code"),
                VEXA_TR_NOOP("vexa", "Multi-level code")},
    CommandInfo{kEnterAsciiCode, VEXA_TR_NOOP("vexa", "&Enter ASCII Code"),
                VEXA_TR_NOOP("vexa", "Enter ASCII code as decimal"),
                VEXA_TR_NOOP("vexa", "Enter ASCII code")},
    CommandInfo{kSwitchDisplay, VEXA_TR_NOOP("vexa", "S&witch ASCII Display mode"),
                VEXA_TR_NOOP("vexa", "Switch ASCII display mode"), VEXA_TR_NOOP("vexa", "Display mode")},
    CommandInfo{kSelectScanCode, VEXA_TR_NOOP("vexa", "Select Scan C&ode"),
                VEXA_TR_NOOP("vexa", "Enter scan code from list"), VEXA_TR_NOOP("vexa", "Enter Scan code")},
    CommandInfo{kReadFromKeyboard, VEXA_TR_NOOP("vexa", "&Read From KB"),
                VEXA_TR_NOOP("vexa", "Read data from keyboard"), VEXA_TR_NOOP("vexa", "Read data")},
    CommandInfo{kWriteIntoKeyboard, VEXA_TR_NOOP("vexa", "&Write Into KB"),
                VEXA_TR_NOOP("vexa", "Write data into keyboard"), VEXA_TR_NOOP("vexa", "Write data")},
    CommandInfo{kProgramAsPluggedIn, msg::kStationMenuItem, msg::kStationMenuPrompt, ""},
    CommandInfo{kConfigKeyboard, VEXA_TR_NOOP("vexa", "Config &KB Properties"),
                VEXA_TR_NOOP("vexa", "Config &KB Properties"), ""},
    CommandInfo{kConfigCardReader, VEXA_TR_NOOP("vexa", "Config &MR properties"),
                VEXA_TR_NOOP("vexa", "Config MR properties"), VEXA_TR_NOOP("vexa", "Config MR")},
    CommandInfo{kConfigRs232, "", VEXA_TR_NOOP("vexa", "Config RS232 protocol"),
                VEXA_TR_NOOP("vexa", "Config RS232")},
    CommandInfo{kCommunicationPort, VEXA_TR_NOOP("vexa", "Communication &Port..."),
                VEXA_TR_NOOP("vexa", "Choose the port to the keyboard: PS/2 or USB"),
                VEXA_TR_NOOP("vexa", "Communication port")},
    CommandInfo{kKeyboardOutput, VEXA_TR_NOOP("vexa", "Keyboard Output"), "", ""},
    CommandInfo{kToggleToolbar, VEXA_TR_NOOP("vexa", "&Toolbar"),
                VEXA_TR_NOOP("vexa", "Show or hide the toolbar"), VEXA_TR_NOOP("vexa", "Toggle ToolBar")},
    CommandInfo{kToggleStatusBar, VEXA_TR_NOOP("vexa", "&Status Bar"),
                VEXA_TR_NOOP("vexa", "Show or hide the status bar"),
                VEXA_TR_NOOP("vexa", "Toggle StatusBar")},
    CommandInfo{kAbout, VEXA_TR_NOOP("vexa", "&About VEXA..."),
                VEXA_TR_NOOP("vexa", "Display program information, version number and copyright"),
                VEXA_TR_NOOP("vexa", "About")},
    CommandInfo{kKeyWordList, VEXA_TR_NOOP("vexa", "Key Word &List"),
                VEXA_TR_NOOP("vexa", "Special Function Key Word Table"), VEXA_TR_NOOP("vexa", "Key Word")},
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
    MenuInfo{VEXA_TR_NOOP("vexa", "&Template"), kTemplateMenu},
    MenuInfo{VEXA_TR_NOOP("vexa", "Key&board"), kKeyboardMenu},
    MenuInfo{VEXA_TR_NOOP("vexa", "&Key Edit"), kKeyEditMenu},
    MenuInfo{VEXA_TR_NOOP("vexa", "&Configuration"), kConfigMenu},
    MenuInfo{VEXA_TR_NOOP("vexa", "T&esting"), kTestingMenu},
    MenuInfo{VEXA_TR_NOOP("vexa", "&View"), kViewMenu},
    MenuInfo{VEXA_TR_NOOP("vexa", "&Help"), kHelpMenu},
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
