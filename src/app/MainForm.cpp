#include "app/MainForm.h"

#include "app/CommandDispatch.h"
#include "app/CommandTable.h"
#include "app/LoginForm.h"
#include "app/Pictures.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/StatusPanels.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int BannerHeight = 60;
constexpr int GroupColumnWidth = 120;
constexpr int ButtonsPerRow = 5;

QIcon commandIcon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.png").arg(name));
}

// The welcome picture, redrawn to the size of the content area.
class WelcomePicture : public QLabel {
public:
    explicit WelcomePicture(QWidget* parent) : QLabel(parent) {
        setObjectName(QStringLiteral("Image1"));
        setAlignment(Qt::AlignCenter);
        setMinimumSize(200, 150);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        setPixmap(welcomePicture(event->size()));
        QLabel::resizeEvent(event);
    }
};

class BannerPicture : public QLabel {
public:
    explicit BannerPicture(QWidget* parent) : QLabel(parent) {
        setObjectName(QStringLiteral("Image2"));
        setFixedHeight(BannerHeight);
        setMinimumWidth(200);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        setPixmap(bannerPicture(event->size()));
        QLabel::resizeEvent(event);
    }
};

} // namespace

TMainForm::TMainForm(const CommandRegistry& registry, QWidget* parent)
    : QMainWindow(parent), registry_(registry), fcButtonGroup1(new QButtonGroup(this)),
      Panel3(new QStackedWidget(this)), Image1(new WelcomePicture(Panel3)),
      PopupMenu1(new QMenu(this)),
      StatusBar1(new StatusPanels(QStringLiteral("StatusBar1"),
                                  {QStringLiteral("操作员"), QString(),
                                   QStringLiteral("恒昶储管家 2008工程版 · 仓库物资管理")},
                                  this)) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QStringLiteral("恒昶储管家 2008工程版"));
    QFont font(QStringLiteral("SimSun"), 9);
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    setFont(font);
    setWindowState(Qt::WindowMaximized);

    auto* banner = new QWidget(this);
    banner->setObjectName(QStringLiteral("Panel1"));
    auto* bannerLayout = new QVBoxLayout(banner);
    bannerLayout->setContentsMargins(0, 0, 0, 0);
    bannerLayout->addWidget(new BannerPicture(banner));

    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->addWidget(Image1);
    for (int group = 0; group < int(commandGroups().size()); ++group)
        Panel3->addWidget(buildPanel(group));
    Panel3->setCurrentWidget(Image1);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(buildGroupButtons());
    body->addWidget(Panel3, 1);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainBackground"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(banner);
    layout->addLayout(body, 1);
    setCentralWidget(central);
    setStatusBar(StatusBar1);
    buildMenus();
    buildPopupMenu();
}

QWidget* TMainForm::shownPanel() const {
    return Panel3->currentWidget();
}

// The login comes up once, as soon as the window is on the screen (a desktop without a
// window manager never activates it).
void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (loginShown_)
        return;
    loginShown_ = true;
    QMetaObject::invokeMethod(this, &TMainForm::showLogin, Qt::QueuedConnection);
}

void TMainForm::showLogin() {
    auto* login = new TLoginForm(this);
    connect(login, &TLoginForm::loggedIn, this,
            [this](const QString& name) { StatusBar1->setText(1, name); });
    if (runModal(login) != QDialog::Accepted) {
        close();
        return;
    }
    loggedIn_ = true;
}

void TMainForm::run(const CommandDef& command) {
    if (loggedIn_)
        runCommand(command, registry_, this);
}

