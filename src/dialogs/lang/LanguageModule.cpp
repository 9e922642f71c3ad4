// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/lang/LanguageModule.h"

#include "common/RegularFile.h"
#include "common/StringTable.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QResource>
#include <QTranslator>
#include <QtEndian>
#include <vector>

namespace {
constexpr int kHeaderBytes = 20; // "qres", version, tree, data and name offsets (version 3 adds flags)
constexpr quint16 kCompressedZlib = 0x01, kDirectory = 0x02, kCompressedZstd = 0x04;
constexpr int kIconLimit = 48;

// The bundle as bounds-checked reads: every read answers nothing past the end.
class BundleReader {
public:
    explicit BundleReader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    quint16 u16(qint64 at) const { return qFromBigEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(qint64 at) const { return qFromBigEndian<quint32>(m_bytes.constData() + at); }

private:
    const QByteArray& m_bytes;
};

struct BundleLayout {
    qint64 tree, data, names, nodeBytes, nodeCount;
};

std::optional<BundleLayout> readHeader(const BundleReader& in, qint64 size)
{
    if (!in.has(0, kHeaderBytes))
        return std::nullopt;
    const quint32 version = in.u32(4);
    if (version < 1 || version > 3 || (version == 3 && !in.has(0, kHeaderBytes + 4)))
        return std::nullopt;
    BundleLayout layout{in.u32(8), in.u32(12), in.u32(16), version >= 2 ? 22 : 14, 0};
    if (!in.has(layout.tree, layout.nodeBytes))
        return std::nullopt;
    layout.nodeCount = (size - layout.tree) / layout.nodeBytes;
    return layout;
}

bool nameFits(const BundleReader& in, const BundleLayout& layout, quint32 nameOffset)
{
    const qint64 at = layout.names + nameOffset;
    return in.has(at, 6) && in.has(at + 6, qint64(in.u16(at)) * 2);
}
} // namespace

bool IsWholeBundle(const QByteArray& bytes)
{
    const BundleReader in(bytes);
    if (!bytes.startsWith("qres"))
        return false;
    const std::optional<BundleLayout> layout = readHeader(in, bytes.size());
    if (!layout)
        return false;
    // Node 0 is the root; a directory's children are a run of nodes after it. In a tree every node but the
    // root is one directory's child, so the children claimed together stay below the node count: a
    // bundle whose directories share their children could otherwise make the walk endless in effect.
    qint64 claimed = 0;
    std::vector<qint64> pending{0};
    while (!pending.empty()) {
        const qint64 node = pending.back();
        pending.pop_back();
        const qint64 at = layout->tree + node * layout->nodeBytes;
        if (node > 0 && !nameFits(in, *layout, in.u32(at)))
            return false;
        const quint16 flags = in.u16(at + 4);
        if (flags & kDirectory) {
            const qint64 count = in.u32(at + 6), first = in.u32(at + 10);
            claimed += count;
            if (claimed >= layout->nodeCount || (count > 0 && (first <= node || first + count > layout->nodeCount)))
                return false;
            for (qint64 child = first; child < first + count; ++child)
                pending.push_back(child);
            continue;
        }
        if (flags & (kCompressedZlib | kCompressedZstd))
            return false;
        const qint64 stored = layout->data + in.u32(at + 10);
        if (!in.has(stored, 4) || !in.has(stored + 4, in.u32(stored)))
            return false;
    }
    return true;
}

bool IsModuleFileName(const QString& name)
{
    return !name.isEmpty() && name.size() <= 255 && name != u"." && name != u".." && !name.contains(u'/')
        && !name.contains(u'\\') && !name.contains(QChar(0));
}

std::optional<QByteArray> ReadModuleFile(const QString& path)
{
    std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxModuleBytes + 1);
    if (bytes && bytes->size() > kMaxModuleBytes)
        return std::nullopt;
    return bytes;
}

LanguageModule::LanguageModule() : m_root(QStringLiteral("/bullevista-language/%1").arg(quintptr(this), 0, 16)) {}

LanguageModule::~LanguageModule()
{
    unload();
}

bool LanguageModule::load(const QString& path)
{
    unload();
    std::optional<QByteArray> bytes = ReadModuleFile(path);
    if (!bytes || !IsWholeBundle(*bytes))
        return false;
    m_bytes = std::move(*bytes);
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(m_bytes.constData()), m_root)) {
        m_bytes.clear();
        return false;
    }
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(u':' + m_root + QStringLiteral("/catalogue.qm"))) {
        unload();
        return false;
    }
    m_catalogue = std::move(catalogue);
    // The catalogue names its language ("fr_FR"); Qt's translation of its own texts into it is optional.
    if (const QString language = m_catalogue->language(); !language.isEmpty()) {
        auto qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qtTexts = std::move(qtTexts);
    }
    return true;
}

void LanguageModule::unload()
{
    // The catalogue reads the registered bytes in place: it goes first, then the registration, then the bytes.
    m_catalogue.reset();
    m_qtTexts.reset();
    if (!m_bytes.isEmpty())
        QResource::unregisterResource(reinterpret_cast<const uchar*>(m_bytes.constData()), m_root);
    m_bytes.clear();
}

QString LanguageModule::description() const
{
    if (!m_catalogue)
        return {};
    return m_catalogue->translate("StringTable", EnglishStringText(1)).left(99);
}

QImage LanguageModule::icon() const
{
    if (!m_catalogue)
        return {};
    QImage icon(u':' + m_root + QStringLiteral("/icon.png"));
    if (icon.width() > kIconLimit || icon.height() > kIconLimit)
        icon = icon.scaled(kIconLimit, kIconLimit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return icon;
}
