#include "ui/MainMenu.h"

#include "base/Band.h"

#include <utility>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace qv {

QAction* MainMenu::add(QObject* parent, const QString& name, const QString& caption) {
    QAction* a = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(parent)) {
        a = menu->addAction(caption);
    } else {
        a = static_cast<QMenuBar*>(parent)->addAction(caption);
    }
    a->setObjectName(name);
    actions_[name] = a;
    return a;
}

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    add(file, QStringLiteral("mnuNew"), QStringLiteral("&New"));
    add(file, QStringLiteral("mnuArchive"), QStringLiteral("Archive Current &Log"));
    add(file, QStringLiteral("mnuRestore"), QStringLiteral("&Restore from Archive or Backup"));
    add(file, QStringLiteral("mnuOpen"), QStringLiteral("&Open"))->setVisible(false);
    file->addSeparator();
    add(file, QStringLiteral("mnuCabrillo"), QStringLiteral("&Write Cabrillo File"));
    add(file, QStringLiteral("mnuADIF"), QStringLiteral("Export &ADIF File"));
    add(file, QStringLiteral("mnuExport"), QStringLiteral("E&xport"))->setVisible(false);
    add(file, QStringLiteral("mnuCopy"), QStringLiteral("&Copy Listed Items to Clipboard"));
    file->addSeparator();
    add(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"));

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* transmit = options->addMenu(QStringLiteral("&Transmit"));
    transmit->setObjectName(QStringLiteral("mnuTransmit"));
    add(transmit, QStringLiteral("mnuCWSetup"), QStringLiteral("&CW Setup"))->setVisible(false);
    add(transmit, QStringLiteral("mnuVoiceSetup"), QStringLiteral("&Voice Setup"))
        ->setEnabled(false);
    QMenu* appearance = options->addMenu(QStringLiteral("&Appearance"));
    appearance->setObjectName(QStringLiteral("mnuAppearance"));
    add(appearance, QStringLiteral("mnuFormSize"), QStringLiteral("&Form Size"));
    add(appearance, QStringLiteral("mnuColors"), QStringLiteral("&Colors"));
    add(appearance, QStringLiteral("mnuTaskbar"), QStringLiteral("&Taskbar"));
    add(options, QStringLiteral("mnuRig"), QStringLiteral("&Rig Interface"));
    QMenu* spotting = options->addMenu(QStringLiteral("&DX Spotting"));
    spotting->setObjectName(QStringLiteral("mnuDXSpotting"));
    add(spotting, QStringLiteral("mnuConfigure"), QStringLiteral("&Configure"));
    add(spotting, QStringLiteral("mnuSpectrum"), QStringLiteral("&View Spectrum Map"));
    add(options, QStringLiteral("mnuDefaultCategory"),
        QStringLiteral("Default Received &Category"));
    add(options, QStringLiteral("mnuVoiceNavigation"), QStringLiteral("&Voice Navigation"))
        ->setEnabled(false);
    add(options, QStringLiteral("mnuListPrevious"), QStringLiteral("&List Previous Contacts"))
        ->setCheckable(true);
    add(options, QStringLiteral("mnuPostContest"), QStringLiteral("&Post Contest Mode"))
        ->setCheckable(true);
    add(options, QStringLiteral("mnuSuperCheck"), QStringLiteral("Super Check Partial"))
        ->setCheckable(true);

    add(bar, QStringLiteral("mnuSetup"), QStringLiteral("&Setup"));

    QMenu* band = bar->addMenu(QStringLiteral("&Band"));
    band->setObjectName(QStringLiteral("mnuBand"));
    for (const Band& b : kBands) {
        const QString text =
            QString::fromLatin1(b.text.data(), static_cast<qsizetype>(b.text.size()));
        QAction* a = add(band, QStringLiteral("mnuBand") + text, text);
        a->setCheckable(true);
    }
    action(QStringLiteral("mnuBand160"))->setVisible(false);
    band->addSeparator();
    add(band, QStringLiteral("mnuPrivileges"), QStringLiteral("&Privileges"));

    // Mode switching is not offered: the program logs in phone mode. A hidden
    // item of the menu bar would still claim its access key (Alt+C would be both
    // "&CW" and "&Clear"), so hidden items carry their captions without one.
    for (const auto& [name, caption] :
         {std::pair{"mnuMode", "&Mode"}, std::pair{"mnuCW", "&CW"}, std::pair{"mnuPH", "&PH"}}) {
        QAction* hidden = add(bar, QLatin1String(name), QString::fromLatin1(caption).remove('&'));
        hidden->setVisible(false);
    }

    add(bar, QStringLiteral("mnuGraph"), QStringLiteral("&Graph"));
    add(bar, QStringLiteral("mnuMap"), QStringLiteral("&Map"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    add(help, QStringLiteral("mnuReadHelp"), QStringLiteral("&Read Help File"));
    add(help, QStringLiteral("mnuThirdParty"), QStringLiteral("&3Rd Party List"));
}

QAction* MainMenu::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

} // namespace qv
