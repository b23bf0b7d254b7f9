#pragma once

#include "documents/ui/DocumentWindowSpec.h"

class QWidget;
class QDialog;

// The windows of the seven stock documents, each described once.
namespace DocumentWindows {
const DocumentWindowSpec& inboundNote();        // TEnterInLibNoteForm
const DocumentWindowSpec& outboundNote();       // TEnterOutLibNoteForm
const DocumentWindowSpec& inboundReturnNote();  // TEnterExitNoteForm
const DocumentWindowSpec& outboundReturnNote(); // TEnterUntreadNoteForm
const DocumentWindowSpec& transferNote();       // TEnterAttemperNoteForm
const DocumentWindowSpec& directIssueNote();    // TEnterDirectnessNoteForm
const DocumentWindowSpec& stocktakingNote();    // TEnterPanDianNoteForm

const std::vector<const DocumentWindowSpec*>& all();
QDialog* create(const DocumentWindowSpec& spec, QWidget* parent);
} // namespace DocumentWindows
