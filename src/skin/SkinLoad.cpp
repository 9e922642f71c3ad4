// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/SkinLoad.h"

#include "skin/SkinLayoutFile.h"

#include <QFileInfo>

namespace {
const QString kDefaultSkin = QStringLiteral("default");

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\');
}

const Message kDefaultLayoutBroken{
    QStringLiteral("Your default skin layout.cor seems to be corrupt or was deleted from your \\skins directory. "
                   "Please re-install either the default skin in the appropriate directory or the application "
                   "itself."),
    QStringLiteral("Error: cannot load default skin")};

const Message kDefaultBitmapsBroken{
    QStringLiteral("One of your bitmap files from the default skin was deleted, re-install the default skin or the "
                   "application."),
    QStringLiteral("Error: can't load bitmaps")};

// The default skin, after a custom one failed.
bool loadDefault(SkinLayout& layout, SkinBitmaps& bitmaps, QString& skinname, const QStringList& roots,
                 Messages& messages)
{
    messages.push_back({QStringLiteral("Switching to default skin because of an error with your custom skin"),
                        QStringLiteral("Switching...")});
    skinname = kDefaultSkin;
    const QString dir = SkinDirectory(roots, skinname);
    if (!LoadSkinLayout(layout, dir, messages)) {
        messages.push_back(kDefaultLayoutBroken);
        return false;
    }
    if (!LoadSkinBitmaps(bitmaps, dir, messages)) {
        messages.push_back(kDefaultBitmapsBroken);
        return false;
    }
    return true;
}
} // namespace

QString SkinDirectory(const QStringList& roots, const QString& name)
{
    if (!isPlainName(name) || roots.isEmpty())
        return {};
    for (const QString& root : roots)
        if (QFileInfo(root + name).isDir())
            return root + name + u'/';
    return roots.first() + name + u'/';
}

bool LoadSkinOrDefault(SkinLayout& layout, SkinBitmaps& bitmaps, QString& skinname, const QStringList& roots,
                       Messages& messages)
{
    const bool isDefault = skinname == kDefaultSkin;
    const QString dir = SkinDirectory(roots, skinname);
    if (!LoadSkinLayout(layout, dir, messages)) {
        if (isDefault) {
            messages.push_back(kDefaultLayoutBroken);
            return false;
        }
        return loadDefault(layout, bitmaps, skinname, roots, messages);
    }
    if (!LoadSkinBitmaps(bitmaps, dir, messages)) {
        if (isDefault) {
            messages.push_back(kDefaultBitmapsBroken);
            return false;
        }
        return loadDefault(layout, bitmaps, skinname, roots, messages);
    }
    return true;
}
