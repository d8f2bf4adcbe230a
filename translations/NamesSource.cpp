// Writes the built-in categories' and units' names and the units' symbols as
// texts marked for lupdate (translations/BuiltinNames.cpp), so that the
// translation files hold them beside the window's own texts. The build's
// update_translations runs it before lupdate; a test compares its output with
// the file. Usage: vantrel_names_source FILE writes it; --check FILE fails
// when the file differs from what it would write.
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "units/BuiltinUnitTable.h"

namespace {

// A C string literal of the text, as lupdate reads it back.
std::string Literal(std::string_view text) {
  std::string literal = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') literal += '\\';
    literal += c;
  }
  return literal + '"';
}

std::string Source() {
  std::ostringstream out;
  out << "// The names of the built-in categories and units and the units' symbols, as\n"
         "// lupdate reads them into the translation files; the window translates them\n"
         "// where it shows them (ui/DisplayNames.h). Written by\n"
         "// `cmake --build build --target update_translations` from the built-in table\n"
         "// (translations/NamesSource.cpp), never by hand, and not compiled.\n"
         "//\n"
         "// A unit's name is a numerus message: its form after 1 is the name the\n"
         "// window shows, the others are what people type after other counts (\"100\n"
         "// Meilen\"). A unit's name and symbol are disambiguated by its category.\n";
  for (const vantrel::BuiltinCategory& category : vantrel::BuiltinCategories()) {
    const std::string name = Literal(category.name);
    out << "\nQT_TRANSLATE_NOOP(\"CategoryName\", " << name << ")\n";
    // Each symbol once, for all the units that share it.
    std::map<std::string_view, std::vector<std::string_view>> symbols;
    std::vector<std::string_view> order;
    for (const vantrel::BuiltinUnit& unit : vantrel::BuiltinUnits()) {
      if (unit.category != category.name) continue;
      const bool hasSymbol = unit.abbreviation.find_first_not_of(' ') != std::string_view::npos;
      if (hasSymbol) out << "//: " << unit.abbreviation << "\n";
      out << "QT_TRANSLATE_N_NOOP3(\"UnitName\", " << Literal(unit.name) << ", " << name << ")\n";
      if (!hasSymbol) continue;
      auto& names = symbols[unit.abbreviation];
      if (names.empty()) order.push_back(unit.abbreviation);
      names.push_back(unit.name);
    }
    for (const std::string_view symbol : order) {
      std::string units;
      for (const std::string_view unit : symbols[symbol])
        units += (units.empty() ? "" : ", ") + std::string(unit);
      out << "//: " << units << "\n"
          << "QT_TRANSLATE_NOOP3(\"UnitSymbol\", " << Literal(symbol) << ", " << name << ")\n";
    }
  }
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const bool check = arguments.size() == 2 && arguments[0] == "--check";
  if (arguments.size() != 1 && !check) {
    std::cerr << "usage: vantrel_names_source [--check] FILE\n";
    return 2;
  }
  const std::string& path = arguments.back();
  if (check) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream held;
    held << file.rdbuf();
    if (held.str() == Source()) return 0;
    std::cerr << path << " is not up to date with the unit table: "
              << "cmake --build build --target update_translations, then translate what it "
                 "marks unfinished\n";
    return 1;
  }
  std::ofstream file(path, std::ios::binary);
  file << Source();
  file.close();
  if (!file) {
    std::cerr << "vantrel_names_source: cannot write " << path << '\n';
    return 1;
  }
  return 0;
}
