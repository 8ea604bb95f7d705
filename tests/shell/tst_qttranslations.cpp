#include "FakePlatform.h"

#include "calculators/Calculators.h"
#include "shell/Language.h"
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

// The program's texts, and Qt's own beside them, in the user's language; Qt's installed
// translations are Debian's qt6-translations-l10n.
class QtTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void choosesTheCatalogue_data();
    void choosesTheCatalogue();
    void followsTheLanguage_data();
    void followsTheLanguage();
};

void QtTranslationsTest::choosesTheCatalogue_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portugal takes Brazil's") << QStringList{"pt-PT", "pt"} << "pt_BR";
    QTest::newRow("first with a catalogue") << QStringList{"ja-JP", "es-MX", "fr"} << "es";
    QTest::newRow("English before it") << QStringList{"en-GB", "fr-FR"} << "";
    QTest::newRow("none") << QStringList{"ja-JP", "ar-EG"} << "";
    QTest::newRow("C") << QStringList{"C"} << "";
}

void QtTranslationsTest::choosesTheCatalogue() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, catalogue);
    QCOMPARE(CatalogueLanguage(uiLanguages), catalogue);
}

void QtTranslationsTest::followsTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("exit"); // the main window's Exit button
    QTest::newRow("German") << "de_DE"
                            << "&Ja"
                            << "&Nein"
                            << "&Rückgängig"
                            << "B&eenden";
    QTest::newRow("French") << "fr_FR"
                            << "&Oui"
                            << "&Non"
                            << "&Annuler"
                            << "&Quitter";
    QTest::newRow("English") << "en_US"
                             << "&Yes"
                             << "&No"
                             << "&Undo"
                             << "&Exit";
    // No catalogue of the program's: its texts stay English, Qt's follow the user.
    QTest::newRow("Japanese") << "ja_JP"
                              << "はい(&Y)"
                              << "いいえ(&N)"
                              << "元に戻す(&U)"
                              << "&Exit";
}

void QtTranslationsTest::followsTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    QFETCH(QString, undo);
    QFETCH(QString, exit);
    QLocale::setDefault(QLocale(locale));
    const QStringList englishTexts = MainWindowTexts();
    QObject owner;
    FollowUserLanguage(&owner);

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
    const QStringList texts = MainWindowTexts();
    QVERIFY(texts.contains(exit));
    QCOMPARE(texts == englishTexts, exit == QStringLiteral("&Exit"));
}

QTEST_MAIN(QtTranslationsTest)
#include "tst_qttranslations.moc"
