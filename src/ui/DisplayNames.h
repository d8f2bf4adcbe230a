// The names the window shows for categories, units and symbols. A built-in
// one shows in the window's language (the translation files hold them all,
// from translations/BuiltinNames.cpp); the user's own show as the user gave
// them. The English names stay the keys: what the program stores, passes on
// and looks up, in every language.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "ui/kit/ListEntry.h"

namespace vantrel {

QString CategoryDisplayName(const QString& category);
QString UnitDisplayName(const QString& category, const QString& unit);
// A unit's symbol; the blank of a unit without one stays a blank.
QString SymbolDisplayName(const QString& category, const QString& symbol);
// The forms of a unit's name that the language writes after a count, the
// shown one first ("Meile", "Meilen"): what people type for it.
QStringList UnitNameForms(const QString& category, const QString& unit);

// The order in which the window lists texts in its language: the language's
// collation, and in English the order of the platform's sorted lists.
std::vector<int> DisplayOrder(const QStringList& texts);

// A list's entries for these categories, or for these units of a category, in
// the window's language and order, each known by its name. Of two that would
// show alike (the user's "Meile" beside the built-in mile), the one whose
// shown name is not its own says its name after it.
std::vector<ListEntry> CategoryEntries(const QStringList& categories);
std::vector<ListEntry> UnitEntries(const QString& category, const QStringList& units);

}  // namespace vantrel
