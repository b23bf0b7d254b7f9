#pragma once

#include "platform/printing/ReportLayout.h"
#include "platform/printing/ReportPages.h"
#include "reports/DocumentPrintLayout.h"
#include "store/Money.h"

#include <QString>

// A document laid out for printing, given its number and its total amount (the amount
// the opener shows, printed in capital numerals under the lines).

namespace DocumentParameters {
inline const QString CompanyName = QStringLiteral("公司名称");
inline const QString CapitalAmount = QStringLiteral("人民币大写");
} // namespace DocumentParameters

// The header row, the lines in entry order and the parameters. A number with no header
// row gives no lines, so the document prints nothing.
ReportData loadDocument(const DocumentPrintLayout& layout, const QString& number, Money amount);

// The bands of a document layout.
ReportLayout documentReportLayout(const DocumentPrintLayout& layout);

// The pages of the document of that kind and number; none when it has no lines.
ReportPages documentPages(PrintLayoutKind kind, const QString& number, Money amount);
