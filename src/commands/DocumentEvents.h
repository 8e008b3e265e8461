// What the command features tell the window about the document after they
// changed it. The application connects these to the frame (caption, command
// states) and the view (editing state, repaint).
#pragma once

#include <functional>

namespace vexa {

struct DocumentEvents {
  // A new template was created or a template file opened: the view gets its
  // initial update.
  std::function<void()> documentReplaced;
  // The model was switched: the view resets its selection and editing state.
  std::function<void()> modelSwitched;
  // Labels or contents were replaced in place (import, Load Default).
  std::function<void()> contentsReplaced;
  // The template was saved: the edit history marks the state it saved.
  std::function<void()> saved;
  // Undo or Redo put an earlier or a later state back: the view shows the
  // restored selection and content.
  std::function<void()> restored;
  // The document title (and so the window caption) may have changed.
  std::function<void()> titleChanged;
  // The user chose Exit and agreed to lose or save the changes.
  std::function<void()> exitRequested;

  static void Fire(const std::function<void()>& event) {
    if (event) event();
  }
};

}  // namespace vexa
