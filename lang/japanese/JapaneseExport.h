#pragma once

#if defined(_WIN32)
#define QVX_LANGUAGE_EXPORT extern "C" __declspec(dllexport)
#else
#define QVX_LANGUAGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif
