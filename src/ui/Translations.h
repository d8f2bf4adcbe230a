// The window's language. Its texts are written in English and translated
// through Qt's translators: ours (vantrel_<language>.qm) and Qt's own for its
// standard texts (qtbase_<language>.qm: a box's context menu, a message's
// buttons). Names of units and categories, the settings file and numbers are
// the same in every language.
#pragma once

#include <QString>
#include <QStringList>

namespace vantrel {

// Installs the translations of the first of `languages` (as
// QLocale::uiLanguages() gives them, "de-DE") that the program speaks, ours
// from the first of `folders` that has them and Qt's from its own folder.
// English, or none it speaks, leaves every text as written. Returns the
// language installed ("de"), or empty.
QString InstallTranslations(const QStringList& languages, const QStringList& folders);

}  // namespace vantrel
