#include "geo/CoordinateText.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "geo/UtmZone.h"
#include "platform/Digits.h"
#include "platform/NumberText.h"
#include "platform/TextEncoding.h"

namespace vantrel {

namespace {

enum class Symbol { kBlank, kComma, kColon, kPlus, kMinus, kDegrees, kMinutes, kSeconds };

struct Spelling {
  std::string_view text;  // UTF-8
  Symbol symbol;
};

// Two minute marks make a seconds mark, so they come before the single ones.
constexpr Spelling kSpellings[] = {
    {" ", Symbol::kBlank},
    {"\t", Symbol::kBlank},
    {"\xc2\xa0", Symbol::kBlank},      // no-break space
    {"\xe2\x80\xaf", Symbol::kBlank},  // narrow no-break space
    {",", Symbol::kComma},
    {";", Symbol::kComma},
    {":", Symbol::kColon},
    {"+", Symbol::kPlus},
    {"-", Symbol::kMinus},
    {"\xe2\x88\x92", Symbol::kMinus},  // minus sign
    {"\xc2\xb0", Symbol::kDegrees},    // degree sign
    {"\xc2\xba", Symbol::kDegrees},    // masculine ordinal, often typed for it
    {"''", Symbol::kSeconds},
    {"\xe2\x80\xb2\xe2\x80\xb2", Symbol::kSeconds},  // two primes
    {"\xe2\x80\x99\xe2\x80\x99", Symbol::kSeconds},  // two right single quotes
    {"'", Symbol::kMinutes},
    {"\xe2\x80\xb2", Symbol::kMinutes},  // prime
    {"\xe2\x80\x99", Symbol::kMinutes},  // right single quote
    {"\"", Symbol::kSeconds},
    {"\xe2\x80\xb3", Symbol::kSeconds},  // double prime
    {"\xe2\x80\x9d", Symbol::kSeconds},  // right double quote
};

std::optional<Spelling> SymbolAt(std::string_view text, std::size_t pos) {
  for (const Spelling& s : kSpellings) {
    if (text.substr(pos, s.text.size()) == s.text) return s;
  }
  return std::nullopt;
}

// The character at `pos` as a message may quote it.
std::string CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = lead < 0xc0 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
  const std::string_view character = text.substr(pos, length);
  return QuotableUtf8(IsValidUtf8(character) ? character : text.substr(pos, 1));
}

struct Decimal {
  double value = 0;
  bool fraction = false;  // written with a point
};

// Digits with at most one point ("33", "43.917", ".5", "33."), no sign and
// no exponent. Nothing when `pos` holds no digit, or the number runs on into
// a second point; `pos` moves past what was read.
std::optional<Decimal> ReadDecimal(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  std::size_t digits = 0;
  bool point = false;
  for (; pos < text.size(); ++pos) {
    if (IsDigit(text[pos])) {
      ++digits;
    } else if (text[pos] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0 || (pos < text.size() && text[pos] == '.')) {
    pos = start;
    return std::nullopt;
  }
  const std::string number(text.substr(start, pos - start));
  return Decimal{ParseDouble(number.c_str()), point};
}

GeoResult<LatLong> Malformed(std::string message) {
  return GeoFailure<LatLong>(GeoError::kMalformed, std::move(message));
}

// One piece of a written latitude/longitude.
struct Item {
  enum class Kind { kNumber, kLetter, kComma };
  Kind kind = Kind::kNumber;
  std::string_view spelling;  // as written, mark included
  double value = 0;           // a number's size
  bool signed_ = false;       // written with + or -
  bool negative = false;
  bool fraction = false;
  int rank = -1;  // 0 degrees, 1 minutes, 2 seconds as marked; -1 unmarked
  char letter = 0;
};

// A letter touching an unmarked number that marks it: d for degrees, m for
// minutes, and s for seconds after minutes ("33d43m55sS"); elsewhere s is
// south.
std::optional<Spelling> LetterMark(std::string_view text, std::size_t pos,
                                   const std::vector<Item>& items) {
  if (items.empty() || items.back().kind != Item::Kind::kNumber || items.back().rank >= 0 ||
      items.back().spelling.data() + items.back().spelling.size() != text.data() + pos) {
    return std::nullopt;
  }
  const std::string_view letter = text.substr(pos, 1);
  if ((letter[0] | 0x20) == 'd') return Spelling{letter, Symbol::kDegrees};
  if ((letter[0] | 0x20) == 'm') return Spelling{letter, Symbol::kMinutes};
  const bool afterMinutes = items.size() > 1 && items[items.size() - 2].rank == 1;
  if (letter[0] == 's' && afterMinutes) return Spelling{letter, Symbol::kSeconds};
  return std::nullopt;
}

// The items of the text, or the reason it cannot be read.
std::optional<std::string> Tokenize(std::string_view text, std::vector<Item>& items) {
  constexpr const char* kColonPlace = "a colon must stand between two numbers (33:43:55)";
  std::size_t pos = 0;
  int colonRank = -1;  // the part the number after a colon is
  while (pos < text.size()) {
    const std::size_t start = pos;
    std::optional<Spelling> symbol = SymbolAt(text, pos);
    if (!symbol) symbol = LetterMark(text, pos, items);
    if (symbol && symbol->symbol == Symbol::kBlank) {
      pos += symbol->text.size();
      continue;
    }
    const bool startsNumber =
        pos < text.size() &&
        (IsDigit(text[pos]) || text[pos] == '.' ||
         (symbol && (symbol->symbol == Symbol::kPlus || symbol->symbol == Symbol::kMinus)));
    if (colonRank >= 0 && !startsNumber) return kColonPlace;
    if (symbol && symbol->symbol == Symbol::kColon) {
      if (items.empty() || items.back().kind != Item::Kind::kNumber) return kColonPlace;
      Item& before = items.back();
      if (before.rank < 0) before.rank = 0;
      colonRank = before.rank + 1;
      ++pos;
      continue;
    }
    if (symbol && symbol->symbol == Symbol::kComma) {
      pos += symbol->text.size();
      items.push_back({Item::Kind::kComma, text.substr(start, 1)});
      continue;
    }
    if (symbol && (symbol->symbol == Symbol::kDegrees || symbol->symbol == Symbol::kMinutes ||
                   symbol->symbol == Symbol::kSeconds)) {
      const std::string mark(symbol->text);
      if (items.empty() || items.back().kind != Item::Kind::kNumber || items.back().rank >= 0) {
        return "the mark " + mark + " must follow a number";
      }
      Item& number = items.back();
      number.rank = symbol->symbol == Symbol::kDegrees   ? 0
                    : symbol->symbol == Symbol::kMinutes ? 1
                                                         : 2;
      pos += symbol->text.size();
      number.spelling =
          std::string_view(number.spelling.data(),
                           static_cast<std::size_t>(text.data() + pos - number.spelling.data()));
      continue;
    }
    Item item;
    if (symbol && (symbol->symbol == Symbol::kPlus || symbol->symbol == Symbol::kMinus)) {
      item.signed_ = true;
      item.negative = symbol->symbol == Symbol::kMinus;
      pos += symbol->text.size();
    }
    if (pos < text.size() && (IsDigit(text[pos]) || text[pos] == '.')) {
      const std::optional<Decimal> number = ReadDecimal(text, pos);
      if (!number) return "cannot read the number at '" + QuotableUtf8(text.substr(start)) + "'";
      item.value = number->value;
      item.fraction = number->fraction;
      item.spelling = text.substr(start, pos - start);
      item.rank = std::exchange(colonRank, -1);
      items.push_back(item);
      continue;
    }
    if (item.signed_) return "a sign must stand right before a number";
    const char upper = static_cast<char>(text[pos] & ~0x20);
    if (upper == 'N' || upper == 'S' || upper == 'E' || upper == 'W') {
      item.kind = Item::Kind::kLetter;
      item.letter = upper;
      item.spelling = text.substr(pos, 1);
      items.push_back(item);
      ++pos;
      continue;
    }
    return "cannot read '" + CharacterAt(text, pos) + "' in the coordinates";
  }
  if (colonRank >= 0) return kColonPlace;
  return std::nullopt;
}

// One coordinate as split off: one to three numbers and a letter or none.
struct Coordinate {
  std::vector<const Item*> numbers;
  char letter = 0;
};

// Empty when `items` make one coordinate, else the reason they do not.
std::string Shape(std::span<const Item> items, Coordinate& out) {
  out = {};
  std::size_t first = 0;
  std::size_t last = items.size();
  if (last > 0 && items[0].kind == Item::Kind::kLetter) out.letter = items[first++].letter;
  if (last > first && items[last - 1].kind == Item::Kind::kLetter) {
    if (out.letter != 0) return "one coordinate has two hemisphere letters";
    out.letter = items[--last].letter;
  }
  for (std::size_t i = first; i < last; ++i) {
    if (items[i].kind != Item::Kind::kNumber) {
      return "a hemisphere letter stands between the numbers of one coordinate";
    }
    out.numbers.push_back(&items[i]);
  }
  if (out.numbers.empty()) return "a latitude or longitude without a number";
  if (out.numbers.size() > 3) {
    return "more than three numbers (degrees, minutes, seconds) for one coordinate";
  }
  for (std::size_t i = 0; i < out.numbers.size(); ++i) {
    const Item& n = *out.numbers[i];
    if (n.rank >= 0 && n.rank != static_cast<int>(i)) {
      return "'" + std::string(n.spelling) + "' is out of the order degrees, minutes, seconds";
    }
    if (n.signed_ && i > 0) return "only the degrees may carry a sign";
    if (n.fraction && i + 1 < out.numbers.size()) {
      return "only the last number of a coordinate may have decimals";
    }
  }
  return {};
}

constexpr const char* kSignAndLetter = "give a sign or a hemisphere letter, not both";

// A coordinate that gives its direction twice, which no reading may.
bool SignAndLetter(const Coordinate& c) { return c.letter != 0 && c.numbers[0]->signed_; }

std::string Spelled(std::span<const Item> items) {
  std::string text;
  for (const Item& item : items) {
    if (!text.empty()) text += ' ';
    text += item.spelling;
  }
  return text;
}

struct Split {
  Coordinate first;
  Coordinate second;
};

// The one way to split the items into two coordinates, or why there is none
// or more than one.
std::optional<std::string> SplitItems(const std::vector<Item>& items, Split& split) {
  std::size_t comma = items.size();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind != Item::Kind::kComma) continue;
    if (comma != items.size()) return "more than one comma; decimals are written with a point";
    comma = i;
  }
  const std::span<const Item> all(items);
  if (comma != items.size()) {
    if (comma == 0 || comma + 1 == items.size()) return "give both latitude and longitude";
    std::string reason = Shape(all.first(comma), split.first);
    if (reason.empty()) reason = Shape(all.subspan(comma + 1), split.second);
    if (reason.empty()) return std::nullopt;
    return reason;
  }

