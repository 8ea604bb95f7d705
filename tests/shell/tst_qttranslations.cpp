#include "FakePlatform.h"

#include "calculators/Calculators.h"
#include "shell/QtTranslations.h"
#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace vellora;

namespace {

// Every text the main window and its menus show, in order.
QStringList MainWindowTexts() {
    FakePlatform platform;
    frmMDI main(platform, Calculators());
    QStringList texts{main.windowTitle()};
    for (const QWidget *widget : main.findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *panel = qobject_cast<const QGroupBox *>(widget))
            texts << panel->title();
        for (const QAction *action : widget->actions())
            texts << action->text();
    }
    return texts;
}

} // namespace

// Qt's own texts in the user's language; the installed translations are Debian's
// qt6-translations-l10n.
class QtTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheLanguage_data();
    void followsTheLanguage();
};

void QtTranslationsTest::followsTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QString>("undo");
    QTest::newRow("German") << "de_DE"
                            << "&Ja"
                            << "&Nein"
                            << "&Rückgängig";
    QTest::newRow("French") << "fr_FR"
                            << "&Oui"
                            << "&Non"
                            << "&Annuler";
    QTest::newRow("English") << "en_US"
                             << "&Yes"
                             << "&No"
                             << "&Undo";
}

void QtTranslationsTest::followsTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    QFETCH(QString, undo);
    QLocale::setDefault(QLocale(locale));
    const QStringList programTexts = MainWindowTexts();
    QObject owner;
    FollowUserLanguageInQtTexts(&owner);

    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(question.button(QMessageBox::No)->text(), no);

    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(items.contains(undo), qPrintable(items.join(QStringLiteral(" | "))));
    // The program's own texts stay in English, even words Qt has translations for.
    QCOMPARE(MainWindowTexts(), programTexts);
}

QTEST_MAIN(QtTranslationsTest)
#include "tst_qttranslations.moc"
