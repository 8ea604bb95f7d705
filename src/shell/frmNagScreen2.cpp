#include "shell/frmNagScreen2.h"

#include "links/Promotions.h"
#include "platform/Platform.h"
#include "shell/Startup.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/LinkLabel.h"
#include "widgets/Pictures.h"
#include "widgets/TextBox.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace vellora {

namespace {

constexpr int kWindowWidth = 560;

QFont TitleFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setPointSizeF(13.5);
    font.setBold(true);
    return font;
}

QPushButton *MakeButton(const QString &name, const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(VerdanaFont(8.25));
    button->setAutoDefault(true); // Enter presses the button that has the focus
    return button;
}

// Keeps the box to the given number of characters as a line edit's maximum length does: what is
// typed or pasted beyond it is cut from the end of the insertion, and the text after the cursor
// stays. A pair of surrogates is cut as one character.
void LimitLength(QPlainTextEdit *box, int limit) {
    QTextDocument *document = box->document();
    QObject::connect(document, &QTextDocument::contentsChange, box,
                     [document, limit](int position, int, int added) {
                         const int length = document->characterCount() - 1;
                         const int excess = length - limit;
                         if (excess <= 0 || added <= 0)
                             return;
                         // What a replaced document adds counts its closing paragraph too.
                         const int end = std::min(position + added, length);
                         int start = std::max(position, end - excess);
                         if (start > 0 && document->characterAt(start - 1).isHighSurrogate())
                             --start;
                         QTextCursor cut(document);
                         cut.setPosition(start);
                         cut.setPosition(end, QTextCursor::KeepAnchor);
                         cut.removeSelectedText();
                     });
}

