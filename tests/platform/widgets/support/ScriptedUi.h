#pragma once

#include "platform/widgets/Messages.h"
#include "platform/widgets/ModalRunner.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include <QDialog>

// Stands in for the user at message boxes while it lives. Every message is recorded; each
// must have been expected, in order, with the answer to give (Yes/OK = true). A message
// nobody expected, or one with another text, fails the test; so does an expectation left
// unused at the end.
class MessageRecorder : public MessagePresenter {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    // The next message must have this text (empty: any text).
    void expect(const QString& text, bool answer = true);

    const std::vector<MessageRequest>& shown() const { return shown_; }
    QStringList texts() const;

    bool present(QWidget* parent, const MessageRequest& request) override;

private:
    struct Expected {
        QString text;
        bool answer;
    };
    std::deque<Expected> expected_;
    std::vector<MessageRequest> shown_;
    MessagePresenter* previous_;
};

// Stands in for the user at modal windows while it lives: each window shown through
// runModal must have been expected by objectName, in order. The window is shown (not
// modally), the handler acts on it as a user would (fills boxes, clicks, accepts), and the
// window is then closed and freed if it is still open. No modal loop is entered.
class ModalScript : public ModalRunner {
public:
    using Handler = std::function<void(QDialog& window)>;

    ModalScript();
    ~ModalScript() override;

    // The next modal window must carry this objectName; the handler (none: close it at once)
    // answers it.
    void expect(const QString& objectName, Handler handler = {});

    const QStringList& opened() const { return opened_; }

    int run(QDialog* child) override;

private:
    struct Expected {
        QString objectName;
        Handler handler;
    };
    std::deque<Expected> expected_;
    QStringList opened_;
    ModalRunner* previous_;
};
