#pragma once

#include <QString>

// Where the program's texts come from: its own English table, or a language library that
// hands out its string table through one C function. Held once per process, like the
// application object that owns it; the GUI thread is the only one that touches it. Work on
// another thread reads a copy the GUI thread captured for it (ThreadStringSource).

// A language library's string table: the UTF-8 text of `id`, or nullptr (or "") when the
// library lacks it.
using LanguageStringFunction = const char* (*)(unsigned id);

enum class StringModule {
    Own, // the program's own English table
    Language, // the language library
};

struct StringSourceState
{
    bool useLanguageLibrary = false;
    LanguageStringFunction languageLibrary = nullptr; // the loaded library, or none
    StringModule currentModule = StringModule::Own; // where plain loads read from
    int language = 0; // the language index of the run, 0 English
};

const StringSourceState& StringSource();

// Set up by start-up once the language library is loaded and checked (or known to be none).
void SetLanguageLibrary(LanguageStringFunction library);
void SetUseLanguageLibrary(bool use);
void SetLanguage(int language);

// The text of string `id` from the current source; empty when that source lacks it. While a
// language library is in use, its text is used even when empty: English is no fallback.
QString LoadAppString(unsigned id);

// While alive, LoadAppString on the creating thread reads `captured`, a copy the GUI thread took
// of StringSource() when it handed the work over, and never the process's source.
class ThreadStringSource
{
public:
    explicit ThreadStringSource(const StringSourceState& captured);
    ~ThreadStringSource();
    ThreadStringSource(const ThreadStringSource&) = delete;
    ThreadStringSource& operator=(const ThreadStringSource&) = delete;

private:
    StringSourceState captured;
    const StringSourceState* previous;
};

// Make the language library the current module, if one is loaded.
void UseLanguageResources();
// Make the program's own strings the current module.
void UseOwnResources();
