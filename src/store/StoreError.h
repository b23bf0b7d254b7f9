#pragma once

#include <QString>
#include <stdexcept>

// A database failure or a refused write, carrying the text to show the user. Store code
// throws it; the window that started the action catches it and shows the message.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
