#pragma once

#include "platform/widgets/ModalWindow.h"

// A small window of text with one 确定 button: the about box, the contact box and the
// help-text window.
class InfoTextForm : public ModalWindow {
    Q_OBJECT
public:
    InfoTextForm(const QString& className, const QString& caption, const QString& html, QSize size,
                 QWidget* parent);
};

InfoTextForm* createAboutForm(QWidget* parent);
InfoTextForm* createContactForm(QWidget* parent);
InfoTextForm* createHelpTextForm(QWidget* parent);
