#pragma once

#include "reference/EditGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

// Drives a shown window as a user would: clicks buttons by objectName, types into grid
// cells, double-clicks rows.
inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

// Types the text key by key; Chinese characters arrive as keys carrying their text.
inline void typeText(QWidget* box, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &release);
    }
}

inline void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_TRUE(b) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// The cell editor open in the view, if any.
inline QLineEdit* openEditor(QTableView* view) {
    for (auto* editor : view->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

inline void typeCell(EditGrid* grid, int row, const QString& column, const QString& text) {
    const int c = grid->model()->columnIndex(column);
    ASSERT_GE(c, 0) << column.toStdString();
    QTableView* view = grid->viewOf(c);
    // Back in the window after a picker closed, as the user would be.
    showActive(grid->window());
    const QModelIndex index = grid->model()->index(row, c);
    view->setCurrentIndex(index); // an editable cell opens its editor as it becomes current
    if (!openEditor(view))
        view->edit(index);
    QLineEdit* editor = openEditor(view);
    ASSERT_TRUE(editor) << "no editor for " << column.toStdString();
    editor->setFocus();
    editor->selectAll();
    typeText(editor, text);
}

inline void doubleClickRow(QTableView* view, int row) {
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

inline bool isEditable(EditGrid* grid, int row, const QString& column) {
    return grid->model()->flags(grid->model()->index(row, grid->model()->columnIndex(column))) &
           Qt::ItemIsEditable;
}
