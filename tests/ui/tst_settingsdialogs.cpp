// The Config KB properties and Config MR properties dialogs and their
// commands: values shown, values returned, what OK and Cancel do to the
// memory image and the modified flag, and the card reader's live warnings.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <algorithm>

#include "base/Messages.h"
#include "commands/CommandRouter.h"
#include "commands/CommandTable.h"
#include "commands/SettingsCommands.h"
#include "document/CVEXADoc.h"
#include "document/SettingsStore.h"
#include "document/ui/CMREdit.h"
#include "document/ui/CProperty.h"
#include "support/ScriptedUserInterface.h"
#include "view/ui/CVEXAView.h"

using namespace vexa;

namespace {

constexpr int kPx2400 = 2013, kDv3100 = 2017, kDv3300 = 2018;

struct Rig {
  explicit Rig(int model, bool usb = false) : m_usb(usb) {
    doc.NewTemplate();
    doc.SwitchModel(model);
    view.State().ResetForInitialUpdate(doc);
    commands.Register(router);
  }
  bool m_usb;
  MemorySettingsStore settings;
  ScriptedUserInterface ui;
  CVEXADoc doc{settings, "."};
  CVEXAView view{doc, ui};
  SettingsCommands commands{doc, view.State(), ui, [this] { return m_usb; },
                            [this](Repaint area) { view.Repaint(area); }};
  CommandRouter router;
  Image& image() { return doc.MemoryImage(); }
};

template <typename W>
W* Find(QWidget& parent, const QString& name) {
  W* widget = parent.findChild<W*>(name);
  if (!widget) qFatal("no widget %s", qPrintable(name));
  return widget;
}

std::vector<std::uint8_t> Bytes(const Image& image, int offset, int count) {
  return {image.begin() + offset, image.begin() + offset + count};
}

}  // namespace

class SettingsDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void propertyShowsAndReturnsValues_data();
  void propertyShowsAndReturnsValues();
  void propertyDelayStaysInRange();
  void configKeyboardWritesTheBytes();
  void configKeyboardCancelChangesNothing();
  void configKeyboardOverUsbKeepsTheSerialPort();
  void mrEditShowsTheImage();
  void mrEditWarnsWhileTyping_data();
  void mrEditWarnsWhileTyping();
  void mrEditWarnsOnKeystrokes();
  void mrEditOkChecksEveryField();
  void configCardReaderWritesInPlace();
  void configCardReaderKeepsNeighbouringFields();
  void configCardReaderOnlyWithACardReader();
};

void SettingsDialogsTest::propertyShowsAndReturnsValues_data() {
  QTest::addColumn<int>("model");
  QTest::addColumn<bool>("usb");
  QTest::addColumn<bool>("serialShown");
  QTest::newRow("one-byte layout") << kPx2400 << false << false;
  QTest::newRow("serial layout, PS/2") << kDv3100 << false << true;
  QTest::newRow("serial layout, USB") << kDv3300 << true << false;
}

void SettingsDialogsTest::propertyShowsAndReturnsValues() {
  QFETCH(int, model);
  QFETCH(bool, usb);
  QFETCH(bool, serialShown);
  Rig rig(model, usb);
  const FeatureSettings in = FeatureSettings::FromImage(rig.image(), rig.doc.Model().featureLayout, usb);
  CProperty dialog(in);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Config KB properties"));

  const std::pair<const char*, bool FeatureSettings::*> checks[] = {
      {"breakCodes", &FeatureSettings::breakCodes},
      {"keyBeep", &FeatureSettings::keyBeep},
      {"silentUndefinedKeys", &FeatureSettings::silentUndefinedKeys},
      {"set2Translation", &FeatureSettings::set2Translation},
      {"altNumberEntry", &FeatureSettings::altNumberEntry},
      {"typematicScanCode", &FeatureSettings::typematicScanCode},
      {"typematicAscii", &FeatureSettings::typematicAscii},
      {"oposJpos", &FeatureSettings::oposJpos},
      {"useSerialPort", &FeatureSettings::useSerialPort},
  };
  for (const auto& [name, member] : checks) QCOMPARE(Find<QCheckBox>(dialog, name)->isChecked(), in.*member);
  QCOMPARE(Find<QComboBox>(dialog, "baudRate")->currentIndex(), in.baudIndex);
  QCOMPARE(Find<QComboBox>(dialog, "parity")->currentText(),
           QString::fromLatin1(msg::kParityItems[in.parityIndex].data()));
  QCOMPARE(dialog.DelayBox()->value(), in.delay);
  QCOMPARE(dialog.SerialGroup()->isVisibleTo(&dialog), serialShown);
  QCOMPARE(dialog.SerialGroup()->isEnabled(), serialShown);

  // Every control flipped comes back flipped; the serial section stays as it was shown.
  for (const auto& [name, member] : checks) Find<QCheckBox>(dialog, name)->toggle();
  Find<QComboBox>(dialog, "baudRate")->setCurrentIndex(3);
  Find<QComboBox>(dialog, "parity")->setCurrentIndex(FeatureSettings::kParityOdd);
  Find<QComboBox>(dialog, "dataBits")->setCurrentIndex(1);
  dialog.DelayBox()->setValue(137);
  const FeatureSettings out = dialog.Values();
  for (const auto& [name, member] : checks) QCOMPARE(out.*member, !(in.*member));
  QCOMPARE(out.baudIndex, 3);
  QCOMPARE(out.parityIndex, int(FeatureSettings::kParityOdd));
  QCOMPARE(out.dataBitsIndex, 1);
  QCOMPARE(out.delay, 137);
  QCOMPARE(out.serialSectionShown, serialShown);
}

