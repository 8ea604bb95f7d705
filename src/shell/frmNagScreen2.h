#pragma once

// The exit window. frmMDI's unload shows it once the main window has gone; it stays above all
// other windows, thanks the user with one of four support messages, points to the maker's other
// programs and offers the refer-a-friend form. Closing it, by "E&xit" or by any other means,
// ends the program through EndProgram.

#include "shell/ReferAFriend.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;

namespace vellora {

class Platform;

class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    explicit frmNagScreen2(Platform &platform);

    // The four support messages that Label2 chooses from.
    static QStringList SupportMessages();

public slots:
    void cmdSubmit_Click();
    void cmdClose_Click();
    void Check1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // From the top down, as Tab goes: the picture, title and support message; the box pointing
    // to the maker's other programs; the refer-a-friend form.
    QLayout *buildHeading();
    QGroupBox *buildCatalogue();
    QGroupBox *buildReferralForm();
    void Form_Load();
    void Form_Unload();
    // GotFocus and LostFocus of each of the five boxes: the placeholder makes way when the box
    // is entered and comes back when it is left empty.
    void txtBox_GotFocus(ReferralField field);
    void txtBox_LostFocus(ReferralField field);
    // KeyPress of txtEmail and txtFriendEmail; returns whether the typed text is discarded.
    bool txtEmailBox_KeyPress(ReferralField field, const QString &typed);

    QWidget *box(ReferralField field) const { return boxes_[static_cast<std::size_t>(field)]; }

    Platform &platform_;
    std::array<QWidget *, kReferralFieldCount> boxes_{};
    QLabel *Label2_ = nullptr;
    QCheckBox *Check1_ = nullptr;
    bool ending_ = false;
};

} // namespace vellora
