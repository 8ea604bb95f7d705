#include "widgets/MeasuredLabel.h"

#include <utility>

namespace vellora {

MeasuredLabel::MeasuredLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent) {}

MeasuredLabel::Basis MeasuredLabel::basis() const {
    return {text(),       font(),        wordWrap(),  margin(), indent(), contentsMargins(),
            frameWidth(), logicalDpiY(), textFormat()};
}

int MeasuredLabel::heightForWidth(int width) const {
    Basis now = basis();
    if (!(now == measuredWith_)) {
        measuredWith_ = std::move(now);
        measured_.fill({});
    }
    for (const Measured &entry : measured_) {
        if (entry.known && entry.width == width)
            return entry.height;
    }
    const int height = QLabel::heightForWidth(width);
    measured_[next_] = {true, width, height};
    next_ = (next_ + 1) % measured_.size();
    return height;
}

} // namespace vellora
