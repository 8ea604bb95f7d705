#pragma once

// The one way each kind of label is made: its name, text, font and shape, and the one look of a
// calculation's result.

#include "widgets/MeasuredLabel.h"

#include <QFont>

namespace vellora {

class ReadableLabel;

// How a label's text lies: running text wraps, a centred label wraps too, a caption stays on
// one line.
enum class LabelShape { Text, Centred, OneLine };

template <class Label = MeasuredLabel>
Label *MakeLabel(const QString &name, const QString &text, const QFont &font, QWidget *parent,
                 LabelShape shape = LabelShape::Text) {
    auto *label = new Label(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    if (shape == LabelShape::Centred)
        label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(shape != LabelShape::OneLine);
    return label;
}

// lblResult: a calculation's result (a verdict, a range), centred and wrapping, reached by Tab
// and read with its heading. Every result has the one look: large, bold, dark blue on the light
// face that keeps it readable under any desktop theme.
ReadableLabel *MakeResultLabel(const QString &text, QWidget *parent);

} // namespace vellora