void SettingsDialogsTest::propertyDelayStaysInRange() {
  FeatureSettings values;
  values.delay = 250;
  CProperty dialog(values);
  QSpinBox* box = dialog.DelayBox();
  box->stepUp();
  QCOMPARE(box->value(), 250);
  box->setValue(0);
  QCOMPARE(box->value(), 1);
  box->stepDown();
  QCOMPARE(box->value(), 1);
  QCOMPARE(box->maximum(), 250);
}

void SettingsDialogsTest::configKeyboardWritesTheBytes() {
  Rig rig(kDv3100);
  rig.image()[offs::kFeatureFlagsB] = 0xD6;
  FeatureSettings answer = FeatureSettings::FromImage(rig.image(), FeatureLayout::SerialPort, false);
  answer.parityIndex = FeatureSettings::kParityOdd;
  answer.delay = 40;
  rig.ui.featureAnswers.push_back(answer);
  rig.view.State().cursor = 3;
  rig.view.State().caretColumn = 3;

  QVERIFY(rig.router.Execute(cmd::kConfigKeyboard));

  QCOMPARE(rig.ui.featureDialogs.size(), size_t{1});
  QVERIFY(rig.ui.featureDialogs.front().serialSectionShown);
  QCOMPARE(int(rig.image()[offs::kFeatureFlagsB]), 0xDA);
  QCOMPARE(int(rig.image()[offs::kInterCharDelay]), 40);
  QVERIFY(rig.doc.IsModified());
  QCOMPARE(rig.view.State().cursor, 0);
  QCOMPARE(rig.view.State().caretColumn, 0);

  // The one-byte layout: OK without changes keeps the initial bytes.
  Rig px(kPx2400);
  const Image before = px.image();
  px.ui.featureAnswers.push_back(FeatureSettings::FromImage(before, FeatureLayout::OneByte, false));
  QVERIFY(px.router.Execute(cmd::kConfigKeyboard));
  QVERIFY(px.image() == before);
  QVERIFY(px.doc.IsModified());
}

void SettingsDialogsTest::configKeyboardCancelChangesNothing() {
  Rig rig(kDv3100);
  const Image before = rig.image();
  rig.view.State().cursor = 2;
  QVERIFY(rig.router.Execute(cmd::kConfigKeyboard));  // no answer: Cancel
  QVERIFY(rig.image() == before);
  QVERIFY(!rig.doc.IsModified());
  QCOMPARE(rig.view.State().cursor, 2);
}

