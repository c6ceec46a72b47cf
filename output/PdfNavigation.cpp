#include "PdfNavigation.h"

#include "PageGeometry.h"

#include <QFile>
#include <QIODevice>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <stdexcept>

namespace {

constexpr double PointsPerUnit = 72.0 / PageGeometry::DotsPerInch;

// Hands the written PDF to a device; a write that does not take every byte ends the run.
class DevicePipeline : public Pipeline
{
public:
    explicit DevicePipeline(QIODevice& device)
        : Pipeline("report output", nullptr)
        , device(device)
    { }

    void write(unsigned char const* data, size_t length) override
    {
        if (device.write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length)) {
            const QString reason = device.errorString();
            throw std::runtime_error(reason.isEmpty() ? "write failed" : reason.toStdString());
        }
    }

    void finish() override { }

private:
    QIODevice& device;
};

QPDFObjectHandle Text(const QString& text)
{
    return QPDFObjectHandle::newUnicodeString(text.toStdString());
}

// The page coordinates of the layout's units: points from the bottom left corner.
struct PageFrame
{
    QPDFObjectHandle page;
    double top = 0.0;

    QPDFObjectHandle::Rectangle Area(const QRect& area) const
    {
        return {area.left() * PointsPerUnit,
                top - (area.top() + area.height()) * PointsPerUnit,
                (area.left() + area.width()) * PointsPerUnit,
                top - area.top() * PointsPerUnit};
    }

    // The top of the page, at the zoom the reader has.
    QPDFObjectHandle Destination() const
    {
        return QPDFObjectHandle::newArray({page,
                                           QPDFObjectHandle::newName("/XYZ"),
                                           QPDFObjectHandle::newNull(),
                                           QPDFObjectHandle::newReal(top, 2),
                                           QPDFObjectHandle::newNull()});
    }
};

std::vector<PageFrame> PageFrames(QPDF& pdf)
{
    std::vector<PageFrame> frames;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
        frames.push_back({page.getObjectHandle(), box.ury});
    }
    return frames;
}

const PageFrame& FrameAt(const std::vector<PageFrame>& frames, int index)
{
    if (index < 0 || std::size_t(index) >= frames.size()) {
        throw std::runtime_error("the report has no page " + std::to_string(index + 1));
    }
    return frames[std::size_t(index)];
}

void AddOutline(QPDF& pdf, const std::vector<PageFrame>& frames, const std::vector<OutlineEntry>& entries)
{
    if (entries.empty()) {
        return;
    }
    QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    std::vector<QPDFObjectHandle> items;
    for (const OutlineEntry& entry : entries) {
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", Text(entry.title));
        item.replaceKey("/Parent", outlines);
        item.replaceKey("/Dest", FrameAt(frames, entry.page).Destination());
        if (!items.empty()) {
            item.replaceKey("/Prev", items.back());
            items.back().replaceKey("/Next", item);
        }
        items.push_back(item);
    }
    outlines.replaceKey("/First", items.front());
    outlines.replaceKey("/Last", items.back());
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(qint64(items.size())));
    QPDFObjectHandle root = pdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
}

void AddLinks(QPDF& pdf, const std::vector<PageFrame>& frames, const std::vector<PageLink>& links)
{
    for (const PageLink& link : links) {
        const PageFrame& frame = FrameAt(frames, link.page);
        QPDFObjectHandle annotation = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        annotation.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
        annotation.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
        annotation.replaceKey("/Rect", QPDFObjectHandle::newArray(frame.Area(link.area)));
        annotation.replaceKey(
            "/Border",
            QPDFObjectHandle::newArray(
                {QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0)}));
        annotation.replaceKey("/Dest", FrameAt(frames, link.target).Destination());
        QPDFObjectHandle page = frame.page;
        QPDFObjectHandle annotations = page.getKey("/Annots");
        if (!annotations.isArray()) {
            annotations = QPDFObjectHandle::newArray();
            page.replaceKey("/Annots", annotations);
        }
        annotations.appendItem(annotation);
    }
}

void SetInformation(QPDF& pdf, const DocumentInformation& information)
{
    QPDFObjectHandle trailer = pdf.getTrailer();
    QPDFObjectHandle info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    const std::pair<const char*, QString> fields[] = {{"/Title", information.title},
                                                      {"/Author", information.author},
                                                      {"/Subject", information.subject},
                                                      {"/Keywords", information.keywords},
                                                      {"/Creator", information.creator}};
    for (const auto& [key, value] : fields) {
        if (value.isEmpty()) {
            info.removeKey(key);
        } else {
            info.replaceKey(key, Text(value));
        }
    }
}

} // namespace

QString AddPdfNavigation(const QString& pdfPath, QIODevice& output, const ReportNavigation& navigation)
{
    QFile input(pdfPath);
    if (!input.open(QIODevice::ReadOnly)) {
        return input.errorString();
    }
    // Mapped rather than read: the library reads the pages' streams straight from the file.
    const qint64 size = input.size();
    const uchar* bytes = size > 0 ? input.map(0, size) : nullptr;
    if (!bytes) {
        return input.error() != QFileDevice::NoError ? input.errorString()
                                                     : QStringLiteral("the drawn report is empty");
    }
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile(
            QFile::encodeName(pdfPath).constData(), reinterpret_cast<const char*>(bytes), std::size_t(size));
        const std::vector<PageFrame> frames = PageFrames(pdf);
        AddOutline(pdf, frames, navigation.outline);
        AddLinks(pdf, frames, navigation.links);
        SetInformation(pdf, navigation.information);

        DevicePipeline pipeline(output);
        QPDFWriter writer(pdf);
        writer.setOutputPipeline(&pipeline);
        // The drawn streams are copied byte for byte, neither decoded nor compressed again.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.write();
    } catch (const std::exception& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}
