#pragma once

#include <QString>
#include <QStringList>

class QObject;

namespace vellora {

// The program's catalogue for the first of the user's languages (in the order of their
// preference) that has one: "de", "fr", "es" or "pt_BR"; empty for English, which the program
// is written in, and for a list that reaches English, or its end, first.
QString CatalogueLanguage(const QStringList &uiLanguages);

// Puts the program's texts, and Qt's own (the buttons of a message box, the edit menu of a text
// box), in the user's language: the program's catalogue for CatalogueLanguage of the default
// locale's languages, with Qt's own for that language beside it. Where the program stays in
// English, Qt's own texts still follow the user's first language Qt has a catalogue for. The
// translators belong to the owner.
void FollowUserLanguage(QObject *owner);

} // namespace vellora