void SettingsDialogsTest::configKeyboardOverUsbKeepsTheSerialPort() {
  // OK on the real dialog, nothing touched: the hidden serial settings keep
  // their bits (the keyboard's serial port stays on).
  Rig rig(kDv3300, /*usb=*/true);
  rig.image()[offs::kFeatureFlagsA] = 0xFA;  // serial port in use
  const Image before = rig.image();
  FeatureSettings values = FeatureSettings::FromImage(rig.image(), FeatureLayout::SerialPort, true);
  QVERIFY(!values.serialSectionShown);
  CProperty dialog(values);
  QVERIFY(!dialog.SerialGroup()->isVisibleTo(&dialog));
  rig.ui.featureAnswers.push_back(dialog.Values());
  QVERIFY(rig.router.Execute(cmd::kConfigKeyboard));
  QCOMPARE(rig.image()[offs::kFeatureFlagsA], std::uint8_t{0xFA});
  QVERIFY(rig.image() == before);
  QVERIFY(rig.doc.IsModified());
}

void SettingsDialogsTest::mrEditShowsTheImage() {
  Rig rig(kPx2400);
  Image& image = rig.image();
  image[offs::kTrack1Suffix] = 0x0D;
  image[offs::kTrack1Suffix + 1] = 0x0A;
  image[offs::kTrack2Prefix] = 0x5B;
  image[offs::kTrack2Prefix + 1] = 'x';
  image[offs::kTrack1Flags + 2] = 0x7E;  // track 3: data off, LRC on
  image[offs::kFeatureFlagsA] &= ~0x02;  // no data output with any error
  image[offs::kFeatureFlagsB] &= ~0x40;  // no beep at good read
  ScriptedUserInterface ui;
  CMREdit dialog(CardReaderSettings::FromImage(image), ui);

  QCOMPARE(dialog.windowTitle(), QStringLiteral("Config MR properties"));
  QCOMPARE(dialog.Edit(MrField::Track1Suffix)->text(), QStringLiteral("[CR][LF]"));
  QCOMPARE(dialog.Edit(MrField::Track2Prefix)->text(), QStringLiteral("[[x"));
  QCOMPARE(dialog.Edit(MrField::CardDataPrefix)->text(), QString());
  QVERIFY(Find<QCheckBox>(dialog, "check1030")->isChecked());
  QVERIFY(!Find<QCheckBox>(dialog, "check1058")->isChecked());
  QVERIFY(Find<QCheckBox>(dialog, "check1064")->isChecked());
  QVERIFY(!Find<QCheckBox>(dialog, "check1036")->isChecked());
  QCOMPARE(Find<QCheckBox>(dialog, "check1045")->text(), QStringLiteral("Enable seperator"));
  QCOMPARE(Find<QCheckBox>(dialog, "check1070")->text(), QStringLiteral("Enable 3 beepsat card read error"));
  QVERIFY(Find<QRadioButton>(dialog, "radio1080")->isChecked());
  QVERIFY(!Find<QCheckBox>(dialog, "check1069")->isChecked());
  QVERIFY(Find<QCheckBox>(dialog, "check1070")->isChecked());
  QVERIFY(ui.messages.empty());  // filling the dialog warns about nothing
}

void SettingsDialogsTest::mrEditWarnsWhileTyping_data() {
  QTest::addColumn<int>("field");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("warning");
  const auto row = [](const char* name, MrField field, const char* text, std::string_view warning) {
    QTest::newRow(name) << int(field) << QString::fromLatin1(text)
                        << QString::fromLatin1(warning.data(), qsizetype(warning.size()));
  };
  row("card prefix fits", MrField::CardDataPrefix, "ABC[CR]", {});
  row("card prefix 5 bytes", MrField::CardDataPrefix, "ABCD[CR]", msg::kCardDataPrefixError);
  row("card suffix unknown bracket", MrField::CardDataSuffix, "[X]", msg::kCardDataSuffixError);
  row("terminator tab", MrField::Track1Terminator, "[TB]", {});
  row("terminator two bytes", MrField::Track1Terminator, "AB", msg::kTrack1TerminatorError);
  row("escaped bracket", MrField::Track2Prefix, "[[x", {});
  row("track 2 suffix 9 bytes", MrField::Track2Suffix, "123456789", msg::kTrack2SuffixError);
  row("track 3 prefix open bracket", MrField::Track3Prefix, "A[", msg::kTrack3PrefixError);
  row("track 3 terminator", MrField::Track3Terminator, "[LF]x", msg::kTrack3TerminatorError);
  row("empty", MrField::Track1Prefix, "", {});
}

