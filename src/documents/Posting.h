#pragma once

#include "documents/DocumentInput.h"
#include "documents/DocumentKind.h"
#include "store/Money.h"

struct PostedDocument {
    QString number;
    Money amount;
};

// Posts the document whose lines carry input.number, in one transaction: the zero-quantity
// purge of the kind, the header, every item group's stock change and journal rows, and the
// operation-log row. Throws DocumentRefusal when the rules refuse it and StoreError on a
// database failure; either way nothing is written.
PostedDocument postDocument(const DocumentKind& kind, const DocumentInput& input);
