#include "platform/widgets/EnterFocusChain.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A dialog with three boxes and a default button, as the login and document windows have.
struct ChainWindow {
    QDialog window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    QLineEdit* third = new QLineEdit(&window);
    QPushButton* button = new QPushButton(QStringLiteral("登录系统"), &window);
    int clicks = 0;

    ChainWindow() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                           static_cast<QWidget*>(third), static_cast<QWidget*>(button)})
            layout->addWidget(w);
        button->setDefault(true);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void enterOn(QWidget* widget) {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
    }
};

} // namespace

TEST(EnterFocusChain, EnterMovesLikeTabAndNeverFiresTheDefaultButton) {
    ChainWindow w;
    EnterFocusChain::install(&w.window);
    w.enterOn(w.first);
    EXPECT_EQ(QApplication::focusWidget(), w.second);
    EXPECT_EQ(w.clicks, 0);
    QTest::keyClick(w.second, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.third);
    EXPECT_EQ(w.clicks, 0);
}

TEST(EnterFocusChain, FollowsItsListAndSkipsDisabledBoxes) {
    ChainWindow w;
    EnterFocusChain::install(&w.window, {w.third, w.first, w.second, w.button});
    w.enterOn(w.third);
    EXPECT_EQ(QApplication::focusWidget(), w.first);
    w.second->setEnabled(false);
    w.enterOn(w.first);
    EXPECT_EQ(QApplication::focusWidget(), w.button);
}

TEST(EnterFocusChain, EnterOnAButtonPressesIt) {
    ChainWindow w;
    EnterFocusChain::install(&w.window);
    w.enterOn(w.button);
    EXPECT_EQ(w.clicks, 1);
}
