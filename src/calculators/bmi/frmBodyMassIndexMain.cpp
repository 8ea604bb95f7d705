#include "calculators/bmi/frmBodyMassIndexMain.h"

#include "calculators/bmi/BodyMassIndex.h"
#include "calculators/bmi/frmBodyMassIndexDisplay.h"
#include "platform/Platform.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace vellora {

namespace {

QStringList WholeItems(int last) {
    QStringList items;
    items.reserve(last + 1);
    for (int value = 0; value <= last; ++value)
        items.append(QString::number(value));
    return items;
}

QStringList TenthsItems() {
    QStringList items;
    for (int tenth = 0; tenth <= 9; ++tenth)
        items.append(QStringLiteral(".%1").arg(tenth));
    return items;
}

struct ListDesign {
    const char *name;
    const char *accessibleName;
};

struct UnitDesign {
    const char *option;
    const char *optionCaption;
    const char *subPanel;
    const char *subPanelCaption;
    ListDesign whole;
    ListDesign tenths;
    int lastWhole;
};

} // namespace

struct frmBodyMassIndexMain::AreaDesign {
    const char *selectPanel;
    const char *selectCaption;
    const char *enterPanel;
    const char *enterCaption;
    const char *backButton;
    const char *okButton;
    UnitDesign first;
    UnitDesign second;
};

