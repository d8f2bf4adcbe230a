// The program's resources by id and type, kept in the Qt resource system as
// ":/res/<type>/<id>": GIF pictures, menu bitmaps, the application icon in
// the sizes a desktop asks for, and the cursors.
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

// The bytes of a resource; empty when there is none of that id and type.
std::optional<QByteArray> FindResourceData(int id, const QString& type);

// The icon with all its sizes; a null icon when there is none.
QIcon LoadIconResource(int id);

// A 24-bit bitmap whose magenta RGB(255, 0, 255) pixels are transparent; a
// null pixmap when there is none.
QPixmap LoadBitmapResource(int id);

// A cursor by resource id (139 is the hand); the arrow for an unknown id.
QCursor LoadCursorResource(int id);

}  // namespace vantrel
