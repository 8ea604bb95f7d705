#include "calculators/ibw/frmIdealBodyWeightCalculatorDisplay.h"

#include "calculators/ibw/frmIdealBodyWeightCalculatorMain.h"
#include "links/Promotions.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/ReadableLabel.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace vellora {

namespace {

MeasuredLabel *AddLabel(QVBoxLayout *layout, const char *name, const QString &text,
                        const QFont &font) {
    auto *label = MakeLabel(QString::fromLatin1(name), text, font, layout->parentWidget(),
                            LabelShape::Centred);
    layout->addWidget(label);
    return label;
}

QVBoxLayout *AddFrame(QVBoxLayout *layout, const char *name) {
    auto *frame = new QFrame(layout->parentWidget());
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(frame);
    return new QVBoxLayout(frame);
}

} // namespace

frmIdealBodyWeightCalculatorDisplay::frmIdealBodyWeightCalculatorDisplay(CalculatorHost &mdi)
    : CalculatorResultWindow(mdi, tr("QV Ideal Body Weight Calculator"), CoBrandSpacing::Tight,
                             8400, 5400, LoadForm<frmIdealBodyWeightCalculatorMain>) {
    setObjectName(QStringLiteral("frmIdealBodyWeightCalculatorDisplay"));

    auto *layout = new QVBoxLayout(body());
    // Frame2 groups the advice on this window, so the banner's frame has a name of its own.
    layout->addWidget(MakeBannerFrame(QStringLiteral("fraBanner"), QStringLiteral("Label61"),
                                      DiscussionBoardBannerCaption(), platform(), body()));

    QVBoxLayout *frame1 = AddFrame(layout, "Frame1");
    heading_ = AddLabel(frame1, "Label2", tr("Your Ideal Body Weight Should Be Between"),
                        VerdanaFont(9.75));
    // Reached by Tab, and read with its heading.
    lblResult_ = MakeResultLabel(QString(), frame1->parentWidget());
    frame1->addWidget(lblResult_);

    QVBoxLayout *frame2 = AddFrame(layout, "Frame2");
    AddLabel(frame2, "Label3", tr("Thanks for using QV Ideal Body Weight Calculator"),
             VerdanaFont(8.25));
    const QFont advice = VerdanaFont(8.25, false);
    AddLabel(frame2, "Label4",
             tr("Knowing the Ideal Body Weight for your Height helps prevent many diseases like "
                "hypertension, diabetes and stress related illnesses"),
             advice);
    AddLabel(frame2, "Label5",
             tr("This software is not the ultimate answer to your problems and only serves as a "
                "guide. Please consult your physician before changing your diet"),
             advice);

    layout->addStretch(1);
    layout->addWidget(foot());
    // The keyboard, and with it a screen reader, starts at the range.
    lblResult_->setFocus();
}

void frmIdealBodyWeightCalculatorDisplay::setResultText(const QString &text) {
    SetResultText(lblResult_, heading_->text(), text);
}

} // namespace vellora
