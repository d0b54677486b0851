#include "cli/refusal_words.h"

#include <QCoreApplication>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

QString refusalWords(const Refusal &refusal, const std::function<QString(PairBreach)> &breach,
                     const std::function<QString(std::optional<QuantityKind>)> &fieldName)
{
    if (refusal.breach != PairBreach::None)
        return breach(refusal.breach);
    if (!refusal.unread)
        return refusal.sentence;
    return Words::tr("%1: %2").arg(fieldName(refusal.field), refusal.sentence);
}
