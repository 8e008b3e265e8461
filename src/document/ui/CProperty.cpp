#include "document/ui/CProperty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/Messages.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

QString Q(std::string_view text) { return i18n::FromBytes(text); }

template <size_t N>
QComboBox* MakeList(const char* name, const std::string_view (&items)[N], int current, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (std::string_view item : items) list->addItem(Q(msg::Tr(item)));
  list->setCurrentIndex(current >= 0 && current < static_cast<int>(N) ? current : 0);
  return list;
}

}  // namespace

QCheckBox* CProperty::AddCheck(const char* name, std::string_view text, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(Q(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(checked);
  return box;
}

CProperty::CProperty(const FeatureSettings& values, QWidget* parent) : QDialog(parent), m_initial(values) {
  setWindowTitle(Q(msg::Tr(msg::kPropertyTitle)));

  auto* features = new QGroupBox(Q(msg::Tr(msg::kKeyboardFeaturesGroup)), this);
  auto* featureLayout = new QVBoxLayout(features);
  m_breakCodes = AddCheck("breakCodes", msg::Tr(msg::kBreakCodesCheck), values.breakCodes, features);
  m_keyBeep = AddCheck("keyBeep", msg::Tr(msg::kKeyBeepCheck), values.keyBeep, features);
  m_silentUndefined = AddCheck("silentUndefinedKeys", msg::Tr(msg::kSilentUndefinedCheck),
                               values.silentUndefinedKeys, features);
  m_set2Translation =
      AddCheck("set2Translation", msg::Tr(msg::kSet2TranslationCheck), values.set2Translation, features);
  m_altNumber = AddCheck("altNumberEntry", msg::Tr(msg::kAltNumberCheck), values.altNumberEntry, features);
  m_typematicScan =
      AddCheck("typematicScanCode", msg::Tr(msg::kTypematicScanCheck), values.typematicScanCode, features);
  m_typematicAscii =
      AddCheck("typematicAscii", msg::Tr(msg::kTypematicAsciiCheck), values.typematicAscii, features);
  for (QCheckBox* box : {m_breakCodes, m_keyBeep, m_silentUndefined, m_set2Translation, m_altNumber,
                         m_typematicScan, m_typematicAscii})
    featureLayout->addWidget(box);
  // The delay: a number box with up-down arrows; the arrows and the arrow keys
  // keep it within 1..250.
  m_delay = new QSpinBox(features);
  m_delay->setObjectName(QStringLiteral("interCharacterDelay"));
  m_delay->setRange(FeatureSettings::kDelayMin, FeatureSettings::kDelayMax);
  m_delay->setValue(values.delay);
  m_delay->setMinimumWidth(70);
  auto* delayRow = new QHBoxLayout;
  delayRow->addWidget(m_delay);
  auto* delayLabel = new QLabel(Q(msg::Tr(msg::kInterCharDelayLabel)), features);
  delayLabel->setBuddy(m_delay);
  delayRow->addWidget(delayLabel);
  delayRow->addStretch();
  featureLayout->addLayout(delayRow);

  auto* config = new QGroupBox(Q(msg::Tr(msg::kConfigGroup)), this);
  auto* configLayout = new QVBoxLayout(config);
  m_oposJpos = AddCheck("oposJpos", msg::kOposJposCheck, values.oposJpos, config);
  configLayout->addWidget(m_oposJpos);

  m_serialGroup = new QGroupBox(Q(msg::Tr(msg::kRs232Group)), this);
  m_serialGroup->setObjectName(QStringLiteral("rs232Group"));
  auto* serialLayout = new QFormLayout(m_serialGroup);
  m_useSerialPort =
      AddCheck("useSerialPort", msg::Tr(msg::kUseSerialPortCheck), values.useSerialPort, m_serialGroup);
  serialLayout->addRow(m_useSerialPort);
  m_baud = MakeList("baudRate", msg::kBaudRateItems, values.baudIndex, m_serialGroup);
  m_parity = MakeList("parity", msg::kParityItems, values.parityIndex, m_serialGroup);
  m_dataBits = MakeList("dataBits", msg::kDataBitsItems, values.dataBitsIndex, m_serialGroup);
  serialLayout->addRow(Q(msg::Tr(msg::kBaudRateLabel)), m_baud);
  serialLayout->addRow(Q(msg::Tr(msg::kParityLabel)), m_parity);
  serialLayout->addRow(Q(msg::Tr(msg::kDataBitsLabel)), m_dataBits);
  // Hidden and disabled unless the model has the serial port layout and the
  // keyboard is not on USB.
  m_serialGroup->setVisible(values.serialSectionShown);
  m_serialGroup->setEnabled(values.serialSectionShown);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* right = new QVBoxLayout;
  right->addWidget(config);
  right->addWidget(m_serialGroup);
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(features, 1);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

FeatureSettings CProperty::Values() const {
  FeatureSettings values = m_initial;
  values.breakCodes = m_breakCodes->isChecked();
  values.keyBeep = m_keyBeep->isChecked();
  values.silentUndefinedKeys = m_silentUndefined->isChecked();
  values.set2Translation = m_set2Translation->isChecked();
  values.altNumberEntry = m_altNumber->isChecked();
  values.typematicScanCode = m_typematicScan->isChecked();
  values.typematicAscii = m_typematicAscii->isChecked();
  values.oposJpos = m_oposJpos->isChecked();
  values.useSerialPort = m_useSerialPort->isChecked();
  values.baudIndex = m_baud->currentIndex();
  values.parityIndex = m_parity->currentIndex();
  values.dataBitsIndex = m_dataBits->currentIndex();
  // A number typed into the box counts as the box reports it.
  values.delay = m_delay->value();
  return values;
}

}  // namespace vexa
