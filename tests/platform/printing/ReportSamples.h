#pragma once

#include "platform/printing/ReportLayout.h"
#include "platform/printing/ReportPages.h"

// A small report on a 100 mm page with every band, for the pagination and preview tests:
// margins 10, title 10, page header 5, column header 5, detail 10, summary 15, footer 5.
// The first page holds five lines, the following pages six each.
ReportLayout sampleLayout();
// Lines L1 … Ln, each 数量 1.5 and 金额 1.2345 (money).
ReportData sampleData(int lines);

// The texts of a page, top to bottom.
QStringList pageTexts(const ReportPage& page);
// The primitive showing this text, or nullptr.
const PagePrimitive* findText(const ReportPage& page, const QString& text);
