#include "widgets/MeasuredLabel.h"

#include <QHashFunctions>
#include <QTextDocument>

#include <array>
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <utility>

namespace vellora {

// Everything a QLabel's text sizes depend on.
struct MeasuredLabel::Basis {
    QString text;
    QFont font;
    int alignment = 0; // wrapping included
    int margin = 0;
    int indent = 0;
    QMargins contents;
    int frameWidth = 0;
    int dotsPerInch = 0;
    Qt::TextFormat format = Qt::AutoText;
    bool hasBuddy = false; // an "&" in the text then marks an access key and takes no room
    const QStyle *style = nullptr;
    bool operator==(const Basis &) const = default;
};

struct MeasuredLabel::Measures {
    std::optional<QSize> sizeHint;
    std::optional<QSize> minimumSizeHint;
    struct Height {
        bool known = false;
        int width = 0;
        int height = 0;
    };
    std::array<Height, 8> heights{};
    std::size_t next = 0;
};

namespace {

struct BasisHash {
    template <class Basis> std::size_t operator()(const Basis &basis) const {
        return qHashMulti(0, basis.text, basis.font, basis.alignment, basis.dotsPerInch);
    }
};

// Labels with size limits are measured by QLabel itself, every time: it does not measure afresh
// when the limits change, so that what it answers then belongs to no settings that could be
// shared.
bool HasSizeLimits(const QLabel &label) {
    return label.minimumSize() != QSize(0, 0) || label.maximumWidth() != QWIDGETSIZE_MAX;
}

} // namespace

MeasuredLabel::MeasuredLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent) {}

MeasuredLabel::~MeasuredLabel() = default;

bool MeasuredLabel::laidOutAsDocument() const {
    const Qt::TextFormat format = textFormat();
    return focusPolicy() != Qt::NoFocus ||
           (textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) ||
           (format != Qt::PlainText && (format != Qt::AutoText || Qt::mightBeRichText(text())));
}

MeasuredLabel::Measures *MeasuredLabel::measures() const {
    if (HasSizeLimits(*this) || laidOutAsDocument())
        return nullptr;
    Basis now{text(),
              font(),
              static_cast<int>(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0),
              margin(),
              indent(),
              contentsMargins(),
              frameWidth(),
              logicalDpiY(),
              textFormat(),
              buddy() != nullptr,
              style()};
    if (!measuredWith_ || !(now == *measuredWith_)) {
        static std::unordered_map<Basis, std::shared_ptr<Measures>, BasisHash> table;
        // The program has a few dozen texts; a table grown far past that holds texts that
        // changed (results, say) and is started afresh.
        if (table.size() >= 256 && !table.contains(now))
            table.clear();
        std::shared_ptr<Measures> &shared = table[now];
        if (!shared)
            shared = std::make_shared<Measures>();
        measures_ = shared;
        measuredWith_ = std::make_unique<Basis>(std::move(now));
    }
    return measures_.get();
}

QSize MeasuredLabel::sizeHint() const {
    ensurePolished(); // polishing may change the font
    Measures *known = measures();
    if (!known)
        return QLabel::sizeHint();
    if (!known->sizeHint)
        known->sizeHint = QLabel::sizeHint();
    return *known->sizeHint;
}

QSize MeasuredLabel::minimumSizeHint() const {
    ensurePolished();
    Measures *known = measures();
    if (!known)
        return QLabel::minimumSizeHint();
    if (!known->minimumSizeHint)
        known->minimumSizeHint = QLabel::minimumSizeHint();
    return *known->minimumSizeHint;
}

int MeasuredLabel::heightForWidth(int width) const {
    Measures *known = measures();
    if (!known)
        return QLabel::heightForWidth(width);
    for (const Measures::Height &entry : known->heights) {
        if (entry.known && entry.width == width)
            return entry.height;
    }
    const int height = QLabel::heightForWidth(width);
    known->heights[known->next] = {true, width, height};
    known->next = (known->next + 1) % known->heights.size();
    return height;
}

} // namespace vellora
