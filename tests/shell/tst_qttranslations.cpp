#include "FakePlatform.h"
#include "WidgetTest.h"

#include "calculators/Calculators.h"
#include "shell/Language.h"
#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QComboBox>
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
    void calculatorsSpeakGerman_data();
    void calculatorsSpeakGerman();
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

// A result and a refusal of each calculator in German: the words come from the windows' tables
// through the catalogue, the numbers with German separators. Steps: "click:<button>",
// "pick:<list>=<position>", "type:<box>=<text>". Expected: "<label>=<text>", or
// "message=<text>" for the one message shown.
void QtTranslationsTest::calculatorsSpeakGerman_data() {
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Body Mass Index")
        << "cmdSelectOption_1"
        << QStringList{"click:optKG",     "pick:cmbKG=70",        "click:optMeter",
                       "pick:cmbMeter=1", "pick:cmbPointMeter=7", "click:cmdCalculate"}
        << QStringList{"lblYourBodyMassIndex=24,22", "lblYourHeight=1,7 Meter",
                       "lblYourWeight=70 Kilogramm", "lblResult=Sie haben Normalgewicht"};
    QTest::newRow("Body Mass Index refused")
        << "cmdSelectOption_1" << QStringList{"click:cmdCalculate"}
        << QStringList{"message=Bitte wählen Sie Ihre Körpergröße und Ihr Gewicht aus"};
    QTest::newRow("Ideal Body Weight")
        << "cmdSelectOption_2" << QStringList{"click:optKG", "click:cmdCalculate"}
        << QStringList{"lblResult=28,58 bis 34,93 kg"};
    QTest::newRow("Body Frame Size")
        << "cmdSelectOption_0" << QStringList{"type:txtElbowInch=2.75", "click:cmdCalculate"}
        << QStringList{"lblResult=Sie haben einen mittleren Körperbau"};
    QTest::newRow("Body Frame Size refused")
        << "cmdSelectOption_0" << QStringList{"click:cmdCalculate"}
        << QStringList{"message=Bitte geben Sie die Ellenbogenbreite in Zoll ein"};
    QTest::newRow("Waist-Hip Ratio")
        << "cmdSelectOption_3"
        << QStringList{"type:txtWaist=86", "type:txtHip=100", "click:cmdCalculate"}
        << QStringList{"lblResult=Sie befinden sich im Bereich mit geringem Risiko"};
    QTest::newRow("Waist-Hip Ratio refused")
        << "cmdSelectOption_3" << QStringList{"click:cmdCalculate"}
        << QStringList{"message=Bitte geben Sie Ihren Taillenumfang ein"};
}

void QtTranslationsTest::calculatorsSpeakGerman() {
    QFETCH(QString, launcher);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QObject owner;
    FollowUserLanguage(&owner);
    FakePlatform platform;
    frmMDI main(platform, Calculators());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    test::Click(&main, launcher.toLatin1().constData());
    // The one control of that name the user can see.
    const auto shown = [&main](const QString &name) -> QWidget * {
        for (QWidget *widget : main.findChildren<QWidget *>(name)) {
            if (widget->isVisible())
                return widget;
        }
        return nullptr;
    };
    for (const QString &step : steps) {
        const QString how = step.section(QLatin1Char(':'), 0, 0);
        const QString name = step.section(QLatin1Char(':'), 1).section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        QWidget *control = shown(name);
        QVERIFY2(control, qPrintable(step));
        if (how == QLatin1String("click"))
            QTest::mouseClick(control, Qt::LeftButton);
        else if (how == QLatin1String("pick"))
            static_cast<QComboBox *>(control)->setCurrentIndex(value.toInt());
        else
            QTest::keyClicks(control, value);
    }
    for (const QString &expectation : expected) {
        const QString name = expectation.section(QLatin1Char('='), 0, 0);
        const QString text = expectation.section(QLatin1Char('='), 1);
        if (name == QLatin1String("message")) {
            QCOMPARE(platform.messages.size(), 1);
            QCOMPARE(platform.messages[0].text, text);
        } else {
            const auto *label = qobject_cast<QLabel *>(shown(name));
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->text(), text);
        }
    }
}

QTEST_MAIN(QtTranslationsTest)
#include "tst_qttranslations.moc"
