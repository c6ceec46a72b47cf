#include "StringSource.h"

#include "StringTable.h"

namespace {

StringSourceState& State()
{
    static StringSourceState state;
    return state;
}

// The copy a worker thread reads instead of the process's source, when it was given one.
thread_local const StringSourceState* threadSource = nullptr;

QString TextFrom(const StringSourceState& state, StringModule module, unsigned id)
{
    const char* text =
        module == StringModule::Language && state.languageLibrary ? state.languageLibrary(id) : EnglishString(id);
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

const StringSourceState& StringSource()
{
    return State();
}

void SetLanguageLibrary(LanguageStringFunction library)
{
    State().languageLibrary = library;
    if (!library) {
        State().currentModule = StringModule::Own;
    }
}

void SetUseLanguageLibrary(bool use)
{
    State().useLanguageLibrary = use;
}

void SetLanguage(int language)
{
    State().language = language;
}

QString LoadAppString(unsigned id)
{
    const StringSourceState& state = threadSource ? *threadSource : State();
    // The library is made current only for this one load; the current module stays as it was.
    if (state.useLanguageLibrary && state.languageLibrary) {
        return TextFrom(state, StringModule::Language, id);
    }
    return TextFrom(state, state.currentModule, id);
}

ThreadStringSource::ThreadStringSource(const StringSourceState& captured)
    : captured(captured)
    , previous(threadSource)
{
    threadSource = &this->captured;
}

ThreadStringSource::~ThreadStringSource()
{
    threadSource = previous;
}

void UseLanguageResources()
{
    if (State().languageLibrary) {
        State().currentModule = StringModule::Language;
    }
}

void UseOwnResources()
{
    State().currentModule = StringModule::Own;
}
