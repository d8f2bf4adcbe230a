// The program's resources by id and type, kept in the Qt resource system as
// ":/res/<type>/<id>": GIF pictures, menu bitmaps, the application icon in
// the sizes a desktop asks for, and the cursors. A picture may have a
// variant drawn at twice its size, ":/res/<type>/<id>@2x", for screens of two
// pixels per point.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <optional>

namespace vantrel {

inline constexpr char kGifResource[] = "GIF";
inline constexpr char kBitmapResource[] = "BITMAP";
inline constexpr char kIconResource[] = "ICON";

// The bytes of a resource (scale 2: its double-size variant); empty when
// there is none of that id and type.
std::optional<QByteArray> FindResourceData(int id, const QString& type, int scale = 1);

// The icon with all its sizes; a null icon when there is none.
QIcon LoadIconResource(int id);

// A 24-bit bitmap whose magenta RGB(255, 0, 255) pixels are transparent; a
// null pixmap when there is none. Scale 2 is its double-size variant, with
// that device pixel ratio.
QPixmap LoadBitmapResource(int id, int scale = 1);

// A cursor by resource id (139 is the hand); the arrow for an unknown id.
QCursor LoadCursorResource(int id);

}  // namespace vantrel