// The warning goes on the red line under the field; nothing modal comes up.
void SettingsDialogsTest::mrEditWarnsWhileTyping() {
  QFETCH(int, field);
  QFETCH(QString, text);
  QFETCH(QString, warning);
  ScriptedUserInterface ui;
  CardReaderSettings values;
  values.Text(static_cast<MrField>(field)) = "Z";  // so that an empty text is a change too
  CMREdit dialog(values, ui);
  QLineEdit* edit = dialog.Edit(static_cast<MrField>(field));
  QLabel* line = dialog.Warning(static_cast<MrField>(field));
  QVERIFY(!line->isVisibleTo(&dialog));
  edit->setText(text);
  QVERIFY(ui.messages.empty());
  QCOMPARE(line->isVisibleTo(&dialog), !warning.isEmpty());
  if (!warning.isEmpty()) {
    QCOMPARE(line->text(), warning);
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  }
  // Only this field's line is shown.
  for (const MrFieldInfo& info : CardReaderSettings::Fields())
    if (info.field != static_cast<MrField>(field)) QVERIFY(!dialog.Warning(info.field)->isVisibleTo(&dialog));
  QCOMPARE(edit->text(), text);  // the check only warns
  QCOMPARE(dialog.Values().Text(static_cast<MrField>(field)), text.toStdString());
}

// Typing "[CR]" passes through "[", "[C" and "[CR", each in error: every
// keystroke must arrive, and the line goes once the word is complete.
void SettingsDialogsTest::mrEditWarnsOnKeystrokes() {
  ScriptedUserInterface ui;
  CMREdit dialog(CardReaderSettings{}, ui);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QLineEdit* edit = dialog.Edit(MrField::Track1Suffix);
  QLabel* line = dialog.Warning(MrField::Track1Suffix);
  const char* typed[] = {"[", "C", "R", "]"};
  const bool inError[] = {true, true, true, false};
  for (size_t i = 0; i < std::size(typed); ++i) {
    QTest::keyClicks(edit, typed[i]);
    QCOMPARE(line->isVisible(), inError[i]);
  }
  QCOMPARE(edit->text(), QStringLiteral("[CR]"));
  QTest::keyClicks(dialog.Edit(MrField::Track2Terminator), "AB");
  QVERIFY(dialog.Warning(MrField::Track2Terminator)->isVisible());
  QVERIFY(ui.messages.empty());
  QCOMPARE(dialog.Edit(MrField::Track2Terminator)->text(), QStringLiteral("AB"));
  QCOMPARE(dialog.Edit(MrField::Track2Terminator)->maxLength(), 5);
  QCOMPARE(dialog.Edit(MrField::Track1Prefix)->maxLength(), 40);
}

// OK checks every field: the first one in error is named in a message box
// and gets the focus, and the dialog stays open; with every field right it closes.
void SettingsDialogsTest::mrEditOkChecksEveryField() {
  const struct {
    const char* name;
    std::vector<std::pair<MrField, const char*>> texts;
    std::string_view message;  // empty: accepted
  } cases[] = {
      {"all right", {{MrField::Track1Suffix, "[CR][LF]"}, {MrField::CardDataPrefix, "%"}}, {}},
      {"one terminator too long", {{MrField::Track3Terminator, "AB"}}, msg::kTrack3TerminatorError},
      {"the first in writing order",
       {{MrField::CardDataSuffix, "[X]"}, {MrField::Track2Prefix, "A["}},
       msg::kTrack2PrefixError},
  };
  for (const auto& c : cases) {
    ScriptedUserInterface ui;
    CMREdit dialog(CardReaderSettings{}, ui);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    for (const auto& [field, text] : c.texts) dialog.Edit(field)->setText(QString::fromLatin1(text));
    dialog.setResult(-1);
    dialog.accept();
    if (c.message.empty()) {
      QVERIFY2(ui.messages.empty(), c.name);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      continue;
    }
    QCOMPARE(ui.messages, std::vector<std::string>{std::string(c.message)});
    QCOMPARE(ui.messageKinds, std::vector<MessageKind>{MessageKind::Warning});
    QVERIFY2(dialog.isVisible(), c.name);
    QCOMPARE(dialog.result(), -1);
    const MrField named = *dialog.Values().FirstFieldInError();
    QCOMPARE(QString::fromLatin1(CardReaderSettings::Info(named).error.data()),
             QString::fromLatin1(c.message.data(), qsizetype(c.message.size())));
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.Edit(named)));
  }
}

