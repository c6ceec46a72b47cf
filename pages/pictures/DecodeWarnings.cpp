#include "DecodeWarnings.h"

#include <QtGlobal>

#include <mutex>

namespace {

thread_local DecodeWarnings* collecting = nullptr;
QtMessageHandler previousHandler = nullptr;

bool FromAPictureDecoder(const QMessageLogContext& context)
{
    return context.category && qstrncmp(context.category, "qt.gui.imageio", 14) == 0;
}

} // namespace

void CollectDecodeWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (collecting && type == QtWarningMsg && FromAPictureDecoder(context)) {
        collecting->messages << message;
        return;
    }
    previousHandler(type, context, message);
}

DecodeWarnings::DecodeWarnings()
    : outer(collecting)
{
    // Installed once, in front of whatever handler the program had then; every other message
    // goes on to it.
    static std::once_flag installed;
    std::call_once(installed, [] { previousHandler = qInstallMessageHandler(CollectDecodeWarning); });
    collecting = this;
}

DecodeWarnings::~DecodeWarnings()
{
    collecting = outer;
}
