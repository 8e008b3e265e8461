// Lays out and draws a legend sheet (view/LegendSheet.h) with QPainter: the
// title, then every key as a box with its label (bold, top left) and its
// content text below it, wrapped by characters into the box. A content that
// does not fit its key even in the smallest type gets a note number in the
// key instead and is written out in full in the notes under the keyboard, so
// that every content can be read on the sheet.
//
// Units: sheet units of 1/96 inch (CSS pixels). The keyboard is drawn 1.5
// times the view's size, so a PX2400 sheet is about as wide as A4 landscape.
// Fonts are sized in pixels, so the layout comes out the same on every paint
// device (image, SVG, PDF, printer) as long as the painter maps sheet units.
// Needs a QGuiApplication (for the fonts).
#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

#include "view/LegendSheet.h"

class QPainter;

namespace vexa {

class LegendSheetPainter {
 public:
  explicit LegendSheetPainter(const LegendSheet& sheet);

  // The whole sheet in sheet units.
  [[nodiscard]] QSizeF Size() const { return m_size; }
  // Draws the sheet with its top-left corner at the painter's origin, one
  // painter unit per sheet unit.
  void Paint(QPainter& painter) const;
  // Draws the sheet scaled to fit `target` (a printer's page), centred
  // horizontally, keeping its proportions.
  void PaintFitted(QPainter& painter, const QRectF& target) const;

  // The notes: the keys whose content is written under the keyboard.
  [[nodiscard]] int NoteCount() const { return m_noteCount; }

 private:
  struct PlacedKey {
    QRectF rect;
    bool openBottom = false;
    qreal topEdgeInset = 0;
    QString label;
    qreal labelSize = 0;
    QStringList lines;  // the content, wrapped
    qreal contentSize = 0;
    int note = 0;  // 1.. when the content stands in the notes
  };

  QString m_title;
  std::vector<PlacedKey> m_keys;
  QStringList m_noteLines;  // wrapped to the sheet width
  qreal m_notesTop = 0;
  int m_noteCount = 0;
  QSizeF m_size;
};

}  // namespace vexa
