#include "skin/SkinLoad.h"

#include "common/ShowMessage.h"
#include "skin/SkinLayoutFile.h"

#include <QFileInfo>

namespace {
const QString kDefaultSkin = QStringLiteral("default");

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\');
}

void sayDefaultLayoutBroken()
{
    ShowMessage(QStringLiteral("Your default skin layout.cor seems to be corrupt or was deleted from your \\skins "
                               "directory. Please re-install either the default skin in the appropriate directory "
                               "or the application itself."),
                QStringLiteral("Error: cannot load default skin"));
}

void sayDefaultBitmapsBroken()
{
    ShowMessage(QStringLiteral("One of your bitmap files from the default skin was deleted, re-install the default "
                               "skin or the application."),
                QStringLiteral("Error: can't load bitmaps"));
}

void saySwitching()
{
    ShowMessage(QStringLiteral("Switching to default skin because of an error with your custom skin"),
                QStringLiteral("Switching..."));
}

// The default skin, after a custom one failed.
bool loadDefault(SkinLayout& layout, SkinBitmaps& bitmaps, QString& skinname, const QStringList& roots)
{
    saySwitching();
    skinname = kDefaultSkin;
    const QString dir = SkinDirectory(roots, skinname);
    if (!LoadSkinLayout(layout, dir)) {
        sayDefaultLayoutBroken();
        return false;
    }
    if (!LoadSkinBitmaps(bitmaps, dir)) {
        sayDefaultBitmapsBroken();
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

bool LoadSkinOrDefault(SkinLayout& layout, SkinBitmaps& bitmaps, QString& skinname, const QStringList& roots)
{
    const bool isDefault = skinname == kDefaultSkin;
    const QString dir = SkinDirectory(roots, skinname);
    if (!LoadSkinLayout(layout, dir)) {
        if (isDefault) {
            sayDefaultLayoutBroken();
            return false;
        }
        return loadDefault(layout, bitmaps, skinname, roots);
    }
    if (!LoadSkinBitmaps(bitmaps, dir)) {
        if (isDefault) {
            sayDefaultBitmapsBroken();
            return false;
        }
        return loadDefault(layout, bitmaps, skinname, roots);
    }
    return true;
}
