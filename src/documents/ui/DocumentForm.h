#pragma once

#include "documents/DocumentEditor.h"
#include "documents/ui/DocumentWindowDescriptor.h"
#include "platform/widgets/ModalWindow.h"

#include <map>
#include <optional>

class DataGrid;
class DateBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class StatusPanels;

// The window of every stock document: header boxes, the grid of the lines of the number on
// display, 制单员 / 经办员 / 审核员, and 保存 / 删除一行 / 打印 / 退出. What differs between
// kinds comes from its DocumentWindowDescriptor; posting is the document engine's.
class DocumentForm : public ModalWindow {
    Q_OBJECT
public:
    DocumentForm(const DocumentWindowDescriptor& descriptor, QWidget* parent = nullptr);

    const DocumentWindowDescriptor& descriptor() const { return descriptor_; }
    QString number() const;
    QString warehouse() const;
    // A line was stored by the line-entry window.
    void lineStored();
    void refreshLines();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildPeople();
    QWidget* buildButtons();
    QWidget* makeBox(const HeaderBox& box);
    void setUpEnterChain();
    void openPicker(QLineEdit* box, const BoxPicker& picker);

    void addLine();
    void changeLine();
    void deleteLine();
    void post();
    void print();
    void leave();
    void boxLeft(const QString& objectName);
    void refuseSameWarehouse();

    QString text(DocumentField field) const;
    void setText(DocumentField field, const QString& text);
    DocumentInput input() const;
    void prepareNextDocument();
    void showRefusal(const class StoreError& error);

    const DocumentWindowDescriptor& descriptor_;
    std::optional<DocumentEditor> editor_;
    QLineEdit* number_ = nullptr;
    DateBox* date_ = nullptr;
    std::map<DocumentField, QWidget*> boxes_;
    QLineEdit* maker_ = nullptr;
    QLineEdit* handler_ = nullptr;
    QLineEdit* checker_ = nullptr;
    QRadioButton* gain_ = nullptr;
    QRadioButton* loss_ = nullptr;
    DataGrid* grid_ = nullptr;
    QPushButton* save_ = nullptr;
    StatusPanels* status_ = nullptr;
    bool inLeaveAction_ = false;
    bool leaving_ = false;
};
