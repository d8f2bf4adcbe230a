// Conversions between the program's wide text and the byte encodings it meets:
// UTF-8 (the settings file, the terminal), the Windows-1252 "ANSI" code page
// (the evaluator's 8-bit text, settings files brought from Windows) and UTF-16.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// UTF-8 to wide text. Malformed sequences become U+FFFD, so any bytes convert.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// A piece of what a user typed, made safe to quote in a one-line message:
// control characters and bytes that are no UTF-8 become \xNN, and after
// `most` characters the rest becomes "...".
std::string QuotableUtf8(std::string_view bytes, std::size_t most = 24);

// The text in UTF-8 between single quotes, as messages name a unit or a
// category, whole and as it is.
std::string Quoted(std::wstring_view text);

// Windows-1252 bytes to wide text. The five bytes the code page leaves undefined
// map to the C1 control of the same value, as the platform's conversion does.
std::wstring Cp1252ToWide(std::string_view bytes);

// Wide text to Windows-1252; a character the code page cannot hold becomes '?'.
std::string WideToAnsi(std::wstring_view wide);

// UTF-16 bytes (little or big endian, without byte-order mark) to wide text;
// lone surrogates become U+FFFD and an odd trailing byte is dropped.
std::wstring Utf16ToWide(std::string_view bytes, bool bigEndian);

// Decodes the bytes of a text file of unknown origin: a UTF-8 or UTF-16
// byte-order mark decides; otherwise each line that is valid UTF-8 is read as
// UTF-8 and any other line as Windows-1252. Line ends are kept.
std::wstring DecodeTextFile(std::string_view bytes);

}  // namespace vantrel
