#include "app/language/LanguageLibrary.h"

LanguageLibrary::~LanguageLibrary()
{
    if (library.isLoaded()) {
        library.unload();
    }
}

bool LanguageLibrary::Load(const QString& path)
{
    library.setFileName(path);
    if (!library.load()) {
        return false;
    }
    stringFunction = reinterpret_cast<QvxLanguageStringFunction>(library.resolve("QvxLanguageString"));
    menuFunction = reinterpret_cast<QvxLanguageMenuFunction>(library.resolve("QvxLanguageMenu"));
    return true;
}

const char* LanguageLibrary::String(unsigned int id) const
{
    return stringFunction ? stringFunction(id) : nullptr;
}

std::span<const QvxMenuItem> LanguageLibrary::Menu(unsigned int menuId) const
{
    if (!menuFunction) {
        return {};
    }
    unsigned int count = 0;
    const QvxMenuItem* items = menuFunction(menuId, &count);
    return items ? std::span<const QvxMenuItem>(items, count) : std::span<const QvxMenuItem>();
}
