#pragma once

#include "platform/printing/ReportLayout.h"
#include "platform/printing/ReportPages.h"

// Lays the report out into pages. The title opens the first page; each page has its page
// header and column header at the top and its page footer at the bottom; a line that does
// not fit above the footer goes to the next page, and so does the summary.
ReportPages paginate(const ReportLayout& layout, const ReportData& data);
