#pragma once

#include "store/StoreError.h"

// A document action the rules refuse, with the message to show. Guidance is shown under
// "提示信息" with the warning icon, Error under "警告信息" with the error icon.
class DocumentRefusal : public StoreError {
public:
    enum class Severity { Guidance, Error };

    DocumentRefusal(const QString& message, Severity severity)
        : StoreError(message), severity_(severity) {}
    Severity severity() const { return severity_; }

private:
    Severity severity_;
};