QWidget* TMainForm::buildGroupButtons() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("Panel2"));
    column->setFixedWidth(GroupColumnWidth);
    column->setStyleSheet(
        QStringLiteral("#Panel2 { background: #dfe8f2; }"
                       "#Panel2 QToolButton { border: 1px solid #9fb6cd; border-radius: 6px; "
                       "background: #f7f9fc; }"
                       "#Panel2 QToolButton:checked { background: #5b9bd5; color: white; }"
                       "#Panel2 QToolButton:hover { border-color: #1f4e79; }"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    fcButtonGroup1->setExclusive(true);
    const auto addButton = [&](const QString& objectName, const QString& caption,
                               const QString& icon) {
        auto* button = new QToolButton(column);
        button->setObjectName(objectName);
        button->setText(caption);
        button->setAccessibleName(caption);
        button->setIcon(commandIcon(icon));
        button->setIconSize({24, 24});
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumHeight(36);
        button->setCheckable(true);
        layout->addWidget(button);
        return button;
    };
    const auto& groups = commandGroups();
    for (int group = 0; group < int(groups.size()); ++group) {
        QToolButton* button =
            addButton(groups[group].buttonName, groups[group].caption, groups[group].icon);
        fcButtonGroup1->addButton(button, group);
        connect(button, &QToolButton::clicked, this, [this, group] { showGroup(group); });
    }
    QToolButton* exit = addButton(QStringLiteral("fcButtonGroup1fcShapeBtn9"), ExitCommand,
                                  findCommand(ExitCommand)->icon);
    fcButtonGroup1->addButton(exit, int(groups.size()));
    connect(exit, &QToolButton::clicked, this, [this] { run(*findCommand(ExitCommand)); });
    layout->addStretch();
    return column;
}

QWidget* TMainForm::buildPanel(int group) {
    const CommandGroup& def = commandGroups()[group];
    auto* panel = new QWidget(Panel3);
    panel->setObjectName(def.panelName);
    panel->setAccessibleName(def.caption);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 16, 24, 16);
    auto* title = new QLabel(def.caption, panel);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: #1f4e79; border-bottom: 2px solid #5b9bd5;"));
    layout->addWidget(title);
    auto* grid = new QGridLayout;
    grid->setSpacing(12);
    for (int i = 0; i < int(def.buttons.size()); ++i) {
        const CommandDef* command = findCommand(def.buttons[i].caption);
        auto* button = new QToolButton(panel);
        button->setObjectName(def.buttons[i].objectName);
        button->setText(def.buttons[i].caption);
        button->setAccessibleName(def.buttons[i].caption);
        button->setIcon(commandIcon(command->icon));
        button->setIconSize({48, 48});
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFixedSize(112, 92);
        connect(button, &QToolButton::clicked, this, [this, command] { run(*command); });
        grid->addWidget(button, i / ButtonsPerRow, i % ButtonsPerRow);
    }
    grid->setColumnStretch(ButtonsPerRow, 1);
    layout->addLayout(grid);
    layout->addStretch();
    if (def.panelName == QStringLiteral("Gongcheng")) {
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(panel, &QWidget::customContextMenuRequested, this,
                [this, panel](QPoint position) { showPopup(panel, position); });
    }
    return panel;
}

void TMainForm::showGroup(int group) {
    if (loggedIn_)
        Panel3->setCurrentIndex(group + 1); // after the welcome picture
}

void TMainForm::buildMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const CommandGroup& group : commandGroups()) {
        QMenu* menu = menuBar()->addMenu(group.menuCaption);
        menu->setObjectName(QStringLiteral("MainMenu1") + group.panelName);
        for (const QString& item : group.menuItems) {
            if (item == QStringLiteral("-")) {
                menu->addSeparator();
                continue;
            }
            const CommandDef* command = findCommand(item);
            QAction* action = menu->addAction(commandIcon(command->icon), item);
            connect(action, &QAction::triggered, this, [this, command] { run(*command); });
        }
    }
}

void TMainForm::buildPopupMenu() {
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const QString& item : popupCommands()) {
        const CommandDef* command = findCommand(item);
        QAction* action = PopupMenu1->addAction(commandIcon(command->icon), item);
        connect(action, &QAction::triggered, this, [this, command] { run(*command); });
    }
    for (QWidget* source : {centralWidget(), static_cast<QWidget*>(Image1)}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](QPoint position) { showPopup(source, position); });
    }
}

void TMainForm::showPopup(QWidget* source, QPoint position) {
    PopupMenu1->popup(source->mapToGlobal(position));
}