  std::vector<std::size_t> fits;
  std::string reason;
  bool oneReason = true;
  bool directionTwice = false;
  for (std::size_t k = 1; k < items.size(); ++k) {
    Coordinate a, b;
    std::string why = Shape(all.first(k), a);
    if (why.empty()) why = Shape(all.subspan(k), b);
    if (why.empty() && (SignAndLetter(a) || SignAndLetter(b))) {
      directionTwice = true;
    } else if (why.empty()) {
      fits.push_back(k);
      split = {a, b};
    } else if (reason.empty()) {
      reason = why;
    } else if (why != reason) {
      oneReason = false;
    }
  }
  if (fits.size() == 1) return std::nullopt;
  if (fits.size() > 1) {
    std::string readings;
    for (std::size_t k : fits) {
      if (!readings.empty()) readings += "; ";
      readings += Spelled(all.first(k)) + " | " + Spelled(all.subspan(k));
    }
    return "the coordinates can be read more than one way (" + readings +
           "); put a comma between latitude and longitude";
  }
  if (directionTwice) return kSignAndLetter;
  if (oneReason) return reason;
  return "cannot tell the latitude from the longitude; put a comma between them";
}

// Latitude for N and S, longitude for E and W, nothing for no letter.
enum class Axis { kUnknown, kLatitude, kLongitude };
Axis AxisOf(const Coordinate& c) {
  if (c.letter == 'N' || c.letter == 'S') return Axis::kLatitude;
  if (c.letter == 'E' || c.letter == 'W') return Axis::kLongitude;
  return Axis::kUnknown;
}

