#pragma once

#include <QLineEdit>

#include <functional>

namespace vellora {

// Whether a focus change with that reason moves between controls. Leaving for a message box, a
// menu or another program is not leaving a box: Qt keeps the selection then, and so does a
// TextBox.
bool MovesBetweenControls(Qt::FocusReason reason);

// Runs the action once the focus change under way has been reported to screen readers: at the
// next turn of the event loop, or before the next key or click if that comes first, so that
// nothing typed ahead meets the box as it was. A screen reader takes any report from a box that
// comes before the focus report (its text, selection or cursor changing) for the focus moving in,
// silently, and then passes over the focus report as old news.
void AfterFocusReported(QWidget *box, std::function<void()> action);

// A one-line text box that a screen reader hears arrive. Come into by Tab, Qt's box selects its
// text before the focus is reported; this one selects it once the focus has been reported.
// Leaving, it keeps its selection and hides it, as text boxes on Windows do: dropping the
// selection would be reported as "text unselected" on the control the focus went to. Coming back
// shows the selection again; by Tab the whole text is selected in any case.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString &text = QString(), QWidget *parent = nullptr);

    // Where the character at the offset stands on the screen, for screen readers and magnifiers.
    QRect characterRect(int offset) const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showSelection(bool shown);

    bool selectionHidden_ = false;
    QPalette shownPalette_;
};

} // namespace vellora
