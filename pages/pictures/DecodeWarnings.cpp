#include "DecodeWarnings.h"

#include <QtGlobal>

#include <atomic>
#include <mutex>

namespace {

thread_local DecodeWarnings* collecting = nullptr;
// Set just after ours is installed; another thread may log in between.
std::atomic<QtMessageHandler> previousHandler = nullptr;

// Only the JPEG decoder's words mean damaged data; other decoders warn of harmless things too
// (a PNG's colour profile, say).
bool FromTheJpegDecoder(const QMessageLogContext& context)
{
    return context.category && qstrcmp(context.category, "qt.gui.imageio.jpeg") == 0;
}

} // namespace

void CollectDecodeWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (collecting && type == QtWarningMsg && FromTheJpegDecoder(context)) {
        collecting->messages << message;
        return;
    }
    if (const QtMessageHandler previous = previousHandler.load()) {
        previous(type, context, message);
    }
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
