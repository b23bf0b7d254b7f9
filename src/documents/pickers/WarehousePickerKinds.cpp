#include "documents/pickers/WarehousePickerKinds.h"

#include <array>

const WarehousePickerKind& warehousePickerKind(WarehousePickerFor caller) {
    static const std::array<WarehousePickerKind, 8> kinds = {{
        {"TListBoxToInLibForm", "cxTextEdit7", "cxTextEdit6"},
        {"TListBoxToOutLibForm", "cxTextEdit7", "cxTextEdit6"},
        {"TListBoxToOutLibForm", "cxTextEdit7", "cxTextEdit6"},
        {"TListLibBoxToExitLibForm", "cxTextEdit7", "DBGridEh1"},
        {"TListLibBoxToUntreadForm", "cxTextEdit7", "DBGridEh1"},
        {"TListLibBoxToAttmperForm", "cxTextEdit2", "cxTextEdit7"},
        {"TListLibBoxToAttmper2Form", "cxTextEdit7", "cxTextEdit6"},
        {"TListLibBoxToPanDianNoteForm", "cxTextEdit7", "DBGridEh1"},
    }};
    return kinds.at(static_cast<std::size_t>(caller));
}
