// The application: owns the settings store, the one template document, the
// command features, the main frame and its view, and runs the start-up order:
// a new template (or the template file named on the command line), the view's
// first initial update before the window is shown, then the maximised window.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "commands/CommandRouter.h"
#include "commands/DocumentEvents.h"

namespace vexa {

class CKeyCodeOutView;
class CMainFrame;
class Clipboard;
class CVEXADoc;
class CVEXAView;
class DocumentCommands;
class KeyboardCommands;
class KeyEditing;
class LegendSheetCommands;
class ModelCommands;
class SettingsCommands;
class SettingsStore;
class TextTemplateCommands;
class UndoHistory;
class UserInterface;

enum class StartResult {
  Ok,
  OpenFailed,  // the template file of the command line could not be opened (message shown)
  Cancelled,   // the user cancelled at start-up (the port choice): end quietly
  PortFailed,  // the keyboard connection could not be set up (message shown): end with status 1
};

struct StartupOptions {
  std::optional<std::string> templateFile;  // opened instead of a new template
  std::string simulatedKeyboardFile;        // kept for the keyboard transfer commands
  std::string ps2Device;                    // --ps2-device: the PS/2 port's node, already bound
};

class CVEXAApp {
 public:
  // `settings`, `ui` and `clipboard` must outlive the application; without a
  // clipboard the system clipboard is used.
  CVEXAApp(SettingsStore& settings, UserInterface& ui, std::string startupDirectory,
           Clipboard* clipboard = nullptr);
  ~CVEXAApp();

  // Creates or opens the template and gives the view its first initial
  // update. Anything but Ok ends the program.
  [[nodiscard]] StartResult Start(const StartupOptions& options);
  // Shows the main window maximised.
  void Show();

  [[nodiscard]] CVEXADoc& Document() { return *m_doc; }
  [[nodiscard]] CMainFrame& Frame() { return *m_frame; }
  [[nodiscard]] CVEXAView& View() { return *m_view; }
  [[nodiscard]] CommandRouter& Router() { return m_router; }
  [[nodiscard]] DocumentCommands& FileCommands() { return *m_documentCommands; }
  [[nodiscard]] const StartupOptions& Options() const { return m_options; }
  [[nodiscard]] KeyEditing& Editing() { return *m_keyEditing; }
  [[nodiscard]] KeyboardCommands& Keyboard() { return *m_keyboardCommands; }
  [[nodiscard]] CKeyCodeOutView& OutputTest() { return *m_outputTest; }
  [[nodiscard]] UndoHistory& History() { return *m_history; }
  [[nodiscard]] LegendSheetCommands& LegendCommands() { return *m_legendSheet; }

 private:
  void UpdateCaption();

  SettingsStore& m_settings;
  UserInterface& m_ui;
  StartupOptions m_options;
  CommandRouter m_router;
  DocumentEvents m_events;
  std::unique_ptr<CVEXADoc> m_doc;
  std::unique_ptr<DocumentCommands> m_documentCommands;
  std::unique_ptr<ModelCommands> m_modelCommands;
  std::unique_ptr<TextTemplateCommands> m_textCommands;
  std::unique_ptr<Clipboard> m_systemClipboard;  // when none was given
  std::unique_ptr<CMainFrame> m_frame;
  CVEXAView* m_view = nullptr;  // owned by the frame
  std::unique_ptr<UndoHistory> m_history;
  std::unique_ptr<KeyEditing> m_keyEditing;  // keystrokes and the Key Edit commands
  std::unique_ptr<KeyboardCommands> m_keyboardCommands;
  std::unique_ptr<SettingsCommands> m_settingsCommands;
  std::unique_ptr<LegendSheetCommands> m_legendSheet;
  CKeyCodeOutView* m_outputTest = nullptr;  // owned by the view
  bool m_closeAfterTransfer = false;        // the window was closed while a transfer ran
};

}  // namespace vexa
