#pragma once

// The plain C interface of a language library. The program finds these two functions by name
// in "QVX <language>" next to itself; nothing else crosses between the program and the library.

#ifdef __cplusplus
extern "C" {
#endif

// One row of a menu in reading order: each top-level menu (depth 0, command id 0) is followed by its
// items (depth 1). A separator is an item with command id 0 and no text.
typedef struct QvxMenuItem
{
    unsigned int depth;
    unsigned int commandId;
    const char* text; // UTF-8, "&" marks the mnemonic
} QvxMenuItem;

// `QvxLanguageString`: the UTF-8 text of string `id`, or null when the library lacks it.
typedef const char* (*QvxLanguageStringFunction)(unsigned int id);

// `QvxLanguageMenu`: the rows of menu `menuId` and their number in `itemCount`, or null when the
// library has no such menu.
typedef const QvxMenuItem* (*QvxLanguageMenuFunction)(unsigned int menuId, unsigned int* itemCount);

#ifdef __cplusplus
}
#endif
