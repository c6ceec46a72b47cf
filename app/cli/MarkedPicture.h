#pragma once

#include <QImage>

class cQVX;

// The false-colour picture of a loaded snapshot enlarged `scale` times (nearest neighbour), with
// the centre mark and the spot markers drawn after enlarging, so their lines stay one pixel thin
// at any scale. A null image when the snapshot has nothing to show.
QImage MarkedPicture(cQVX& snapshot, int scale);
