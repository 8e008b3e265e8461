// Print... and Export Picture... of the Template menu: the legend sheet of the
// template as it stands (view/LegendSheet.h, drawn by LegendSheetPainter), on
// a printer chosen in the print dialog or as an SVG, PNG or PDF file.
//
// Printing puts the whole sheet on one page, landscape, scaled to fit. The
// print dialog is reached through a replaceable chooser so that tests print
// into a PDF file without a dialog.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

class QPrinter;

namespace vexa {

class CVEXADoc;
class CommandRouter;
class UserInterface;

class LegendSheetCommands {
 public:
  // Set up `printer` (the print dialog); false when the user cancelled.
  using PrinterChooser = std::function<bool(QPrinter& printer)>;

  LegendSheetCommands(CVEXADoc& doc, UserInterface& ui, QWidget* dialogParent);
  void Register(CommandRouter& router);
  void SetPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }

  void Print();
  void ExportPicture();

 private:
  CVEXADoc& m_doc;
  UserInterface& m_ui;
  QPointer<QWidget> m_dialogParent;
  PrinterChooser m_choosePrinter;
};

}  // namespace vexa
