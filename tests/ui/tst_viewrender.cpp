// The layout view as painted and as clicked: pixels of the grabbed view at the
// layout's coordinates, and selection by mouse and arrow keys on every model.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "EditorFixture.h"
#include "app/DarkPalette.h"
#include "models/KeyLayout.h"
#include "view/ViewColours.h"

using namespace vexa;

namespace {

QImage Render(CVEXAView& view, QSize size = QSize(800, 400)) {
  view.resize(size);
  QImage image(view.size(), QImage::Format_RGB32);
  QPainter painter(&image);
  view.PaintView(painter);
  return image;
}

// Whether any pixel of the rectangle has the colour.
bool HasColour(const QImage& image, QRect area, QColor colour) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

QRect LabelArea(const CVEXADoc& doc, int position) {
  const KeyRect& r = doc.KeyRects()[static_cast<size_t>(position)];
  return {r.left + 3, r.top + 2, 14, 14};
}

QPoint Centre(const CVEXADoc& doc, int position) {
  const KeyRect& r = doc.KeyRects()[static_cast<size_t>(position)];
  return {r.left + r.width / 2, r.top + r.height / 2};
}

const QColor kBlue(0, 0, 255), kGreen(30, 150, 0), kRed(255, 0, 0);

}  // namespace

class TestViewRender : public QObject {
  Q_OBJECT
 private slots:
  void fillFrameAndContentBox() {
    EditorFixture e;
    const QImage image = Render(e.view());
    QCOMPARE(image.pixelColor(400, 385), e.view().palette().color(QPalette::Window));  // below everything
    QCOMPARE(image.pixelColor(0, 200), QColor(Qt::black));                             // outline of the fill
    QCOMPARE(image.pixelColor(730, 150), QColor(Qt::black));  // keyboard frame, right edge
    QCOMPARE(image.pixelColor(729, 150), QColor(Qt::white));  // its white inner outline
    QCOMPARE(image.pixelColor(600, 340), QColor(Qt::white));  // content box inside
    QCOMPARE(image.pixelColor(95, 340), QColor(Qt::black));   // content box outline
    QCOMPARE(image.pixelColor(99, 347), QColor(Qt::black));   // caret at column 0
  }

  // Esc shows "ESC" in the information area until the next key uses it up.
  void pendingEscIsShown() {
    EditorFixture e;
    const QRect mark(420, 310, 21, 16);
    QVERIFY(!HasColour(Render(e.view()), mark, kBlue));
    ViewState& state = e.view().State();
    state.escPrefix = true;
    QVERIFY(HasColour(Render(e.view()), mark, kBlue));
    state.escPrefix = false;
    QVERIFY(!HasColour(Render(e.view()), mark, kBlue));
  }

