#include "platform/printing/ReportPreview.h"

#include "platform/printing/PagePainter.h"
#include "platform/printing/ReportOutput.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const int ZoomPercents[] = {50, 75, 100, 125, 150, 200};
constexpr int DefaultZoomIndex = 2;

} // namespace

ReportPreview::ReportPreview(ReportPages pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("打印预览"));
    setModal(true);
    buildWindow();
    resize(900, 1000);
    showPage(0);
}

QPushButton* ReportPreview::addButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, toolBar_);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    toolBar_->layout()->addWidget(button);
    return button;
}

void ReportPreview::buildWindow() {
    toolBar_ = new QWidget(this);
    auto* bar = new QHBoxLayout(toolBar_);
    bar->setContentsMargins(0, 0, 0, 0);
    firstButton_ = addButton(QStringLiteral("firstPageButton"), QStringLiteral("首页"));
    previousButton_ = addButton(QStringLiteral("previousPageButton"), QStringLiteral("上一页"));
    nextButton_ = addButton(QStringLiteral("nextPageButton"), QStringLiteral("下一页"));
    lastButton_ = addButton(QStringLiteral("lastPageButton"), QStringLiteral("末页"));
    pageLabel_ = new QLabel(toolBar_);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    bar->addWidget(pageLabel_);

    auto* zoomLabel = new QLabel(QStringLiteral("缩放"), toolBar_);
    zoomBox_ = new QComboBox(toolBar_);
    zoomBox_->setObjectName(QStringLiteral("zoomBox"));
    zoomBox_->setAccessibleName(zoomLabel->text());
    zoomLabel->setBuddy(zoomBox_);
    for (int percent : ZoomPercents)
        zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    zoomBox_->setCurrentIndex(DefaultZoomIndex);
    bar->addWidget(zoomLabel);
    bar->addWidget(zoomBox_);
    QPushButton* printButton = addButton(QStringLiteral("printButton"), QStringLiteral("打印"));
    QPushButton* pdfButton = addButton(QStringLiteral("pdfButton"), QStringLiteral("存为PDF"));
    QPushButton* closeButton = addButton(QStringLiteral("closeButton"), QStringLiteral("关闭"));
    bar->addStretch();

    pageView_ = new QLabel;
    pageView_->setObjectName(QStringLiteral("pageView"));
    pageView_->setAlignment(Qt::AlignCenter);
    pageArea_ = new QScrollArea(this);
    pageArea_->setObjectName(QStringLiteral("pageArea"));
    pageArea_->setAlignment(Qt::AlignHCenter);
    pageArea_->setBackgroundRole(QPalette::Dark);
    pageArea_->setWidget(pageView_);
    pageArea_->setWidgetResizable(true);

    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar_);
    layout->addWidget(pageArea_, 1);
    layout->addWidget(statusLabel_);

    connect(firstButton_, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previousButton_, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    connect(lastButton_, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(zoomBox_, &QComboBox::currentIndexChanged, this, [this] { renderCurrentPage(); });
    connect(printButton, &QPushButton::clicked, this, &ReportPreview::print);
    connect(pdfButton, &QPushButton::clicked, this, &ReportPreview::saveAsPdf);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    printButton->setEnabled(pageCount() > 0);
    pdfButton->setEnabled(pageCount() > 0);
}

double ReportPreview::zoom() const {
    return zoomBox_->currentData().toDouble();
}

void ReportPreview::setZoom(double zoom) {
    int index = zoomBox_->findData(zoom);
    if (index >= 0)
        zoomBox_->setCurrentIndex(index);
}

void ReportPreview::showPage(int index) {
    current_ = std::clamp(index, 0, std::max(0, pageCount() - 1));
    firstButton_->setEnabled(current_ > 0);
    previousButton_->setEnabled(current_ > 0);
    nextButton_->setEnabled(current_ + 1 < pageCount());
    lastButton_->setEnabled(current_ + 1 < pageCount());
    pageLabel_->setText(
        pageCount() == 0
            ? QStringLiteral("没有可打印的内容")
            : QStringLiteral("第 %1 页 / 共 %2 页").arg(current_ + 1).arg(pageCount()));
    renderCurrentPage();
}

// Only the page on screen is painted, so a report of many pages opens at once.
void ReportPreview::renderCurrentPage() {
    if (pageCount() == 0) {
        pageView_->clear();
        return;
    }
    double pixelsPerMm = zoom() * logicalDpiX() / 25.4;
    pageView_->setPixmap(QPixmap::fromImage(renderPage(pages_, current_, pixelsPerMm)));
}

bool ReportPreview::savePdf(const QString& path) {
    bool written = writePdf(pages_, path);
    statusLabel_->setText(written ? QStringLiteral("已保存为 %1").arg(path)
                                  : QStringLiteral("无法写入文件 %1").arg(path));
    return written;
}

void ReportPreview::saveAsPdf() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("存为PDF"), QString(),
                                                QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    savePdf(path);
}

void ReportPreview::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(reportPageLayout(pages_));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    statusLabel_->setText(printPages(pages_, printer) ? QStringLiteral("已送往打印机")
                                                      : QStringLiteral("无法打开打印机"));
}

void ReportPreview::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(current_ + 1);
        break;
    case Qt::Key_PageUp:
        showPage(current_ - 1);
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}
