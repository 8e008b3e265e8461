#include "view/ui/ViewAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>
#include <QPointer>
#include <QWindow>

#include "document/CVEXADoc.h"
#include "view/Cp1252.h"
#include "view/ViewSelection.h"
#include "view/ui/CVEXAView.h"

namespace vexa {

namespace {

namespace va = view_accessibility;

AccessibilityEventSink g_sink = nullptr;

bool AnnouncementsWanted() { return g_sink != nullptr || QAccessible::isActive(); }

void Send(QAccessibleEvent& event) {
  if (g_sink != nullptr) {
    g_sink(&event);
  } else {
    QAccessible::updateAccessibility(&event);
  }
}

QString FromCp1252(const std::string& bytes) { return QString::fromStdU16String(Cp1252ToUtf16(bytes)); }

QString ModeWord(va::KeyMode mode) {
  switch (mode) {
    case va::KeyMode::Ascii:
      return QCoreApplication::translate("LayoutView", "ASCII mode");
    case va::KeyMode::ScanCode:
      return QCoreApplication::translate("LayoutView", "scan code mode");
    case va::KeyMode::Empty:
      break;
  }
  return QCoreApplication::translate("LayoutView", "empty");
}

// "Tea[CR], ASCII mode"; only the mode for a key without content.
QString Description(const va::KeyFacts& facts) {
  const QString mode = ModeWord(facts.mode);
  if (facts.content.empty()) return mode;
  return QCoreApplication::translate("LayoutView", "%1, %2").arg(FromCp1252(facts.content), mode);
}

// One key of the layout: it has no QObject of its own and reads everything
// from the view each time it is asked, so it never shows a stale state.
class KeyAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  KeyAccessible(CVEXAView* view, int position) : m_view(view), m_position(position) {}

  [[nodiscard]] bool isValid() const override {
    return m_view && m_position < va::ChildCount(m_view->Document());
  }
  [[nodiscard]] QObject* object() const override { return nullptr; }
  [[nodiscard]] QWindow* window() const override {
    return m_view ? m_view->window()->windowHandle() : nullptr;
  }
  [[nodiscard]] QAccessibleInterface* parent() const override {
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
  }
  [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    const va::KeyFacts facts = va::FactsOf(m_view->Document(), m_view->State(), m_position);
    switch (t) {
      case QAccessible::Name:
        return FromCp1252(facts.name);
      case QAccessible::Value:
        return FromCp1252(facts.content);
      case QAccessible::Description:
        return Description(facts);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  [[nodiscard]] QRect rect() const override {
    if (!isValid()) return {};
    const KeyRect& r = m_view->Document().KeyRects()[static_cast<size_t>(m_position)];
    const QRect device = m_view->ToDevice(QRect(r.left, r.top, r.width, r.height));
    return {m_view->mapToGlobal(device.topLeft()), device.size()};
  }
  [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Button; }
  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.focusable = true;
    s.selected = va::IsSelectedChild(m_view->Document(), m_view->State(), m_position);
    // The upper block of the Enter key is drawn selected with it; the focus
    // is the selected key's alone.
    s.focused = m_position == m_view->State().selectedPosition && m_view->hasFocus();
    s.invisible = !m_view->isVisible();
    s.disabled = m_view->InputBlocked();
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }
  [[nodiscard]] QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  // Selects the key as a click does. Run from the event loop, so that a
  // message box (the selected key's content is invalid) does not block the
  // caller, which may be a screen reader waiting for the answer.
  void doAction(const QString& name) override {
    if (!isValid() || (name != pressAction() && name != setFocusAction())) return;
    QMetaObject::invokeMethod(
        m_view.data(),
        [view = m_view, position = m_position] {
          if (view) view->SelectKey(position);
        },
        Qt::QueuedConnection);
  }
  [[nodiscard]] QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<CVEXAView> m_view;
  int m_position;
};

class LayoutViewAccessible : public QAccessibleWidget {
 public:
  explicit LayoutViewAccessible(CVEXAView* view) : QAccessibleWidget(view, QAccessible::Grouping) {}
  ~LayoutViewAccessible() override {
    for (const QAccessible::Id id : std::as_const(m_children)) QAccessible::deleteAccessibleInterface(id);
  }

