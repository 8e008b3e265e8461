// Legend sheets: the SVG, PNG and PDF files (what they hold, their headers and
// sizes), the names refused, and Print and Export Picture in the editor.
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include "EditorFixture.h"
#include "base/Messages.h"
#include "commands/CommandTable.h"
#include "view/LegendSheet.h"
#include "view/qt/LegendSheetPainter.h"
#include "view/qt/LegendSheetWriter.h"
#include "view/ui/LegendSheetCommands.h"

using namespace vexa;

namespace {

constexpr int kDv3300 = 2018;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The texts of an SVG file in document order, joined; false when it does not parse.
bool SvgTexts(const QString& path, QString& texts) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
      texts += xml.readElementText();
  }
  return !xml.hasError();
}

QString Latin1(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

class TestLegendSheet : public QObject {
  Q_OBJECT
 private slots:
  // Every label and every content of a full 176-key template is in the SVG,
  // the long ones in the notes under the keyboard.
  void svgHoldsEveryLabelAndContent() {
    EditorFixture e(kDv3300);
    const LegendSheet sheet = [&] {
      for (int p = 0; p < e.doc().KeyCount(); ++p) {
        const int key = e.doc().KeyMap()[static_cast<size_t>(p)];
        e.doc().Content(key) =
            p % 20 == 0 ? "Long text of key " + std::to_string(p) + " & more[CR]" : "k<" + std::to_string(p);
      }
      return BuildLegendSheet(e.doc());
    }();
    const QString path = QString::fromStdString(e.Path("sheet.svg"));
    QVERIFY(WriteLegendSheet(sheet, path.toStdString()).ok);

    QString texts;
    QVERIFY(SvgTexts(path, texts));
    QVERIFY(QSvgRenderer(path).isValid());
    QVERIFY(texts.contains(QStringLiteral("Template : DV3300")));
    for (const LegendKey& key : sheet.keys) {
      QVERIFY2(texts.contains(Latin1(key.label)), key.label.c_str());
      QVERIFY2(texts.contains(Latin1(key.content)), key.content.c_str());
    }
    QCOMPARE(LegendSheetPainter(sheet).NoteCount(), 9);  // positions 0, 20, ... 160
  }

  void pngAndPdfHeadersAndSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("png") << "sheet.png" << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("PNG in capitals") << "SHEET.PNG" << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("pdf") << "sheet.pdf" << QByteArray("%PDF-");
    QTest::newRow("svg") << "sheet.svg" << QByteArray("<?xml");
  }
  void pngAndPdfHeadersAndSizes() {
    QFETCH(QString, name);
    QFETCH(QByteArray, header);
    EditorFixture e;
    e.doc().Content(e.doc().KeyMap()[0]) = "abc";
    const LegendSheet sheet = BuildLegendSheet(e.doc());
    const QSizeF size = LegendSheetPainter(sheet).Size();
    // A PX2400 sheet: about as wide as A4 landscape at 96 units to the inch.
    QVERIFY(size.width() > 1000 && size.width() < 1150);
    QVERIFY(size.height() > 400 && size.height() < size.width());

    const QString path = QString::fromStdString(e.Path(name.toLatin1().constData()));
    QVERIFY(WriteLegendSheet(sheet, path.toStdString()).ok);
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith(header));
    if (name.endsWith(QLatin1String("png"), Qt::CaseInsensitive)) {
      QImageReader reader(path);
      QCOMPARE(reader.size(), (size * 2).toSize());
    } else if (name.endsWith(QLatin1String("pdf"))) {
      // One page the size of the sheet, in points.
      const QRegularExpressionMatch box =
          QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
              .match(QString::fromLatin1(bytes));
      QVERIFY(box.hasMatch());
      QVERIFY(qAbs(box.captured(1).toDouble() - size.width() * 72 / 96) < 2);
      QVERIFY(qAbs(box.captured(2).toDouble() - size.height() * 72 / 96) < 2);
      QCOMPARE(bytes.count("/Type /Page\n"), 1);
    }
  }

  void refusedNamesWriteNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("knownType");
    QTest::newRow("jpg") << "sheet.jpg" << false;
    QTest::newRow("no extension") << "sheet" << false;
    QTest::newRow("missing folder") << "missing/sheet.svg" << true;
  }
  void refusedNamesWriteNothing() {
    QFETCH(QString, name);
    QFETCH(bool, knownType);
    EditorFixture e;
    const std::string path = e.Path(name.toLatin1().constData());
    const Outcome written = WriteLegendSheet(BuildLegendSheet(e.doc()), path);
    QVERIFY(!written.ok);
    QCOMPARE(
        written.message,
        msg::FormatMessage(knownType ? msg::kPictureCannotWrite : msg::kPictureUnknownType, path.c_str()));
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
  }

  // Printing scales the sheet into the page's printable area, keeping its
  // proportions: nothing is drawn outside it, and the sheet spans its width.
  void fittedSheetStaysOnThePage() {
    EditorFixture e;
    const LegendSheetPainter sheet(BuildLegendSheet(e.doc()));
    QImage page(600, 800, QImage::Format_RGB32);
    page.fill(Qt::gray);
    const QRect target(50, 40, 500, 700);
    {
      QPainter painter(&page);
      sheet.PaintFitted(painter, target);
    }
    const int sheetHeight = static_cast<int>(500 * sheet.Size().height() / sheet.Size().width());
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) {
        const bool onSheet =
            x >= target.left() && x <= target.right() && y >= target.top() && y <= target.top() + sheetHeight;
        if (!onSheet)
          QVERIFY2(page.pixel(x, y) == QColor(Qt::gray).rgb(),
                   qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
      }
    }
    QCOMPARE(page.pixel(target.left() + 1, target.top() + 1), QColor(Qt::white).rgb());
    QCOMPARE(page.pixel(target.right() - 1, target.top() + sheetHeight - 2), QColor(Qt::white).rgb());
  }

  void exportPictureFromTheEditor() {
    EditorFixture e;
    e.doc().Content(e.doc().KeyMap()[0]) = "abc";
    const std::string path = e.Path("legend.png");
    e.ui.fileAnswers.push_back(path);
    e.frame().Dispatch(cmd::kExportPicture);
    QCOMPARE(e.ui.pictureChoosers, std::vector<std::string>{""});  // no template file yet
    QVERIFY(ReadAll(QString::fromStdString(path)).startsWith("\x89PNG"));
    QVERIFY(e.ui.messages.empty());

    // Offered beside the template file, under its name, as a PDF.
    QVERIFY(e.doc().SaveTemplate(e.Path("shop.bin")).ok);
    e.ui.fileAnswers.push_back(e.Path("legend.gif"));
    e.frame().Dispatch(cmd::kExportPicture);
    QCOMPARE(e.ui.pictureChoosers.back(), e.Path("shop.pdf"));
    QCOMPARE(e.ui.messages.size(), size_t{1});
    QVERIFY(!QFile::exists(QString::fromStdString(e.Path("legend.gif"))));
  }

  void printFromTheEditor() {
    EditorFixture e;
    e.doc().Content(e.doc().KeyMap()[0]) = "abc";
    const QString path = QString::fromStdString(e.Path("printed.pdf"));
    bool print = false;
    int asked = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    e.app->LegendCommands().SetPrinterChooser([&](QPrinter& printer) {
      ++asked;
      orientation = printer.pageLayout().orientation();
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      return print;
    });
    e.frame().Dispatch(cmd::kPrint);  // cancelled in the print dialog
    QCOMPARE(asked, 1);
    QCOMPARE(orientation, QPageLayout::Landscape);
    QVERIFY(!QFile::exists(path));
    print = true;
    e.frame().Dispatch(cmd::kPrint);
    QVERIFY(ReadAll(path).startsWith("%PDF-"));
    QVERIFY(e.ui.messages.empty());
  }
};

QTEST_MAIN(TestLegendSheet)
#include "tst_legendsheet.moc"
