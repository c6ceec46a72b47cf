#pragma once

#include "pages/pictures/Picture.h"

#include <QStringList>

#include <future>
#include <map>
#include <optional>

// Decodes the inspections' visual images a few pages ahead of the page that draws them, on
// worker threads, so that decoding large photos overlaps with drawing and writing the pages.
class VisualImageQueue
{
public:
    VisualImageQueue(QStringList imagePaths, DecodeLimit limit, int lookahead = 2);
    ~VisualImageQueue();
    VisualImageQueue(const VisualImageQueue&) = delete;
    VisualImageQueue& operator=(const VisualImageQueue&) = delete;

    // The picture of inspection `index`, waiting for its decoding if needed; nothing when the
    // path is empty or the file does not decode. Starts decoding the next ones.
    std::optional<Picture> Take(int index);

private:
    void Start(int index);

    QStringList imagePaths;
    DecodeLimit limit;
    int lookahead;
    std::map<int, std::future<std::optional<Picture>>> pending;
};
