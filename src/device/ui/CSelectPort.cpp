#include "device/ui/CSelectPort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "base/Messages.h"
#include "i18n/Translations.h"

namespace vexa {

namespace {

// Dialog units: a quarter of the font's average character width across, an
// eighth of its height down.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(alphabet) / 26.0 + 1) / 2.0;
    m_baseY = metrics.height();
  }
  [[nodiscard]] QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }
  [[nodiscard]] int X(int units) const { return qRound(units * m_baseX / 4.0); }
  [[nodiscard]] int Y(int units) const { return qRound(units * m_baseY / 8.0); }

 private:
  double m_baseX = 6;
  double m_baseY = 13;
};

QString Q(std::string_view text) { return i18n::FromBytes(text); }

}  // namespace

CSelectPort::CSelectPort(PortKind initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q(msg::Tr(msg::kSelectPortTitle)));
  const DialogUnits du(font());

  auto* label = new QLabel(tr("Port Name:"), this);
  // The label reaches up to the list, so a wider font's text still fits.
  label->setGeometry(du.X(9), du.Y(9), du.X(48 - 9 - 1), std::max(du.Y(8), label->sizeHint().height()));

  m_list = new QComboBox(this);
  m_list->setObjectName(QStringLiteral("portList"));
  m_list->addItem(QStringLiteral("PS/2"));
  m_list->addItem(QStringLiteral("USB"));
  m_list->setCurrentIndex(initial == PortKind::kUsb ? 1 : 0);
  // 52 units is the height of the opened list; the closed box is one line.
  m_list->setGeometry(du.X(48), du.Y(7), du.X(64), m_list->sizeHint().height());
  label->setBuddy(m_list);

  m_dontAsk = new QCheckBox(Q(msg::Tr(msg::kDontAskPortAtStart)), this);
  m_dontAsk->setObjectName(QStringLiteral("dontAskAtStart"));
  m_dontAsk->setGeometry(du.X(9), du.Y(27), du.X(130), std::max(du.Y(10), m_dontAsk->sizeHint().height()));

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setGeometry(du.Rect(146, 7, 50, 14));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setGeometry(du.Rect(146, 22, 50, 14));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  setFixedSize(du.X(203), std::max({du.Y(46), cancel->geometry().bottom() + du.Y(7),
                                    m_dontAsk->geometry().bottom() + du.Y(5)}));
  m_list->setFocus();
}

bool CSelectPort::DontAskAtStart() const { return m_dontAsk->isChecked(); }

void CSelectPort::SetDontAskAtStart(bool dontAsk) { m_dontAsk->setChecked(dontAsk); }

PortKind CSelectPort::Choice() const { return m_list->currentIndex() == 1 ? PortKind::kUsb : PortKind::kPs2; }

}  // namespace vexa
