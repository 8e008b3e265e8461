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

#include "base/Translate.h"
#include "base/Version.h"

namespace vexa::msg {

// Application shell
inline constexpr std::string_view kAppTitle = "VEXA";
inline constexpr std::string_view kMainWindowTitle = VEXA_TR_NOOP("vexa", "Tessaly  Programmable Keyboard");
inline constexpr std::string_view kNewDocumentBaseName = "VEXA";
inline constexpr std::string_view kReady = VEXA_TR_NOOP("vexa", "Ready");
inline constexpr std::string_view kAboutTitle = VEXA_TR_NOOP("vexa", "About VEXA");
inline constexpr std::string_view kSaveChanges = VEXA_TR_NOOP("vexa", "Save changes to %1?");
inline constexpr std::string_view kSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr std::string_view kSettingsApplication = "VEXA";

// Layout view
// Shown in the information area while the ESC prefix waits for its key.
inline constexpr std::string_view kEscPending = "ESC";

// Key contents and the memory image
inline constexpr std::string_view kWrongKeyWord =
    VEXA_TR_NOOP("vexa", "Wrong function word or scan code word!!");
inline constexpr std::string_view kWrongAsciiWord = VEXA_TR_NOOP("vexa", "Wrong ASCII or function word!!");
inline constexpr const char* kNotEnoughMemory =
    VEXA_TR_NOOP("vexa", "Not enough keyboard memory: the key data is %d bytes too long!!");
// The line under kWrongKeyWord that names the key and the word that is wrong.
inline constexpr const char* kKeyWordUnknown =
    VEXA_TR_NOOP("vexa", "Key %s: %s is not a function word or scan code word.");
inline constexpr const char* kKeyShiftLevelNotAlone =
    VEXA_TR_NOOP("vexa", "Key %s: %s must be the whole content of the key.");
inline constexpr const char* kKeyScanWordMixed =
    VEXA_TR_NOOP("vexa", "Key %s: the scan code word %s can't be mixed with characters or ASCII mode words.");
inline constexpr const char* kKeyWordNotClosed = VEXA_TR_NOOP("vexa", "Key %s: %s has no closing bracket.");
inline constexpr const char* kKeyStrayBracket =
    VEXA_TR_NOOP("vexa", "Key %s: a ] closes no word (a bracket character is written twice: ]]).");
inline constexpr const char* kKeyZeroByte = VEXA_TR_NOOP("vexa", "Key %s: the content holds a zero byte.");
// How kWrongKeyWord names a key that no layout position shows.
inline constexpr const char* kHiddenKeyName = VEXA_TR_NOOP("vexa", "key index %d");
// Where an invalid key of a text template stands (Import Text Data, Load
// Default, vexa-cli template import).
inline constexpr const char* kInvalidKeyAt =
    VEXA_TR_NOOP("vexa", "position %d, key index %d, label \"%s\": %s");
inline constexpr const char* kInvalidHiddenKey = VEXA_TR_NOOP("vexa", "key index %d (not on the layout): %s");
// Status bar: a keystroke, paste or insert refused because the key holds a shift level code.
inline constexpr std::string_view kShiftLevelIsWhole = VEXA_TR_NOOP(
    "vexa", "A shift level code is the whole content of its key: clear the key to type into it.");

// Template files and text template files
inline constexpr const char* kTemplateTooShort =
    VEXA_TR_NOOP("vexa", "The template file: <%s> is too short (%d bytes; a template has 2048)!!");
inline constexpr const char* kTemplateCannotOpen =
    VEXA_TR_NOOP("vexa", "The template file: <%s> can't be opened !!");
inline constexpr const char* kTemplateCannotWrite =
    VEXA_TR_NOOP("vexa", "The template file: <%s> can't be written !!");
inline constexpr const char* kTextFileCannotWrite =
    VEXA_TR_NOOP("vexa", "The text file: <%s> can't be written !!");
inline constexpr const char* kTextFileMissing =
    VEXA_TR_NOOP("vexa", "The text file: <%s> is NOT in the directory !!");
inline constexpr const char* kTextFileTooLarge =
    VEXA_TR_NOOP("vexa", "The text file: <%s> is too large for a text template !!");
inline constexpr const char* kTextFileLineFeed = VEXA_TR_NOOP(
    "vexa",
    "The text file: <%s> is written, but the key at position %d holds a line feed, which a text file "
    "can't carry: importing it will misplace the keys after it !!");
inline constexpr std::string_view kTextFileRowCount =
    VEXA_TR_NOOP("vexa", "The number of rows in the text file is wrong\n");
// Under "can't be written": a save refused because the path leads through a
// link that someone else could point elsewhere at any moment.
inline constexpr std::string_view kLinkOfAnotherUser = VEXA_TR_NOOP(
    "vexa",
    "It is a link that another user made in a folder that others may write to: VEXA does not write "
    "through it.");
// The Save As chooser.
inline constexpr std::string_view kTemplateFilesFilter = VEXA_TR_NOOP("vexa", "Template files (*.bin)");
inline constexpr std::string_view kAllFilesFilter = VEXA_TR_NOOP("vexa", "All files (*)");
inline constexpr std::string_view kTemplateExtension = ".bin";
inline constexpr std::string_view kUntitledTemplate = "untitled.bin";

// Legend sheets (Print, Export Picture, vexa-cli template render)
inline constexpr const char* kPictureUnknownType =
    VEXA_TR_NOOP("vexa", "The picture file: <%s> must be named .svg, .png or .pdf !!");
inline constexpr const char* kPictureCannotWrite =
    VEXA_TR_NOOP("vexa", "The picture file: <%s> can't be written !!");
inline constexpr std::string_view kPrintFailed = VEXA_TR_NOOP("vexa", "The legend sheet can't be printed !!");

// Model switch confirmation
inline constexpr std::string_view kSelectKeyboardTitle = VEXA_TR_NOOP("vexa", "Select Keyboard");
inline constexpr std::string_view kSelectKeyboardLine1 =
    VEXA_TR_NOOP("vexa", "Are you sure to select another keyboard?");
inline constexpr std::string_view kSelectKeyboardLine2 =
    VEXA_TR_NOOP("vexa", "This will clear the active template data !!!");

// Code entry dialogs
inline constexpr std::string_view kAsciiCodeNotByte =
    VEXA_TR_NOOP("vexa", "Please enter an integer between 0 and 255.");
inline constexpr std::string_view kAsciiCodeRange =
    VEXA_TR_NOOP("vexa", "Please enter an integer between %1 and %2.");
inline constexpr std::string_view kDelayTimeTitle = VEXA_TR_NOOP("vexa", "Put Delay Time");
inline constexpr std::string_view kDelayTimeLabel = VEXA_TR_NOOP("vexa", "Time:");
inline constexpr std::string_view kDelayTimeUnit = VEXA_TR_NOOP("vexa", " x 0.1 second");
inline constexpr std::string_view kShiftLevelTitle = VEXA_TR_NOOP("vexa", "Put Shift Level Code");
inline constexpr std::string_view kShiftLevelLabel = VEXA_TR_NOOP("vexa", "Level No:");
inline constexpr std::string_view kShiftLevelRange = VEXA_TR_NOOP("vexa", "(1--9)");
inline constexpr std::string_view kAsciiCodeTitle = VEXA_TR_NOOP("vexa", "Input ASCII Code");
inline constexpr std::string_view kAsciiCodeLabel = VEXA_TR_NOOP("vexa", "ASCII code:");
inline constexpr std::string_view kAsciiCodeBounds = VEXA_TR_NOOP("vexa", "(1--240)");
inline constexpr std::string_view kScanCodeTitle = VEXA_TR_NOOP("vexa", "Input Scan Code");
inline constexpr std::string_view kScanCodeLabel = VEXA_TR_NOOP("vexa", "Scan Code:");

// Driver port
inline constexpr std::string_view kNoSystemInformation =
    VEXA_TR_NOOP("vexa", "Get wrong system information\nExit.Then, try again please");
inline constexpr std::string_view kCannotOpenDriver = VEXA_TR_NOOP("vexa", "Can't open the KB driver");

// The PS/2 port on Linux: why the byte protocol can't run, one line per cause
// under "Can't open the KB driver" or under the transfer's driver message, and
// the texts of the privileged helper (vexa-serio-helper).
inline constexpr std::string_view kPs2NoKeyboardPort =
    VEXA_TR_NOOP("vexa", "the kernel has no i8042 keyboard port (no serio port \"i8042 KBD port\")");
inline constexpr std::string_view kPs2NoSerioRaw =
    VEXA_TR_NOOP("vexa", "the serio_raw module is not loaded: run \"sudo modprobe serio_raw\"");
inline constexpr const char* kPs2NotRootNoHelper = VEXA_TR_NOOP(
    "vexa",
    "not running as root, and the helper %s or pkexec is missing: install the vexa package or run as "
    "root (see the README, \"PS/2 on Linux\")");
inline constexpr const char* kPs2NodeNotAccessible = VEXA_TR_NOOP(
    "vexa",
    "the device %s can't be opened (%s): install the udev rule 70-vexa-keyboard.rules (see the README, "
    "\"PS/2 on Linux\")");
inline constexpr const char* kPs2DeviceCannotOpen =
    VEXA_TR_NOOP("vexa", "the device %s can't be opened (%s)");
inline constexpr std::string_view kPs2LockedDown = VEXA_TR_NOOP(
    "vexa",
    "the kernel is locked down (Secure Boot): direct port access is not allowed; PS/2 uses the serio_raw "
    "driver instead, which needs the kernel's i8042 keyboard port");
inline constexpr std::string_view kPs2PortsRefused = VEXA_TR_NOOP(
    "vexa",
    "the kernel refused direct access to the keyboard controller's ports (this needs root on an x86 PC)");
inline constexpr std::string_view kPs2PortsSwitchedOff = VEXA_TR_NOOP(
    "vexa",
    "direct access to the keyboard controller's ports is switched off (CI or VEXA_NO_REAL_PORTS is set)");
inline constexpr std::string_view kPs2PortBusy =
    VEXA_TR_NOOP("vexa", "another VEXA run is using the PS/2 keyboard port: try again when it has finished");
inline constexpr const char* kPs2BindFailed =
    VEXA_TR_NOOP("vexa", "the keyboard port %s was not handed to serio_raw: %s");
inline constexpr const char* kPs2NoRawNode =
    VEXA_TR_NOOP("vexa", "serio_raw took the keyboard port %s, but gave no device");
inline constexpr const char* kPs2RestoreFailed = VEXA_TR_NOOP(
    "vexa",
    "the keyboard port %s could not be given back to the keyboard (%s); it stays silent until you run: "
    "echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl");
inline constexpr const char* kPs2StateFileFailed =
    VEXA_TR_NOOP("vexa", "the state file %s can't be written (%s)");
inline constexpr std::string_view kPs2NotAuthorised =
    VEXA_TR_NOOP("vexa", "an administrator's authorisation was not given");
inline constexpr const char* kPs2HelperFailed =
    VEXA_TR_NOOP("vexa", "the helper vexa-serio-helper ended with status %d");
inline constexpr std::string_view kHelperUsage =
    "usage: vexa-serio-helper bind|restore\n"
    "  bind     hands the i8042 keyboard port to serio_raw (the keyboard stops typing)\n"
    "  restore  gives the i8042 keyboard port back to atkbd";
inline constexpr std::string_view kPs2SeveralPorts =
    VEXA_TR_NOOP("vexa", "more than one serio port is called \"i8042 KBD port\": nothing was changed");
inline constexpr const char* kHelperCannotWrite = "can't write %s: %s";
inline constexpr const char* kPs2WrongDriver =
    VEXA_TR_NOOP("vexa", "the keyboard port %s is bound to \"%s\" instead of %s");
inline constexpr const char* kPs2LockFailed =
    VEXA_TR_NOOP("vexa", "the keyboard port's lock can't be opened (%s)");
inline constexpr const char* kHelperNoLock =
    "bind needs the port's lock %s as standard input, held by the caller: run it through VEXA";
inline constexpr std::string_view kPs2Ending = VEXA_TR_NOOP("vexa", "the program is ending");

// vexa-cli whose standard output could not be written (a closed pipe, a full disk).
inline constexpr std::string_view kCliOutputFailed =
    VEXA_TR_NOOP("vexa", "vexa-cli: the output could not be written");

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
inline constexpr std::string_view kNoKeyboardConnected =
    VEXA_TR_NOOP("vexa", "There is no PX series keyboard connected!");
inline constexpr std::string_view kKeyboardNotPermitted =
    VEXA_TR_NOOP("vexa",
                 "There is no PX series keyboard connected!\n"
                 "A PX series keyboard was found, but this user may not open it: install the udev rule "
                 "70-vexa-keyboard.rules (see the README, \"USB permissions\").");
inline constexpr std::string_view kWriteNoKeyboard = VEXA_TR_NOOP(
    "vexa",
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to write Keyboard "
    "again please!");
inline constexpr std::string_view kWriteDriverFailed = VEXA_TR_NOOP(
    "vexa",
    "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write Keyboard again "
    "please!");
inline constexpr std::string_view kReadNoKeyboard = VEXA_TR_NOOP(
    "vexa",
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to read again please!");
inline constexpr std::string_view kReadDriverFailed = VEXA_TR_NOOP(
    "vexa",
    "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read again please!");
inline constexpr const char* kDataWrittenError = VEXA_TR_NOOP("vexa", "Data Written Error, Count=%d");
// The second line under kDataWrittenError: the blocks before the failed one
// are new, the ones after it old, so the keyboard's template is torn.
inline constexpr std::string_view kPartlyWritten = VEXA_TR_NOOP(
    "vexa", "The keyboard now holds a partly written template and must be written again before use!");
inline constexpr const char* kDataReadError = VEXA_TR_NOOP("vexa", "Data Read Error, Count=%d");
inline constexpr std::string_view kWritingTitle = VEXA_TR_NOOP("vexa", "Writing data into keyboard");
inline constexpr std::string_view kReadingTitle = VEXA_TR_NOOP("vexa", "Reading data from keyboard");
inline constexpr std::string_view kDontTouch =
    VEXA_TR_NOOP("vexa", "Please don't use mouse and/or keyboard!");
inline constexpr std::string_view kSelectPortTitle = VEXA_TR_NOOP("vexa", "Select Communication Port");
// The port dialog's box: the next starts take the port chosen without asking
// (Configuration > Communication Port... changes it).
inline constexpr std::string_view kDontAskPortAtStart = VEXA_TR_NOOP("vexa", "Don't ask at start");
// --device PATH, or a keyboard chosen in the editor that is gone: a path that
// is not a PX series keyboard now; nothing is sent to it.
inline constexpr const char* kNotTheKeyboard =
    VEXA_TR_NOOP("vexa", "The device <%s> is not a PX series keyboard connected to this computer!");
// A keyboard that is listed and opens, but does not answer a report.
inline constexpr const char* kKeyboardNotAnswering =
    VEXA_TR_NOOP("vexa", "The PX series keyboard at <%s> does not answer!");

// Several keyboards: the states of `vexa-cli keyboard list`, the editor's
// keyboard chooser, and the results of a write into all of them.
inline constexpr std::string_view kStateReady = VEXA_TR_NOOP("vexa", "ready");
inline constexpr std::string_view kStateNoPermission = VEXA_TR_NOOP("vexa", "no permission");
inline constexpr std::string_view kStateNotAnswering = VEXA_TR_NOOP("vexa", "not answering");
inline constexpr std::string_view kResultWritten = VEXA_TR_NOOP("vexa", "written");
inline constexpr std::string_view kResultVerified = VEXA_TR_NOOP("vexa", "verified");
// The template already in the keyboard was the one to write (--if-different).
inline constexpr std::string_view kResultUnchanged = VEXA_TR_NOOP("vexa", "unchanged");
// The result word of a keyboard that failed, in JSON output (the message is its "error").
inline constexpr std::string_view kResultFailed = VEXA_TR_NOOP("vexa", "failed");
inline constexpr std::string_view kSelectKeyboardsTitle = VEXA_TR_NOOP("vexa", "Select Connected Keyboard");
inline constexpr std::string_view kSelectKeyboardsReadLabel =
    VEXA_TR_NOOP("vexa", "Several keyboards are connected. Read the template from:");
inline constexpr std::string_view kSelectKeyboardsWriteLabel =
    VEXA_TR_NOOP("vexa", "Several keyboards are connected. Write the template into:");
inline constexpr std::string_view kAllConnectedKeyboards = VEXA_TR_NOOP("vexa", "All connected keyboards");
inline constexpr const char* kNoSerialNumber = VEXA_TR_NOOP("vexa", "no serial number");
inline constexpr const char* kWrittenIntoAll =
    VEXA_TR_NOOP("vexa", "The template was written into all %d keyboards.");
inline constexpr const char* kWrittenIntoSome =
    VEXA_TR_NOOP("vexa", "The template was written into %d of %d keyboards:");
inline constexpr const char* kBackupsCannotBeWritten =
    VEXA_TR_NOOP("vexa", "The backup directory: <%s> can't be created !!");
inline constexpr const char* kBackupDirNotPrivate = VEXA_TR_NOOP(
    "vexa",
    "The backup directory: <%s> is not yours alone: it must belong to you and no one else may write to "
    "it !!");
// Under the read's message in a write into all keyboards.
inline constexpr std::string_view kBackupReadFailed =
    VEXA_TR_NOOP("vexa", "The keyboard's template could not be read for its backup: nothing was written.");
inline constexpr std::string_view kVerifyReadFailed =
    VEXA_TR_NOOP("vexa", "The template was written, but reading it back failed.");
// A keyboard of a write into all keyboards that this user may not open (the
// cause line of kKeyboardNotPermitted).
inline constexpr std::string_view kKeyboardNotPermittedCause =
    VEXA_TR_NOOP("vexa",
                 "A PX series keyboard was found, but this user may not open it: install the udev rule "
                 "70-vexa-keyboard.rules (see the README, \"USB permissions\").");
static_assert(kKeyboardNotPermitted.ends_with(kKeyboardNotPermittedCause));
// Status bar, after a transfer with one keyboard.
inline constexpr std::string_view kWrittenIntoKeyboard =
    VEXA_TR_NOOP("vexa", "The template was written into the keyboard.");
inline constexpr const char* kWrittenIntoKeyboardNamed =
    VEXA_TR_NOOP("vexa", "The template was written into the keyboard %s.");
inline constexpr std::string_view kReadFromKeyboard =
    VEXA_TR_NOOP("vexa", "The template was read from the keyboard.");
// Status bar, when the window is closed while a transfer runs.
inline constexpr std::string_view kClosesAfterTransfer =
    VEXA_TR_NOOP("vexa", "The window closes when the transfer with the keyboard has ended.");

// The simulated keyboard (--simulate-keyboard FILE)
inline constexpr const char* kSimKeyboardCannotOpen =
    VEXA_TR_NOOP("vexa", "The simulated keyboard file: <%s> can't be opened !!");
inline constexpr const char* kSimKeyboardWrongSize = VEXA_TR_NOOP(
    "vexa", "The simulated keyboard file: <%s> is not a keyboard memory (%d bytes; it must have 2048)!!");
inline constexpr const char* kSimKeyboardCannotWrite =
    VEXA_TR_NOOP("vexa", "The simulated keyboard file: <%s> can't be written !!");
inline constexpr const char* kSimKeyboardNoFiles =
    VEXA_TR_NOOP("vexa", "The simulated keyboard directory: <%s> holds no .bin file !!");

// vexa-cli keyboard write: checks of the template file before anything is sent, and --verify
inline constexpr const char* kTemplateTooLong =
    VEXA_TR_NOOP("vexa", "The template file: <%s> is too long (%d bytes; a template has 2048)!!");
inline constexpr const char* kTemplateBadKeyData =
    VEXA_TR_NOOP("vexa", "The template file: <%s> holds key data that can't be decoded (key slot %d)!!");
inline constexpr const char* kVerifyMismatch =
    VEXA_TR_NOOP("vexa", "The keyboard holds other data than was written: block(s) %s differ!!");
// vexa-cli keyboard write, under a failed write's message (a partly written keyboard)
inline constexpr const char* kBackupHoldsPrevious = VEXA_TR_NOOP(
    "vexa", "The template the keyboard held before is in %s: 'vexa-cli keyboard write %s' puts it back.");
inline constexpr std::string_view kBackupNextTime = VEXA_TR_NOOP(
    "vexa",
    "Write it again, or another template; --backup FILE saves the keyboard's template before a write.");
// vexa-cli keyboard detect|read|write without --device while several keyboards are connected
inline constexpr const char* kSeveralKeyboards =
    VEXA_TR_NOOP("vexa",
                 "%d PX series keyboards are connected; this uses %s. --device PATH picks another "
                 "('vexa-cli keyboard list' shows them), 'write --all' writes them all.");
// vexa-cli keyboard --device PATH, under kNotTheKeyboard
inline constexpr std::string_view kKeyboardListHint =
    VEXA_TR_NOOP("vexa", "'vexa-cli keyboard list' shows the keyboards connected.");
// vexa-cli keyboard, after a command on the simulated keyboard that the host got wrong
inline constexpr const char* kSimProtocolViolation =
    VEXA_TR_NOOP("vexa", "The simulated keyboard saw a protocol violation: %s");

// Programming keyboards as they are plugged in (vexa-cli keyboard watch, the
// editor's Program Keyboards as Plugged In)
inline constexpr std::string_view kStationWaiting = VEXA_TR_NOOP(
    "vexa",
    "Waiting for keyboards: plug one in to write it; Ctrl+C stops (the writes under way are finished).");
inline constexpr std::string_view kStationStopping =
    VEXA_TR_NOOP("vexa", "Stopping: the writes under way are finished first.");
inline constexpr const char* kStationSummary =
    VEXA_TR_NOOP("vexa", "%d written, %d verified, %d unchanged, %d failed.");
inline constexpr const char* kStationLogCannotWrite =
    VEXA_TR_NOOP("vexa", "The log file: <%s> can't be written !!");
inline constexpr const char* kStationMonitorFailed = VEXA_TR_NOOP(
    "vexa", "Plugged keyboards can't be watched: the system's device events are not available (%s)!!");
inline constexpr const char* kStationSimulatedIgnored = VEXA_TR_NOOP("vexa", "Not a keyboard plugged in: %s");
// vexa-cli keyboard write --if-different, and write --verify, on stderr
inline constexpr std::string_view kUnchangedNothingWritten =
    VEXA_TR_NOOP("vexa", "unchanged: the keyboard already holds this template; nothing was written");
inline constexpr std::string_view kVerifiedWritten =
    VEXA_TR_NOOP("vexa", "verified: the keyboard holds the 2048 bytes written");
inline constexpr std::string_view kStationTitle = VEXA_TR_NOOP("vexa", "Program Keyboards as Plugged In");
inline constexpr std::string_view kStationMenuItem =
    VEXA_TR_NOOP("vexa", "Program Keyboards as Plugged &In...");
inline constexpr std::string_view kStationTemplateCurrent = VEXA_TR_NOOP("vexa", "The current template");
inline constexpr std::string_view kStationTemplateFile = VEXA_TR_NOOP("vexa", "A template file:");
inline constexpr std::string_view kStationVerify = VEXA_TR_NOOP("vexa", "Verify after writing");
inline constexpr std::string_view kStationBackup =
    VEXA_TR_NOOP("vexa", "Back up each keyboard's template into:");
inline constexpr std::string_view kStationLog = VEXA_TR_NOOP("vexa", "Log into:");
inline constexpr std::string_view kStationStart = VEXA_TR_NOOP("vexa", "Start");
inline constexpr std::string_view kStationStop = VEXA_TR_NOOP("vexa", "Stop");
inline constexpr std::string_view kStationStateWriting = VEXA_TR_NOOP("vexa", "writing");
inline constexpr std::string_view kStationStateDone = VEXA_TR_NOOP("vexa", "done");
inline constexpr std::string_view kStationStateFailed = VEXA_TR_NOOP("vexa", "failed");
inline constexpr std::string_view kStationMenuPrompt =
    VEXA_TR_NOOP("vexa", "Write a template into every keyboard as it is plugged in");
inline constexpr std::string_view kStationNeedsUsb = VEXA_TR_NOOP(
    "vexa", "Keyboards are programmed as they are plugged in over USB only: choose the USB port at start.");
inline constexpr std::string_view kStationColumns[] = {
    VEXA_TR_NOOP("vexa", "Serial"), VEXA_TR_NOOP("vexa", "State"), VEXA_TR_NOOP("vexa", "Progress"),
    VEXA_TR_NOOP("vexa", "Result")};

// Card reader settings: the warning of each string field
inline constexpr std::string_view kCardDataPrefixError =
    VEXA_TR_NOOP("vexa", "Card data prefix string error!");
inline constexpr std::string_view kCardDataSuffixError =
    VEXA_TR_NOOP("vexa", "Card data suffix string error!");
inline constexpr std::string_view kTrack1PrefixError = VEXA_TR_NOOP("vexa", "Track1 prefix string error!");
inline constexpr std::string_view kTrack1SuffixError = VEXA_TR_NOOP("vexa", "Track1 suffix string error!");
inline constexpr std::string_view kTrack1TerminatorError =
    VEXA_TR_NOOP("vexa", "Track1 field terminator error!");
inline constexpr std::string_view kTrack2PrefixError = VEXA_TR_NOOP("vexa", "Track2 prefix string error!");
inline constexpr std::string_view kTrack2SuffixError = VEXA_TR_NOOP("vexa", "Track2 suffix string error!");
inline constexpr std::string_view kTrack2TerminatorError =
    VEXA_TR_NOOP("vexa", "Track2 field terminator error!");
inline constexpr std::string_view kTrack3PrefixError = VEXA_TR_NOOP("vexa", "Track3 prefix string error!");
inline constexpr std::string_view kTrack3SuffixError = VEXA_TR_NOOP("vexa", "Track3 suffix string error!");
inline constexpr std::string_view kTrack3TerminatorError =
    VEXA_TR_NOOP("vexa", "Track3 field terminator error!");

// Keyboard feature settings dialog (CProperty)
inline constexpr std::string_view kPropertyTitle = VEXA_TR_NOOP("vexa", "Config KB properties");
inline constexpr std::string_view kBreakCodesCheck =
    VEXA_TR_NOOP("vexa", "Send break-code for scan code mode key");
inline constexpr std::string_view kKeyBeepCheck = VEXA_TR_NOOP("vexa", "Enable beeping when a key typed");
inline constexpr std::string_view kSilentUndefinedCheck =
    VEXA_TR_NOOP("vexa", "No beeping if a key is not defined");
inline constexpr std::string_view kSet2TranslationCheck =
    VEXA_TR_NOOP("vexa", "Translate scan code set#2 for PC/AT");
inline constexpr std::string_view kAltNumberCheck =
    VEXA_TR_NOOP("vexa", "Use <Alt>+number key to make ASCII code");
inline constexpr std::string_view kTypematicScanCheck =
    VEXA_TR_NOOP("vexa", "Enable typematic for scan code");
inline constexpr std::string_view kTypematicAsciiCheck =
    VEXA_TR_NOOP("vexa", "Enable typematic for ASCII code");
inline constexpr std::string_view kOposJposCheck = "OPOS/JPOS";
inline constexpr std::string_view kUseSerialPortCheck = VEXA_TR_NOOP("vexa", "Use port");
inline constexpr std::string_view kBaudRateItems[] = {"2400", "4800", "9600", "19200"};
inline constexpr std::string_view kParityItems[] = {"NONE", "EVEN", "ODD"};
inline constexpr std::string_view kDataBitsItems[] = {VEXA_TR_NOOP("vexa", "7 Bits"),
                                                      VEXA_TR_NOOP("vexa", "8 Bits")};
inline constexpr std::string_view kConfigGroup = VEXA_TR_NOOP("vexa", "Config");
inline constexpr std::string_view kKeyboardFeaturesGroup = VEXA_TR_NOOP("vexa", "Keyboard features");
inline constexpr std::string_view kRs232Group = VEXA_TR_NOOP("vexa", "RS232 port");
inline constexpr std::string_view kInterCharDelayLabel = VEXA_TR_NOOP("vexa", "Inter-character delay(mS)");
inline constexpr std::string_view kBaudRateLabel = VEXA_TR_NOOP("vexa", "Baud rate:");
inline constexpr std::string_view kParityLabel = VEXA_TR_NOOP("vexa", "Parity check:");
inline constexpr std::string_view kDataBitsLabel = VEXA_TR_NOOP("vexa", "Bit number:");

// Card reader settings dialog (CMREdit); "seperator" and "beepsat" as the product has them
inline constexpr std::string_view kMrEditTitle = VEXA_TR_NOOP("vexa", "Config MR properties");
inline constexpr std::string_view kCardDataPrefixLabel = VEXA_TR_NOOP("vexa", "Card Data Prefix:");
inline constexpr std::string_view kCardDataSuffixLabel = VEXA_TR_NOOP("vexa", "Card Data Suffix:");
inline constexpr std::string_view kBeepGoodReadCheck = VEXA_TR_NOOP("vexa", "Enable beep at good read");
inline constexpr std::string_view kThreeBeepsErrorCheck =
    VEXA_TR_NOOP("vexa", "Enable 3 beepsat card read error");
inline constexpr std::string_view kSkipTrackWithErrorRadio =
    VEXA_TR_NOOP("vexa", "Skip output of track with error");
inline constexpr std::string_view kNoDataWithErrorRadio =
    VEXA_TR_NOOP("vexa", "No data output with any error");
inline constexpr std::string_view kTrackGroups[] = {VEXA_TR_NOOP("vexa", "Track1 Properties"),
                                                    VEXA_TR_NOOP("vexa", "Track2 Properties"),
                                                    VEXA_TR_NOOP("vexa", "Track3 Properties")};
inline constexpr std::string_view kEnableDataCheck = VEXA_TR_NOOP("vexa", "Enable data");
inline constexpr std::string_view kStartSentinelCheck = VEXA_TR_NOOP("vexa", "Enable start sentinel");
inline constexpr std::string_view kEndSentinelCheck = VEXA_TR_NOOP("vexa", "Enable end sentinel");
inline constexpr std::string_view kLrcCheck = VEXA_TR_NOOP("vexa", "Enable LRC output");
inline constexpr std::string_view kSeparatorChecks[] = {VEXA_TR_NOOP("vexa", "Enable separator"),
                                                        VEXA_TR_NOOP("vexa", "Enable seperator"),
                                                        VEXA_TR_NOOP("vexa", "Enable seperator")};
inline constexpr std::string_view kTrackPrefixLabel = VEXA_TR_NOOP("vexa", "Prefix:");
inline constexpr std::string_view kTrackSuffixLabel = VEXA_TR_NOOP("vexa", "Suffix:");
inline constexpr std::string_view kFieldTerminatorLabel = VEXA_TR_NOOP("vexa", "Field Terminator:");

// Keyboard output test window
inline constexpr std::string_view kKeyCodeTestTitle = VEXA_TR_NOOP("vexa", "Key Code Test Output:");
inline constexpr std::string_view kKeyCodeTestQuit = VEXA_TR_NOOP("vexa", "Quit");
// The way out without a mouse, shown beside the Quit box.
inline constexpr std::string_view kKeyCodeTestQuitByKeys = VEXA_TR_NOOP("vexa", "Esc three times: Quit");

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
