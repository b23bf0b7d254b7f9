#include "app/DesktopLaunch.h"

#include "platform/widgets/Messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

QStringList DesktopLaunch::calculatorCandidates() {
    return {QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),
            QStringLiteral("galculator"),
            QStringLiteral("mate-calc"),
            QStringLiteral("qalculate-gtk"),
            QStringLiteral("qalculate-qt"),
            QStringLiteral("xcalc")};
}

QString DesktopLaunch::findProgram(const QStringList& candidates) {
    for (const QString& name : candidates)
        if (QString path = QStandardPaths::findExecutable(name); !path.isEmpty())
            return path;
    return {};
}

void DesktopLaunch::startCalculator(QWidget* parent) {
    const QString program = findProgram(calculatorCandidates());
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        Messages::notice(parent, QStringLiteral("没有找到计算器程序，请先安装一个计算器"
                                                "（例如 gnome-calculator 或 galculator）。"));
    }
}

QString DesktopLaunch::manualPath() {
    for (const char* name : {"Help/Help110.pdf", "Help/Help110.html", "Help/Help110.DOC"})
        if (QFileInfo file(QDir::current().filePath(QString::fromUtf8(name))); file.isFile())
            return file.absoluteFilePath();
    return {};
}

void DesktopLaunch::openManual(QWidget* parent) {
    const QString path = manualPath();
    if (path.isEmpty()) {
        Messages::notice(parent, QStringLiteral("没有找到使用说明文件 Help/Help110.DOC，"
                                                "请把使用说明复制到程序目录的 Help 文件夹中。"));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        Messages::notice(
            parent,
            QStringLiteral("没有可以打开使用说明的程序：%1").arg(QDir::toNativeSeparators(path)));
}