// The signed value in degrees, or the reason there is none.
GeoResult<double> ValueOf(const Coordinate& c) {
  const Item& degrees = *c.numbers[0];
  if (SignAndLetter(c)) return GeoFailure<double>(GeoError::kMalformed, kSignAndLetter);
  double value = degrees.value;
  constexpr const char* kParts[] = {"degrees", "minutes", "seconds"};
  for (std::size_t i = 1; i < c.numbers.size(); ++i) {
    const double part = c.numbers[i]->value;
    if (part >= 60) {
      return GeoFailure<double>(GeoError::kOutOfRange,
                                std::string(kParts[i]) + " must be below 60");
    }
    value += part / (i == 1 ? 60 : 3600);
  }
  const bool negative = degrees.negative || c.letter == 'S' || c.letter == 'W';
  return negative ? -value : value;
}

}  // namespace

GeoResult<LatLong> ParseLatLongText(std::string_view text) {
  std::vector<Item> items;
  if (std::optional<std::string> reason = Tokenize(text, items)) return Malformed(*reason);
  if (items.empty()) return Malformed("no coordinates given");
  const auto count = [&](Item::Kind kind) {
    return std::count_if(items.begin(), items.end(), [&](const Item& i) { return i.kind == kind; });
  };
  const auto numbers = count(Item::Kind::kNumber);
  if (numbers < 2) return Malformed("give both latitude and longitude");
  // Also keeps the search for the split short whatever the text's length.
  if (numbers > 6) {
    return Malformed("more than six numbers; latitude and longitude have three each at most");
  }
  if (count(Item::Kind::kLetter) > 2) return Malformed("more than two hemisphere letters");

  Split split;
  if (std::optional<std::string> reason = SplitItems(items, split)) return Malformed(*reason);

  const Axis first = AxisOf(split.first);
  const Axis second = AxisOf(split.second);
  if (first != Axis::kUnknown && first == second) {
    return Malformed(first == Axis::kLatitude ? "both coordinates are marked as latitudes (N, S)"
                                              : "both coordinates are marked as longitudes (E, W)");
  }
  const bool swapped = first == Axis::kLongitude || second == Axis::kLatitude;
  const Coordinate& latitudeText = swapped ? split.second : split.first;
  const Coordinate& longitudeText = swapped ? split.first : split.second;

  const GeoResult<double> latitude = ValueOf(latitudeText);
  if (!latitude) return GeoFailure<LatLong>(latitude.error, latitude.message);
  const GeoResult<double> longitude = ValueOf(longitudeText);
  if (!longitude) return GeoFailure<LatLong>(longitude.error, longitude.message);
  if (!(std::fabs(latitude.value) <= 90)) {
    return GeoFailure<LatLong>(GeoError::kOutOfRange, "latitude must be between -90 and 90");
  }
  if (!(std::fabs(longitude.value) <= 180)) {
    return GeoFailure<LatLong>(GeoError::kOutOfRange, "longitude must be between -180 and 180");
  }
  return LatLong{latitude.value, longitude.value};
}

