#pragma once

#include "platform/printing/ReportLayout.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

// A laid-out report: pages of positioned primitives in millimetres from the paper's
// top-left corner. Preview, printer and PDF all paint this same model.

enum class PrimitiveKind { Text, Frame, Line };

struct PagePrimitive {
    PrimitiveKind kind = PrimitiveKind::Text;
    QRectF rect; // for a line, from top-left to bottom-right
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool clip = true;
};

struct ReportPage {
    std::vector<PagePrimitive> primitives;
};

struct ReportPages {
    QSizeF pageSize{210, 297};
    std::vector<ReportPage> pages;
};
