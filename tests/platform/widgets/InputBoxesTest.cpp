#include "platform/widgets/DateBox.h"
#include "platform/widgets/LookupBox.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

TEST(LookupBox, F1AndDoubleClickAskForThePickerEvenWhenReadOnly) {
    LookupBox box(QStringLiteral("cxTextEdit7"), 24);
    box.setReadOnly(true);
    QSignalSpy asked(&box, &LookupBox::pickerRequested);
    QTest::keyClick(&box, Qt::Key_F1);
    QTest::mouseDClick(&box, Qt::LeftButton);
    EXPECT_EQ(asked.count(), 2);
    QTest::keyClick(&box, Qt::Key_F2);
    EXPECT_EQ(asked.count(), 2);
}

TEST(DateBox, ReadsTheUsualWritingsOfADate) {
    const struct {
        const char* text;
        QDate date;
    } cases[] = {
        {"2026-03-07", {2026, 3, 7}},
        {"2026-3-7", {2026, 3, 7}},
        {"2026/3/7", {2026, 3, 7}},
        {"20260307", {2026, 3, 7}},
        {"2026-02-30", {}},
        {"", {}},
        {"明天", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DateBox::parse(QString::fromUtf8(c.text)), c.date);
    }
}

TEST(DateBox, LeftEmptyOrUnreadableItTakesTheWindowsDefault) {
    QWidget window;
    auto* date = new DateBox(QStringLiteral("cxDateEdit1"), &window);
    auto* other = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(date);
    layout->addWidget(other);
    date->setDefaultDate([] { return QDate(2026, 1, 31); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const char* text : {"", "2026-13-01"}) {
        SCOPED_TRACE(text);
        date->setFocus();
        date->setText(QString::fromUtf8(text));
        other->setFocus();
        EXPECT_EQ(date->text(), "2026-01-31");
    }
    date->setFocus();
    date->setText(QStringLiteral("2025/6/1"));
    other->setFocus();
    EXPECT_EQ(date->text(), "2025-06-01");
}
