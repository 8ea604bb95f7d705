#pragma once

#include <QLabel>

#include <array>
#include <cstddef>

namespace vellora {

// A label that remembers how high its text stands at the last few widths it was asked about.
// While a window opens, its layouts ask each wrapping label for its height at a width dozens of
// times, and a plain QLabel lays the whole text out again for every answer; that made up half
// the time a calculator window took to open. Any change of what the height depends on (text,
// font, wrapping, margins, indent, frame, screen resolution, format) starts the memory afresh.
class MeasuredLabel : public QLabel {
    Q_OBJECT
public:
    explicit MeasuredLabel(const QString &text, QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

private:
    struct Measured {
        bool known = false;
        int width = 0;
        int height = 0;
    };
    // What the heights were measured with.
    struct Basis {
        QString text;
        QFont font;
        bool wordWrap = false;
        int margin = 0;
        int indent = 0;
        QMargins contents;
        int frameWidth = 0;
        int dotsPerInch = 0;
        Qt::TextFormat format = Qt::AutoText;
        bool operator==(const Basis &) const = default;
    };
    Basis basis() const;

    mutable Basis measuredWith_;
    mutable std::array<Measured, 4> measured_{};
    mutable std::size_t next_ = 0;
};

} // namespace vellora
