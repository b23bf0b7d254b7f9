#pragma once

#include "platform/printing/ReportLayout.h"

#include <QFont>
#include <QString>

// The layouts name Windows faces (宋体, 华文中宋 …). Song-style faces map to the installed
// CJK serif face, other unknown faces to the CJK sans face, so Chinese renders the same on
// screen, on paper and in a PDF.
QString installedFontFamily(const QString& layoutFamily);

// The font for a primitive on a device of the given resolution, sized so that its points
// are points on paper whatever that device's own resolution is.
QFont reportFont(const ReportFont& font, double pixelsPerMm, int deviceDpi);
