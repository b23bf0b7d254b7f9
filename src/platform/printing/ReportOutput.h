#pragma once

#include "platform/printing/ReportPages.h"

#include <QPrinter>
#include <QString>

// The paper the pages are laid out on, portrait or landscape.
QPageLayout reportPageLayout(const ReportPages& pages);

// Prints the pages (the printer's page range when one was chosen) on the whole sheet; the
// layout's own margins place the content. False when the printer cannot be opened.
bool printPages(const ReportPages& pages, QPrinter& printer);

// Writes the pages as a PDF file; false when the file cannot be written.
bool writePdf(const ReportPages& pages, const QString& path);
