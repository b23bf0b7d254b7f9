#pragma once

#include <QPixmap>

// The banner across the top of the main window and the welcome picture of its content
// area, drawn here rather than taken from image files.
QPixmap bannerPicture(QSize size);
QPixmap welcomePicture(QSize size);
