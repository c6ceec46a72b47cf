#include "StringSourceGuard.h"

StringSourceGuard::~StringSourceGuard()
{
    SetUseLanguageLibrary(false);
    SetLanguageLibrary(nullptr);
    UseOwnResources();
    SetLanguage(0);
}
