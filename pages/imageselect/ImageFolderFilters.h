#pragma once

#include <QString>

// The filters of the Browse dialogs beside the two folder lists.
QString SnapshotFileFilter();
QString ImageFileFilter();

// The extension list an image folder is listed with after Browse, by the position of the
// filter the user had chosen: JPEG files only, bitmap files only, or JPEG before bitmap files.
QString ImageExtensionsForFilter(int filterIndex);
