#include "pages/imageselect/PairingPlan.h"

#include <QHash>

namespace {

// Cameras and the file systems they write to do not keep the case of names reliably
// ("IR_0001.QVX" beside "ir_0001.jpg"), so names match whatever their case.
QString MatchKey(const QString& path)
{
    return BaseNameOf(path).toCaseFolded();
}

} // namespace

QString BaseNameOf(const QString& path)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(separator + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

std::vector<int> PairingPlan(const QStringList& snapshotPaths, const QStringList& imagePaths)
{
    QHash<QString, int> imageByName;
    for (int image = 0; image < imagePaths.size(); ++image) {
        const QString key = MatchKey(imagePaths[image]);
        if (!imageByName.contains(key)) {
            imageByName.insert(key, image);
        }
    }

    std::vector<int> plan(size_t(snapshotPaths.size()), -1);
    std::vector<bool> takenByName(size_t(imagePaths.size()), false);
    for (int row = 0; row < snapshotPaths.size(); ++row) {
        const auto found = imageByName.constFind(MatchKey(snapshotPaths[row]));
        if (found != imageByName.constEnd()) {
            plan[size_t(row)] = *found;
            takenByName[size_t(*found)] = true;
        }
    }
    int next = 0;
    for (int& image : plan) {
        if (image >= 0) {
            continue;
        }
        while (next < imagePaths.size() && takenByName[size_t(next)]) {
            ++next;
        }
        if (next >= imagePaths.size()) {
            break;
        }
        image = next++;
    }
    return plan;
}
