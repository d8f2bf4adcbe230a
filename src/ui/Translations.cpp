#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace vantrel {
namespace {

// A translator of the application's, or null when no file of `name`
// ("vantrel_de_DE", falling back to "vantrel_de") is in `folder`.
QTranslator* Loaded(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
  if (!translator->load(name, folder)) return nullptr;
  return translator.release();
}

}  // namespace

QString InstallTranslations(const QStringList& languages, const QStringList& folders) {
  for (const QString& language : languages) {
    const QLocale locale(language);
    // The texts are English as written; a language before any other that we
    // speak is the user's choice of it. One unknown to Qt ("xx" reads as
    // the C locale) is no choice at all: the next one counts.
    if (locale.language() == QLocale::English) return {};
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) continue;
    const QString name = locale.name();
    for (const QString& folder : folders) {
      QTranslator* own = Loaded(QStringLiteral("vantrel_") + name, folder);
      if (!own) continue;
      QCoreApplication::installTranslator(own);
      if (QTranslator* qt = Loaded(QStringLiteral("qtbase_") + name,
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
      }
      return QLocale::languageToCode(locale.language());
    }
  }
  return {};
}

}  // namespace vantrel
