#include "ProjectMessages.h"

#include "MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

namespace {

// German, Spanish, Japanese and Korean put the path before "Could not find".
bool PathComesFirst(int language)
{
    return language == 1 || language == 3 || language == 6 || language == 7;
}

QString CouldNotFindMessage(const QString& path)
{
    return JoinMessage(CouldNotFindText(path), LoadAppString(StringId::AbortingLoad));
}

} // namespace

QString CouldNotFindText(const QString& path)
{
    const QString couldNotFind = LoadAppString(StringId::CouldNotFind);
    return PathComesFirst(StringSource().language) ? path + u' ' + couldNotFind : couldNotFind + u' ' + path;
}

QString ProjectReadMessage(ProjectReadError error)
{
    switch (error) {
    case ProjectReadError::Malformed:
        return LoadAppString(StringId::ErrorReadingQvr);
    case ProjectReadError::CountMismatch:
        return JoinMessage(LoadAppString(StringId::QvrFileError), LoadAppString(StringId::SelectionCountMismatch));
    case ProjectReadError::CannotOpen:
        break;
    }
    return {};
}

QString ProjectFileProblemMessage(const ProjectFileProblem& problem)
{
    const auto aborting = [](unsigned headline) {
        return JoinMessage(LoadAppString(headline), LoadAppString(StringId::AbortingLoad));
    };
    switch (problem.kind) {
    case ProjectFileProblem::EmptySnapshotPath:
        return aborting(StringId::EmptySnapshotName);
    case ProjectFileProblem::SnapshotNotReadable:
        return aborting(StringId::NoBitmapFromSnapshot);
    case ProjectFileProblem::SnapshotNoPicture:
        return aborting(StringId::InvalidBitmap);
    case ProjectFileProblem::ImageInvalidBitmap:
        return aborting(StringId::InvalidBitmapForImage);
    case ProjectFileProblem::ImageUndecodable:
        return aborting(StringId::FailedToLoadJpeg);
    case ProjectFileProblem::SnapshotNotFound:
    case ProjectFileProblem::ImageNotFound:
        break;
    }
    return CouldNotFindMessage(problem.path);
}

QString ProjectSaveMessage(const QString& path, const QString& reason)
{
    const QString detail = reason.isEmpty() ? path : path + u'\n' + reason;
    return JoinMessage(LoadAppString(StringId::ErrorWritingQvr), detail);
}
