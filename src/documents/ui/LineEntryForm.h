#pragma once

#include "documents/DocumentLines.h"
#include "documents/ui/DocumentWindowDescriptor.h"
#include "platform/widgets/ModalWindow.h"

#include <optional>

class DataGrid;
class DocumentForm;
class QLineEdit;
class QPushButton;

// The line-entry window of every stock document: categories on the left, their items on
// the right (or those found by name), the picked line below with its price, quantity and
// amount, and 保存 / 关闭. It stores lines under the document's number until closed. Opened
// on a line id it changes that line only: the item stays, price and quantity change.
class LineEntryForm : public ModalWindow {
    Q_OBJECT
public:
    LineEntryForm(DocumentForm& document, std::optional<qint64> lineId);

private:
    QWidget* buildLists();
    QWidget* buildLineBoxes();
    QWidget* buildButtons();
    QLineEdit* addBox(class QGridLayout* grid, int row, int column, const QString& objectName,
                      const QString& label);

    void showCategory(int row);
    void search();
    void pick(int row);
    void loadLine(qint64 id);
    void showLine(const DocumentLine& line);
    void priceOrQuantityLeft(bool quantity);
    void showAmount();
    void save();
    void clearLine();
    bool itemTypedByHand() const;

    const DocumentWindowDescriptor& descriptor_;
    const LineRules& rules_;
    DocumentForm& document_;
    std::optional<qint64> lineId_;
    std::optional<DocumentLine> line_; // the line picked or being changed, not yet stored
    std::optional<double> stock_;

    DataGrid* categories_ = nullptr;
    DataGrid* items_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QLineEdit* number_ = nullptr;
    std::vector<QLineEdit*> itemBoxes_;
    QLineEdit* price_ = nullptr;
    QLineEdit* quantity_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLineEdit* stockBox_ = nullptr;
    QPushButton* save_ = nullptr;
};