const frmBodyMassIndexMain::AreaDesign frmBodyMassIndexMain::kWeight{
    "fraSelectWeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Select Category To Measure Weight"),
    "fraEnterWeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Enter Weight"),
    "cmdBackWeight",
    "cmdOkWeight",
    {"optKG",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Kilograms"),
     "fraInKilogram",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Kilogram"),
     {"cmbKG",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in kilograms, whole part")},
     {"cmbPointKG",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in kilograms, tenths")},
     500},
    {"optPound",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Pounds"),
     "fraInPound",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Pound"),
     {"cmbPound",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in pounds, whole part")},
     {"cmbPointPound",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in pounds, tenths")},
     1000},
};

const frmBodyMassIndexMain::AreaDesign frmBodyMassIndexMain::kHeight{
    "fraSelectHeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Select Category To Measure Height"),
    "fraEnterHeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Enter Height"),
    "cmdBackHeight",
    "cmdOKHeight",
    {"optMeter",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Meters"),
     "fraInMeter",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Meter"),
     {"cmbMeter",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in meters, whole part")},
     {"cmbPointMeter",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in meters, tenths")},
     10},
    {"optInches",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Inches"),
     "fraInInches",
     QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Inches"),
     {"cmbInches",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in inches, whole part")},
     {"cmbPointInches",
      QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in inches, tenths")},
     500},
};

frmBodyMassIndexMain::frmBodyMassIndexMain(CalculatorHost &mdi)
    : CalculatorInputWindow(mdi, tr("QV Body Mass Index"), {}, 8400, 7800) {
    setObjectName(QStringLiteral("frmBodyMassIndexMain"));

    QLabel *label1 = makeIntroduction(
        QStringLiteral("Label1"),
        tr("QV Body Mass Index calculates your Body Mass Index or BMI. BMI is a measure of "
           "obesity and this software can be used to control weight problems in adults. This "
           "software gives best results for adults over 20 years of age."));
    auto *label3 = new QLabel(tr("Enter the details and know your BMI"), body());
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setFont(VerdanaFont(9.75));

    QWidget *weightArea = buildArea(weight_, kWeight);
    QWidget *heightArea = buildArea(height_, kHeight);
    connect(weight_.firstUnit, &QRadioButton::clicked, this, &frmBodyMassIndexMain::optKG_Click);
    connect(weight_.secondUnit, &QRadioButton::clicked, this,
            &frmBodyMassIndexMain::optPound_Click);
    connect(height_.firstUnit, &QRadioButton::clicked, this, &frmBodyMassIndexMain::optMeter_Click);
    connect(height_.secondUnit, &QRadioButton::clicked, this,
            &frmBodyMassIndexMain::optInches_Click);

    layOut({label1, label3, weightArea, heightArea}, tr("Calculate My &BMI"),
           CoBrandSpacing::FourBlanks);
    Form_Load();
}

QWidget *frmBodyMassIndexMain::buildArea(Area &area, const AreaDesign &design) {
    area.place = new QStackedWidget(body());

    area.selectPanel = new QGroupBox(tr(design.selectCaption));
    area.selectPanel->setObjectName(QString::fromLatin1(design.selectPanel));
    area.units = new QButtonGroup(area.selectPanel);
    auto *options = new QHBoxLayout(area.selectPanel);
    for (QRadioButton **option : {&area.firstUnit, &area.secondUnit}) {
        const UnitDesign &unit = option == &area.firstUnit ? design.first : design.second;
        *option = new QRadioButton(tr(unit.optionCaption), area.selectPanel);
        (*option)->setObjectName(QString::fromLatin1(unit.option));
        area.units->addButton(*option);
        options->addWidget(*option);
    }
    options->addStretch(1);

    area.enterPanel = new QGroupBox(tr(design.enterCaption));
    area.enterPanel->setObjectName(QString::fromLatin1(design.enterPanel));
    auto *entry = new QGridLayout(area.enterPanel);
    const QStringList tenths = TenthsItems();
    auto buildSubPanel = [&](const UnitDesign &unit, QGroupBox *&panel, QComboBox *&whole,
                             QComboBox *&point) {
        panel = new QGroupBox(tr(unit.subPanelCaption), area.enterPanel);
        panel->setObjectName(QString::fromLatin1(unit.subPanel));
        // Unnamed, a panel inside a panel is read by the outer one's caption.
        panel->setAccessibleName(panel->title());
        auto *lists = new QHBoxLayout(panel);
        for (auto [list, listDesign, items] :
             {std::tuple{&whole, unit.whole, WholeItems(unit.lastWhole)},
              std::tuple{&point, unit.tenths, tenths}}) {
            auto *combo = new QComboBox(panel);
            combo->setObjectName(QString::fromLatin1(listDesign.name));
            NameList(combo, tr(listDesign.accessibleName));
            // Sized from a few characters, not by measuring a thousand items.
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(4);
            combo->setMaxVisibleItems(15);
            combo->addItems(items);
            lists->addWidget(combo);
            *list = combo;
        }
        lists->addStretch(1);
        entry->addWidget(panel, 0, 0, 2, 1);
    };
    buildSubPanel(design.first, area.firstSubPanel, area.firstWhole, area.firstTenths);
    buildSubPanel(design.second, area.secondSubPanel, area.secondWhole, area.secondTenths);

    QPushButton *back =
        addButton(QString::fromLatin1(design.backButton), tr("Back"), area.enterPanel);
    QPushButton *ok = addButton(QString::fromLatin1(design.okButton), tr("OK"), area.enterPanel);
    entry->addWidget(back, 0, 1, Qt::AlignBottom);
    entry->addWidget(ok, 1, 1, Qt::AlignTop);
    entry->setColumnStretch(0, 1);

    const bool weight = &area == &weight_;
    connect(back, &QPushButton::clicked, this,
            weight ? &frmBodyMassIndexMain::cmdBackWeight_Click
                   : &frmBodyMassIndexMain::cmdBackHeight_Click);
    connect(ok, &QPushButton::clicked, this,
            weight ? &frmBodyMassIndexMain::cmdOkWeight_Click
                   : &frmBodyMassIndexMain::cmdOKHeight_Click);

    area.place->addWidget(area.selectPanel);
    area.place->addWidget(area.enterPanel);
    return area.place;
}

void frmBodyMassIndexMain::Form_Load() {
    // The lists were filled as they were built, each at its first item; no unit is chosen yet.
    cmdBackWeight_Click();
    cmdBackHeight_Click();
    weight_.firstUnit->setFocus(); // the keyboard starts at the first thing to choose
}

void frmBodyMassIndexMain::chooseUnit(Area &area, bool first) {
    area.place->setCurrentWidget(area.enterPanel);
    area.firstSubPanel->setVisible(first);
    area.secondSubPanel->setVisible(!first);
    (first ? area.firstWhole : area.secondWhole)->setFocus();
}

void frmBodyMassIndexMain::confirmArea(Area &area) {
    area.place->setCurrentWidget(area.selectPanel);
    if (QAbstractButton *chosen = area.units->checkedButton())
        chosen->setFocus();
}

void frmBodyMassIndexMain::clearArea(Area &area) {
    const bool hadFocus = area.place->isAncestorOf(focusWidget());
    area.place->setCurrentWidget(area.selectPanel);
    // Clearing a unit is not choosing one: setChecked sends no clicked().
    area.units->setExclusive(false);
    area.firstUnit->setChecked(false);
    area.secondUnit->setChecked(false);
    area.units->setExclusive(true);
    if (hadFocus)
        area.firstUnit->setFocus();
}

void frmBodyMassIndexMain::optKG_Click() {
    chooseUnit(weight_, true);
}

void frmBodyMassIndexMain::optPound_Click() {
    chooseUnit(weight_, false);
}

void frmBodyMassIndexMain::optMeter_Click() {
    chooseUnit(height_, true);
}

void frmBodyMassIndexMain::optInches_Click() {
    chooseUnit(height_, false);
}

void frmBodyMassIndexMain::cmdOkWeight_Click() {
    confirmArea(weight_);
}

void frmBodyMassIndexMain::cmdOKHeight_Click() {
    confirmArea(height_);
}

void frmBodyMassIndexMain::cmdBackWeight_Click() {
    clearArea(weight_);
}

void frmBodyMassIndexMain::cmdBackHeight_Click() {
    clearArea(height_);
}

void frmBodyMassIndexMain::cmdCalculate_Click() {
    // The lists of the second unit where it is chosen, else those of the first.
    const auto readLists = [](const Area &area, std::string &whole, std::string &tenths) {
        const bool second = area.secondUnit->isChecked();
        whole = (second ? area.secondWhole : area.firstWhole)->currentText().toStdString();
        tenths = (second ? area.secondTenths : area.firstTenths)->currentText().toStdString();
    };
    BmiSelection selection;
    if (weight_.firstUnit->isChecked())
        selection.weightUnit = WeightUnit::Kilograms;
    else if (weight_.secondUnit->isChecked())
        selection.weightUnit = WeightUnit::Pounds;
    readLists(weight_, selection.weightWhole, selection.weightTenths);
    if (height_.firstUnit->isChecked())
        selection.heightUnit = HeightUnit::Meters;
    else if (height_.secondUnit->isChecked())
        selection.heightUnit = HeightUnit::Inches;
    readLists(height_, selection.heightWhole, selection.heightTenths);

    const BmiOutcome outcome = CalculateBodyMassIndex(selection);
    if (const auto *refusal = std::get_if<BmiRefusal>(&outcome)) {
        const QString message = *refusal == BmiRefusal::SelectBoth
                                    ? tr("Plese Select Both Your Height And Weight")
                                    : tr("Please Enter Your Correct Height");
        platform().showMessage(this, message, MessageIcon::Information, MessageButtons::Ok);
        return;
    }

    auto *display = LoadForm<frmBodyMassIndexDisplay>(host());
    display->setResult(std::get<BmiResult>(outcome));
    handOverTo(display);
}

} // namespace vellora
