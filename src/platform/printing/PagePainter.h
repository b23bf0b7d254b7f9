#pragma once

#include "platform/printing/ReportPages.h"

#include <QImage>
#include <QPainter>

// Paints one page of the model with its top-left paper corner at the painter's origin.
void paintPage(QPainter& painter, const ReportPage& page, double pixelsPerMm);

// One page as a white picture, for the preview.
QImage renderPage(const ReportPages& pages, int index, double pixelsPerMm);
