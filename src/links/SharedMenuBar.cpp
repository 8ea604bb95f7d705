#include "links/SharedMenuBar.h"

#include "links/WebLink.h"
#include "links/frmAbout.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <iterator>
#include <utility>

namespace vellora {

namespace {

QAction *AddNamed(QWidget *menu, const QString &name, const QString &caption) {
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
    {MenuRow::MainWindow, nullptr, nullptr, "mnuSep1", "mnuSep2",
     QT_TRANSLATE_NOOP("vellora::SharedMenuBar", "Check for Software &Update"), "mkmoney", false},
    {MenuRow::InputWindow, nullptr, nullptr, "mnuHelp1", "mnuHelp2",
     QT_TRANSLATE_NOOP("vellora::SharedMenuBar", "Check for Software &Update"),
     "mnuMakeMoneyOnline", true},
    {MenuRow::ResultWindow, "mnuFileBack", QT_TRANSLATE_NOOP("vellora::SharedMenuBar", "&Back"),
     "mnuFileSep1", "mnuFileSep2",
     QT_TRANSLATE_NOOP("vellora::SharedMenuBar", "&Check for Software Update"),
     "mnuMakeMoneyOnline", true},
    {MenuRow::StepWindow, nullptr, nullptr, "mnuSep1", "mnuSep2",
     QT_TRANSLATE_NOOP("vellora::SharedMenuBar", "Check for Software &Update"), "mnuMakeMoney",
     true},
};

} // namespace

MenuBarDesign MenuDesign(MenuRow row, const QList<MenuItemDesign> &ownFileItems) {
    const MenuRowDesign &design =
        *std::find_if(std::begin(kMenuRows), std::end(kMenuRows),
                      [row](const MenuRowDesign &r) { return r.row == row; });
    MenuBarDesign menu{.fileItems = ownFileItems,
                       .firstSeparator = QString::fromLatin1(design.firstSeparator),
                       .secondSeparator = QString::fromLatin1(design.secondSeparator),
                       .updateCaption = SharedMenuBar::tr(design.updateCaption),
                       .makeMoneyName = QString::fromLatin1(design.makeMoneyName),
                       .makeMoneyEnabled = design.makeMoneyEnabled};
    if (design.fileItemName)
        menu.fileItems.append(
            {QString::fromLatin1(design.fileItemName), SharedMenuBar::tr(design.fileItemCaption)});
    menu.fileItems.append({QStringLiteral("mnuExit"), SharedMenuBar::tr("E&xit")});
    return menu;
}

SharedMenuBar::SharedMenuBar(const MenuBarDesign &design, Platform &platform, QWidget *owner)
    : QMenuBar(owner) {
    setObjectName(QStringLiteral("menuBar"));

    QMenu *file = addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    for (const MenuItemDesign &item : design.fileItems)
        AddNamed(file, item.name, item.caption);
    connect(fileItem(QStringLiteral("mnuExit")), &QAction::triggered, owner, &QWidget::close);

    QMenu *help = addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *online = AddNamed(help, QStringLiteral("mnuOnline"), tr("&Online Help"));
    QAction *visit = AddNamed(help, QStringLiteral("mnuVisit"), tr("&Visit Us Online"));
    help->addSeparator()->setObjectName(design.firstSeparator);
    QAction *update = AddNamed(help, QStringLiteral("mnuUpdate"), design.updateCaption);
    help->addSeparator()->setObjectName(design.secondSeparator);
    connect(AddNamed(help, QStringLiteral("mnuAbout"), tr("&About Software")), &QAction::triggered,
            this, [&platform, owner] { frmAbout(platform, owner).exec(); });

    // These two act on the bar itself, with no drop-down.
    QAction *donate = AddNamed(this, QStringLiteral("mnuDonate"), tr("&Donate"));
    QAction *makeMoney = AddNamed(this, design.makeMoneyName, tr("Make Money &Online"));
    makeMoney->setEnabled(design.makeMoneyEnabled);

    const std::pair<QAction *, WebLink> links[] = {
        {online, WebLink::OnlineHelp},      {visit, WebLink::HomePage},
        {update, WebLink::Download},        {donate, WebLink::Donate},
        {makeMoney, WebLink::FullyBranded},
    };
    for (const auto &[entry, link] : links) {
        connect(entry, &QAction::triggered, this,
                [&platform, link = link] { OpenWebLink(platform, link); });
    }
}

QAction *SharedMenuBar::fileItem(const QString &name) const {
    return findChild<QAction *>(name);
}

} // namespace vellora
