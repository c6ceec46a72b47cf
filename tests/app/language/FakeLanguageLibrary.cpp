// A language library that is not what its file name promises, for the refusal tests.

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#ifdef FAKE_LANGUAGE_KEY
FAKE_EXPORT const char* QvxLanguageString(unsigned int id)
{
    return id == 1156 ? FAKE_LANGUAGE_KEY : nullptr;
}
#else
// No string function at all: the library carries no key.
FAKE_EXPORT int FakeLanguageVersion()
{
    return 1;
}
#endif
