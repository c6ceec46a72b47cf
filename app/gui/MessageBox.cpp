#include "MessageBox.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "cMessageDlg.h"

#include <QApplication>

namespace {

MessageHandler& Handler()
{
    static MessageHandler handler;
    return handler;
}

} // namespace

int MessageBox(const QString& text, int icon, int buttons)
{
    const ShownMessage message {text, LoadAppString(StringId::ProductTitle), icon, buttons};
    if (Handler()) {
        return Handler()(message);
    }
    cMessageDlg dialog(message, QApplication::activeWindow());
    dialog.exec();
    return dialog.result;
}

int MessageBoxId(unsigned textId, int icon, int buttons)
{
    return MessageBox(LoadAppString(textId), icon, buttons);
}

QString JoinMessage(const QString& headline, const QString& detail)
{
    return headline + u'\n' + detail;
}

void SetMessageHandler(MessageHandler handler)
{
    Handler() = std::move(handler);
}
