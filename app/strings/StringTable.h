#pragma once

// The program's own English strings: the UTF-8 text of `id`, or nullptr when the table
// has no such string.
const char* EnglishString(unsigned id);
