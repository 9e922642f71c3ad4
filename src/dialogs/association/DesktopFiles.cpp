// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/association/DesktopFiles.h"

#include <array>

namespace {
struct BookType {
    const char* glob;
    const char* mimeType;
    const char* comment;
    const char* subClassOf;
    bool associable;      // listed on the General page
    bool declared = true; // our MIME package declares it; the desktop knows the others already
};

// What the desktop knows the books by; the program's own type last. The comic-book types are also
// declared by shared-mime-info itself, with the same globs and parents.
constexpr std::array<BookType, 6> kBookTypes = {{
    {"*.cbz", "application/vnd.comicbook+zip", "comic book archive (zip container)", "application/zip", true},
    {"*.cbr", "application/vnd.comicbook-rar", "comic book archive (rar container)", "application/vnd.rar", true},
    {"*.cb7", "application/x-cb7", "comic book archive (7z container)", "application/x-7z-compressed", false},
    {"*.cbt", "application/x-cbt", "comic book archive (tar container)", "application/x-tar", false},
    {"*.bdz", "application/x-bdz", "Bullevista file", "application/zip", true},
    {"*.pdf", "application/pdf", "PDF document", "", true, false},
}};

const QByteArray kMimeTypeKey = QByteArrayLiteral("MimeType=");

QByteArray mimeTypeLine(const QByteArrayList& types)
{
    return kMimeTypeKey + types.join(';') + ';';
}

// Characters that make a desktop entry quote an Exec argument.
bool isReserved(QChar c)
{
    return QStringView(u" \t\"'\\><~|&;$*?#()`").contains(c);
}
} // namespace

QByteArray MimeTypeForExtension(QStringView extension)
{
    if (!extension.startsWith(u'.'))
        return {};
    const QByteArray glob = '*' + extension.toString().toLower().toUtf8();
    for (const BookType& type : kBookTypes)
        if (type.associable && glob == type.glob)
            return type.mimeType;
    return {};
}

QByteArray DesktopIdFor(QStringView className)
{
    return className.toString().toLower().toUtf8() + ".desktop";
}

std::optional<QByteArray> ExecLineFor(const QString& program)
{
    if (program.isEmpty())
        return std::nullopt;
    bool quote = false;
    for (QChar c : program) {
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
        quote = quote || isReserved(c);
    }
    QString argument;
    for (QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            argument += u'\\'; // only ever inside quotes: each of them is reserved
        argument += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    if (quote)
        argument = u'"' + argument + u'"';
    // The entry's own string rule doubles every backslash once more.
    return argument.replace(u'\\', QStringLiteral("\\\\")).toUtf8() + " %f";
}

QByteArrayList BookMimeTypes()
{
    QByteArrayList types;
    for (const BookType& type : kBookTypes)
        types << type.mimeType;
    return types;
}

QByteArray ThumbnailerEntryText(const QByteArray& program)
{
    return "[Thumbnailer Entry]\nTryExec=" + program + "\nExec=" + program + " -s %s %i %o\n"
        + mimeTypeLine(BookMimeTypes()) + '\n';
}

QByteArrayList UnlistedBookMimeTypes()
{
    QByteArrayList types;
    for (const BookType& type : kBookTypes)
        if (!type.associable)
            types << type.mimeType;
    return types;
}

QByteArrayList DeclaredMimeTypes(const QByteArray& entry)
{
    QByteArrayList types;
    for (const QByteArray& line : entry.split('\n'))
        if (line.startsWith(kMimeTypeKey))
            for (const QByteArray& type : line.mid(kMimeTypeKey.size()).split(';'))
                if (!type.trimmed().isEmpty())
                    types << type.trimmed();
    return types;
}

QByteArray WithDeclaredMimeType(const QByteArray& entry, const QByteArray& mimeType, bool declared)
{
    QByteArrayList types = DeclaredMimeTypes(entry);
    types.removeAll(mimeType);
    if (declared)
        types << mimeType;
    QByteArrayList lines = entry.split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith(kMimeTypeKey); });
    if (!types.isEmpty()) // as the last line, before the final line break
        lines.insert(lines.endsWith(QByteArray()) ? lines.size() - 1 : lines.size(), mimeTypeLine(types));
    return lines.join('\n');
}

QByteArray DesktopEntryText(QStringView className, const QByteArray& execLine, const QByteArrayList& mimeTypes)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name="
        + className.toUtf8()
        + "\n"
          "GenericName=Comic Book Viewer\n"
          "Comment=Read comic books and other image books page by page\n"
          "Icon="
        + kIconName
        + "\n"
          "Exec="
        + execLine
        + "\n"
          "Terminal=false\n"
          "Categories=Graphics;Viewer;\n"
          "Keywords=comic;manga;book;cbz;cbr;\n"
        + (mimeTypes.isEmpty() ? QByteArray() : mimeTypeLine(mimeTypes) + '\n');
}

QByteArray MimePackageXml()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const BookType& type : kBookTypes) {
        if (!type.declared)
            continue;
        xml += QByteArray("  <mime-type type=\"") + type.mimeType + "\">\n";
        xml += QByteArray("    <comment>") + type.comment + "</comment>\n";
        xml += QByteArray("    <sub-class-of type=\"") + type.subClassOf + "\"/>\n";
        xml += "    <generic-icon name=\"x-office-document\"/>\n";
        xml += QByteArray("    <glob pattern=\"") + type.glob + "\"/>\n";
        xml += "  </mime-type>\n";
    }
    return xml + "</mime-info>\n";
}
