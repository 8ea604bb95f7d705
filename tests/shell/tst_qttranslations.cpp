#include "shell/QtTranslations.h"

#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace vellora;

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
    QObject owner;
    FollowUserLanguageInQtTexts(&owner);

    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(question.button(QMessageBox::No)->text(), no);

    QLineEdit box(QStringLiteral("Your Name"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << action->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(items.contains(undo), qPrintable(items.join(QStringLiteral(" | "))));
    // The box's own text is the program's, and stays as it is.
    QCOMPARE(box.text(), QStringLiteral("Your Name"));
}

QTEST_MAIN(QtTranslationsTest)
#include "tst_qttranslations.moc"
