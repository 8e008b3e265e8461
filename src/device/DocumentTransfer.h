// The document's side of a transfer, for the editor's two commands:
//
//   Write Into KB:  conn.WriteIntoKeyboard(WriteSourceFromDocument(doc, selectedKey), progress)
//   Read From KB:   result = conn.ReadFromKeyboard(progress); ApplyReadResult(doc, result)
//
// (the editor splits each into PrepareWrite / PrepareRead on the GUI thread
// and the job's Run on a worker; the source and ApplyReadResult touch the
// document and so run on the GUI thread), then, for both: show result.outcome.message when not empty; when
// result.started, reset the view's editing state (position 0 selected, cursor
// and caret 0, ESC prefix cleared, shift released); after a read also set the
// selected key's mode from its content (ASCII when IsAsciiContent accepts
// it); repaint. The document's modified flag is left alone by both.
#pragma once

#include "device/KeyboardTransfer.h"
#include "document/CVEXADoc.h"

namespace vexa {

// Checks the selected key's content (only that key: the product writes
// templates whose other keys may be unfinished), refuses key data that do not
// fit the keyboard's memory, then builds the image from the key contents.
[[nodiscard]] ImageSource WriteSourceFromDocument(CVEXADoc& doc, int selectedKey);

// A complete read replaces the document's image and key contents (flags as
// after opening a template). A failed read changes nothing: the user's
// template, saved or not, stays exactly as it was.
void ApplyReadResult(CVEXADoc& doc, const TransferResult& result);

}  // namespace vexa
