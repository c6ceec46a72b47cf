#include "VisualImageQueue.h"

VisualImageQueue::VisualImageQueue(QStringList imagePaths, DecodeLimit limit, int lookahead)
    : imagePaths(std::move(imagePaths))
    , limit(limit)
    , lookahead(lookahead)
{ }

// Waits for decodings still running, so that none outlives the paths it reads.
VisualImageQueue::~VisualImageQueue() = default;

void VisualImageQueue::Start(int index)
{
    if (index < 0 || index >= imagePaths.size() || pending.count(index) > 0) {
        return;
    }
    pending.emplace(index, std::async(std::launch::async, LoadPicture, imagePaths[index], limit));
}

std::optional<Picture> VisualImageQueue::Take(int index)
{
    for (int ahead = index; ahead <= index + lookahead; ++ahead) {
        Start(ahead);
    }
    const auto found = pending.find(index);
    if (found == pending.end()) {
        return std::nullopt;
    }
    std::optional<Picture> picture = found->second.get();
    pending.erase(found);
    return picture;
}
