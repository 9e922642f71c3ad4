// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/PdfBook.h"

#include "book/PdfRender.h"
#include "book/archive/DiskSpace.h"
#include "book/archive/OutputFile.h"
#include "common/Paths.h"

#include <poppler-qt6.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <future>

namespace {
const QString kPdfError = QStringLiteral("PDF Error");

// Poppler's own complaints about a damaged file go nowhere: the reader gets one message of ours.
void quietPoppler(const QString&, const QVariant&) {}

// A PDF says so in its first kilobyte ("%PDF-"); readers accept leading junk before it.
bool looksLikePdf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1024).contains("%PDF-");
}

// A rendered page goes out as an uncompressed bitmap: writing and decoding it again costs less than
// any compression would.
QByteArray bitmapOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return {};
    return bytes;
}

bool writeBytes(const QByteArray& bytes, const DirectoryHandle& dir, const QByteArray& name, std::uint64_t budget,
                bool& diskFull)
{
    OutputFile out;
    if (!out.allocate() || !out.open(dir, name, budget))
        return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const std::size_t step = std::min<std::size_t>(OutputFile::kBufferSize, std::size_t(bytes.size() - done));
        char* space = out.space(step);
        if (!space) {
            diskFull = out.status() == OutputFile::Status::DiskFull;
            out.discard();
            return false;
        }
        std::copy_n(bytes.constData() + done, step, space);
        if (!out.commit(step)) {
            diskFull = out.status() == OutputFile::Status::DiskFull;
            out.discard();
            return false;
        }
        done += qsizetype(step);
    }
    if (!out.close()) {
        diskFull = out.status() == OutputFile::Status::DiskFull;
        out.discard();
        return false;
    }
    return true;
}

// Renders the pages one at a time, in whatever order the worker asks for them.
class PdfPageWriter : public ArchiveFileWriter {
public:
    PdfPageWriter(std::unique_ptr<Poppler::Document> document, int pageCount, QString pdfPath, QString workDir,
                  QSize box)
        : m_document(std::move(document)), m_pdfPath(std::move(pdfPath)), m_workDir(std::move(workDir)), m_box(box),
          m_pageCount(pageCount)
    {}

    FileResult write(const ExtractionFile& file, const DirectoryHandle& dir, const QByteArray& tempName,
                     const std::atomic<bool>& cancelled) override
    {
        FileResult result;
        if (file.entry >= std::size_t(m_pageCount)) {
            bool diskFull = false;
            result.written = writeBytes(infoText(), dir, tempName, WritableBudget(m_workDir), diskFull);
            return result;
        }
        const std::unique_ptr<Poppler::Page> page = m_document->page(int(file.entry));
        const QImage image = page ? RenderPdfPage(*page, m_box, cancelled) : QImage();
        if (cancelled)
            return result;
        const QByteArray bytes = image.isNull() ? QByteArray() : bitmapOf(image);
        bool diskFull = false;
        result.written = !bytes.isEmpty() && writeBytes(bytes, dir, tempName, WritableBudget(m_workDir), diskFull);
        result.stop = diskFull;
        // A damaged document says so once; the pages that can be read are still read.
        if (!result.written && !std::exchange(m_complained, true))
            result.messages.push_back(
                {QStringLiteral("Error within PDF file, some pages could not be read"), kPdfError});
        return result;
    }

private:
    // The book's info.bdi: the one beside the PDF, or else the document's own title and author.
    QByteArray infoText() const
    {
        QFile beside(paths::directoryOf(m_pdfPath) + QStringLiteral("info.bdi"));
        if (beside.open(QIODevice::ReadOnly))
            return beside.read(kLargestInfoFile);
        QByteArray text;
        for (const char* key : {"Title", "Author"}) {
            const QString value = m_document->info(QString::fromLatin1(key)).simplified();
            if (!value.isEmpty())
                text += QByteArray(key) + '=' + value.toUtf8() + '\n';
        }
        return text + "Pages=" + QByteArray::number(m_pageCount) + '\n';
    }

    static constexpr qint64 kLargestInfoFile = 16 << 20;
    std::unique_ptr<Poppler::Document> m_document;
    QString m_pdfPath;
    QString m_workDir;
    QSize m_box;
    int m_pageCount = 0;
    bool m_complained = false;
};
} // namespace

QByteArray PdfPageFileName(int page, int pageCount)
{
    const int width = int(QByteArray::number(std::max(pageCount, 1)).size());
    return QByteArray::number(page + 1).rightJustified(width, '0') + ".bmp";
}

std::optional<ArchiveBookPlan> PlanPdfBook(const QString& pdfPath, const QString& workDir, QSize box,
                                           Messages& messages)
{
    if (!looksLikePdf(pdfPath)) {
        messages.push_back({QStringLiteral("Not a PDF file"), kPdfError});
        return std::nullopt;
    }
    // The document's cross-reference is read on a helper thread; the reader waits for it as for the
    // first page of an archive.
    struct Loaded {
        std::unique_ptr<Poppler::Document> document;
        bool locked = false;
        int pageCount = 0;
    };
    Loaded loaded = std::async(std::launch::async, [&pdfPath] {
                        Poppler::setDebugErrorFunction(quietPoppler, {});
                        Loaded result{Poppler::Document::load(pdfPath)};
                        if (result.document) {
                            result.locked = result.document->isLocked();
                            result.pageCount = result.locked ? 0 : result.document->numPages();
                            result.document->setRenderHint(Poppler::Document::Antialiasing);
                            result.document->setRenderHint(Poppler::Document::TextAntialiasing);
                        }
                        return result;
                    }).get();
    if (loaded.locked) {
        messages.push_back({QStringLiteral("This PDF file is protected by a password and can't be opened"), kPdfError});
        return std::nullopt;
    }
    if (!loaded.document || loaded.pageCount <= 0) {
        messages.push_back({QStringLiteral("PDF file damaged, no page could be read"), kPdfError});
        return std::nullopt;
    }
    const int pageCount = loaded.pageCount;
    std::vector<ExtractionFile> files;
    files.reserve(std::size_t(std::max(pageCount, 0)));
    for (int k = 0; k < pageCount; ++k)
        files.push_back({PdfPageFileName(k, pageCount), std::size_t(k), QString()});
    files.push_back({QByteArrayLiteral("info.bdi"), std::size_t(pageCount), QString()});
    ArchiveBookPlan plan;
    SetBookFiles(plan, std::move(files));
    plan.writer = std::make_unique<PdfPageWriter>(std::move(loaded.document), pageCount, pdfPath, workDir, box);
    return plan;
}
