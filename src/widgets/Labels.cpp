#include "widgets/Labels.h"

#include "widgets/Design.h"
#include "widgets/ReadableLabel.h"

namespace vellora {

ReadableLabel *MakeResultLabel(const QString &text, QWidget *parent) {
    auto *label = MakeLabel<ReadableLabel>(QStringLiteral("lblResult"), text, VerdanaFont(12),
                                           parent, LabelShape::Centred);
    FixTextColour(label, QColor(0, 0, 160));
    return label;
}

ReadableLabel *MakeValueLabel(const QString &name, const QString &text, QWidget *parent) {
    return MakeLabel<ReadableLabel>(name, text, VerdanaFont(9.75, false), parent,
                                    LabelShape::Centred);
}

} // namespace vellora
