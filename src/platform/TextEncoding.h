// The program's text is UTF-8 throughout. These are the byte encodings it
// meets besides: the Windows-1252 "ANSI" code page of the evaluator's 8-bit
// text, and the encodings of settings files brought from Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// Decodes the UTF-8 sequence at bytes[at] into `cp`: its length in bytes, or
// 0 when it is malformed (overlong, a surrogate, cut short, past U+10FFFF).
std::size_t DecodeUtf8At(std::string_view bytes, std::size_t at, char32_t& cp);

// Appends the UTF-8 form of a code point; one that has none becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// The characters of a text: a byte that is no UTF-8 counts as one.
std::size_t CharacterCount(std::string_view text);
// The first `count` characters, counted as CharacterCount counts them.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// The code points of a text, for work that compares characters one by one;
// a byte that is no UTF-8 becomes U+FFFD.
std::u32string CodePoints(std::string_view text);

// A piece of what a user typed, made safe to quote in a one-line message:
// control characters and bytes that are no UTF-8 become \xNN, and after
// `most` characters the rest becomes "...".
std::string QuotableUtf8(std::string_view bytes, std::size_t most = 24);

// How much of a text a message quotes.
inline constexpr std::size_t kQuotedCharacters = 200;

// A text between single quotes, as messages quote a name or what a user
// typed or a file held: QuotableUtf8 of its first kQuotedCharacters
// characters, and for a longer text its length after it:
// 'abc...' (104857600 characters).
std::string Quoted(std::string_view text);

// UTF-8 to the evaluator's 8-bit text, Windows-1252, one byte per character:
// a character the code page cannot hold, and a byte that is no UTF-8,
// becomes '?'.
std::string Utf8ToAnsi(std::string_view text);

// Decodes the bytes of a text file of unknown origin into UTF-8: a UTF-8 or
// UTF-16 byte-order mark decides; otherwise each line that is valid UTF-8 is
// read as UTF-8 and any other line as Windows-1252, whose five undefined
// bytes become the C1 controls of the same value, as the platform's
// conversion has them. UTF-16's lone surrogates become U+FFFD and an odd
// trailing byte is dropped. Line ends are kept.
std::string DecodeTextFile(std::string_view bytes);

}  // namespace vantrel
