#include "report/ProjectFile.h"

#include <cstdlib>

// Any bytes either read as a project or fail cleanly. A project that reads is written again,
// and what is written must read back to the very same bytes, keeping what the extension block
// stated.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ProjectReadResult read = SerializeProject(QByteArrayView(data, qsizetype(size)));
    if (!read.Ok()) {
        return 0;
    }
    const QByteArray written = SerializeProject(read.project);
    const ProjectReadResult reread = SerializeProject(written);
    if (!reread.Ok() || SerializeProject(reread.project) != written) {
        std::abort();
    }
    if (reread.project.reportTemplate != read.project.reportTemplate || reread.project.unit != read.project.unit ||
        reread.project.severityCriteria != read.project.severityCriteria) {
        std::abort();
    }
    return 0;
}
