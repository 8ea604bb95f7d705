#pragma once

class QObject;

namespace vellora {

// Lets Qt's own texts (the buttons of a message box, the edit menu of a text box) follow the
// user's language where Qt's translations are installed. The program's own texts are not
// translated.
void FollowUserLanguageInQtTexts(QObject *owner);

} // namespace vellora
