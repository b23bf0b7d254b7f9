#pragma once

#include <QString>
#include <vector>

// The printed layout of each document kind, as data: one shared stock-document shape and
// the few texts, fields and masks where a kind differs.

enum class PrintLayoutKind {
    InboundNote,
    OutboundNote, // also the project issue note
    InboundReturnNote,
    OutboundReturnNote,
    TransferNote,
    DirectIssueNote,
    StocktakingNote,
    OutsourcingReceiptNote,
    OutsourcingIssueNote,
    ProjectBudget,
};

inline constexpr PrintLayoutKind AllPrintLayoutKinds[] = {
    PrintLayoutKind::InboundNote,          PrintLayoutKind::OutboundNote,
    PrintLayoutKind::InboundReturnNote,    PrintLayoutKind::OutboundReturnNote,
    PrintLayoutKind::TransferNote,         PrintLayoutKind::DirectIssueNote,
    PrintLayoutKind::StocktakingNote,      PrintLayoutKind::OutsourcingReceiptNote,
    PrintLayoutKind::OutsourcingIssueNote, PrintLayoutKind::ProjectBudget};

// A printed label and the header column shown after it; no column prints the label alone.
struct LabelledField {
    QString label;
    QString field;
};

struct PrintColumn {
    QString title;
    QString field;
    QString mask;
    double widthMm = 0;
    QString sumMask; // set when the summary shows the column's sum
};

struct DocumentPrintLayout {
    QString name; // the layout's class name, TPrintInLibNoteForm …
    QString title;
    QString headerTable;
    QString numberField;
    QString lineTable;
    QString lineOrderField;
    // The lines' statement with one '?' for the number; built from the tables when empty.
    QString lineStatement;
    std::vector<std::vector<LabelledField>> headerRows;
    std::vector<LabelledField> signatures;
    std::vector<PrintColumn> columns;
    // The company name prints at the summary's lower right instead of beside the title.
    bool companyInSummary = false;
};

const DocumentPrintLayout& documentPrintLayout(PrintLayoutKind kind);
