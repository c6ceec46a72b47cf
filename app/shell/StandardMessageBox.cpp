#include "app/shell/StandardMessageBox.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageHandler& Handler()
{
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon IconOf(int icon)
{
    switch (icon) {
    case IconError:
        return QMessageBox::Critical;
    case IconQuestion:
        return QMessageBox::Question;
    case IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::Warning;
    }
}

QMessageBox::StandardButtons ButtonsOf(int buttons)
{
    switch (buttons) {
    case ButtonsOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case ButtonsYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case ButtonsYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int ResultOf(int pressed)
{
    switch (pressed) {
    case QMessageBox::Ok:
        return ResultOk;
    case QMessageBox::Yes:
        return ResultYes;
    case QMessageBox::No:
        return ResultNo;
    default:
        return ResultCancel;
    }
}

} // namespace

int StandardMessageBox(const QString& text, int icon, int buttons)
{
    const ShownMessage message {text, LoadAppString(StringId::ApplicationName), icon, buttons};
    if (Handler()) {
        return Handler()(message);
    }
    QMessageBox box(IconOf(icon), message.caption, text, ButtonsOf(buttons), QApplication::activeWindow());
    return ResultOf(box.exec());
}

void SetStandardMessageHandler(MessageHandler handler)
{
    Handler() = std::move(handler);
}
