#pragma once

#include "SampleSet.h"

#include <QDir>
#include <QString>
#include <QStringList>

// What writing one sample produced: the files, a one-line summary, or why it failed.
struct SampleWriteResult
{
    bool ok = false;
    QString error;
    QStringList files;
    QString summary;
};

// Writes the sample's .qvx file and its photos into `folder` (each file replaced atomically).
SampleWriteResult WriteSample(const SampleSpec& sample, const QDir& folder);