namespace {

void SkipBlanks(std::string_view text, std::size_t& pos, bool commaToo) {
  while (pos < text.size()) {
    const std::optional<Spelling> symbol = SymbolAt(text, pos);
    if (!symbol ||
        !(symbol->symbol == Symbol::kBlank || (commaToo && symbol->symbol == Symbol::kComma))) {
      return;
    }
    pos += symbol->text.size();
  }
}

// An easting or northing with its optional axis letter: E or mE for an
// easting, N or mN for a northing ("694037mE", "6267000 N"). `axis` is
// that letter, or 0.
std::optional<double> ReadGridValue(std::string_view text, std::size_t& pos, char& axis) {
  const std::optional<Decimal> number = ReadDecimal(text, pos);
  if (!number) return std::nullopt;
  std::size_t after = pos;
  SkipBlanks(text, after, false);
  if (after < text.size() && (text[after] | 0x20) == 'm') ++after;
  axis = after < text.size() ? static_cast<char>(text[after] & ~0x20) : '\0';
  if (axis == 'E' || axis == 'N') {
    pos = after + 1;
  } else {
    axis = 0;
  }
  return number->value;
}

GeoResult<UtmText> BadUtm(GeoError error, std::string message) {
  return GeoFailure<UtmText>(error, std::move(message));
}

}  // namespace