  void labelColoursFollowTheKeyState_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("defined");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("blank") << QByteArray() << 1 << QColor(Qt::black);
    QTest::newRow("defined") << QByteArray("q") << 1 << kBlue;
    QTest::newRow("modified") << QByteArray("q") << 0 << kGreen;
  }
  void labelColoursFollowTheKeyState() {
    QFETCH(QByteArray, content);
    QFETCH(int, defined);
    QFETCH(QColor, colour);
    EditorFixture e;
    const int position = 16;  // "Q"
    const int key = e.doc().KeyMap()[position];
    e.doc().Content(key) = content.toStdString();
    e.doc().DefinedFlags()[static_cast<size_t>(key)] = defined;
    const QImage image = Render(e.view());
    QVERIFY(HasColour(image, LabelArea(e.doc(), position), colour));
    for (const QColor& other : {kBlue, kGreen}) {
      if (other != colour) QVERIFY(!HasColour(image, LabelArea(e.doc(), position), other));
    }
  }

  void selectedKeyHasTwoPixelOutline() {
    EditorFixture e;
    const QPoint c = Centre(e.doc(), 20);
    QTest::mouseClick(&e.view(), Qt::LeftButton, {}, c);
    const KeyRect r = e.doc().KeyRects()[20];
    const QImage image = Render(e.view());
    const int midY = r.top + r.height / 2;
    QCOMPARE(image.pixelColor(r.left, midY), QColor(Qt::black));
    QCOMPARE(image.pixelColor(r.left - 1, midY), QColor(Qt::black));
    QCOMPARE(image.pixelColor(r.left + r.width, midY), QColor(Qt::black));
    QCOMPARE(image.pixelColor(r.left + r.width - 1, midY), QColor(Qt::black));
    // An unselected key: white left edge, one pixel.
    const KeyRect o = e.doc().KeyRects()[21];
    QCOMPARE(image.pixelColor(o.left, o.top + o.height / 2), QColor(Qt::white));
  }

  void refusedArrowShowsErrorLineAndRefusedClickAsks() {
    EditorFixture e;
    e.doc().Content(e.doc().KeyMap()[0]) = "[F1]a";
    e.view().setFocus();
    QTest::keyClick(&e.view(), Qt::Key_Down);
    QCOMPARE(e.view().State().selectedPosition, 0);
    const QImage refused = Render(e.view());
    QVERIFY(HasColour(refused, QRect(100, 350, 280, 16), kRed));
    QVERIFY(HasColour(refused, QRect(100, 366, 280, 16), kRed));  // which key and word
    QTest::mouseClick(&e.view(), Qt::LeftButton, {}, Centre(e.doc(), 5));
    QCOMPARE(e.view().State().selectedPosition, 0);
    QCOMPARE(e.ui.messages,
             std::vector<std::string>{"Wrong function word or scan code word!!\nKey `: the scan "
                                      "code word [F1] can't be mixed with characters or ASCII "
                                      "mode words."});
  }

  void selectionByMouseAndArrows_data() {
    QTest::addColumn<int>("model");
    for (int m = 2013; m <= 2018; ++m) QTest::newRow(qPrintable(QString::number(m))) << m;
  }
  void selectionByMouseAndArrows() {
    QFETCH(int, model);
    EditorFixture e(model);
    CVEXAView& view = e.view();
    view.resize(800, 400);
    const int last = e.doc().KeyCount() - 1;
    QTest::mouseClick(&view, Qt::LeftButton, {}, Centre(e.doc(), last));
    QCOMPARE(view.State().selectedPosition, last);
    QVERIFY(view.hasFocus() || !view.isVisible());
    struct Move {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      int direction;  // -1: no move
    } moves[] = {{Qt::Key_Up, {}, 2},
                 {Qt::Key_Down, {}, 3},
                 {Qt::Key_Left, Qt::ShiftModifier, 0},
                 {Qt::Key_Right, Qt::ShiftModifier, 1},
                 {Qt::Key_Left, {}, -1},
                 {Qt::Key_Right, {}, -1}};
    for (const Move& m : moves) {
      const int from = view.State().selectedPosition;
      QTest::keyClick(&view, m.key, m.modifiers);
      const int want = m.direction < 0 ? from : Neighbour(model, m.direction, from);
      QCOMPARE(view.State().selectedPosition, want);
      QCOMPARE(view.State().selectedKey, e.doc().KeyMap()[static_cast<size_t>(want)]);
    }
    if (model <= 2015) {
      QTest::mouseClick(&view, Qt::LeftButton, {}, Centre(e.doc(), 28));
      QCOMPARE(view.State().selectedPosition, 41);
      // Both parts of the Enter key are drawn bold.
      const KeyRect u = e.doc().KeyRects()[28];
      QCOMPARE(Render(view).pixelColor(u.left - 1, u.top + u.height / 2), QColor(Qt::black));
    }
  }

  void contentBoxClickMovesCaret() {
    EditorFixture e;
    e.doc().Content(e.doc().KeyMap()[0]) = "abcdefgh";
    QTest::mouseClick(&e.view(), Qt::LeftButton, {}, QPoint(99 + 7 * 5 + 3, 340));
    QCOMPARE(e.view().State().cursor, 5);
    const QImage image = Render(e.view());
    QCOMPARE(image.pixelColor(99 + 35 + 2, 347), QColor(Qt::black));
    QVERIFY(image.pixelColor(99 + 2, 347) != QColor(Qt::black));
  }

  // Zoomed to fit, a click at the middle of the key as drawn selects that key
  // on every model, and the selected key's outline is drawn where the zoom
  // puts its left edge.
  void clickSelectsTheKeyDrawnAtEveryZoom_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<QSize>("size");
    for (int m : {2013, 2016, 2018})
      for (QSize size : {QSize(760, 420), QSize(1024, 688), QSize(1366, 705), QSize(1920, 1003)})
        QTest::addRow("%d at %dx%d", m, size.width(), size.height()) << m << size;
  }
  void clickSelectsTheKeyDrawnAtEveryZoom() {
    QFETCH(int, model);
    QFETCH(QSize, size);
    EditorFixture e(model);
    CVEXAView& view = e.view();
    view.resize(size);
    QCOMPARE(view.Zoom().Scale(), std::max(1.0, std::min(size.width() / 760.0, size.height() / 420.0)));
    for (int p = 0; p < e.doc().KeyCount(); ++p) {
      const KeyRect& r = e.doc().KeyRects()[static_cast<size_t>(p)];
      const QRect drawn = view.ToDevice(QRect(r.left, r.top, r.width, r.height));
      QTest::mouseClick(&view, Qt::LeftButton, {}, drawn.center());
      const int want = (model <= 2015 && p == 28) ? 41 : p;
      QCOMPARE(view.State().selectedPosition, want);
      // A click on the left edge as drawn selects nothing new.
      const int before = view.State().selectedPosition;
      QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(drawn.left(), drawn.center().y()));
      if (p != 0 && !(model <= 2015 && (p == 28 || p == 41))) QCOMPARE(view.State().selectedPosition, before);
    }
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.ToDevice(Centre(e.doc(), 0)));
    const KeyRect& r = e.doc().KeyRects()[0];
    const QImage image = Render(view, size);
    const QPoint edge = view.ToDevice(QPoint(r.left, r.top + r.height / 2));
    QCOMPARE(image.pixelColor(edge), view.palette().color(QPalette::WindowText));
    QCOMPARE(image.pixelColor(view.ToDevice(QPoint(400, 385))), view.palette().color(QPalette::Window));
  }

  // The view takes the palette's colours, and a new palette at once: on a
  // dark one the key labels of every state stand out by 4.5:1 or more.
  void followsADarkPalette() {
    EditorFixture e;
    e.doc().Content(e.doc().KeyMap()[1]) = "q";  // modified (green)
    e.doc().DefinedFlags()[static_cast<size_t>(e.doc().KeyMap()[2])] = 1;
    e.doc().Content(e.doc().KeyMap()[2]) = "w";  // defined (blue)
    e.view().setPalette(DarkPalette());
    const QImage image = Render(e.view());
    const QColor window = DarkPalette().color(QPalette::Window);
    QCOMPARE(image.pixelColor(400, 385), window);
    const auto rgb = [](QColor c) {
      return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                 static_cast<std::uint8_t>(c.blue())};
    };
    // The most contrasting pixel of each label: its glyphs' colour.
    for (int p : {0, 1, 2}) {
      double best = 1;
      const QRect area = LabelArea(e.doc(), p);
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
          best = std::max(best, ContrastRatio(rgb(image.pixelColor(x, y)), rgb(window)));
      QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("position %1: contrast %2").arg(p).arg(best)));
    }
    QVERIFY(e.view().Colours().modified != colours::kGreen);  // green itself reads 3.6:1 there
    e.view().setPalette(QPalette());                          // and back
    QCOMPARE(Render(e.view()).pixelColor(400, 385), QPalette().color(QPalette::Window));
  }
};

QTEST_MAIN(TestViewRender)
#include "tst_viewrender.moc"
