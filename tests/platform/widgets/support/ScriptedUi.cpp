#include "platform/widgets/support/ScriptedUi.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <gtest/gtest.h>

MessageRecorder::MessageRecorder() : previous_(setMessagePresenter(this)) {}

MessageRecorder::~MessageRecorder() {
    setMessagePresenter(previous_);
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected message never shown: " << e.text.toStdString();
}

void MessageRecorder::expect(const QString& text, bool answer) {
    expected_.push_back({text, answer});
}

QStringList MessageRecorder::texts() const {
    QStringList all;
    for (const MessageRequest& r : shown_)
        all << r.text;
    return all;
}

bool MessageRecorder::present(QWidget*, const MessageRequest& request) {
    shown_.push_back(request);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message \"" << request.title.toStdString()
                      << "\": " << request.text.toStdString();
        return false;
    }
    const Expected next = expected_.front();
    expected_.pop_front();
    if (!next.text.isEmpty() && next.text != request.text)
        ADD_FAILURE() << "message \"" << request.text.toStdString() << "\" where \""
                      << next.text.toStdString() << "\" was expected";
    return next.answer;
}

ModalScript::ModalScript() : previous_(setModalRunner(this)) {}

ModalScript::~ModalScript() {
    setModalRunner(previous_);
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected window never opened: " << e.objectName.toStdString();
}

void ModalScript::expect(const QString& objectName, Handler handler) {
    expected_.push_back({objectName, std::move(handler)});
}

int ModalScript::run(QDialog* child) {
    opened_ << child->objectName();
    QPointer<QDialog> window(child);
    // Closing clears the attribute and defers the deletion; this frees the window now.
    const bool freesItself = child->testAttribute(Qt::WA_DeleteOnClose);
    int result = QDialog::Rejected;
    QObject listening; // ends the connection below with this call
    QObject::connect(child, &QDialog::finished, &listening, [&result](int r) { result = r; });
    if (expected_.empty() || expected_.front().objectName != child->objectName()) {
        ADD_FAILURE() << "unexpected window " << child->objectName().toStdString();
    } else {
        const Handler handler = std::move(expected_.front().handler);
        expected_.pop_front();
        child->show();
        QApplication::processEvents();
        if (handler)
            handler(*child);
    }
    if (window && window->isVisible())
        window->done(QDialog::Rejected);
    if (window && freesItself)
        delete window.data();
    return result;
}
