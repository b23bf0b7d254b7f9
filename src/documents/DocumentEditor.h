#pragma once

#include "documents/DocumentInput.h"
#include "documents/DocumentKind.h"
#include "documents/Posting.h"

// The state behind one document window: the number on display, whether lines were saved
// since the last posting, and the last posted document (kept per window or for the whole
// run, as the kind says). Nothing changes unless a posting commits.
class DocumentEditor {
public:
    explicit DocumentEditor(const DocumentKind& kind);

    const DocumentKind& kind() const { return kind_; }
    const QString& number() const { return number_; }
    bool hasUnpostedLines() const { return dirty_; }

    // A line was saved under the number on display.
    void lineSaved() { dirty_ = true; }
    // Posts the document on display (input.number is ignored) and moves to the next number.
    // Throws as postDocument does; the editor is then unchanged.
    PostedDocument post(DocumentInput input);
    // What 打印 prints: empty number and zero before the first posting.
    PostedDocument lastPosted() const;
    // Leaving the window after the user agreed: unposted lines of the number are deleted.
    void discard();

    // The number after the largest posted one of the kind; throws when 8 digits no longer fit.
    static QString nextNumber(const DocumentKind& kind);

private:
    const DocumentKind& kind_;
    QString number_;
    bool dirty_ = false;
    PostedDocument lastInWindow_;
};
