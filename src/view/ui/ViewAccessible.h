// The layout view for assistive technology: the view is an accessible object
// whose children are the keys of the layout (one per layout position, role
// Button, named by the key's label, with its content and key mode as value
// and description), and the announcer tells screen readers when the selection
// moves or the keys change. What is said comes from view_accessibility.
#pragma once

#include "view/ViewAccessibility.h"

class QObject;
class QAccessibleEvent;
class QAccessibleInterface;
class QString;

namespace vexa {

class CVEXAView;

// The accessible interface of a layout view; nullptr for any other object.
// Registered with QAccessible::installFactory by CVEXAView (once a process).
QAccessibleInterface* LayoutViewAccessibleFactory(const QString& className, QObject* object);

// Where the announcer's events go: by default QAccessible::updateAccessibility
// while assistive technology is active. A recorder put here gets every event
// (the widget tests, whose offscreen platform has no accessibility bridge);
// nullptr restores the default.
using AccessibilityEventSink = void (*)(QAccessibleEvent* event);
void SetAccessibilityEventSink(AccessibilityEventSink sink);

// Sends the accessibility events for what changed in a view since the last
// look. The first look after assistive technology became active only
// remembers the state.
class ViewAnnouncer {
 public:
  explicit ViewAnnouncer(CVEXAView& view) : m_view(view) {}
  // After any change of the view's state or the template.
  void StateChanged();
  // The view took the keyboard focus: the selected key has it now.
  void FocusIn();

 private:
  void SendForChild(int type, int child);

  CVEXAView& m_view;
  view_accessibility::Snapshot m_last;
  bool m_valid = false;
};

}  // namespace vexa
