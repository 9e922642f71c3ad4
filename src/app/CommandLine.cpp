// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "common/Paths.h"

QString CommandLineBookPath(const QStringList& argumentsAfterProgram)
{
    QString line = argumentsAfterProgram.join(u' ').left(paths::kMaxPathChars);
    if (line.startsWith(u'"')) {
        line.remove(0, 1);
        line.chop(1);
    }
    return line;
}
