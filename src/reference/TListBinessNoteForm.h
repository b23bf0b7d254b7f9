#pragma once

#include "reference/ReferenceWindow.h"

#include <optional>

class QLineEdit;

// The summary picker shared by the document and query windows. The opening window tells it
// its caller key (see SummaryCallers); a double-click on a phrase hands the phrase back and
// closes the picker. Phrases can also be added here and, by administrators, deleted.
//
// Callers use one of:
//   TListBinessNoteForm::fillBox(this, QStringLiteral("入库单"), cxTextEdit6);
//   if (auto choice = TListBinessNoteForm::choose(this, key)) ... choice->text ...
class TListBinessNoteForm : public ReferenceWindow {
    Q_OBJECT
public:
    struct Choice {
        QString text;
        bool movesFocus; // whether the caller's box takes the focus
    };

    TListBinessNoteForm(QWidget* parent, const QString& callerKey);

    // Shows the picker; the phrase chosen, or nullopt when it was closed without a choice.
    // A key nobody uses never chooses.
    static std::optional<Choice> choose(QWidget* parent, const QString& callerKey);
    // Shows the picker and writes the chosen phrase into the box, focusing it when the
    // caller's key says so.
    static void fillBox(QWidget* parent, const QString& callerKey, QLineEdit* box);

signals:
    void chosen(const QString& phrase);

private:
    void choose(int row);

    QString callerKey_;
};
