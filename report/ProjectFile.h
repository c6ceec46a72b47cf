#pragma once

#include "ReportProject.h"

#include "snapshot/Result.h"

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// The .QVR project file: a flat little-endian stream that starts with a float32 version
// (this program writes 1.2) and holds the title fields, the selections and the details
// records, then the extension block of what the 1.2 layout has no room for (the template and
// unit; ProjectExtensions.h). No checksum; snapshots and images are stored by path.

enum class ProjectReadError {
    CannotOpen, // the file could not be opened
    Malformed, // unreadable, ends early, holds an impossible count or a broken extension block
    CountMismatch, // selection and details counts differ: "Number of selections is not equal ..."
};

// The whole project read, or why it could not be.
using ProjectReadResult = Result<ReportProject, ProjectReadError>;

// Reading direction: the project that `bytes` hold. Version 1.0 files lack the building fields
// and the material condition, 1.1 files the material condition; both keep the defaults of a
// new record. Bytes after the last record are the extension block when they begin with its
// magic (a broken block is Malformed) and are ignored otherwise; without a block the project
// states no template and no unit.
ProjectReadResult SerializeProject(QByteArrayView bytes);

// Writing direction: the version 1.2 bytes of `project`, followed by the extension block when
// the project states anything it carries.
QByteArray SerializeProject(const ReportProject& project);

// Writing direction onto a device, in 4096-byte blocks; false as soon as one block is not
// written whole. The caller decides what becomes of what was written.
bool SerializeProject(const ReportProject& project, QIODevice& target);
