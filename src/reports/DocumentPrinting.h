#pragma once

#include "platform/printing/ReportPreview.h"
#include "reports/DocumentPrintLayout.h"
#include "store/Money.h"

#include <memory>

// The print preview of a document, laid out from the database: the one entry point that
// document, query and budget windows use to print.
std::unique_ptr<ReportPreview> documentPreview(PrintLayoutKind kind, const QString& number,
                                               Money amount, QWidget* parent = nullptr);

// Opens that preview modally and returns when the user closes it.
void printDocument(PrintLayoutKind kind, const QString& number, Money amount,
                   QWidget* parent = nullptr);
