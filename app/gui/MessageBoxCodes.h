#pragma once

// The button, icon and result codes of the program's message box, with the values of the
// platform message box they come from. Any other button code shows OK alone; any other icon
// code shows the exclamation icon.

enum MessageButtons : int {
    ButtonsOk = 0,
    ButtonsOkCancel = 1,
    ButtonsYesNoCancel = 3,
    ButtonsYesNo = 4,
    ButtonsOpenOk = 100, // the program's own: "Open" and "OK", after a file was written
};

enum MessageIcon : int {
    IconError = 16,
    IconQuestion = 32,
    IconExclamation = 48,
    IconInformation = 64,
};

enum MessageResult : int {
    ResultNone = -1, // no button pressed yet
    ResultOk = 1,
    ResultCancel = 2, // also Escape and closing the window
    ResultYes = 6,
    ResultNo = 7,
    ResultOpen = 100,
};
