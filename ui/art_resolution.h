// Artwork at the screen's resolution. Where the screens have more than one
// device pixel per logical pixel, a picture's "@2x" version ("name@2x.ext",
// twice the pixels each way) is loaded in its place and drawn at the same
// logical size, so nothing is blurred.
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {

// The version of the picture at `path` to load for screens of `ratio`
// device pixels per logical pixel; by default, the densest screen's.
QString sharpestArt(const QString& path, qreal ratio);
QString sharpestArt(const QString& path);

// The device pixel ratio a picture from `path` is drawn with: 2 for "@2x".
qreal artPixelRatio(const QString& path);

// The picture at `path` in its sharpest version, its pixel ratio set; a null
// pixmap when there is no such picture.
QPixmap loadArt(const QString& path);

// Starts decoding the pictures at `paths` on a thread of its own, so that
// the first loadArt of each finds it ready. Call with the application made.
void preloadArt(const QStringList& paths);

}  // namespace ui