QString TextOf(const QWidget *box) {
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void SetTextOf(QWidget *box, const QString &text) {
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

} // namespace

QStringList frmNagScreen2::SupportMessages() {
    return {
        tr("Thank you for using Vellora! Please support Orvantix by visiting our "
           "online forum regularly and taking part in its discussions."),
        tr("Did Vellora help you? Orvantix keeps making free software with your "
           "support: drop in at our online forum often and join the discussions."),
        tr("Vellora comes to you from Orvantix. Show your support by visiting the "
           "Orvantix forum regularly and sharing your views in its discussions."),
        tr("Thanks for choosing Vellora. The best way to support Orvantix is to "
           "visit our online forum regularly and take part in the discussions there."),
    };
}

frmNagScreen2::frmNagScreen2(Platform &platform)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , platform_(platform) {
    setObjectName(QStringLiteral("frmNagScreen2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ProgramCaption());
    setWindowIcon(SuiteWindowIcon());
    setFont(VerdanaFont(8.25, false));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeading());
    layout->addSpacing(6);
    layout->addWidget(buildCatalogue());
    layout->addWidget(buildReferralForm());

    Check1_ = new QCheckBox(
        tr("Yes, take me to the Orvantix forum at %1").arg(QStringLiteral(VELLORA_MAIN_HOST)),
        this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setFont(VerdanaFont(8.25));
    connect(Check1_, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
    QPushButton *exitButton = MakeButton(QStringLiteral("cmdClose"), tr("E&xit"), this);
    connect(exitButton, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Check1_, 1);
    bottom->addWidget(exitButton);
    layout->addLayout(bottom);

    Form_Load();
    exitButton->setFocus(); // Enter right away leaves, as the user came to do
}

QLayout *frmNagScreen2::buildHeading() {
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(PictureFor(SuiteIcon(), 64, picture));
    picture->setFixedSize(64, 64);
    picture->setAccessibleName(QStringLiteral("Vellora"));

    QLabel *title = MakeLabel<QLabel>(QStringLiteral("Label1"), ProgramCaption(), TitleFont(), this,
                                      LabelShape::OneLine);
    Label2_ = MakeLabel<QLabel>(QStringLiteral("Label2"), QString(), VerdanaFont(9.75), this);
    FixTextColour(Label2_, QColor(0, 0, 128));

    auto *heading = new QGridLayout;
    heading->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    heading->addWidget(title, 0, 1);
    heading->addWidget(Label2_, 1, 1);
    heading->setColumnStretch(1, 1);
    heading->setHorizontalSpacing(12);
    return heading;
}

QGroupBox *frmNagScreen2::buildCatalogue() {
    auto *frame6 = new QGroupBox(tr("Download Orvantix Softwares"), this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    frame6->setFont(VerdanaFont(8.25));
    LinkLabel *goToHome = MakeWebLinkLabel(QStringLiteral("lblGoToHome"),
                                           tr("Click Here To Visit Orvantix Softwares"),
                                           WebLink::SoftwareCatalogue, platform_, frame6);
    goToHome->setFont(VerdanaFont(8.25, true, true));
    // In the theme's link colour, where that reads on the window: some dark themes choose a
    // blue too dark for their own grey.
    QPalette link = goToHome->palette();
    link.setColor(QPalette::WindowText,
                  ReadableOn(link.color(QPalette::Link), link.color(QPalette::Window)));
    goToHome->setPalette(link);
    QLabel *label3 = MakeLabel<QLabel>(
        QStringLiteral("Label3"),
        tr("Orvantix makes many more free programs for your health, your home and "
           "your work. Try them today, and share the ones you like with your friends "
           "and family."),
        VerdanaFont(8.25, false), frame6);
    auto *catalogue = new QVBoxLayout(frame6);
    catalogue->addWidget(label3);
    catalogue->addWidget(goToHome);
    return frame6;
}

QGroupBox *frmNagScreen2::buildReferralForm() {
    auto *frame2 = new QGroupBox(tr("Refer A Friend"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setFont(VerdanaFont(8.25));
    auto *form = new QGridLayout(frame2);
    for (int index = 0; index < kReferralFieldCount; ++index) {
        const auto field = static_cast<ReferralField>(index);
        const ReferralFieldDesign &design = DesignOf(field);
        QWidget *box = nullptr;
        if (field == ReferralField::Message) {
            auto *message = new QPlainTextEdit(design.placeholder, frame2);
            message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            message->setTabChangesFocus(true);
            message->setFixedHeight(QFontMetrics(message->font()).lineSpacing() * 4 + 12);
            LimitLength(message, design.maxLength);
            box = message;
        } else {
            auto *line = new TextBox(design.placeholder, frame2);
            line->setMaxLength(design.maxLength);
            box = line;
        }
        box->setObjectName(design.box);
        box->setFont(VerdanaFont(8.25, false));
        box->setAccessibleName(design.accessibleName);
        box->installEventFilter(this);
        boxes_[static_cast<std::size_t>(index)] = box;
    }
    // You on the left, your friend on the right, the message across both.
    form->addWidget(box(ReferralField::Name), 0, 0);
    form->addWidget(box(ReferralField::Email), 1, 0);
    form->addWidget(box(ReferralField::FriendName), 0, 1);
    form->addWidget(box(ReferralField::FriendEmail), 1, 1);
    form->addWidget(box(ReferralField::Message), 2, 0, 1, 2);
    QPushButton *submit =
        MakeButton(QStringLiteral("cmdSubmit"), tr("Refer A Friend &Now"), frame2);
    connect(submit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    form->addWidget(submit, 3, 1, Qt::AlignRight);
    // Tab goes the same way. It takes the controls in the order they were made, so only the
    // message, made before your friend's boxes, has to be moved behind them.
    setTabOrder(box(ReferralField::FriendEmail), box(ReferralField::Message));
    return frame2;
}

void frmNagScreen2::Form_Load() {
    const QStringList messages = SupportMessages();
    const int choice = static_cast<int>(platform_.randomNumber() * 4);
    Label2_->setText(messages.value(std::clamp(choice, 0, 3)));

    setFixedWidth(kWindowWidth);
    setFixedHeight(heightForWidth(kWindowWidth));
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    platform_.keepAboveOthers(this);
}

// E&xit and every other way of closing the window end the program once: EndProgram closes this
// window too, and its unload would ask for the end a second time.
void frmNagScreen2::Form_Unload() {
    if (ending_)
        return;
    ending_ = true;
    EndProgram(platform_);
}

void frmNagScreen2::closeEvent(QCloseEvent *event) {
    event->accept();
    Form_Unload();
}

void frmNagScreen2::cmdClose_Click() {
    Form_Unload();
}

// The box never stays ticked: ticking it opens the home page and unticks it again.
void frmNagScreen2::Check1_Click() {
    if (!Check1_->isChecked())
        return;
    Check1_->setChecked(false);
    OpenWebLink(platform_, WebLink::HomePage);
}

void frmNagScreen2::cmdSubmit_Click() {
    Referral referral;
    for (std::size_t index = 0; index < boxes_.size(); ++index)
        referral.values[index] = TextOf(boxes_[index]).trimmed();
    const QString refusal = ReferralRefusal(referral);
    if (!refusal.isEmpty()) {
        platform_.showMessage(this, refusal, MessageIcon::Stop, MessageButtons::Ok);
        return;
    }
    // The page does the sending; the form stays as it is, ready to go again. A browser that
    // cannot be started would otherwise lose the referral without a word.
    if (!platform_.openAddress(ReferAFriendAddress(referral)))
        platform_.showMessage(this,
                              tr("The refer-a-friend page could not be opened in your web browser"),
                              MessageIcon::Stop, MessageButtons::Ok);
}

void frmNagScreen2::txtBox_GotFocus(ReferralField field) {
    if (TextOf(box(field)).trimmed() == DesignOf(field).placeholder)
        SetTextOf(box(field), QString());
}

void frmNagScreen2::txtBox_LostFocus(ReferralField field) {
    if (TextOf(box(field)).trimmed().isEmpty())
        SetTextOf(box(field), DesignOf(field).placeholder);
}

bool frmNagScreen2::txtEmailBox_KeyPress(ReferralField field, const QString &typed) {
    if (typed != QLatin1String(" "))
        return false;
    platform_.showMessage(this, tr("Email Address Cannot Contain Space"), MessageIcon::Stop,
                          MessageButtons::Ok);
    box(field)->setFocus();
    return true;
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event) {
    const auto watchedBox = std::find(boxes_.begin(), boxes_.end(), watched);
    if (watchedBox == boxes_.end())
        return QWidget::eventFilter(watched, event);
    const auto field = static_cast<ReferralField>(watchedBox - boxes_.begin());
    const bool entering = event->type() == QEvent::FocusIn;
    // A message box, a context menu or another program taking the window's activation leaves the
    // box as it is. Otherwise the placeholder changes once the focus has been reported, while the
    // box is still the one entered, or still left.
    if ((entering || event->type() == QEvent::FocusOut) &&
        MovesBetweenControls(static_cast<QFocusEvent *>(event)->reason())) {
        AfterFocusReported(box(field), [this, field, entering] {
            if (box(field)->hasFocus() != entering)
                return;
            if (entering)
                txtBox_GotFocus(field);
            else
                txtBox_LostFocus(field);
        });
    }
    if (event->type() == QEvent::KeyPress &&
        (field == ReferralField::Email || field == ReferralField::FriendEmail))
        return txtEmailBox_KeyPress(field, static_cast<QKeyEvent *>(event)->text());
    return QWidget::eventFilter(watched, event);
}

} // namespace vellora