void SettingsDialogsTest::configCardReaderWritesInPlace() {
  Rig rig(kPx2400);
  CardReaderSettings answer = CardReaderSettings::FromImage(rig.image());
  answer.tracks[0].suffix = "[CR][LF]";
  answer.tracks[2].suffix = "";
  answer.tracks[1].lrc = true;
  answer.errorHandling = CardReaderSettings::kNoDataWithAnyError;
  answer.beepAtGoodRead = false;
  rig.ui.cardReaderAnswers.push_back(answer);
  rig.image()[offs::kTrack3Suffix] = 'q';  // shown as "q" and then cleared

  QVERIFY(rig.router.Execute(cmd::kConfigCardReader));

  QCOMPARE(rig.ui.cardReaderDialogs.front().tracks[2].suffix, std::string("q"));
  QCOMPARE(Bytes(rig.image(), offs::kTrack1Suffix, 8),
           (std::vector<std::uint8_t>{0x0D, 0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  QCOMPARE(Bytes(rig.image(), offs::kTrack3Suffix, 8),
           (std::vector<std::uint8_t>{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  QCOMPARE(rig.image()[offs::kTrack1Flags + 1] & 0x80, 0);
  QCOMPARE(rig.image()[offs::kFeatureFlagsA] & 0x02, 0);
  QCOMPARE(rig.image()[offs::kFeatureFlagsB] & 0x40, 0);
  QVERIFY(rig.doc.IsModified());
  QCOMPARE(CardReaderSettings::FromImage(rig.image()).tracks[2].suffix, std::string());

  // Cancel: nothing changes, not even the modified flag.
  Rig other(kPx2400);
  const Image before = other.image();
  QVERIFY(other.router.Execute(cmd::kConfigCardReader));
  QVERIFY(other.image() == before);
  QVERIFY(!other.doc.IsModified());
}

void SettingsDialogsTest::configCardReaderKeepsNeighbouringFields() {
  // Texts in error (the dialog's OK refuses them) still never reach beyond
  // their own field when they are written.
  Rig rig(kPx2400);
  ScriptedUserInterface warnings;
  CMREdit dialog(CardReaderSettings::FromImage(rig.image()), warnings);
  dialog.Edit(MrField::Track1Prefix)->setText(QStringLiteral("ABCDEFGHIJ"));
  dialog.Edit(MrField::Track1Terminator)->setText(QStringLiteral("XYZ"));
  dialog.Edit(MrField::CardDataSuffix)->setText(QStringLiteral("[Q][CR]12345"));
  for (MrField field : {MrField::Track1Prefix, MrField::Track1Terminator, MrField::CardDataSuffix})
    QVERIFY(dialog.Warning(field)->isVisibleTo(&dialog));
  const Image before = rig.image();
  rig.ui.cardReaderAnswers.push_back(dialog.Values());
  QVERIFY(rig.router.Execute(cmd::kConfigCardReader));

  const Image& after = rig.image();
  QCOMPARE(Bytes(after, offs::kTrack1Prefix, 8),
           (std::vector<std::uint8_t>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
  // The neighbours hold what their own (empty) texts give: a 0x00 and the rest 0xFF.
  QCOMPARE(Bytes(after, offs::kTrack1Suffix, 8),
           (std::vector<std::uint8_t>{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  QCOMPARE(Bytes(after, offs::kTrack1Terminator, 3), (std::vector<std::uint8_t>{'X', 0, 0}));
  QCOMPARE(Bytes(after, offs::kCardDataSuffix, 4), (std::vector<std::uint8_t>{'[', 'Q', ']', 0x0D}));
  QCOMPARE(Bytes(after, offs::kGroupIndex, 16), Bytes(before, offs::kGroupIndex, 16));
}

void SettingsDialogsTest::configCardReaderOnlyWithACardReader() {
  Rig withReader(kPx2400);
  QVERIFY(withReader.router.IsEnabled(cmd::kConfigCardReader));
  Rig without(kDv3100);
  QVERIFY(!without.router.IsEnabled(cmd::kConfigCardReader));
  QVERIFY(!without.router.Execute(cmd::kConfigCardReader));
  QVERIFY(without.ui.cardReaderDialogs.empty());
  QVERIFY(without.router.IsEnabled(cmd::kConfigKeyboard));
}

QTEST_MAIN(SettingsDialogsTest)
#include "tst_settingsdialogs.moc"
