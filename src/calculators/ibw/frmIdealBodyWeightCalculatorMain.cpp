#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"

#include "calculators/LocalNumbers.h"
#include "calculators/ibw/IdealBodyWeight.h"
#include "calculators/ibw/frmIdealBodyWeightCalculatorDisplay.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vellora {

namespace {

// A fixed list with its caption label in front; the caption is the list's buddy, and the
// accessible name says what the list holds where the caption alone would not.
QComboBox *AddList(QGridLayout *grid, int row, const char *labelName, const QString &caption,
                   const char *listName, const QString &holds, QWidget *parent) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setFont(VerdanaFont(8.25));
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(listName));
    NameList(list, holds);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(16);
    list->setMaxVisibleItems(15);
    label->setBuddy(list);
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1);
    return list;
}

} // namespace

frmIdealBodyWeightCalculatorMain::frmIdealBodyWeightCalculatorMain(CalculatorHost &mdi)
    : CalculatorInputWindow(
          mdi, tr("QV Ideal Body Weight Calculator"),
          {{QStringLiteral("mnuGetIdealBodyWeight"), tr("Get My &Ideal Body Weight")}}, 8400,
          6000) {
    setObjectName(QStringLiteral("frmIdealBodyWeightCalculatorMain"));
    connect(menu()->fileItem(QStringLiteral("mnuGetIdealBodyWeight")), &QAction::triggered, this,
            &frmIdealBodyWeightCalculatorMain::cmdCalculate_Click);

    QLabel *label4 = makeIntroduction(
        QStringLiteral("Label4"),
        tr("Welcome to the QV Ideal Body Weight Calculator. Knowing the ideal weight helps you "
           "decide whether you should go on a diet or not."));

    auto *fraEnterHeight = new QGroupBox(tr("Enter Height"), body());
    fraEnterHeight->setObjectName(QStringLiteral("fraEnterHeight"));
    auto *lists = new QGridLayout;
    cmbGender_ = AddList(lists, 0, "Label3", tr("Sex"), "cmbGender", tr("Sex"), fraEnterHeight);
    cmbFeet_ = AddList(lists, 1, "Label1", tr("Feet"), "cmbFeet", tr("Height in feet and inches"),
                       fraEnterHeight);
    lists->setColumnStretch(2, 1);
    optKG_ = new QRadioButton(tr("Get My Ideal Body Weight In Kilograms"), fraEnterHeight);
    optKG_->setObjectName(QStringLiteral("optKG"));
    optPound_ = new QRadioButton(tr("Get My Ideal Body Weight In Pounds"), fraEnterHeight);
    optPound_->setObjectName(QStringLiteral("optPound"));
    auto *heightLayout = new QVBoxLayout(fraEnterHeight);
    heightLayout->addLayout(lists);
    heightLayout->addSpacing(6);
    heightLayout->addWidget(optKG_, 0, Qt::AlignLeft);
    heightLayout->addWidget(optPound_, 0, Qt::AlignLeft);

    layOut({label4, fraEnterHeight}, tr("Get My &Ideal Body Weight"), CoBrandSpacing::Tight);
    Form_Load();
}

void frmIdealBodyWeightCalculatorMain::Form_Load() {
    // The heights in the table's order: the table's row is the list position.
    for (const IdealWeightRow &row : IdealWeightTable)
        cmbFeet_->addItem(tr("%1 Feet %n Inches", nullptr, row.inches).arg(row.feet));
    cmbGender_->addItems(sexItems());
    optPound_->setChecked(true);
    cmbGender_->setFocus();
}

void frmIdealBodyWeightCalculatorMain::cmdCalculate_Click() {
    IbwSelection selection;
    selection.sex = SexFromListPosition(cmbGender_->currentIndex());
    selection.heightRow = cmbFeet_->currentIndex();
    selection.unit = optKG_->isChecked() ? WeightUnit::Kilograms : WeightUnit::Pounds;
    QString text;
    if (const std::optional<IbwResult> range = CalculateIdealBodyWeight(selection)) {
        const QString low = ShortestNumberText(range->low);
        const QString high = ShortestNumberText(range->high);
        text = selection.unit == WeightUnit::Kilograms
                   ? tr("%1 Kgs To %2 Kgs").arg(low, high)
                   : tr("%1 Pounds To %2 Pounds").arg(low, high);
    }

    auto *display = LoadForm<frmIdealBodyWeightCalculatorDisplay>(host());
    display->setResultText(text);
    handOverTo(display);
}

} // namespace vellora
