#pragma once

#include <QLabel>

#include <memory>

namespace vellora {

// A label whose sizes are measured once for all labels of the same text and look. While a window
// opens, its layouts ask each wrapping label for its sizes and for its height at a width dozens
// of times, and a plain QLabel lays the whole text out again for most answers; that was half the
// time a calculator window took to open, paid again on every opening for the same texts. Here
// each answer is kept, shared with every label that measures the same: same text, font,
// wrapping, alignment, margins, indent, frame, screen resolution, format, style and access key.
// Any change to one of those looks the answers up afresh. A label that lays its text out through
// a text document (rich, selectable or focusable text) or has size limits is measured as a plain
// QLabel.
class MeasuredLabel : public QLabel {
    Q_OBJECT
public:
    explicit MeasuredLabel(const QString &text, QWidget *parent = nullptr);
    ~MeasuredLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    // Whether QLabel lays the text out through a text document of its own, to other sizes than
    // the plain text's: rich or selectable text, or a label that can take the focus. Such a label
    // is measured by QLabel.
    virtual bool laidOutAsDocument() const;

private:
    struct Basis;
    struct Measures;
    // The measures shared by labels measured as this one is now, or nullptr if QLabel measures
    // it alone.
    Measures *measures() const;

    mutable std::unique_ptr<Basis> measuredWith_;
    mutable std::shared_ptr<Measures> measures_;
};

} // namespace vellora
