#include "LauncherFixture.h"

#include "calculators/StepCalculatorWindow.h"
#include "calculators/bmi/BodyMassIndex.h"
#include "calculators/bmi/frmBodyMassIndexDisplay.h"
#include "calculators/bmi/frmBodyMassIndexMain.h"
#include "calculators/frame/frmBodyFrameSizeMain.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorDisplay.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"
#include "calculators/whr/frmIdealWaistHipRatioMain.h"
#include "links/frmAbout.h"
#include "shell/frmNagScreen2.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QtTest>

#include <cmath>

using namespace vellora;
using namespace vellora::test;

namespace {

// The least contrast between a text and what is behind it that makes it readable for most
// people with low vision.
constexpr double kReadable = 4.5;

double Luminance(QRgb colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How the text in that part of the picture stands out from what is behind it: the commonest
// colour is the background, the text is the colour furthest from it that fills more than a few
// pixels (the edges of smoothed letters are blends of the two and do not count).
double TextContrast(const QImage &picture, const QRect &area) {
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() >= 4)
            best = std::max(best, Contrast(background, it.key()));
    return best;
}

// Where the widget draws its text, in its own coordinates; an empty rectangle for a widget that
// shows no text.
QRect TextArea(QWidget *widget) {
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text().isEmpty() ? QRect() : label->contentsRect();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text().isEmpty() ? QRect() : button->rect().adjusted(4, 4, -4, -4);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text().isEmpty() ? QRect() : box->rect().adjusted(4, 4, -4, -4);
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        return box->toPlainText().isEmpty() ? QRect() : box->viewport()->geometry();
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        if (list->currentText().isEmpty())
            return {};
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                             QStyle::SC_ComboBoxEditField, list);
    }
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        if (frame->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    return {};
}

// The dark palette GNOME's Adwaita:dark hands to Qt through its GTK platform theme.
QPalette DarkPalette() {
    const QColor light(240, 240, 240);
    QPalette dark(light, QColor(50, 50, 50), QColor(75, 75, 75), QColor(33, 33, 33),
                  QColor(38, 38, 38), light, light, QColor(36, 36, 36), QColor(50, 50, 50));
    dark.setColor(QPalette::Midlight, QColor(42, 42, 42));
    dark.setColor(QPalette::Shadow, QColor(25, 25, 25));
    dark.setColor(QPalette::Highlight, QColor(48, 140, 198));
    dark.setColor(QPalette::HighlightedText, light);
    dark.setColor(QPalette::Link, QColor(48, 140, 198));
    dark.setColor(QPalette::AlternateBase, QColor(43, 43, 43));
    dark.setColor(QPalette::PlaceholderText, light);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(146, 146, 146));
    return dark;
}

// Fusion as a desktop's platform theme hands it over: its standard palette is the theme's too.
class ThemedStyle : public QProxyStyle {
public:
    explicit ThemedStyle(const QPalette &theme)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
        , theme_(theme) {}
    QPalette standardPalette() const override { return theme_; }

private:
    QPalette theme_;
};

} // namespace

class ContrastTest : public QObject, public LauncherFixture {
    Q_OBJECT

private slots:
    void initTestCase() { default_ = QApplication::palette(); }
    void cleanup() {
        about_.reset();
        exitWindow_.reset();
        closeMainWindow();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(default_);
    }

    void everyTextIsReadable_data();
    void everyTextIsReadable();

private:
    QWidget *openWindow(const QString &which);

    QPalette default_;
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmNagScreen2> exitWindow_;
};

// Opens the window as a user would reach it and returns it.
QWidget *ContrastTest::openWindow(const QString &which) {
    if (which == "launcher")
        return main.get();
    if (which == "About") {
        about_ = std::make_unique<frmAbout>(platform, main.get());
        about_->show();
        return about_.get();
    }
    if (which == "exit window") {
        exitWindow_ = std::make_unique<frmNagScreen2>(platform);
        exitWindow_->show();
        return exitWindow_.get();
    }
    if (which == "BMI input") {
        Click(main.get(), "cmdSelectOption_1");
        return form<frmBodyMassIndexMain>();
    }
    if (which == "BMI result") {
        BmiResult result;
        result.height = 1.7;
        result.weight = 70;
        result.bodyMassIndexText = "24.22";
        result.verdict = BmiClass::Normal;
        auto *display = main->loadForm<frmBodyMassIndexDisplay>();
        display->setResult(result);
        main->showForm(display);
        return display;
    }
    if (which == "IBW input") {
        Click(main.get(), "cmdSelectOption_2");
        return form<frmIdealBodyWeightCalculatorMain>();
    }
    if (which == "IBW result") {
        auto *display = main->loadForm<frmIdealBodyWeightCalculatorDisplay>();
        display->setResultText(QStringLiteral("62.6 - 69.2 Kilograms"));
        main->showForm(display);
        return display;
    }
    const bool frame = which.startsWith("frame");
    Click(main.get(), frame ? "cmdSelectOption_0" : "cmdSelectOption_3");
    auto *window = qobject_cast<StepCalculatorWindow *>(
        main->openForm(frame ? frmBodyFrameSizeMain::staticMetaObject
                             : frmIdealWaistHipRatioMain::staticMetaObject));
    if (window && which.endsWith("result")) {
        const QStringList entries =
            frame ? QStringList{"txtElbowInch=2.7"} : QStringList{"txtWaist=84", "txtHip=100"};
        for (const QString &entry : entries)
            in<QLineEdit>(window, entry.section('=', 0, 0))->setText(entry.section('=', 1));
        Click(window, "cmdCalculate");
        if (window->currentStep() != StepCalculatorWindow::ResultStep)
            return nullptr;
    }
    return window;
}

void ContrastTest::everyTextIsReadable_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("dark");
    for (const char *which :
         {"launcher", "BMI input", "BMI result", "IBW input", "IBW result", "WHR input",
          "WHR result", "frame input", "frame result", "About", "exit window"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, default").arg(which))) << which << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, dark").arg(which))) << which << true;
    }
}

// Every text of the window, against what is drawn behind it, under the default palette and
// under a dark desktop theme's.
void ContrastTest::everyTextIsReadable() {
    QFETCH(QString, which);
    QFETCH(bool, dark);
    if (dark) {
        QApplication::setStyle(new ThemedStyle(DarkPalette()));
        QApplication::setPalette(DarkPalette());
    }
    openMainWindow();
    QWidget *window = openWindow(which);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));
    QCoreApplication::processEvents();
    const QImage picture = window->grab().toImage();

    QStringList unreadable;
    int texts = 0;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || !widget->isEnabled())
            continue;
        // The launcher's own texts; an open calculator is a window of its own.
        if (window == main.get() && main->findChild<QMdiArea *>()->isAncestorOf(widget))
            continue;
        const QRect area = TextArea(widget);
        if (area.isEmpty())
            continue;
        ++texts;
        const double contrast =
            TextContrast(picture, area.translated(widget->mapTo(window, QPoint(0, 0))));
        if (contrast < kReadable)
            unreadable
                << QStringLiteral("%1 %2:1").arg(widget->objectName()).arg(contrast, 0, 'f', 1);
    }
    QVERIFY2(texts >= 3, qPrintable(QString::number(texts)));
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
}

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
