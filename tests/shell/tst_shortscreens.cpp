#include "LauncherFixture.h"

#include "shell/Language.h"
#include "shell/StripRoom.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace vellora;
using namespace vellora::test;

Q_DECLARE_METATYPE(vellora::StripRoom)

// The main window on the screens of laptops as they ship and of a netbook, in points (a title
// bar taken off): each calculator window, both steps of the step windows and both result windows
// lie whole in the child area, without a scroll bar. On a 1080-line screen at 100 % the strips
// keep their designed heights throughout. In every language the program speaks, no label's text
// is cut: a label is at least as wide as its text needs, or as tall where its text wraps.
class ShortScreensTest : public QObject, public LauncherFixture {
    Q_OBJECT

private slots:
    void init() { openMainWindow(); }
    void cleanup() { closeMainWindow(); }

    void stripsGiveWayInTurn_data();
    void stripsGiveWayInTurn();
    void everyWindowFitsTheChildArea_data();
    void everyWindowFitsTheChildArea();

private:
    QMdiSubWindow *window(const char *name) const {
        return main->findChild<QMdiSubWindow *>(QString::fromLatin1(name));
    }
    void pick(QWidget *within, const char *list, const char *item) {
        auto *combo = in<QComboBox>(within, QString::fromLatin1(list));
        QVERIFY2(combo, list);
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(item)));
        QVERIFY2(combo->currentIndex() >= 0, item);
    }
    void type(QWidget *within, const char *box, const char *text) {
        auto *edit = in<QLineEdit>(within, QString::fromLatin1(box));
        QVERIFY2(edit, box);
        edit->setText(QString::fromLatin1(text));
    }
};

// Strips of 37, 60 and 49 pixels; the banner keeps 18, the launcher strip 36.
void ShortScreensTest::stripsGiveWayInTurn_data() {
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("tallest");
    QTest::addColumn<int>("open");
    QTest::addColumn<StripRoom>("expected");
    QTest::newRow("fits") << 700 << 548 << 548 << StripRoom{37, 60, 49};
    QTest::newRow("short by 6: the banner narrows") << 688 << 548 << 548 << StripRoom{31, 60, 49};
    QTest::newRow("short by 30: the launcher strip too")
        << 664 << 548 << 548 << StripRoom{18, 49, 49};
    QTest::newRow("short by 50: the banner goes") << 644 << 548 << 548 << StripRoom{0, 36, 49};
    QTest::newRow("launcher panel: the bottom strip stays")
        << 600 << 548 << 0 << StripRoom{0, 36, 49};
    QTest::newRow("a shorter window open: the bottom strip stays")
        << 600 << 548 << 461 << StripRoom{0, 36, 49};
    QTest::newRow("the bottom strip stands aside") << 600 << 548 << 548 << StripRoom{0, 36, 0};
    QTest::newRow("the whole client area") << 560 << 548 << 548 << StripRoom{0, 0, 0};
}

void ShortScreensTest::stripsGiveWayInTurn() {
    QFETCH(int, client);
    QFETCH(int, tallest);
    QFETCH(int, open);
    QFETCH(StripRoom, expected);
    const StripRoom room = GiveWay(client, tallest, open, {37, 60, 49}, {18, 36, 0});
    QCOMPARE(QList<int>({room.banner, room.launcher, room.bottom}),
             QList<int>({expected.banner, expected.launcher, expected.bottom}));
}

void ShortScreensTest::everyWindowFitsTheChildArea_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("designed");
    QTest::addColumn<QString>("language");
    QTest::newRow("1920x1080 at 100 %") << QSize(1920, 1050) << true << QString();
    QTest::newRow("1920x1080 at 150 % above a taskbar") << QSize(1280, 650) << false << QString();
    QTest::newRow("1366x768 at 125 %") << QSize(1093, 590) << false << QString();
    QTest::newRow("1024x600 netbook") << QSize(1024, 575) << false << QString();
    QTest::newRow("1024x600 netbook above a taskbar") << QSize(1024, 530) << false << QString();
    for (const char *language : {"de_DE", "fr_FR", "es_ES", "pt_BR"}) {
        QTest::addRow("1366x768, %s", language) << QSize(1366, 738) << false << language;
        QTest::addRow("1366x768 at 125 %%, %s", language) << QSize(1093, 590) << false << language;
        QTest::addRow("1920x1080 at 150 %% above a taskbar, %s", language)
            << QSize(1280, 650) << false << language;
    }
}

