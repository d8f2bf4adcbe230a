#include "ui/DisplayNames.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <functional>

#include "ui/kit/ListSort.h"

namespace vantrel {
namespace {

// The contexts of translations/BuiltinNames.cpp; a unit's name and symbol are
// disambiguated by its category.
constexpr char kCategoryContext[] = "CategoryName";
constexpr char kUnitContext[] = "UnitName";
constexpr char kSymbolContext[] = "UnitSymbol";

//: The language whose alphabetical order sorts the window's lists of
//: categories and units, as a locale name: de, fr
const char* const kListLanguage = QT_TRANSLATE_NOOP("DisplayNames", "en");

// Counts whose forms cover the plural rules of the languages Qt knows.
constexpr int kCounts[] = {1, 2, 3, 5, 11, 21, 101, 0};

// Untranslated, the text comes back as given. A count of -1 asks for the
// first form without filling in a count.
QString Translated(const char* context, const QString& text, const QString& category,
                   int count = -1) {
  const QByteArray source = text.toUtf8();
  const QByteArray disambiguation = category.toUtf8();
  return QCoreApplication::translate(context, source.constData(), disambiguation.constData(),
                                     count);
}

std::vector<ListEntry> Entries(const QStringList& keys,
                               const std::function<QString(const QString&)>& shown) {
  std::vector<ListEntry> made;
  QHash<QString, int> uses;
  for (const QString& key : keys) {
    made.push_back({shown(key), key});
    ++uses[made.back().text];
  }
  QStringList texts;
  for (ListEntry& entry : made) {
    if (uses.value(entry.text) > 1 && entry.text != entry.key)
      entry.text += QStringLiteral(" (") + entry.key + QLatin1Char(')');
    texts << entry.text;
  }
  std::vector<ListEntry> ordered;
  ordered.reserve(made.size());
  for (int index : DisplayOrder(texts)) ordered.push_back(std::move(made[index]));
  return ordered;
}

}  // namespace

QString CategoryDisplayName(const QString& category) {
  return Translated(kCategoryContext, category, {});
}

QString UnitDisplayName(const QString& category, const QString& unit) {
  return Translated(kUnitContext, unit, category);
}

QString SymbolDisplayName(const QString& category, const QString& symbol) {
  if (symbol.trimmed().isEmpty()) return symbol;
  return Translated(kSymbolContext, symbol, category);
}

QStringList UnitNameForms(const QString& category, const QString& unit) {
  QStringList forms{UnitDisplayName(category, unit)};
  // A count fills in "%n": a name of the user's that holds one has no forms.
  if (unit.contains(QStringLiteral("%n"))) return forms;
  for (int count : kCounts) {
    const QString form = Translated(kUnitContext, unit, category, count);
    if (!forms.contains(form)) forms << form;
  }
  return forms;
}

std::vector<int> DisplayOrder(const QStringList& texts) {
  const QString language = QCoreApplication::translate("DisplayNames", kListLanguage);
  if (language == QLatin1String(kListLanguage)) return ListOrder(texts);
  const QCollator collator{QLocale(language)};
  std::vector<QCollatorSortKey> keys;
  keys.reserve(texts.size());
  for (const QString& text : texts) keys.push_back(collator.sortKey(text));
  std::vector<int> order(texts.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  // Texts the collation finds equal keep the platform's order among them.
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (const int by = keys[a].compare(keys[b])) return by < 0;
    return CompareListText(texts[a], texts[b]) < 0;
  });
  return order;
}

std::vector<ListEntry> CategoryEntries(const QStringList& categories) {
  return Entries(categories, CategoryDisplayName);
}

std::vector<ListEntry> UnitEntries(const QString& category, const QStringList& units) {
  return Entries(units,
                 [&category](const QString& unit) { return UnitDisplayName(category, unit); });
}

}  // namespace vantrel
