#pragma once

#include "app/gui/MessageBox.h"

// The platform's plain message box, captioned with the application name ("Report Writer"). Used only
// where the program's own message box is not ready yet: the language library's problems at start-up.
int StandardMessageBox(const QString& text, int icon, int buttons);

// While a handler is installed, StandardMessageBox shows nothing and returns the handler's answer.
void SetStandardMessageHandler(MessageHandler handler); // an empty handler restores the box
