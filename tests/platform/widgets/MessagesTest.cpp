#include "platform/widgets/Messages.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/ModalWindow.h"
#include "platform/widgets/support/ScriptedUi.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using Icon = MessageRequest::Icon;
using Buttons = MessageRequest::Buttons;

TEST(Messages, EachKindHasItsTitleIconAndButtons) {
    QApplication::setApplicationDisplayName(QStringLiteral("恒昶储管家（工程版）"));
    struct Case {
        const char* name;
        std::function<void()> show;
        const char* title;
        Icon icon;
        Buttons buttons;
    } cases[] = {
        {"guidance", [] { Messages::guidance(nullptr, "t"); }, "提示信息", Icon::Warning,
         Buttons::Ok},
        {"success", [] { Messages::success(nullptr, "t"); }, "提示信息", Icon::Information,
         Buttons::Ok},
        {"error", [] { Messages::error(nullptr, "t"); }, "警告信息", Icon::Error, Buttons::Ok},
        {"confirm", [] { Messages::confirm(nullptr, "t"); }, "提示信息", Icon::Warning,
         Buttons::YesNo},
        {"confirm titled", [] { Messages::confirm(nullptr, "t", QStringLiteral("警告信息")); },
         "警告信息", Icon::Warning, Buttons::YesNo},
        {"question", [] { Messages::question(nullptr, "t"); }, "提示信息", Icon::Question,
         Buttons::OkCancel},
        {"notice", [] { Messages::notice(nullptr, "t"); }, "恒昶储管家（工程版）", Icon::None,
         Buttons::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder recorder;
        recorder.expect("t");
        c.show();
        ASSERT_EQ(recorder.shown().size(), 1u);
        EXPECT_EQ(recorder.shown()[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(recorder.shown()[0].icon, c.icon);
        EXPECT_EQ(recorder.shown()[0].buttons, c.buttons);
    }
}

TEST(Messages, ConfirmationGoesOnOnlyOnYes) {
    MessageRecorder recorder;
    recorder.expect("删除?", true);
    recorder.expect("删除?", false);
    EXPECT_TRUE(Messages::confirm(nullptr, "删除?"));
    EXPECT_FALSE(Messages::confirm(nullptr, "删除?"));
}

TEST(Messages, AnUnexpectedMessageFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            MessageRecorder recorder;
            Messages::guidance(nullptr, "没人等这个");
        },
        "unexpected message");
    EXPECT_NONFATAL_FAILURE(
        {
            MessageRecorder recorder;
            recorder.expect("甲");
            Messages::guidance(nullptr, "乙");
        },
        "was expected");
}

TEST(ModalScript, AnswersTheWindowAndFreesIt) {
    ModalScript script;
    QPointer<ModalWindow> seen;
    script.expect("TPickerForm", [&seen](QDialog& window) {
        seen = qobject_cast<ModalWindow*>(&window);
        EXPECT_TRUE(window.isVisible());
        window.accept();
    });
    auto* picker = new ModalWindow(nullptr, QStringLiteral("TPickerForm"), QStringLiteral("选择"));
    EXPECT_EQ(runModal(picker), QDialog::Accepted);
    EXPECT_TRUE(seen.isNull()) << "a window that frees itself on close is gone afterwards";
    EXPECT_EQ(script.opened(), QStringList{QStringLiteral("TPickerForm")});
}

TEST(ModalScript, AWindowNobodyExpectedFailsAndIsClosed) {
    QPointer<ModalWindow> window = new ModalWindow(nullptr, QStringLiteral("TStrayForm"));
    EXPECT_NONFATAL_FAILURE(
        {
            ModalScript script;
            EXPECT_EQ(runModal(window), QDialog::Rejected);
        },
        "unexpected window TStrayForm");
    EXPECT_TRUE(window.isNull());
}