  [[nodiscard]] int childCount() const override { return va::ChildCount(View()->Document()); }
  [[nodiscard]] QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    auto it = m_children.constFind(index);
    if (it != m_children.constEnd()) return QAccessible::accessibleInterface(*it);
    auto* key = new KeyAccessible(View(), index);
    m_children.insert(index, QAccessible::registerAccessibleInterface(key));
    return key;
  }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    for (auto it = m_children.constBegin(); it != m_children.constEnd(); ++it) {
      if (*it == id) return it.key() < childCount() ? it.key() : -1;
    }
    return -1;
  }
  [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override {
    const CVEXAView* view = View();
    const QPoint logical = view->ToLogical(view->mapFromGlobal(QPoint(x, y)));
    return child(view_selection::HitTest(View()->Document(), logical.x(), logical.y()));
  }
  [[nodiscard]] QAccessibleInterface* focusChild() const override {
    if (!View()->hasFocus()) return nullptr;
    return child(View()->State().selectedPosition);
  }
  // The view's own description reads out its information area: the
  // selected key's name, its content and mode, and the space left.
  [[nodiscard]] QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Description) return QAccessibleWidget::text(t);
    CVEXAView* view = View();
    const va::KeyFacts facts = va::FactsOf(view->Document(), view->State(), view->State().selectedPosition);
    return QCoreApplication::translate("LayoutView",
                                       "Key name: %1, key content: %2, total space left: %3 bytes")
        .arg(FromCp1252(facts.name), Description(facts))
        .arg(view->Document().SpaceLeft());
  }

 private:
  [[nodiscard]] CVEXAView* View() const { return static_cast<CVEXAView*>(widget()); }

  mutable QHash<int, QAccessible::Id> m_children;
};

}  // namespace

QAccessibleInterface* LayoutViewAccessibleFactory(const QString&, QObject* object) {
  if (auto* view = qobject_cast<CVEXAView*>(object)) return new LayoutViewAccessible(view);
  return nullptr;
}

void SetAccessibilityEventSink(AccessibilityEventSink sink) { g_sink = sink; }

void ViewAnnouncer::SendForChild(int type, int child) {
  QAccessibleEvent event(&m_view, static_cast<QAccessible::Event>(type));
  event.setChild(child);
  Send(event);
}

void ViewAnnouncer::StateChanged() {
  if (!AnnouncementsWanted()) {
    m_valid = false;
    return;
  }
  va::Snapshot now = va::TakeSnapshot(m_view.Document(), m_view.State());
  if (!m_valid) {
    m_last = std::move(now);
    m_valid = true;
    return;
  }
  const std::vector<va::Announcement> announcements = va::Compare(m_last, now);
  const int previous = m_last.selectedPosition;
  m_last = std::move(now);
  using Kind = va::Announcement::Kind;
  if (!announcements.empty()) {
    // The information area shows the selected key and the space left.
    QAccessibleEvent described(&m_view, QAccessible::DescriptionChanged);
    Send(described);
  }
  bool reset = false;
  for (const va::Announcement& a : announcements) {
    switch (a.kind) {
      case Kind::Reset: {
        reset = true;
        QAccessibleEvent event(&m_view, QAccessible::ObjectReorder);
        Send(event);
        break;
      }
      case Kind::NameChanged:
        SendForChild(QAccessible::NameChanged, a.child);
        break;
      case Kind::ContentChanged: {
        QAccessibleValueChangeEvent value(&m_view,
                                          FromCp1252(m_last.keys[static_cast<size_t>(a.child)].content));
        value.setChild(a.child);
        Send(value);
        SendForChild(QAccessible::DescriptionChanged, a.child);
        break;
      }
      case Kind::ModeChanged:
        SendForChild(QAccessible::DescriptionChanged, a.child);
        break;
      case Kind::Selected: {
        QAccessible::State selected;
        selected.selected = true;
        if (!reset && previous >= 0 && previous < static_cast<int>(m_last.keys.size()) &&
            previous != a.child) {
          QAccessibleStateChangeEvent was(&m_view, selected);
          was.setChild(previous);
          Send(was);
        }
        QAccessibleStateChangeEvent is(&m_view, selected);
        is.setChild(a.child);
        Send(is);
        SendForChild(QAccessible::Selection, a.child);
        if (m_view.hasFocus()) SendForChild(QAccessible::Focus, a.child);
        break;
      }
    }
  }
}

void ViewAnnouncer::FocusIn() {
  if (!AnnouncementsWanted()) return;
  SendForChild(QAccessible::Focus, m_view.State().selectedPosition);
}

}  // namespace vexa
