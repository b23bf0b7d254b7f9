#include "platform/widgets/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class MessageBoxPresenter : public MessagePresenter {
public:
    bool present(QWidget* parent, const MessageRequest& request) override {
        QMessageBox box(icon(request.icon), request.title, request.text, buttons(request.buttons),
                        parent);
        const int answer = box.exec();
        return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
    }

private:
    static QMessageBox::Icon icon(MessageRequest::Icon icon) {
        switch (icon) {
        case MessageRequest::Icon::Information:
            return QMessageBox::Information;
        case MessageRequest::Icon::Warning:
            return QMessageBox::Warning;
        case MessageRequest::Icon::Error:
            return QMessageBox::Critical;
        case MessageRequest::Icon::Question:
            return QMessageBox::Question;
        case MessageRequest::Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }

    static QMessageBox::StandardButtons buttons(MessageRequest::Buttons buttons) {
        switch (buttons) {
        case MessageRequest::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageRequest::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageRequest::Buttons::Ok:
            break;
        }
        return QMessageBox::Ok;
    }
};

MessageBoxPresenter realBoxes;
MessagePresenter* current = &realBoxes;

const QString HintTitle = QStringLiteral("提示信息");

bool show(QWidget* parent, const QString& title, const QString& text, MessageRequest::Icon icon,
          MessageRequest::Buttons buttons = MessageRequest::Buttons::Ok) {
    return current->present(parent, {title, text, icon, buttons});
}

} // namespace

MessagePresenter* setMessagePresenter(MessagePresenter* presenter) {
    MessagePresenter* previous = current == &realBoxes ? nullptr : current;
    current = presenter ? presenter : &realBoxes;
    return previous;
}

void Messages::guidance(QWidget* parent, const QString& text) {
    show(parent, HintTitle, text, MessageRequest::Icon::Warning);
}

void Messages::success(QWidget* parent, const QString& text, const QString& title) {
    show(parent, title, text, MessageRequest::Icon::Information);
}

void Messages::error(QWidget* parent, const QString& text, const QString& title) {
    show(parent, title, text, MessageRequest::Icon::Error);
}

bool Messages::confirm(QWidget* parent, const QString& text, const QString& title) {
    return show(parent, title, text, MessageRequest::Icon::Warning, MessageRequest::Buttons::YesNo);
}

bool Messages::question(QWidget* parent, const QString& text, const QString& title) {
    return show(parent, title, text, MessageRequest::Icon::Question,
                MessageRequest::Buttons::OkCancel);
}

void Messages::notice(QWidget* parent, const QString& text) {
    show(parent, QApplication::applicationDisplayName(), text, MessageRequest::Icon::None);
}
