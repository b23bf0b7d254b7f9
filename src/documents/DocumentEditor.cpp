#include "documents/DocumentEditor.h"

#include "documents/DocumentLines.h"
#include "store/CodeNumbering.h"

#include <QHash>

namespace {

// The last posted document of each kind whose print scope is the whole run.
QHash<QString, PostedDocument>& lastPostedInRun() {
    static QHash<QString, PostedDocument> posted;
    return posted;
}

} // namespace

DocumentEditor::DocumentEditor(const DocumentKind& kind) : kind_(kind), number_(nextNumber(kind)) {}

QString DocumentEditor::nextNumber(const DocumentKind& kind) {
    return nextCodeInColumn(kind.headerTable, kind.numberColumn, CodeRules::Document);
}

PostedDocument DocumentEditor::post(DocumentInput input) {
    input.number = number_;
    PostedDocument posted = postDocument(kind_, input);
    if (kind_.printScope == PrintScope::PerRun)
        lastPostedInRun().insert(kind_.name, posted);
    else
        lastInWindow_ = posted;
    dirty_ = false;
    number_ = nextNumber(kind_);
    return posted;
}

PostedDocument DocumentEditor::lastPosted() const {
    if (kind_.printScope == PrintScope::PerRun)
        return lastPostedInRun().value(kind_.name);
    return lastInWindow_;
}

void DocumentEditor::discard() {
    if (dirty_)
        DocumentLines::removeAll(kind_, number_);
    dirty_ = false;
}
