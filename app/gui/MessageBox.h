#pragma once

#include "MessageBoxCodes.h"

#include <QString>

#include <functional>

// Every error, warning and question of the program reaches the user here, in cMessageDlg with
// the product title as caption. Returns the MessageResult of the button pressed.
int MessageBox(const QString& text, int icon, int buttons);
int MessageBoxId(unsigned textId, int icon, int buttons);

// A two-part message: headline, line break, detail.
QString JoinMessage(const QString& headline, const QString& detail);

// What a message box showed; the test seam hands this to its handler.
struct ShownMessage
{
    QString text;
    QString caption;
    int icon = IconExclamation;
    int buttons = ButtonsOk;
};

// While a handler is installed, MessageBox shows nothing and returns the handler's answer.
// Tests use this to record messages and script answers without a modal loop.
using MessageHandler = std::function<int(const ShownMessage&)>;
void SetMessageHandler(MessageHandler handler); // an empty handler restores the dialog
