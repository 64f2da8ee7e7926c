#pragma once

// The recent-contacts list as assistive technology sees it: a table of rows and
// columns with column headers, so that a screen reader reads a contact as a row
// ("Call W1AW, SPC CT, ...") rather than as the items of a tree.

class QAccessibleInterface;
class QObject;
class QString;

namespace qv {

// The interface for a RecentContactsView, or null for any other object: an
// accessibility factory.
QAccessibleInterface* recentContactsInterface(const QString& className, QObject* object);

} // namespace qv
