#include "app/InfoTextForm.h"

#include "app/CommandTable.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

InfoTextForm::InfoTextForm(const QString& className, const QString& caption, const QString& html,
                           QSize size, QWidget* parent)
    : ModalWindow(parent, className, caption) {
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Memo1"));
    text->setAccessibleName(caption);
    text->setFrameShape(QFrame::NoFrame);
    text->setOpenExternalLinks(true);
    text->setHtml(html);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    resize(size);
}

InfoTextForm* createAboutForm(QWidget* parent) {
    const QString html =
        QStringLiteral("<div align='center' style='margin-top:12px'>"
                       "<p style='font-size:20pt; font-weight:bold; color:#1f4e79'>恒昶储管家</p>"
                       "<p style='font-size:12pt'>2008 工程版</p>"
                       "<p>仓库物资进、出、存管理：入库、出库、退货、调拨、直拨、盘点，<br>"
                       "委外加工、工程预算与领料，统计分析与月结。</p>"
                       "<p style='color:#666'>版本 %1</p></div>")
            .arg(QStringLiteral(CHUGUANJIA_VERSION));
    return new InfoTextForm(QStringLiteral("TAboutForm"), QStringLiteral("关于软件"), html,
                            {420, 300}, parent);
}

InfoTextForm* createContactForm(QWidget* parent) {
    const QString html = QStringLiteral(
        "<p style='font-size:13pt; font-weight:bold; color:#1f4e79'>联系方式</p>"
        "<p>使用中遇到问题、需要培训或希望提出改进意见，请与本单位的系统管理员联系。</p>"
        "<p>报告问题时请写明：所用的功能（如“入库单”）、操作的步骤、看到的提示信息，"
        "以及当时的操作员。</p>");
    return new InfoTextForm(QStringLiteral("TContactForm"), QStringLiteral("联系方式"), html,
                            {420, 260}, parent);
}

InfoTextForm* createHelpTextForm(QWidget* parent) {
    QString html = QStringLiteral(
        "<p style='font-size:13pt; font-weight:bold; color:#1f4e79'>帮助主题</p>"
        "<p>左侧的分组按钮切换功能面板，单击面板上的图标或使用主菜单打开对应的功能。"
        "在录入窗口中按回车键移到下一项；在带选择列表的输入框中按 F1 或双击鼠标打开选择窗口；"
        "在单据明细表中双击或按 F1 新增一行，按 F2 修改当前行；在表格中按 Ctrl+F 查找。</p>");
    for (const CommandGroup& group : commandGroups()) {
        QStringList captions;
        for (const CommandGroup::Button& button : group.buttons)
            captions << button.caption;
        html += QStringLiteral("<p><b>%1</b>：%2</p>").arg(group.caption, captions.join(u'、'));
    }
    return new InfoTextForm(QStringLiteral("THelpTextForm"), QStringLiteral("动态帮助"), html,
                            {560, 480}, parent);
}
