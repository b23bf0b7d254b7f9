#include "reference/TListBinessNoteForm.h"

#include "platform/widgets/ModalRunner.h"
#include "reference/SummaryCallers.h"

#include <QLineEdit>

TListBinessNoteForm::TListBinessNoteForm(QWidget* parent, const QString& callerKey)
    : ReferenceWindow(parent, ReferenceWindowKinds::summaryPicker()), callerKey_(callerKey) {
    connect(grid_, &EditGrid::doubleClicked, this, [this](int row) { choose(row); });
}

void TListBinessNoteForm::choose(int row) {
    if (row < 0 || !summaryCaller(callerKey_))
        return;
    emit chosen(model_->row(row).value(QStringLiteral("帐务摘要")).toString());
    accept();
}

std::optional<TListBinessNoteForm::Choice> TListBinessNoteForm::choose(QWidget* parent,
                                                                       const QString& callerKey) {
    std::optional<Choice> result;
    auto* picker = new TListBinessNoteForm(parent, callerKey);
    connect(picker, &TListBinessNoteForm::chosen, [&result, &callerKey](const QString& phrase) {
        result = Choice{phrase, summaryCaller(callerKey)->movesFocus};
    });
    runModal(picker);
    return result;
}

void TListBinessNoteForm::fillBox(QWidget* parent, const QString& callerKey, QLineEdit* box) {
    const std::optional<Choice> choice = choose(parent, callerKey);
    if (!choice)
        return;
    box->setText(choice->text);
    if (choice->movesFocus)
        box->setFocus();
}
