#include "view/ui/LegendSheetCommands.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <filesystem>

#include "base/Messages.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/UserInterface.h"
#include "document/CVEXADoc.h"
#include "view/LegendSheet.h"
#include "view/qt/LegendSheetPainter.h"
#include "view/qt/LegendSheetWriter.h"

namespace vexa {

LegendSheetCommands::LegendSheetCommands(CVEXADoc& doc, UserInterface& ui, QWidget* dialogParent)
    : m_doc(doc), m_ui(ui), m_dialogParent(dialogParent) {
  m_choosePrinter = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, m_dialogParent);
    return dialog.exec() == QDialog::Accepted;
  };
}

void LegendSheetCommands::Register(CommandRouter& router) {
  router.Register(cmd::kPrint, [this] { Print(); });
  router.Register(cmd::kExportPicture, [this] { ExportPicture(); });
}

void LegendSheetCommands::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLocal8Bit(m_doc.Title()));
  if (!m_choosePrinter || !m_choosePrinter(printer)) return;
  const LegendSheetPainter sheet(BuildLegendSheet(m_doc));
  QPainter painter;
  if (!painter.begin(&printer)) {
    m_ui.Message(std::string(msg::Tr(msg::kPrintFailed)));
    return;
  }
  // The painter's origin is the top left of the printable area.
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  sheet.PaintFitted(painter, QRectF(0, 0, page.width(), page.height()));
  if (!painter.end()) m_ui.Message(std::string(msg::Tr(msg::kPrintFailed)));
}

void LegendSheetCommands::ExportPicture() {
  // Offered beside the template file, under its name, as a PDF.
  std::string suggested;
  if (!m_doc.PathName().empty())
    suggested = std::filesystem::path(m_doc.PathName()).replace_extension(".pdf").string();
  const std::optional<std::string> path = m_ui.ChoosePictureFile(suggested);
  if (!path) return;
  const Outcome written = WriteLegendSheet(BuildLegendSheet(m_doc), *path);
  if (!written.message.empty()) m_ui.Message(written.message);
}

}  // namespace vexa
