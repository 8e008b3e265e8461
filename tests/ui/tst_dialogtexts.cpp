// Every dialog in every shipped language at its own size: no label, check box,
// radio button, push button or group title is cut off, and the texts are the
// language's own (not English) where a translation is loaded.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <functional>
#include <memory>

#include "EditorFixture.h"
#include "app/CAboutDlg.h"
#include "device/ui/CKeyCodeOutView.h"
#include "device/ui/CSelectConnectedKeyboard.h"
#include "device/ui/CSelectPort.h"
#include "device/ui/CStationDialog.h"
#include "document/CardReaderSettings.h"
#include "document/FeatureSettings.h"
#include "document/FileIo.h"
#include "document/MemoryImage.h"
#include "document/ui/CMREdit.h"
#include "document/ui/CProperty.h"
#include "emulator/SimulatedKeyboard.h"
#include "emulator/VirtualClock.h"
#include "i18n/Translations.h"
#include "models/ui/CDelayTime.h"
#include "models/ui/CInputASCIICode.h"
#include "models/ui/CInputSCanCode.h"
#include "models/ui/CKeyWordTable.h"
#include "models/ui/CSelectKeyboard.h"
#include "models/ui/CShiftLevel.h"

using namespace vexa;

namespace {

// The texts of DIALOG that do not fit the room their widget has.
QStringList CutOffTexts(QWidget& dialog) {
  QStringList cut;
  auto name = [](const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
  };
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->isVisibleTo(&dialog) || label->text().isEmpty() || label->pixmap().isNull() == false)
      continue;
    const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                        : label->width() >= label->sizeHint().width();
    if (!fits) cut << name(label, label->text());
  }
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(&dialog) || button->text().isEmpty()) continue;
    // A push button's own size hint adds a style's minimum width; what must
    // fit is the text with the button's margins. A check box or radio button
    // needs its whole hint (the indicator, the spacing and the text).
    const bool push = qobject_cast<const QPushButton*>(button) != nullptr;
    const int needed =
        push ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) +
                   button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
             : button->sizeHint().width();
    if (button->width() < needed) cut << name(button, button->text());
  }
  // Widgets placed by hand: none may run past the dialog's edge or into a
  // neighbour (a long label under a spin box).
  auto isText = [](const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w);
  };
  auto isField = [&isText](const QWidget* w) {
    return isText(w) || w->inherits("QAbstractSpinBox") || w->inherits("QLineEdit") ||
           w->inherits("QComboBox");
  };
  const QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
  for (const QWidget* w : widgets) {
    if (!w->isVisibleTo(&dialog) || w->isWindow() || !isText(w)) continue;
    const QRect inDialog(w->mapTo(&dialog, QPoint(0, 0)), w->size());
    if (!dialog.rect().contains(inDialog)) cut << name(w, QStringLiteral("past the dialog's edge"));
    for (const QWidget* other : widgets) {
      if (other == w || other->parentWidget() != w->parentWidget() || !other->isVisibleTo(&dialog) ||
          !isField(other))
        continue;
      if (w->geometry().intersects(other->geometry()))
        cut << name(w, QStringLiteral("overlaps ") + QString::fromLatin1(other->metaObject()->className()));
    }
  }
  for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
    if (!box->isVisibleTo(&dialog) || box->title().isEmpty()) continue;
    const int needed = box->fontMetrics().horizontalAdvance(box->title()) + 2 * box->fontMetrics().height();
    if (box->width() < needed) cut << name(box, box->title());
  }
  return cut;
}

struct DialogCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;
};

}  // namespace

class TestDialogTexts : public QObject {
  Q_OBJECT

  // A simulated keyboard for the station dialog's connection.
  QTemporaryDir m_dir;
  std::unique_ptr<SimulatedKeyboard> m_sim;
  VirtualClock m_clock;
  std::unique_ptr<KeyboardConnection> m_connection;
  ScriptedUserInterface m_ui;

  std::vector<DialogCase> Dialogs() {
    return {
        {"feature settings", [] { return std::make_unique<CProperty>(FeatureSettings{}); }},
        {"card reader settings", [this] { return std::make_unique<CMREdit>(CardReaderSettings{}, m_ui); }},
        {"port", [] { return std::make_unique<CSelectPort>(); }},
        {"delay time", [] { return std::make_unique<CDelayTime>(); }},
        {"ASCII code", [] { return std::make_unique<CInputASCIICode>(); }},
        {"scan code", [] { return std::make_unique<CInputSCanCode>(); }},
        {"shift level", [] { return std::make_unique<CShiftLevel>(); }},
        {"select keyboard", [] { return std::make_unique<CSelectKeyboard>(); }},
        {"key word list", [] { return std::make_unique<CKeyWordTable>(); }},
        {"about", [] { return std::make_unique<CAboutDlg>(); }},
        {"connected keyboards",
         [] {
           const std::vector<KeyboardDevice> keyboards{{"/dev/hidraw3", "PX2400U", "A0001"},
                                                       {"/dev/hidraw4", "PX2400U", ""}};
           return std::make_unique<CSelectConnectedKeyboard>(keyboards, true);
         }},
        {"station",
         [this] {
           return std::make_unique<CStationDialog>(
               *m_connection, [](Outcome&) { return std::unique_ptr<HotplugMonitor>(); },
               [](Image&) { return Outcome::Success(); });
         }},
    };
  }

 private slots:
  void initTestCase() {
    Image blank{};
    ResetImage(blank);
    QVERIFY(WriteFileAtomically(m_dir.filePath(QStringLiteral("kb1.bin")).toStdString(),
                                std::string_view(reinterpret_cast<const char*>(blank.data()), blank.size())));
    m_sim = std::make_unique<SimulatedKeyboard>(m_dir.path().toStdString());
    QVERIFY(m_sim->Load(true).ok);
    m_sim->SetClock(&m_clock);
    m_connection =
        std::make_unique<KeyboardConnection>(DeviceEnvironment{&m_sim->Hid(), m_sim.get(), &m_clock, {}, {}});
  }
  void cleanup() { i18n::UnloadTranslations(QCoreApplication::instance()); }

  void nothingIsCutOff_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("dialog");
    const int count = static_cast<int>(Dialogs().size());
    for (const char* language : {"C", "de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"})
      for (int i = 0; i < count; ++i)
        QTest::newRow(qPrintable(
            QStringLiteral("%1 %2").arg(QLatin1String(language), QLatin1String(Dialogs()[size_t(i)].name))))
            << QString::fromLatin1(language) << i;
  }
  void nothingIsCutOff() {
    QFETCH(QString, language);
    QFETCH(int, dialog);
    const QByteArray lang = language.toLatin1();
    const QString loaded = i18n::LoadTranslations(
        QCoreApplication::instance(),
        [&lang](const char* name) { return std::string_view(name) == "LANG" ? lang.constData() : nullptr; },
        {QStringLiteral(VEXA_QM_DIR)});
    QCOMPARE(loaded.isEmpty(), language == QLatin1String("C"));

    std::unique_ptr<QWidget> widget = Dialogs()[size_t(dialog)].make();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    const QStringList cut = CutOffTexts(*widget);
    if (!cut.isEmpty()) QFAIL(qPrintable(QStringLiteral("cut off: ") + cut.join(QStringLiteral(", "))));
  }
};

QTEST_MAIN(TestDialogTexts)
#include "tst_dialogtexts.moc"
