#pragma once

#include "platform/printing/ReportPages.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// The modal print preview: one page at a time, painted when it is shown, with page
// navigation (buttons, PgUp/PgDn, Home/End), zoom, printing through the print dialog and
// saving as PDF.
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreview(ReportPages pages, QWidget* parent = nullptr);

    int pageCount() const { return int(pages_.pages.size()); }
    int currentPage() const { return current_; } // 0-based
    double zoom() const;                         // 1.0 is paper size on screen

    void showPage(int index);
    void setZoom(double zoom);
    bool savePdf(const QString& path);

public slots:
    void print();
    void saveAsPdf();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& text);
    void buildWindow();
    void renderCurrentPage();

    ReportPages pages_;
    int current_ = 0;
    QPushButton* firstButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* lastButton_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* pageView_ = nullptr;
    QScrollArea* pageArea_ = nullptr;
    QWidget* toolBar_ = nullptr;
};
