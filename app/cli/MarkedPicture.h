#pragma once

#include <QImage>

class cQVX;

// The false-colour picture of a loaded snapshot enlarged `scale` times (nearest neighbour), with
// the centre mark and the spot markers drawn after enlarging, so their lines stay one pixel thin
// at any scale. A null image when the snapshot has nothing to show.
QImage MarkedPicture(cQVX& snapshot, int scale);

// The same picture scaled smoothly, like the Image Select thumbnails, to the largest size that fits
// a `box` x `box` square with the aspect kept, the marks drawn at that size. A null image when the
// snapshot has nothing to show.
QImage FittedMarkedPicture(cQVX& snapshot, int box);
