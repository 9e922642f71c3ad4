// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OpenDialogs.h"

#include "common/Paths.h"
#include "common/Seam.h"
#include "dialogs/BookChoiceDialog.h"

#include <QCoreApplication>
#include <QFileDialog>

const std::vector<OpenFileFilter>& OpenFileFilters()
{
    static const std::vector<OpenFileFilter> filters = {
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "All supported files")),
         QStringLiteral("*.bdz;*.cbz;*.cbr;*.zip;*.rar;*.cb7;*.cbt;*.7z;*.tar;*.pdf;*.jpg;*.jpeg;*.png;*.bmp;*.gif;"
                        "*.webp;*.avif;*.jxl")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "BDz files (*.bdz)")), QStringLiteral("*.bdz")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "Cbz and Cbr files (*.cbz;*.cbr)")),
         QStringLiteral("*.cbz;*.cbr")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "Zip files (*.zip)")), QStringLiteral("*.zip")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "Rar files (*.rar)")), QStringLiteral("*.rar")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "PDF files (*.pdf)")), QStringLiteral("*.pdf")},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("OpenDialogs", "All files (*.*)")), QStringLiteral("*.*")},
    };
    return filters;
}

QStringList OpenFileNameFilters()
{
    QStringList result;
    for (const OpenFileFilter& filter : OpenFileFilters()) {
        QString patterns = filter.patterns;
        patterns.replace(u';', u' ');
        if (patterns == u"*.*")
            patterns = QStringLiteral("*");
        // The dialog hides the pattern part after the name, so the name shows exactly as written, in the
        // active language.
        const QString name = QCoreApplication::translate("OpenDialogs", filter.name.toUtf8().constData());
        result << name + QStringLiteral(" (") + patterns + u')';
    }
    return result;
}

QString CurrentDirAfterOpen(const QString& chosen)
{
    static const QStringList kImageEndings = {QStringLiteral("jpg"), QStringLiteral("peg"), QStringLiteral("png"),
                                              QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("ebp"),
                                              QStringLiteral("vif"), QStringLiteral("jxl")};
    const int last = chosen.lastIndexOf(paths::kSeparator);
    if (last < 0)
        return chosen;
    if (kImageEndings.contains(chosen.right(3))) {
        const int second = last > 0 ? chosen.lastIndexOf(paths::kSeparator, last - 1) : -1;
        // An image right under the root has no parent folder to go up to; its own folder serves.
        return chosen.left((second >= 0 ? second : last) + 1);
    }
    return chosen.left(last + 1);
}

namespace {
QString chooseFileWithDialog(QWidget* owner, const QString& startDir)
{
    QFileDialog dialog(owner, QString(), startDir);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setDefaultSuffix(QStringLiteral("bdz"));
    const QStringList filters = OpenFileNameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString chooseDirectoryWithDialog(QWidget* owner, const QString& startDir)
{
    return QFileDialog::getExistingDirectory(owner, QString(), startDir, QFileDialog::ShowDirsOnly);
}

using DialogsSeam = Seam<CommandDialogs, struct DialogsTag>;
} // namespace

CommandDialogs SetCommandDialogs(CommandDialogs dialogs)
{
    return DialogsSeam::replace(std::move(dialogs));
}

QString ChooseFileToOpen(QWidget* owner, const QString& startDir)
{
    const auto& replaced = DialogsSeam::current().chooseFile;
    return replaced ? replaced(owner, startDir) : chooseFileWithDialog(owner, startDir);
}

QString ChooseFolderToOpen(QWidget* owner, const QString& startDir)
{
    const auto& replaced = DialogsSeam::current().chooseDirectory;
    return replaced ? replaced(owner, startDir) : chooseDirectoryWithDialog(owner, startDir);
}

QStringList ChooseBookInArchive(QWidget* owner, const BookTree& tree, ArchiveFamily family)
{
    const auto& replaced = DialogsSeam::current().chooseBook;
    return replaced ? replaced(tree, family) : RunBookChoiceDialog(owner, tree, family);
}

const CommandDialogs& CurrentCommandDialogs()
{
    return DialogsSeam::current();
}
