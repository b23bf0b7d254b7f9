#pragma once

#include "platform/widgets/ModalWindow.h"

#include <optional>

class DataGrid;

// The warehouse picker of the category window: a double-click on a warehouse chooses it.
class TListLibBoxToProObjecForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TListLibBoxToProObjecForm(QWidget* parent);

    DataGrid* list() const { return list_; }

    // Shows the picker; the chosen warehouse name, or nullopt when it was closed.
    static std::optional<QString> choose(QWidget* parent);

signals:
    void chosen(const QString& warehouseName);

private:
    DataGrid* list_;
};
