#include "links/SharedMenuBar.h"

#include "links/WebLink.h"
#include "links/frmAbout.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <iterator>

namespace vellora {

namespace {

QAction *AddNamed(QMenu *menu, const QString &name, const QString &caption) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

struct MenuRowDesign {
    MenuRow row;
    const char *fileItemName; // ahead of "E&xit", if any
    const char *fileItemCaption;
    const char *firstSeparator;
    const char *secondSeparator;
    const char *updateCaption;
    const char *makeMoneyName;
    bool makeMoneyEnabled;
};

// The result windows use the access key C for the update entry, every other window U. The main
// window's Make Money entry is switched off in its design.
constexpr MenuRowDesign kMenuRows[] = {
    {MenuRow::MainWindow, nullptr, nullptr, "mnuSep1", "mnuSep2", "Check for Software &Update",
     "mkmoney", false},
    {MenuRow::InputWindow, nullptr, nullptr, "mnuHelp1", "mnuHelp2", "Check for Software &Update",
     "mnuMakeMoneyOnline", true},
    {MenuRow::ResultWindow, "mnuFileBack", "&Back", "mnuFileSep1", "mnuFileSep2",
     "&Check for Software Update", "mnuMakeMoneyOnline", true},
    {MenuRow::StepWindow, nullptr, nullptr, "mnuSep1", "mnuSep2", "Check for Software &Update",
     "mnuMakeMoney", true},
};

} // namespace

MenuBarDesign MenuDesign(MenuRow row, const QList<MenuItemDesign> &ownFileItems) {
    const MenuRowDesign &design =
        *std::find_if(std::begin(kMenuRows), std::end(kMenuRows),
                      [row](const MenuRowDesign &r) { return r.row == row; });
    MenuBarDesign menu;
    menu.fileItems = ownFileItems;
    if (design.fileItemName)
        menu.fileItems.append({QString::fromLatin1(design.fileItemName),
                               QString::fromLatin1(design.fileItemCaption)});
    menu.fileItems.append({QStringLiteral("mnuExit"), QStringLiteral("E&xit")});
    menu.firstSeparator = QString::fromLatin1(design.firstSeparator);
    menu.secondSeparator = QString::fromLatin1(design.secondSeparator);
    menu.updateCaption = QString::fromLatin1(design.updateCaption);
    menu.makeMoneyName = QString::fromLatin1(design.makeMoneyName);
    menu.makeMoneyEnabled = design.makeMoneyEnabled;
    return menu;
}

SharedMenuBar::SharedMenuBar(const MenuBarDesign &design, Platform &platform, QWidget *owner)
    : QMenuBar(owner)
    , platform_(platform)
    , owner_(owner) {
    setObjectName(QStringLiteral("menuBar"));

    QMenu *file = addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    for (const MenuItemDesign &item : design.fileItems)
        AddNamed(file, item.name, item.caption);

    QMenu *help = addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddNamed(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help")),
            &QAction::triggered, this, &SharedMenuBar::mnuOnline_Click);
    connect(AddNamed(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online")),
            &QAction::triggered, this, &SharedMenuBar::mnuVisit_Click);
    help->addSeparator()->setObjectName(design.firstSeparator);
    connect(AddNamed(help, QStringLiteral("mnuUpdate"), design.updateCaption), &QAction::triggered,
            this, &SharedMenuBar::mnuUpdate_Click);
    help->addSeparator()->setObjectName(design.secondSeparator);
    connect(AddNamed(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software")),
            &QAction::triggered, this, &SharedMenuBar::mnuAbout_Click);

    // These two act on the bar itself, with no drop-down.
    QAction *donate = addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, &SharedMenuBar::mnuDonate_Click);

    QAction *makeMoney = addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(design.makeMoneyName);
    makeMoney->setEnabled(design.makeMoneyEnabled);
    connect(makeMoney, &QAction::triggered, this, &SharedMenuBar::mnuMakeMoneyOnline_Click);
}

QAction *SharedMenuBar::fileItem(const QString &name) const {
    return findChild<QAction *>(name);
}

void SharedMenuBar::mnuOnline_Click() {
    OpenWebLink(platform_, WebLink::OnlineHelp);
}

void SharedMenuBar::mnuVisit_Click() {
    OpenWebLink(platform_, WebLink::HomePage);
}

void SharedMenuBar::mnuUpdate_Click() {
    OpenWebLink(platform_, WebLink::Download);
}

void SharedMenuBar::mnuDonate_Click() {
    OpenWebLink(platform_, WebLink::Donate);
}

void SharedMenuBar::mnuMakeMoneyOnline_Click() {
    OpenWebLink(platform_, WebLink::FullyBranded);
}

void SharedMenuBar::mnuAbout_Click() {
    ShowAbout(platform_, owner_);
}

} // namespace vellora
