// The program's dialog font as the kit takes it: a face and point size that
// replace the fonts of the templates while `replacesTemplateFonts` is on.
// Property sheets and their pages take this face and size either way.
#pragma once

#include <string>

namespace vantrel {

struct PreferredFont {
  bool replacesTemplateFonts = false;
  std::string face;  // empty: the platform's default face
  int points = 8;
};

}  // namespace vantrel
