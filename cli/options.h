#pragma once

#include "readings/quantity.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <vector>

// The program's options, added to a parser in the order --help lists them.
struct Options
{
    explicit Options(QCommandLineParser &parser);

    const QCommandLineOption &quantity(QuantityKind kind) const
    {
        return quantities[std::size_t(kind)];
    }
    // "--diameter", as the user types it.
    QString name(QuantityKind kind) const;
    // The kinds whose options are set, in the order of QuantityKind.
    QList<QuantityKind> quantitiesSet(const QCommandLineParser &parser) const;

    QCommandLineOption help, version;
    std::vector<QCommandLineOption> quantities; // in the order of QuantityKind
    QCommandLineOption efficiency, readings, format, batch, exportTo;
};
