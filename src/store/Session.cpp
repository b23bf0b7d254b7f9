#include "store/Session.h"

namespace {
QString& current() {
    static QString name;
    return name;
}
} // namespace

QString Session::operatorName() {
    return current();
}

void Session::setOperatorName(const QString& name) {
    current() = name;
}
