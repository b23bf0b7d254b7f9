#pragma once

#include "documents/pickers/WarehousePickerKinds.h"

#include <QString>

class QWidget;

// How the document, query and statistics windows open the shared pickers. The caller is
// any control of the opening window (usually the box the picker fills); the picker opens
// modally through runModal, writes the chosen name into the caller's window and moves the
// focus there. Each returns true when a row was chosen.

// TListDeptInfoForm with the caller key of the opening window; the title panel reads
// "单位清单" unless another title is given.
bool openDepartmentPicker(QWidget* caller, const QString& callerKey, const QString& title = {});

// TListDeptInfoToInLibForm of the inbound note.
bool openCounterpartyPicker(QWidget* caller);

// The warehouse picker of the opening window.
bool openWarehousePicker(QWidget* caller, WarehousePickerFor kind);
