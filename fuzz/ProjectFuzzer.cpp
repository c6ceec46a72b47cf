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
    const QByteArray written = SerializeProject(read.Value());
    const ProjectReadResult reread = SerializeProject(written);
    if (!reread.Ok() || SerializeProject(reread.Value()) != written) {
        std::abort();
    }
    if (reread.Value().reportTemplate != read.Value().reportTemplate || reread.Value().unit != read.Value().unit ||
        reread.Value().severityCriteria != read.Value().severityCriteria) {
        std::abort();
    }
    return 0;
}
