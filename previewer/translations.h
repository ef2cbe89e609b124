// The previewer's language: the batch program's choice, read from its settings, and the
// translators for it.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace translations {

// "Ui/Language" of the batch program's settings; Chinese when it has none.
QLocale chosenLanguage();

// Installs the translators for Qt's own texts and the previewer's, from the translations
// folder beside the program. A missing file leaves the source texts.
void install(QCoreApplication& app, const QLocale& locale);

}  // namespace translations
