#pragma once

#include "app/strings/StringSource.h"

// Puts the string source back to the built-in English when a test ends.
class StringSourceGuard
{
public:
    StringSourceGuard() = default;
    ~StringSourceGuard();
    StringSourceGuard(const StringSourceGuard&) = delete;
    StringSourceGuard& operator=(const StringSourceGuard&) = delete;
};
