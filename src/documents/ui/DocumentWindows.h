#pragma once

#include "documents/ui/DocumentWindowDescriptor.h"

class QWidget;
class QDialog;

// The windows of the seven stock documents, each described once.
namespace DocumentWindows {
const DocumentWindowDescriptor& inboundNote();        // TEnterInLibNoteForm
const DocumentWindowDescriptor& outboundNote();       // TEnterOutLibNoteForm
const DocumentWindowDescriptor& inboundReturnNote();  // TEnterExitNoteForm
const DocumentWindowDescriptor& outboundReturnNote(); // TEnterUntreadNoteForm
const DocumentWindowDescriptor& transferNote();       // TEnterAttemperNoteForm
const DocumentWindowDescriptor& directIssueNote();    // TEnterDirectnessNoteForm
const DocumentWindowDescriptor& stocktakingNote();    // TEnterPanDianNoteForm

const std::vector<const DocumentWindowDescriptor*>& all();
QDialog* create(const DocumentWindowDescriptor& descriptor, QWidget* parent);
} // namespace DocumentWindows