GeoResult<UtmText> ParseUtmText(std::string_view text) {
  constexpr const char* kForm = "; write it as on maps: 16S 694037 3734420";
  std::size_t pos = 0;
  SkipBlanks(text, pos, false);
  std::size_t digits = pos;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  if (digits == pos || digits - pos > 2) {
    return BadUtm(GeoError::kMalformed, std::string("a UTM position starts with its zone") + kForm);
  }
  UtmText utm;
  utm.zone =
      static_cast<std::int32_t>(ParseLong(std::string(text.substr(pos, digits - pos)).c_str()));
  pos = digits;
  SkipBlanks(text, pos, false);
  const char letter = pos < text.size() ? static_cast<char>(text[pos] & ~0x20) : '\0';
  if (letter < 'A' || letter > 'Z') {
    return BadUtm(GeoError::kMalformed,
                  std::string("the zone needs its latitude band letter (C to X)") + kForm);
  }
  utm.band = letter;
  ++pos;
  const std::optional<LatitudeBand> band = UtmBand(utm.band);
  const bool polar = IsPolarBand(utm.band);
  if (!band && !polar) {
    return BadUtm(GeoError::kMalformed, std::string("'") + utm.band +
                                            "' is no latitude band; the bands run from C to X "
                                            "without I and O");
  }

  double values[2] = {0, 0};
  char axes[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    SkipBlanks(text, pos, i == 1);
    const std::optional<double> value = ReadGridValue(text, pos, axes[i]);
    if (!value) {
      return BadUtm(GeoError::kMalformed,
                    std::string("give the easting and northing after the zone") + kForm);
    }
    values[i] = *value;
  }
  SkipBlanks(text, pos, false);
  if (pos < text.size()) {
    return BadUtm(GeoError::kMalformed,
                  "cannot read '" + QuotableUtf8(text.substr(pos)) + "' after the northing");
  }
  if (axes[0] != 0 && axes[0] == axes[1]) {
    return BadUtm(GeoError::kMalformed, std::string("both numbers are marked ") + axes[0] +
                                            "; one is the easting (E), the other the northing (N)");
  }
  const bool northingFirst = axes[0] == 'N' || axes[1] == 'E';
  utm.easting = values[northingFirst ? 1 : 0];
  utm.northing = values[northingFirst ? 0 : 1];
  utm.southern = band ? band->southern() : 0;
  return CheckUtmText(utm);
}

}  // namespace vantrel
