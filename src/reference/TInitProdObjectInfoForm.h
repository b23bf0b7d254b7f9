#pragma once

#include "reference/ReferenceWindow.h"

// Item categories and the warehouse each keeps its items in, chosen from the warehouse
// picker (F1, or a double-click while a row is being entered).
class TInitProdObjectInfoForm : public ReferenceWindow {
    Q_OBJECT
public:
    explicit TInitProdObjectInfoForm(QWidget* parent);

    void pickWarehouse();
};
