#include "dialogs/FileAssociation.h"

// Not yet backed by the desktop: nothing is associated and nothing is written.

QStringList AssociableExtensions()
{
    return {QStringLiteral(".BDz"), QStringLiteral(".cbz"), QStringLiteral(".cbr")};
}

bool IsAssociated(const QString&, const QString&)
{
    return false;
}

void SetAssociation(const QString&, const QString&) {}

void RegisterBookClass(const QString&) {}
