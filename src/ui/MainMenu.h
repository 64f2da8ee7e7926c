#pragma once

// The main window's menu tree. Items whose windows are not built yet are present
// and disabled; hidden items stay hidden as designed.

#include <map>

#include <QObject>
#include <QString>

class QAction;
class QMenuBar;

namespace qv {

class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMenuBar* bar);

    // The action named after its menu control (mnuNew, mnuBand40, ...).
    QAction* action(const QString& name) const;

private:
    QAction* add(QObject* menu, const QString& name, const QString& caption);

    std::map<QString, QAction*> actions_;
};

} // namespace qv
