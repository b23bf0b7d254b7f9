#include "reports/DocumentPrinting.h"

#include "reports/DocumentReport.h"

std::unique_ptr<ReportPreview> documentPreview(PrintLayoutKind kind, const QString& number,
                                               Money amount, QWidget* parent) {
    return std::make_unique<ReportPreview>(documentPages(kind, number, amount), parent);
}

void printDocument(PrintLayoutKind kind, const QString& number, Money amount, QWidget* parent) {
    documentPreview(kind, number, amount, parent)->exec();
}
