#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through these calls, one per kind of message, so
// that each kind always has its own title and icon. A test replaces the presenter with a
// recorder (setMessagePresenter) that keeps what was shown and answers for the user.
namespace Messages {

// Guidance, refused input and failed administrator checks: "提示信息", warning icon.
void guidance(QWidget* parent, const QString& text);
// A report of success: "提示信息" (or the window's own title), information icon.
void success(QWidget* parent, const QString& text,
             const QString& title = QStringLiteral("提示信息"));
// Refusals such as a quantity above stock, and database errors: "警告信息" (or the window's
// own title), error icon.
void error(QWidget* parent, const QString& text,
           const QString& title = QStringLiteral("警告信息"));
// Yes/No with the warning icon; true only on Yes.
bool confirm(QWidget* parent, const QString& text,
             const QString& title = QStringLiteral("提示信息"));
// OK/Cancel with the question icon; true only on OK.
bool question(QWidget* parent, const QString& text,
              const QString& title = QStringLiteral("提示信息"));
// A plain notice: no icon, the program's title as caption.
void notice(QWidget* parent, const QString& text);

} // namespace Messages

// One message as it is put before the user.
struct MessageRequest {
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, YesNo, OkCancel };

    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

// Shows a message and returns whether the user accepted it (OK or Yes).
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual bool present(QWidget* parent, const MessageRequest& request) = 0;
};

// Replaces the presenter (nullptr: real message boxes again). Returns the previous one.
MessagePresenter* setMessagePresenter(MessagePresenter* presenter);
