// Every text that VEXA shows to the user, in one place. The editor shows them in
// message boxes captioned with the application title, vexa-cli on stderr.
// The texts are the product's own and are kept exactly as they stand, typing
// errors included: integrators' scripts and documentation quote them.
//
// Texts with %d / %s are printf formats (see FormatMessage); texts with %1 / %2
// are filled in by the Qt side with QString::arg.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/Version.h"

namespace vexa::msg {

// Application shell
inline constexpr std::string_view kAppTitle = "VEXA";
inline constexpr std::string_view kMainWindowTitle = "Tessaly  Programmable Keyboard";
inline constexpr std::string_view kNewDocumentBaseName = "VEXA";
inline constexpr std::string_view kReady = "Ready";
inline constexpr std::string_view kAboutTitle = "About VEXA";
inline constexpr std::string_view kAboutVersion = "Keyboard Editor Version " VEXA_VERSION;
inline constexpr std::string_view kSaveChanges = "Save changes to %1?";
inline constexpr std::string_view kSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr std::string_view kSettingsApplication = "VEXA";

// Layout view
// Shown in the information area while the ESC prefix waits for its key.
inline constexpr std::string_view kEscPending = "ESC";

// Key contents and the memory image
inline constexpr std::string_view kWrongKeyWord = "Wrong function word or scan code word!!";
inline constexpr std::string_view kWrongAsciiWord = "Wrong ASCII or function word!!";
inline constexpr const char* kNotEnoughMemory =
    "Not enough keyboard memory: the key data is %d bytes too long!!";
// The line under kWrongKeyWord that names the key and the word that is wrong.
inline constexpr const char* kKeyWordUnknown = "Key %s: %s is not a function word or scan code word.";
inline constexpr const char* kKeyShiftLevelNotAlone = "Key %s: %s must be the whole content of the key.";
inline constexpr const char* kKeyScanWordMixed =
    "Key %s: the scan code word %s can't be mixed with characters or ASCII mode words.";
inline constexpr const char* kKeyWordNotClosed = "Key %s: %s has no closing bracket.";
inline constexpr const char* kKeyStrayBracket =
    "Key %s: a ] closes no word (a bracket character is written twice: ]]).";
inline constexpr const char* kKeyZeroByte = "Key %s: the content holds a zero byte.";
// How kWrongKeyWord names a key that no layout position shows.
inline constexpr const char* kHiddenKeyName = "key index %d";
// Where an invalid key of a text template stands (Import Text Data, Load
// Default, vexa-cli template import).
inline constexpr const char* kInvalidKeyAt = "position %d, key index %d, label \"%s\": %s";
inline constexpr const char* kInvalidHiddenKey = "key index %d (not on the layout): %s";
// Status bar: a keystroke, paste or insert refused because the key holds a shift level code.
inline constexpr std::string_view kShiftLevelIsWhole =
    "A shift level code is the whole content of its key: clear the key to type into it.";

// Template files and text template files
inline constexpr const char* kTemplateTooShort =
    "The template file: <%s> is too short (%d bytes; a template has 2048)!!";
inline constexpr const char* kTemplateCannotOpen = "The template file: <%s> can't be opened !!";
inline constexpr const char* kTemplateCannotWrite = "The template file: <%s> can't be written !!";
inline constexpr const char* kTextFileCannotWrite = "The text file: <%s> can't be written !!";
inline constexpr const char* kTextFileMissing = "The text file: <%s> is NOT in the directory !!";
inline constexpr const char* kTextFileTooLarge = "The text file: <%s> is too large for a text template !!";
inline constexpr const char* kTextFileLineFeed =
    "The text file: <%s> is written, but the key at position %d holds a line feed, which a text file "
    "can't carry: importing it will misplace the keys after it !!";
inline constexpr std::string_view kTextFileRowCount = "The number of rows in the text file is wrong\n";
// Under "can't be written": a save refused because the path leads through a
// link that someone else could point elsewhere at any moment.
inline constexpr std::string_view kLinkOfAnotherUser =
    "It is a link that another user made in a folder that others may write to: VEXA does not write "
    "through it.";
// The Save As chooser.
inline constexpr std::string_view kTemplateFilesFilter = "Template files (*.bin)";
inline constexpr std::string_view kAllFilesFilter = "All files (*)";
inline constexpr std::string_view kTemplateExtension = ".bin";
inline constexpr std::string_view kUntitledTemplate = "untitled.bin";

// Legend sheets (Print, Export Picture, vexa-cli template render)
inline constexpr const char* kPictureUnknownType =
    "The picture file: <%s> must be named .svg, .png or .pdf !!";
inline constexpr const char* kPictureCannotWrite = "The picture file: <%s> can't be written !!";
inline constexpr std::string_view kPrintFailed = "The legend sheet can't be printed !!";

// Model switch confirmation
inline constexpr std::string_view kSelectKeyboardTitle = "Select Keyboard";
inline constexpr std::string_view kSelectKeyboardLine1 = "Are you sure to select another keyboard?";
inline constexpr std::string_view kSelectKeyboardLine2 = "This will clear the active template data !!!";

// Code entry dialogs
inline constexpr std::string_view kAsciiCodeNotByte = "Please enter an integer between 0 and 255.";
inline constexpr std::string_view kAsciiCodeRange = "Please enter an integer between %1 and %2.";
inline constexpr std::string_view kDelayTimeTitle = "Put Delay Time";
inline constexpr std::string_view kDelayTimeLabel = "Time:";
inline constexpr std::string_view kDelayTimeUnit = " x 0.1 second";
inline constexpr std::string_view kShiftLevelTitle = "Put Shift Level Code";
inline constexpr std::string_view kShiftLevelLabel = "Level No:";
inline constexpr std::string_view kShiftLevelRange = "(1--9)";
inline constexpr std::string_view kAsciiCodeTitle = "Input ASCII Code";
inline constexpr std::string_view kAsciiCodeLabel = "ASCII code:";
inline constexpr std::string_view kAsciiCodeBounds = "(1--240)";
inline constexpr std::string_view kScanCodeTitle = "Input Scan Code";
inline constexpr std::string_view kScanCodeLabel = "Scan Code:";

// Driver port
inline constexpr std::string_view kNoSystemInformation =
    "Get wrong system information\nExit.Then, try again please";
inline constexpr std::string_view kCannotOpenDriver = "Can't open the KB driver";

// The PS/2 port on Linux: why the byte protocol can't run, one line per cause
// under "Can't open the KB driver" or under the transfer's driver message, and
// the texts of the privileged helper (vexa-serio-helper).
inline constexpr std::string_view kPs2NoKeyboardPort =
    "the kernel has no i8042 keyboard port (no serio port \"i8042 KBD port\")";
inline constexpr std::string_view kPs2NoSerioRaw =
    "the serio_raw module is not loaded: run \"sudo modprobe serio_raw\"";
inline constexpr const char* kPs2NotRootNoHelper =
    "not running as root, and the helper %s or pkexec is missing: install the vexa package or run as "
    "root (see the README, \"PS/2 on Linux\")";
inline constexpr const char* kPs2NodeNotAccessible =
    "the device %s can't be opened (%s): install the udev rule 70-vexa-keyboard.rules (see the README, "
    "\"PS/2 on Linux\")";
inline constexpr const char* kPs2DeviceCannotOpen = "the device %s can't be opened (%s)";
inline constexpr std::string_view kPs2LockedDown =
    "the kernel is locked down (Secure Boot): direct port access is not allowed; PS/2 uses the serio_raw "
    "driver instead, which needs the kernel's i8042 keyboard port";
inline constexpr std::string_view kPs2PortsRefused =
    "the kernel refused direct access to the keyboard controller's ports (this needs root on an x86 PC)";
inline constexpr std::string_view kPs2PortsSwitchedOff =
    "direct access to the keyboard controller's ports is switched off (CI or VEXA_NO_REAL_PORTS is set)";
inline constexpr std::string_view kPs2PortBusy =
    "another VEXA run is using the PS/2 keyboard port: try again when it has finished";
inline constexpr const char* kPs2BindFailed = "the keyboard port %s was not handed to serio_raw: %s";
inline constexpr const char* kPs2NoRawNode = "serio_raw took the keyboard port %s, but gave no device";
inline constexpr const char* kPs2RestoreFailed =
    "the keyboard port %s could not be given back to the keyboard (%s); it stays silent until you run: "
    "echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl";
inline constexpr const char* kPs2StateFileFailed = "the state file %s can't be written (%s)";
inline constexpr std::string_view kPs2NotAuthorised = "an administrator's authorisation was not given";
inline constexpr const char* kPs2HelperFailed = "the helper vexa-serio-helper ended with status %d";
inline constexpr std::string_view kHelperUsage =
    "usage: vexa-serio-helper bind|restore\n"
    "  bind     hands the i8042 keyboard port to serio_raw (the keyboard stops typing)\n"
    "  restore  gives the i8042 keyboard port back to atkbd";
inline constexpr std::string_view kPs2SeveralPorts =
    "more than one serio port is called \"i8042 KBD port\": nothing was changed";
inline constexpr const char* kHelperCannotWrite = "can't write %s: %s";
inline constexpr const char* kPs2WrongDriver = "the keyboard port %s is bound to \"%s\" instead of %s";
inline constexpr const char* kPs2LockFailed = "the keyboard port's lock can't be opened (%s)";
inline constexpr const char* kHelperNoLock =
    "bind needs the port's lock %s as standard input, held by the caller: run it through VEXA";
inline constexpr std::string_view kPs2Ending = "the program is ending";

// vexa-cli whose standard output could not be written (a closed pipe, a full disk).
inline constexpr std::string_view kCliOutputFailed = "vexa-cli: the output could not be written";

// A product text followed by one line per cause.
inline std::string WithCauses(std::string_view text, const std::vector<std::string>& causes) {
  std::string out(text);
  for (const std::string& cause : causes) {
    out += '\n';
    out += cause;
  }
  return out;
}

// Keyboard transfer
inline constexpr std::string_view kNoKeyboardConnected = "There is no PX series keyboard connected!";
inline constexpr std::string_view kKeyboardNotPermitted =
    "There is no PX series keyboard connected!\n"
    "A PX series keyboard was found, but this user may not open it: install the udev rule "
    "70-vexa-keyboard.rules (see the README, \"USB permissions\").";
inline constexpr std::string_view kWriteNoKeyboard =
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to write Keyboard "
    "again please!";
inline constexpr std::string_view kWriteDriverFailed =
    "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write Keyboard again "
    "please!";
inline constexpr std::string_view kReadNoKeyboard =
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to read again please!";
inline constexpr std::string_view kReadDriverFailed =
    "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read again please!";
inline constexpr const char* kDataWrittenError = "Data Written Error, Count=%d";
// The second line under kDataWrittenError: the blocks before the failed one
// are new, the ones after it old, so the keyboard's template is torn.
inline constexpr std::string_view kPartlyWritten =
    "The keyboard now holds a partly written template and must be written again before use!";
inline constexpr const char* kDataReadError = "Data Read Error, Count=%d";
inline constexpr std::string_view kWritingTitle = "Writing data into keyboard";
inline constexpr std::string_view kReadingTitle = "Reading data from keyboard";
inline constexpr std::string_view kDontTouch = "Please don't use mouse and/or keyboard!";
inline constexpr std::string_view kSelectPortTitle = "Select Communication Port";
// The port dialog's box: the next starts take the port chosen without asking
// (Configuration > Communication Port... changes it).
inline constexpr std::string_view kDontAskPortAtStart = "Don't ask at start";
// --device PATH, or a keyboard chosen in the editor that is gone: a path that
// is not a PX series keyboard now; nothing is sent to it.
inline constexpr const char* kNotTheKeyboard =
    "The device <%s> is not a PX series keyboard connected to this computer!";
// A keyboard that is listed and opens, but does not answer a report.
inline constexpr const char* kKeyboardNotAnswering = "The PX series keyboard at <%s> does not answer!";

// Several keyboards: the states of `vexa-cli keyboard list`, the editor's
// keyboard chooser, and the results of a write into all of them.
inline constexpr std::string_view kStateReady = "ready";
inline constexpr std::string_view kStateNoPermission = "no permission";
inline constexpr std::string_view kStateNotAnswering = "not answering";
inline constexpr std::string_view kResultWritten = "written";
inline constexpr std::string_view kResultVerified = "verified";
// The template already in the keyboard was the one to write (--if-different).
inline constexpr std::string_view kResultUnchanged = "unchanged";
// The result word of a keyboard that failed, in JSON output (the message is its "error").
inline constexpr std::string_view kResultFailed = "failed";
inline constexpr std::string_view kSelectKeyboardsTitle = "Select Connected Keyboard";
inline constexpr std::string_view kSelectKeyboardsReadLabel =
    "Several keyboards are connected. Read the template from:";
inline constexpr std::string_view kSelectKeyboardsWriteLabel =
    "Several keyboards are connected. Write the template into:";
inline constexpr std::string_view kAllConnectedKeyboards = "All connected keyboards";
inline constexpr const char* kNoSerialNumber = "no serial number";
inline constexpr const char* kWrittenIntoAll = "The template was written into all %d keyboards.";
inline constexpr const char* kWrittenIntoSome = "The template was written into %d of %d keyboards:";
inline constexpr const char* kBackupsCannotBeWritten = "The backup directory: <%s> can't be created !!";
inline constexpr const char* kBackupDirNotPrivate =
    "The backup directory: <%s> is not yours alone: it must belong to you and no one else may write to "
    "it !!";
// Under the read's message in a write into all keyboards.
inline constexpr std::string_view kBackupReadFailed =
    "The keyboard's template could not be read for its backup: nothing was written.";
inline constexpr std::string_view kVerifyReadFailed = "The template was written, but reading it back failed.";
// A keyboard of a write into all keyboards that this user may not open (the
// cause line of kKeyboardNotPermitted).
inline constexpr std::string_view kKeyboardNotPermittedCause =
    "A PX series keyboard was found, but this user may not open it: install the udev rule "
    "70-vexa-keyboard.rules (see the README, \"USB permissions\").";
static_assert(kKeyboardNotPermitted.ends_with(kKeyboardNotPermittedCause));
// Status bar, after a transfer with one keyboard.
inline constexpr std::string_view kWrittenIntoKeyboard = "The template was written into the keyboard.";
inline constexpr const char* kWrittenIntoKeyboardNamed = "The template was written into the keyboard %s.";
inline constexpr std::string_view kReadFromKeyboard = "The template was read from the keyboard.";
// Status bar, when the window is closed while a transfer runs.
inline constexpr std::string_view kClosesAfterTransfer =
    "The window closes when the transfer with the keyboard has ended.";

// The simulated keyboard (--simulate-keyboard FILE)
inline constexpr const char* kSimKeyboardCannotOpen = "The simulated keyboard file: <%s> can't be opened !!";
inline constexpr const char* kSimKeyboardWrongSize =
    "The simulated keyboard file: <%s> is not a keyboard memory (%d bytes; it must have 2048)!!";
inline constexpr const char* kSimKeyboardCannotWrite =
    "The simulated keyboard file: <%s> can't be written !!";
inline constexpr const char* kSimKeyboardNoFiles =
    "The simulated keyboard directory: <%s> holds no .bin file !!";

// vexa-cli keyboard write: checks of the template file before anything is sent, and --verify
inline constexpr const char* kTemplateTooLong =
    "The template file: <%s> is too long (%d bytes; a template has 2048)!!";
inline constexpr const char* kTemplateBadKeyData =
    "The template file: <%s> holds key data that can't be decoded (key slot %d)!!";
inline constexpr const char* kVerifyMismatch =
    "The keyboard holds other data than was written: block(s) %s differ!!";
// vexa-cli keyboard write, under a failed write's message (a partly written keyboard)
inline constexpr const char* kBackupHoldsPrevious =
    "The template the keyboard held before is in %s: 'vexa-cli keyboard write %s' puts it back.";
inline constexpr std::string_view kBackupNextTime =
    "Write it again, or another template; --backup FILE saves the keyboard's template before a write.";
// vexa-cli keyboard detect|read|write without --device while several keyboards are connected
inline constexpr const char* kSeveralKeyboards =
    "%d PX series keyboards are connected; this uses %s. --device PATH picks another "
    "('vexa-cli keyboard list' shows them), 'write --all' writes them all.";
// vexa-cli keyboard --device PATH, under kNotTheKeyboard
inline constexpr std::string_view kKeyboardListHint =
    "'vexa-cli keyboard list' shows the keyboards connected.";
// vexa-cli keyboard, after a command on the simulated keyboard that the host got wrong
inline constexpr const char* kSimProtocolViolation = "The simulated keyboard saw a protocol violation: %s";

// Programming keyboards as they are plugged in (vexa-cli keyboard watch, the
// editor's Program Keyboards as Plugged In)
inline constexpr std::string_view kStationWaiting =
    "Waiting for keyboards: plug one in to write it; Ctrl+C stops (the writes under way are finished).";
inline constexpr std::string_view kStationStopping = "Stopping: the writes under way are finished first.";
inline constexpr const char* kStationSummary = "%d written, %d verified, %d unchanged, %d failed.";
inline constexpr const char* kStationLogCannotWrite = "The log file: <%s> can't be written !!";
inline constexpr const char* kStationMonitorFailed =
    "Plugged keyboards can't be watched: the system's device events are not available (%s)!!";
inline constexpr const char* kStationSimulatedIgnored = "Not a keyboard plugged in: %s";
// vexa-cli keyboard write --if-different, and write --verify, on stderr
inline constexpr std::string_view kUnchangedNothingWritten =
    "unchanged: the keyboard already holds this template; nothing was written";
inline constexpr std::string_view kVerifiedWritten = "verified: the keyboard holds the 2048 bytes written";
inline constexpr std::string_view kStationTitle = "Program Keyboards as Plugged In";
inline constexpr std::string_view kStationMenuItem = "Program Keyboards as Plugged &In...";
inline constexpr std::string_view kStationTemplateCurrent = "The current template";
inline constexpr std::string_view kStationTemplateFile = "A template file:";
inline constexpr std::string_view kStationVerify = "Verify after writing";
inline constexpr std::string_view kStationBackup = "Back up each keyboard's template into:";
inline constexpr std::string_view kStationLog = "Log into:";
inline constexpr std::string_view kStationStart = "Start";
inline constexpr std::string_view kStationStop = "Stop";
inline constexpr std::string_view kStationStateWriting = "writing";
inline constexpr std::string_view kStationStateDone = "done";
inline constexpr std::string_view kStationStateFailed = "failed";
inline constexpr std::string_view kStationMenuPrompt =
    "Write a template into every keyboard as it is plugged in";
inline constexpr std::string_view kStationNeedsUsb =
    "Keyboards are programmed as they are plugged in over USB only: choose the USB port at start.";
inline constexpr std::string_view kStationColumns[] = {"Serial", "State", "Progress", "Result"};

// Card reader settings: the warning of each string field
inline constexpr std::string_view kCardDataPrefixError = "Card data prefix string error!";
inline constexpr std::string_view kCardDataSuffixError = "Card data suffix string error!";
inline constexpr std::string_view kTrack1PrefixError = "Track1 prefix string error!";
inline constexpr std::string_view kTrack1SuffixError = "Track1 suffix string error!";
inline constexpr std::string_view kTrack1TerminatorError = "Track1 field terminator error!";
inline constexpr std::string_view kTrack2PrefixError = "Track2 prefix string error!";
inline constexpr std::string_view kTrack2SuffixError = "Track2 suffix string error!";
inline constexpr std::string_view kTrack2TerminatorError = "Track2 field terminator error!";
inline constexpr std::string_view kTrack3PrefixError = "Track3 prefix string error!";
inline constexpr std::string_view kTrack3SuffixError = "Track3 suffix string error!";
inline constexpr std::string_view kTrack3TerminatorError = "Track3 field terminator error!";

// Keyboard feature settings dialog (CProperty)
inline constexpr std::string_view kPropertyTitle = "Config KB properties";
inline constexpr std::string_view kBreakCodesCheck = "Send break-code for scan code mode key";
inline constexpr std::string_view kKeyBeepCheck = "Enable beeping when a key typed";
inline constexpr std::string_view kSilentUndefinedCheck = "No beeping if a key is not defined";
inline constexpr std::string_view kSet2TranslationCheck = "Translate scan code set#2 for PC/AT";
inline constexpr std::string_view kAltNumberCheck = "Use <Alt>+number key to make ASCII code";
inline constexpr std::string_view kTypematicScanCheck = "Enable typematic for scan code";
inline constexpr std::string_view kTypematicAsciiCheck = "Enable typematic for ASCII code";
inline constexpr std::string_view kOposJposCheck = "OPOS/JPOS";
inline constexpr std::string_view kUseSerialPortCheck = "Use port";
inline constexpr std::string_view kBaudRateItems[] = {"2400", "4800", "9600", "19200"};
inline constexpr std::string_view kParityItems[] = {"NONE", "EVEN", "ODD"};
inline constexpr std::string_view kDataBitsItems[] = {"7 Bits", "8 Bits"};
inline constexpr std::string_view kConfigGroup = "Config";
inline constexpr std::string_view kKeyboardFeaturesGroup = "Keyboard features";
inline constexpr std::string_view kRs232Group = "RS232 port";
inline constexpr std::string_view kInterCharDelayLabel = "Inter-character delay(mS)";
inline constexpr std::string_view kBaudRateLabel = "Baud rate:";
inline constexpr std::string_view kParityLabel = "Parity check:";
inline constexpr std::string_view kDataBitsLabel = "Bit number:";

// Card reader settings dialog (CMREdit); "seperator" and "beepsat" as the product has them
inline constexpr std::string_view kMrEditTitle = "Config MR properties";
inline constexpr std::string_view kCardDataPrefixLabel = "Card Data Prefix:";
inline constexpr std::string_view kCardDataSuffixLabel = "Card Data Suffix:";
inline constexpr std::string_view kBeepGoodReadCheck = "Enable beep at good read";
inline constexpr std::string_view kThreeBeepsErrorCheck = "Enable 3 beepsat card read error";
inline constexpr std::string_view kSkipTrackWithErrorRadio = "Skip output of track with error";
inline constexpr std::string_view kNoDataWithErrorRadio = "No data output with any error";
inline constexpr std::string_view kTrackGroups[] = {"Track1 Properties", "Track2 Properties",
                                                    "Track3 Properties"};
inline constexpr std::string_view kEnableDataCheck = "Enable data";
inline constexpr std::string_view kStartSentinelCheck = "Enable start sentinel";
inline constexpr std::string_view kEndSentinelCheck = "Enable end sentinel";
inline constexpr std::string_view kLrcCheck = "Enable LRC output";
inline constexpr std::string_view kSeparatorChecks[] = {"Enable separator", "Enable seperator",
                                                        "Enable seperator"};
inline constexpr std::string_view kTrackPrefixLabel = "Prefix:";
inline constexpr std::string_view kTrackSuffixLabel = "Suffix:";
inline constexpr std::string_view kFieldTerminatorLabel = "Field Terminator:";

// Keyboard output test window
inline constexpr std::string_view kKeyCodeTestTitle = "Key Code Test Output:";
inline constexpr std::string_view kKeyCodeTestQuit = "Quit";
// The way out without a mouse, shown beside the Quit box.
inline constexpr std::string_view kKeyCodeTestQuitByKeys = "Esc three times: Quit";

// Fills a printf-style message text. The texts above with %d / %s are the only
// formats passed here, so the argument types always match.
template <typename... Args>
std::string FormatMessage(const char* format, Args... args) {
  const int n = std::snprintf(nullptr, 0, format, args...);
  if (n <= 0) return std::string(format);
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, args...);
  out.resize(static_cast<size_t>(n));
  return out;
}

}  // namespace vexa::msg
