#include "document/ui/CMREdit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "base/Messages.h"
#include "commands/UserInterface.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

QString Q(std::string_view text) { return i18n::FromBytes(text); }

const QColor kWarningColour(255, 0, 0);

// The texts are 8-bit, one character per byte.
QString FromBytes(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToBytes(const QString& text) { return text.toLatin1().toStdString(); }

QCheckBox* MakeCheck(std::string_view text, const QString& name, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(Q(text), parent);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

// The three edits of a track, in the order prefix, suffix, field terminator.
constexpr MrField kTrackFields[3][3] = {
    {MrField::Track1Prefix, MrField::Track1Suffix, MrField::Track1Terminator},
    {MrField::Track2Prefix, MrField::Track2Suffix, MrField::Track2Terminator},
    {MrField::Track3Prefix, MrField::Track3Suffix, MrField::Track3Terminator},
};

// Each edit sits in a box with its warning line, so the row's label names
// the box: the edit gets the label's text as its accessible name, and the
// label's mnemonic focuses the edit.
void NameEditsByRowLabels(QFormLayout& form) {
  for (int row = 0; row < form.rowCount(); ++row) {
    QLayoutItem* labelItem = form.itemAt(row, QFormLayout::LabelRole);
    QLayoutItem* fieldItem = form.itemAt(row, QFormLayout::FieldRole);
    auto* label = labelItem ? qobject_cast<QLabel*>(labelItem->widget()) : nullptr;
    QLineEdit* edit =
        fieldItem && fieldItem->widget() ? fieldItem->widget()->findChild<QLineEdit*>() : nullptr;
    if (!label || !edit) continue;
    label->setBuddy(edit);
    edit->setAccessibleName(label->text().remove(QLatin1Char('&')));
  }
}

}  // namespace

QWidget* CMREdit::MakeEdit(MrField field, const CardReaderSettings& values, QWidget* parent) {
  const MrFieldInfo& info = CardReaderSettings::Info(field);
  auto* box = new QWidget(parent);
  auto* edit = new QLineEdit(FromBytes(values.Text(field)), box);
  edit->setObjectName(QStringLiteral("edit%1").arg(info.controlId));
  edit->setMaxLength(info.maxChars);
  auto* warning = new QLabel(Q(msg::Tr(info.error)), box);
  warning->setObjectName(QStringLiteral("warning%1").arg(info.controlId));
  QPalette palette = warning->palette();
  palette.setColor(QPalette::WindowText, kWarningColour);
  warning->setPalette(palette);
  // The line keeps its place while hidden, so the dialog does not jump as
  // the user types.
  QSizePolicy policy = warning->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  warning->setSizePolicy(policy);
  warning->hide();
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(1);
  column->addWidget(edit);
  column->addWidget(warning);
  m_edits[static_cast<size_t>(field)] = edit;
  m_warnings[static_cast<size_t>(field)] = warning;
  return box;
}

CMREdit::CMREdit(const CardReaderSettings& values, UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_initial(values) {
  setWindowTitle(Q(msg::Tr(msg::kMrEditTitle)));

  auto* trackRow = new QHBoxLayout;
  for (int t = 0; t < 3; ++t) {
    const MrTrack& track = values.tracks[static_cast<size_t>(t)];
    const int idBase = 14 * t;  // the control ids of track n are track 1's + 14 (n - 1)
    auto* group = new QGroupBox(Q(msg::Tr(msg::kTrackGroups[t])), this);
    auto* layout = new QVBoxLayout(group);
    TrackChecks& checks = m_tracks[static_cast<size_t>(t)];
    checks.data = MakeCheck(msg::Tr(msg::kEnableDataCheck), QStringLiteral("check%1").arg(1030 + idBase),
                            track.data, group);
    checks.startSentinel =
        MakeCheck(msg::Tr(msg::kStartSentinelCheck), QStringLiteral("check%1").arg(1034 + idBase),
                  track.startSentinel, group);
    checks.endSentinel = MakeCheck(msg::Tr(msg::kEndSentinelCheck),
                                   QStringLiteral("check%1").arg(1038 + idBase), track.endSentinel, group);
    checks.lrc =
        MakeCheck(msg::Tr(msg::kLrcCheck), QStringLiteral("check%1").arg(1036 + idBase), track.lrc, group);
    checks.separator = MakeCheck(msg::Tr(msg::kSeparatorChecks[t]),
                                 QStringLiteral("check%1").arg(1031 + idBase), track.separator, group);
    for (QCheckBox* box :
         {checks.data, checks.startSentinel, checks.endSentinel, checks.lrc, checks.separator})
      layout->addWidget(box);
    auto* form = new QFormLayout;
    form->addRow(Q(msg::Tr(msg::kTrackPrefixLabel)), MakeEdit(kTrackFields[t][0], values, group));
    form->addRow(Q(msg::Tr(msg::kTrackSuffixLabel)), MakeEdit(kTrackFields[t][1], values, group));
    form->addRow(Q(msg::Tr(msg::kFieldTerminatorLabel)), MakeEdit(kTrackFields[t][2], values, group));
    NameEditsByRowLabels(*form);
    layout->addLayout(form);
    trackRow->addWidget(group);
  }

  auto* card = new QFormLayout;
  card->addRow(Q(msg::Tr(msg::kCardDataPrefixLabel)), MakeEdit(MrField::CardDataPrefix, values, this));
  card->addRow(Q(msg::Tr(msg::kCardDataSuffixLabel)), MakeEdit(MrField::CardDataSuffix, values, this));
  NameEditsByRowLabels(*card);

  m_beepGoodRead =
      MakeCheck(msg::Tr(msg::kBeepGoodReadCheck), QStringLiteral("check1069"), values.beepAtGoodRead, this);
  m_threeBeeps = MakeCheck(msg::Tr(msg::kThreeBeepsErrorCheck), QStringLiteral("check1070"),
                           values.threeBeepsAtError, this);
  m_skipTrack = new QRadioButton(Q(msg::Tr(msg::kSkipTrackWithErrorRadio)), this);
  m_skipTrack->setObjectName(QStringLiteral("radio1079"));
  m_noData = new QRadioButton(Q(msg::Tr(msg::kNoDataWithErrorRadio)), this);
  m_noData->setObjectName(QStringLiteral("radio1080"));
  (values.errorHandling == CardReaderSettings::kNoDataWithAnyError ? m_noData : m_skipTrack)
      ->setChecked(true);

  auto* options = new QGridLayout;
  options->addWidget(m_beepGoodRead, 0, 0);
  options->addWidget(m_threeBeeps, 1, 0);
  options->addWidget(m_skipTrack, 0, 1);
  options->addWidget(m_noData, 1, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(trackRow);
  layout->addLayout(card);
  layout->addLayout(options);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Connected after the texts were filled in: only the user's changes are checked.
  for (const MrFieldInfo& info : CardReaderSettings::Fields()) {
    const MrField field = info.field;
    connect(Edit(field), &QLineEdit::textChanged, this, [this, field] { CheckEdit(field); });
  }
}

void CMREdit::CheckEdit(MrField field) {
  const std::string text = ToBytes(Edit(field)->text());
  Warning(field)->setVisible(!CardReaderSettings::Check(field, text).empty());
}

void CMREdit::accept() {
  if (const std::optional<MrField> field = Values().FirstFieldInError()) {
    CheckEdit(*field);
    m_ui.Message(std::string(msg::Tr(CardReaderSettings::Info(*field).error)), MessageKind::Warning);
    Edit(*field)->setFocus(Qt::OtherFocusReason);
    return;
  }
  QDialog::accept();
}

CardReaderSettings CMREdit::Values() const {
  CardReaderSettings values = m_initial;
  for (const MrFieldInfo& info : CardReaderSettings::Fields())
    values.Text(info.field) = ToBytes(Edit(info.field)->text());
  for (size_t t = 0; t < 3; ++t) {
    MrTrack& track = values.tracks[t];
    const TrackChecks& checks = m_tracks[t];
    track.data = checks.data->isChecked();
    track.startSentinel = checks.startSentinel->isChecked();
    track.endSentinel = checks.endSentinel->isChecked();
    track.lrc = checks.lrc->isChecked();
    track.separator = checks.separator->isChecked();
  }
  values.beepAtGoodRead = m_beepGoodRead->isChecked();
  values.threeBeepsAtError = m_threeBeeps->isChecked();
  values.errorHandling = m_noData->isChecked() ? CardReaderSettings::kNoDataWithAnyError
                                               : CardReaderSettings::kSkipTrackWithError;
  return values;
}

}  // namespace vexa
