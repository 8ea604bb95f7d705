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

// The items of a list: each number from 0 to last, after the prefix (none, or ".").
QStringList NumberItems(QLatin1String prefix, int last) {
    QStringList items;
    items.reserve(last + 1);
    for (int value = 0; value <= last; ++value)
        items.append(prefix + QString::number(value)); // QString::arg takes far longer
    return items;
}

struct ListDesign {
    const char *name;
    const char *accessibleName;
};

// A list of an entry panel, sized from a few characters rather than by measuring a thousand items.
QComboBox *AddList(QHBoxLayout *lists, const ListDesign &design, const QStringList &items) {
    auto *list = new QComboBox(lists->parentWidget());
    list->setObjectName(QString::fromLatin1(design.name));
    NameList(list, frmBodyMassIndexMain::tr(design.accessibleName));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(4);
    list->setMaxVisibleItems(15);
    list->addItems(items);
    lists->addWidget(list);
    return list;
}

struct UnitDesign {
    const char *option;
    const char *optionCaption;
    void (frmBodyMassIndexMain::*click)();
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
    void (frmBodyMassIndexMain::*back)();
    const char *okButton;
    void (frmBodyMassIndexMain::*ok)();
    std::array<UnitDesign, 2> units;
};

const frmBodyMassIndexMain::AreaDesign frmBodyMassIndexMain::kWeight{
    "fraSelectWeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Select Category To Measure Weight"),
    "fraEnterWeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Enter Weight"),
    "cmdBackWeight",
    &frmBodyMassIndexMain::cmdBackWeight_Click,
    "cmdOkWeight",
    &frmBodyMassIndexMain::cmdOkWeight_Click,
    {{{"optKG",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Kilograms"),
       &frmBodyMassIndexMain::optKG_Click,
       "fraInKilogram",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Kilogram"),
       {"cmbKG",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in kilograms, whole part")},
       {"cmbPointKG",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in kilograms, tenths")},
       500},
      {"optPound",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Pounds"),
       &frmBodyMassIndexMain::optPound_Click,
       "fraInPound",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Pound"),
       {"cmbPound",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in pounds, whole part")},
       {"cmbPointPound",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Weight in pounds, tenths")},
       1000}}},
};

const frmBodyMassIndexMain::AreaDesign frmBodyMassIndexMain::kHeight{
    "fraSelectHeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Select Category To Measure Height"),
    "fraEnterHeight",
    QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Enter Height"),
    "cmdBackHeight",
    &frmBodyMassIndexMain::cmdBackHeight_Click,
    "cmdOKHeight",
    &frmBodyMassIndexMain::cmdOKHeight_Click,
    {{{"optMeter",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Meters"),
       &frmBodyMassIndexMain::optMeter_Click,
       "fraInMeter",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Meter"),
       {"cmbMeter",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in meters, whole part")},
       {"cmbPointMeter",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in meters, tenths")},
       10},
      {"optInches",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Inches"),
       &frmBodyMassIndexMain::optInches_Click,
       "fraInInches",
       QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "In Inches"),
       {"cmbInches",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in inches, whole part")},
       {"cmbPointInches",
        QT_TRANSLATE_NOOP("vellora::frmBodyMassIndexMain", "Height in inches, tenths")},
       500}}},
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

    layOut({label1, label3, weightArea, heightArea}, tr("Calculate My &BMI"),
           CoBrandSpacing::FourBlanks);
    Form_Load();
}

QWidget *frmBodyMassIndexMain::buildArea(Area &area, const AreaDesign &design) {
    area.place = new QStackedWidget(body());
    area.selectPanel = new QGroupBox(tr(design.selectCaption));
    area.selectPanel->setObjectName(QString::fromLatin1(design.selectPanel));
    area.options = new QButtonGroup(area.selectPanel);
    auto *optionRow = new QHBoxLayout(area.selectPanel);
    area.enterPanel = new QGroupBox(tr(design.enterCaption));
    area.enterPanel->setObjectName(QString::fromLatin1(design.enterPanel));
    auto *entry = new QGridLayout(area.enterPanel);

    const QStringList tenths = NumberItems(QLatin1String("."), 9);
    for (std::size_t index = 0; index < area.units.size(); ++index) {
        const UnitDesign &unitDesign = design.units[index];
        Area::Unit &unit = area.units[index];
        unit.option = new QRadioButton(tr(unitDesign.optionCaption), area.selectPanel);
        unit.option->setObjectName(QString::fromLatin1(unitDesign.option));
        connect(unit.option, &QRadioButton::clicked, this, unitDesign.click);
        area.options->addButton(unit.option);
        optionRow->addWidget(unit.option);

        unit.panel = new QGroupBox(tr(unitDesign.subPanelCaption), area.enterPanel);
        unit.panel->setObjectName(QString::fromLatin1(unitDesign.subPanel));
        // Unnamed, a panel inside a panel is read by the outer one's caption.
        unit.panel->setAccessibleName(unit.panel->title());
        auto *lists = new QHBoxLayout(unit.panel);
        unit.whole =
            AddList(lists, unitDesign.whole, NumberItems(QLatin1String(), unitDesign.lastWhole));
        unit.tenths = AddList(lists, unitDesign.tenths, tenths);
        lists->addStretch(1);
        entry->addWidget(unit.panel, 0, 0, 2, 1);
    }
    optionRow->addStretch(1);

    QPushButton *back =
        addButton(QString::fromLatin1(design.backButton), tr("Back"), area.enterPanel);
    QPushButton *ok = addButton(QString::fromLatin1(design.okButton), tr("OK"), area.enterPanel);
    connect(back, &QPushButton::clicked, this, design.back);
    connect(ok, &QPushButton::clicked, this, design.ok);
    entry->addWidget(back, 0, 1, Qt::AlignBottom);
    entry->addWidget(ok, 1, 1, Qt::AlignTop);
    entry->setColumnStretch(0, 1);

    area.place->addWidget(area.selectPanel);
    area.place->addWidget(area.enterPanel);
    return area.place;
}

void frmBodyMassIndexMain::Form_Load() {
    // The lists were filled as they were built, each at its first item; no unit is chosen yet.
    cmdBackWeight_Click();
    cmdBackHeight_Click();
    weight_.units[0].option->setFocus(); // the keyboard starts at the first thing to choose
}

void frmBodyMassIndexMain::chooseUnit(Area &area, int chosen) {
    area.place->setCurrentWidget(area.enterPanel);
    for (int index = 0; index < 2; ++index)
        area.units[index].panel->setVisible(index == chosen);
    area.units[chosen].whole->setFocus();
}

void frmBodyMassIndexMain::confirmArea(Area &area) {
    area.place->setCurrentWidget(area.selectPanel);
    if (QAbstractButton *chosen = area.options->checkedButton())
        chosen->setFocus();
}

void frmBodyMassIndexMain::clearArea(Area &area) {
    const bool hadFocus = area.place->isAncestorOf(focusWidget());
    area.place->setCurrentWidget(area.selectPanel);
    // Clearing a unit is not choosing one: setChecked sends no clicked().
    area.options->setExclusive(false);
    for (const Area::Unit &unit : area.units)
        unit.option->setChecked(false);
    area.options->setExclusive(true);
    if (hadFocus)
        area.units[0].option->setFocus();
}

void frmBodyMassIndexMain::cmdCalculate_Click() {
    // The lists of the second unit where it is chosen, else those of the first.
    const auto readLists = [](const Area &area, std::string &whole, std::string &tenths) {
        const Area::Unit &unit = area.units[area.units[1].option->isChecked() ? 1 : 0];
        whole = unit.whole->currentText().toStdString();
        tenths = unit.tenths->currentText().toStdString();
    };
    BmiSelection selection;
    if (weight_.units[0].option->isChecked())
        selection.weightUnit = WeightUnit::Kilograms;
    else if (weight_.units[1].option->isChecked())
        selection.weightUnit = WeightUnit::Pounds;
    readLists(weight_, selection.weightWhole, selection.weightTenths);
    if (height_.units[0].option->isChecked())
        selection.heightUnit = HeightUnit::Meters;
    else if (height_.units[1].option->isChecked())
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
