#include "view/qt/LegendSheetWriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "base/Messages.h"
#include "document/FileIo.h"
#include "view/qt/LegendSheetPainter.h"

namespace vexa {

namespace {

constexpr int kSheetDpi = 96;  // a sheet unit is 1/96 inch
constexpr int kPngPixelsPerUnit = 2;

bool PaintSvg(const LegendSheetPainter& painter, QIODevice& out, const QString& title) {
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setResolution(kSheetDpi);
  svg.setSize(painter.Size().toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), painter.Size()));
  svg.setTitle(title);
  QPainter p;
  if (!p.begin(&svg)) return false;
  painter.Paint(p);
  return p.end();
}

bool PaintPng(const LegendSheetPainter& painter, QIODevice& out) {
  const QSize size = (painter.Size() * kPngPixelsPerUnit).toSize();
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMeter = static_cast<int>(std::lround(kSheetDpi * kPngPixelsPerUnit / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter p;
  if (!p.begin(&image)) return false;
  p.scale(kPngPixelsPerUnit, kPngPixelsPerUnit);
  painter.Paint(p);
  if (!p.end()) return false;
  return image.save(&out, "PNG");
}

bool PaintPdf(const LegendSheetPainter& painter, QIODevice& out, const QString& title) {
  QPdfWriter pdf(&out);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("VEXA"));
  pdf.setResolution(kSheetDpi);
  const QSizeF inches = painter.Size() / kSheetDpi;
  pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter p;
  if (!p.begin(&pdf)) return false;
  painter.Paint(p);
  return p.end();
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

Outcome WriteLegendSheet(const LegendSheet& sheet, const std::string& path) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kPictureUnknownType), path.c_str()));
  const Outcome cannotWrite =
      Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kPictureCannotWrite), path.c_str()));

  // The picture is painted in memory, then saved as every other file is
  // (links, modes, the atomic replace), so a failed export leaves an older
  // picture as it was.
  QByteArray bytes;
  QBuffer file(&bytes);
  if (!file.open(QIODevice::WriteOnly)) return cannotWrite;
  const LegendSheetPainter painter(sheet);
  const QString title = QString::fromLocal8Bit(sheet.title);
  bool painted = false;
  switch (*format) {
    case PictureFormat::Svg:
      painted = PaintSvg(painter, file, title);
      break;
    case PictureFormat::Png:
      painted = PaintPng(painter, file);
      break;
    case PictureFormat::Pdf:
      painted = PaintPdf(painter, file, title);
      break;
  }
  file.close();
  if (!painted) return cannotWrite;
  std::string error;
  if (!WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                           &error))
    return Outcome::Failure(cannotWrite.message +
                            (error == msg::Tr(msg::kLinkOfAnotherUser) ? "\n" + error : ""));
  return Outcome::Success();
}

}  // namespace vexa
