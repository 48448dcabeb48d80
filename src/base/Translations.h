#pragma once

class QCoreApplication;

namespace tuk {

// Lets the program speak the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as the system
// locale reads them): its own texts from share/tu_k/translations beside the program, Qt's own (the
// standard dialogs' buttons) from Qt's translations. English, or a language without a
// translation, leaves the texts as written.
void InstallTranslations(QCoreApplication& app);

} // namespace tuk
