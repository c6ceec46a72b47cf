#pragma once

#include "lang/QvxLanguageLibrary.h"

#include <QLibrary>
#include <QString>

#include <span>

// A loaded language library: its string table and its menus, through the library's two C functions.
// The library stays loaded as long as this object lives.
class LanguageLibrary
{
public:
    LanguageLibrary() = default;
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    // Loads the library at `path`; false when it cannot be loaded.
    bool Load(const QString& path);
    QString ErrorString() const { return library.errorString(); }

    // The UTF-8 text of string `id`, or nullptr when the library lacks it.
    const char* String(unsigned int id) const;

    // The rows of menu `menuId`; empty when the library has none.
    std::span<const QvxMenuItem> Menu(unsigned int menuId) const;

    // The plain function handing out the strings, for the string source; null when the library lacks it.
    QvxLanguageStringFunction StringFunction() const { return stringFunction; }

private:
    QLibrary library;
    QvxLanguageStringFunction stringFunction = nullptr;
    QvxLanguageMenuFunction menuFunction = nullptr;
};
