// The code entry dialogs: their titles, start values and ranges, what OK and
// Cancel return, and the ASCII code dialog's refusals.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "base/Messages.h"
#include "models/CodeEntry.h"
#include "models/ui/CDelayTime.h"
#include "models/ui/CInputASCIICode.h"
#include "models/ui/CInputSCanCode.h"
#include "models/ui/CShiftLevel.h"

using namespace vexa;

class TestCodeEntry : public QObject {
  Q_OBJECT
 private slots:
  void spinDialogs_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("max");
    QTest::newRow("delay") << 0 << "Put Delay Time" << 100;
    QTest::newRow("shift level") << 1 << "Put Shift Level Code" << 9;
  }
  void spinDialogs() {
    QFETCH(int, which);
    QFETCH(QString, title);
    QFETCH(int, max);
    auto run = [&](auto& dialog) {
      QCOMPARE(dialog.windowTitle(), title);
      QSpinBox* spin = dialog.Spin();
      QCOMPARE(spin->value(), 1);
      QCOMPARE(spin->minimum(), 1);
      QCOMPARE(spin->maximum(), max);
      dialog.show();
      // The arrow keys step the value and stop at the ends of the range.
      spin->setFocus();
      QTest::keyClick(spin, Qt::Key_Down);
      QCOMPARE(spin->value(), 1);
      for (int i = 0; i < max + 5; ++i) QTest::keyClick(spin, Qt::Key_Up);
      QCOMPARE(spin->value(), max);
      spin->setValue(5);
      dialog.OkButton()->click();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.Value(), 5);
    };
    if (which == 0) {
      CDelayTime dialog;
      run(dialog);
    } else {
      CShiftLevel dialog;
      run(dialog);
    }
  }

  void delayUnchangedReturnsOne() {
    CDelayTime dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Value(), 1);
    QCOMPARE(CodeEntry::DelayWord(dialog.Value()), std::string("[Delay1]"));
  }

  void cancelEndsWithoutValue() {
    CShiftLevel dialog;
    dialog.show();
    dialog.CancelButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  void asciiCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");
    QTest::newRow("65") << "65" << true << "";
    QTest::newRow("240") << "240" << true << "";
    QTest::newRow("241") << "241" << false << "Please enter an integer between 1 and 240.";
    QTest::newRow("0") << "0" << false << "Please enter an integer between 1 and 240.";
    QTest::newRow("256") << "256" << false << "Please enter an integer between 0 and 255.";
    QTest::newRow("abc") << "abc" << false << "Please enter an integer between 0 and 255.";
    QTest::newRow("empty") << "" << false << "Please enter an integer between 0 and 255.";
  }
  void asciiCode() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    CInputASCIICode dialog;
    QStringList shown;
    dialog.SetMessageSink([&](const std::string& text) { shown << QString::fromStdString(text); });
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Input ASCII Code"));
    dialog.SetValue(CodeEntry::kAsciiInitial);
    QCOMPARE(dialog.Field()->text(), QStringLiteral("32"));
    dialog.show();
    dialog.Field()->setFocus();
    dialog.Field()->selectAll();
    QTest::keyClicks(dialog.Field(), typed);
    if (typed.isEmpty()) dialog.Field()->clear();
    dialog.OkButton()->click();
    if (accepted) {
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
      QCOMPARE(dialog.Value(), typed.toInt());
      QVERIFY(shown.isEmpty());
    } else {
      QVERIFY(dialog.isVisible());
      QCOMPARE(shown, QStringList{message});
      // The field is selected for the next try.
      QCOMPARE(dialog.Field()->selectedText(), dialog.Field()->text());
    }
  }

  // "ASCII code:" keeps a gap to its field, whatever the system font.
  void asciiCodeLabelKeepsAGap() {
    const QFont original = QApplication::font();
    for (int points : {9, 12, 16}) {
      QFont font = original;
      font.setPointSize(points);
      QApplication::setFont(font);
      CInputASCIICode sized;
      QApplication::setFont(original);
      QLabel* label = nullptr;
      for (QLabel* l : sized.findChildren<QLabel*>())
        if (l->text() == QStringLiteral("ASCII code:")) label = l;
      QVERIFY(label);
      const int gap = sized.Field()->geometry().left() - label->geometry().right() - 1;
      QVERIFY2(gap >= QFontMetrics(sized.font()).averageCharWidth(), qPrintable(QString::number(gap)));
      QCOMPARE(label->buddy(), static_cast<QWidget*>(sized.Field()));
      QVERIFY(sized.Field()->geometry().right() < sized.OkButton()->geometry().left());
    }
  }

  void scanCodeList() {
    CInputSCanCode dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Input Scan Code"));
    QComboBox* combo = dialog.Combo();
    QVERIFY(combo->isEditable());
    const auto list = CodeEntry::ScanCodeList();
    QCOMPARE(combo->count(), static_cast<int>(list.size()));
    for (int i = 0; i < combo->count(); ++i)
      QCOMPARE(combo->itemText(i).toStdString(), std::string(list[static_cast<size_t>(i)]));
    QCOMPARE(combo->currentText(), QStringLiteral("[F6]"));
    QCOMPARE(combo->currentIndex(), 5);
  }

  void scanCodeValue_data() {
    QTest::addColumn<QString>("picked");  // a list entry to pick, or empty
    QTest::addColumn<QString>("typed");   // else this is typed into the field
    QTest::addColumn<QString>("value");
    QTest::newRow("unchanged") << "[F6]"
                               << ""
                               << "[F6]";
    QTest::newRow("picked") << "[Forward]"
                            << ""
                            << "[Forward]";
    QTest::newRow("typed non-word") << ""
                                    << "[a]"
                                    << "[a]";
    QTest::newRow("typed lower case") << ""
                                      << "[f6]"
                                      << "[f6]";
    QTest::newRow("typed prefix of a word") << ""
                                            << "[Alt"
                                            << "[Alt";
  }
  void scanCodeValue() {
    QFETCH(QString, picked);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    CInputSCanCode dialog;
    dialog.show();
    QComboBox* combo = dialog.Combo();
    if (!picked.isEmpty()) {
      combo->setCurrentIndex(combo->findText(picked));
    } else {
      combo->lineEdit()->selectAll();
      QTest::keyClicks(combo->lineEdit(), typed);
    }
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(dialog.Value()), value);
    QCOMPARE(combo->count(), static_cast<int>(CodeEntry::ScanCodeList().size()));  // nothing added
  }

  void scanCodeEmptyEntry() {
    CInputSCanCode dialog;
    const int empty = static_cast<int>(CodeEntry::ScanCodeList().size()) - 22;
    QCOMPARE(dialog.Combo()->itemText(empty), QString());
    dialog.Combo()->setCurrentIndex(empty);
    QCOMPARE(dialog.Value(), std::string());
    // An opening value that no entry begins with stands in the field.
    dialog.SetValue("[x");
    QCOMPARE(dialog.Value(), std::string("[x"));
    dialog.SetValue("[pad");
    QCOMPARE(dialog.Value(), std::string("[PAD0]"));
  }
};

QTEST_MAIN(TestCodeEntry)
#include "tst_codeentry.moc"
