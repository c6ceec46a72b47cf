#include "PixelBufferStock.h"

namespace {

// Enough for the raw, smoothed and rendered buffers of a few snapshots open at once.
constexpr std::size_t StockSize = 4;

// Trivially destructible, so it can still be read after the stock itself is destroyed at thread
// exit, when a snapshot that outlives the stock (a static one) lets its buffers go.
thread_local bool stocksClosed = false;

template<typename T>
class Stock
{
public:
    ~Stock() { stocksClosed = true; }

    std::vector<std::vector<T>> buffers;
};

template<typename T>
Stock<T>& ThreadStock()
{
    thread_local Stock<T> stock;
    return stock;
}

} // namespace

template<typename T>
std::vector<T> TakePixelBuffer(std::size_t size)
{
    if (!stocksClosed && !ThreadStock<T>().buffers.empty()) {
        auto& buffers = ThreadStock<T>().buffers;
        std::vector<T> buffer = std::move(buffers.back());
        buffers.pop_back();
        // Only a buffer of another size has elements added, and those are zeroed.
        buffer.resize(size);
        return buffer;
    }
    return std::vector<T>(size);
}

template<typename T>
void ReturnPixelBuffer(std::vector<T>& buffer)
{
    std::vector<T> returned = std::move(buffer);
    buffer = {};
    if (returned.capacity() == 0 || stocksClosed) {
        return;
    }
    auto& buffers = ThreadStock<T>().buffers;
    if (buffers.size() < StockSize) {
        buffers.push_back(std::move(returned));
    }
}

template std::vector<qint32> TakePixelBuffer<qint32>(std::size_t);
template std::vector<quint8> TakePixelBuffer<quint8>(std::size_t);
template void ReturnPixelBuffer<qint32>(std::vector<qint32>&);
template void ReturnPixelBuffer<quint8>(std::vector<quint8>&);
