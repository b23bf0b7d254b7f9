#pragma once

#include <QString>

class QWidget;

// The pickers a document window opens from its boxes. Each writes the chosen text into the
// caller's box itself (the caller key or the picker says which) and closes.
namespace DocumentPickers {
void openUnits(QWidget* caller, const QString& callerKey, const QString& title);
void openInboundCounterparty(QWidget* caller);
void openWarehouse(QWidget* caller, const QString& pickerClass);
void openSummary(QWidget* caller, const QString& callerKey);
bool canOpenItemCatalogue();
void openItemCatalogue(QWidget* caller);
} // namespace DocumentPickers