void ShortScreensTest::everyWindowFitsTheChildArea() {
    QFETCH(QSize, size);
    QFETCH(bool, designed);
    QFETCH(QString, language);
    QObject translators;
    if (!language.isEmpty()) {
        closeMainWindow();
        QLocale::setDefault(QLocale(language));
        FollowUserLanguage(&translators);
        openMainWindow();
    }
    const auto whole = [](const QWidget *window) {
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QByteArray what =
                window->objectName().toUtf8() + " " + label->objectName().toUtf8() + " " +
                QByteArray::number(label->height()) + ": " + label->text().toUtf8();
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), what);
            else
                QVERIFY2(label->minimumSizeHint().width() <= label->width(), what);
        }
    };
    main->showNormal();
    main->resize(size);
    QCoreApplication::processEvents();
    auto *area = main->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    const auto fits = [&](const char *name) {
        QMdiSubWindow *shown = window(name);
        QVERIFY2(shown && shown->isVisible(), name);
        QCoreApplication::processEvents();
        const QByteArray where = QByteArray(name) + " " + QByteArray::number(shown->height()) +
                                 " high in " + QByteArray::number(area->viewport()->height());
        QVERIFY2(area->viewport()->rect().contains(shown->geometry()), where.constData());
        QVERIFY2(!area->verticalScrollBar()->isVisible(), where.constData());
        // No blank band beside the body: the window is as wide as the body and its frame.
        const QMargins frame = shown->contentsMargins();
        QVERIFY2(shown->width() == shown->widget()->width() + frame.left() + frame.right(), name);
        whole(shown);
        if (designed) {
            for (auto [strip, height] :
                 {std::pair{"Picture6", 37}, {"Picture1", 60}, {"PicCoBrand", 49}}) {
                auto *widget = in<QWidget>(main.get(), QString::fromLatin1(strip));
                QVERIFY2(widget->isVisible() && widget->height() == height, strip);
            }
        }
    };

    whole(main.get());
    main->cmdSelectOption_Click(1);
    fits("frmBodyMassIndexMain");
    QWidget *bmi = window("frmBodyMassIndexMain");
    in<QRadioButton>(bmi, QStringLiteral("optKG"))->click();
    pick(bmi, "cmbKG", "70");
    in<QRadioButton>(bmi, QStringLiteral("optMeter"))->click();
    pick(bmi, "cmbMeter", "1");
    pick(bmi, "cmbPointMeter", ".7");
    Click(bmi, "cmdCalculate");
    fits("frmBodyMassIndexDisplay");

    main->cmdSelectOption_Click(2);
    fits("frmIdealBodyWeightCalculatorMain");
    Click(window("frmIdealBodyWeightCalculatorMain"), "cmdCalculate");
    fits("frmIdealBodyWeightCalculatorDisplay");

    main->cmdSelectOption_Click(0);
    fits("frmBodyFrameSizeMain");
    type(window("frmBodyFrameSizeMain"), "txtElbowInch", "2.5");
    Click(window("frmBodyFrameSizeMain"), "cmdCalculate");
    QVERIFY(in<QWidget>(window("frmBodyFrameSizeMain"), QStringLiteral("cmdBack"))->isVisible());
    fits("frmBodyFrameSizeMain");

    main->cmdSelectOption_Click(3);
    fits("frmIdealWaistHipRatioMain");
    type(window("frmIdealWaistHipRatioMain"), "txtWaist", "80");
    type(window("frmIdealWaistHipRatioMain"), "txtHip", "100");
    Click(window("frmIdealWaistHipRatioMain"), "cmdCalculate");
    QVERIFY(
        in<QWidget>(window("frmIdealWaistHipRatioMain"), QStringLiteral("cmdBack"))->isVisible());
    fits("frmIdealWaistHipRatioMain");
}

QTEST_MAIN(ShortScreensTest)
#include "tst_shortscreens.moc"
