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

} // namespace vellora
