#pragma once

#include <QtGlobal>

#include <cstddef>
#include <vector>

// Every snapshot needs the same few large pixel buffers. A buffer a snapshot lets go is kept in a
// small stock of the thread that let it go and handed to the next snapshot there, so that a folder
// scan works in memory it has already touched instead of having fresh pages mapped, faulted in,
// zeroed and unmapped for each snapshot. Each thread has its own stock: nothing is shared.

// A buffer of `size` elements. A reused one keeps the values of its earlier use, so the caller
// must write every element before reading any.
template<typename T>
std::vector<T> TakePixelBuffer(std::size_t size);

// Keeps the buffer's memory for a later TakePixelBuffer on this thread; leaves `buffer` empty.
template<typename T>
void ReturnPixelBuffer(std::vector<T>& buffer);

extern template std::vector<qint32> TakePixelBuffer<qint32>(std::size_t);
extern template std::vector<quint8> TakePixelBuffer<quint8>(std::size_t);
extern template void ReturnPixelBuffer<qint32>(std::vector<qint32>&);
extern template void ReturnPixelBuffer<quint8>(std::vector<quint8>&);
