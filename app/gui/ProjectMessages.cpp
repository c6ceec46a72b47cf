#include "ProjectMessages.h"

#include "MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"

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

QString FoundFilesMessage(const std::vector<FoundFile>& found)
{
    // A moved folder can hold hundreds of files; the box stays on the screen.
    constexpr size_t Listed = 12;
    QString text = FillPlaceholders(LoadAppString(StringId::FilesFoundElsewhere), {QString::number(found.size())});
    for (size_t index = 0; index < found.size() && index < Listed; ++index) {
        text += u'\n' + found[index].foundPath;
    }
    if (found.size() > Listed) {
        text +=
            u'\n' + FillPlaceholders(LoadAppString(StringId::MoreFilesFound), {QString::number(found.size() - Listed)});
    }
    return text;
}

QString ProjectSaveMessage(const QString& path, const QString& reason)
{
    const QString detail = reason.isEmpty() ? path : path + u'\n' + reason;
    return JoinMessage(LoadAppString(StringId::ErrorWritingQvr), detail);
}
