#include "filterexpr.h"

#include <QRegularExpression>

namespace kova::store {

namespace {

QString unquoteName(QString name) {
    name = name.trimmed();
    if (name.size() >= 2 &&
        ((name.front() == QLatin1Char('[') && name.back() == QLatin1Char(']')) ||
         (name.front() == QLatin1Char('"') && name.back() == QLatin1Char('"'))))
        name = name.mid(1, name.size() - 2);
    return name;
}

// Splits at " and " only where the next words start another comparison, so that a value such
// as 'Lewis and Clark, MT' stays whole.
QStringList splitTerms(const QString& expression) {
    static const QRegularExpression andRe(
        QStringLiteral(
            R"(\s+and\s+(?=(\[[^\]]+\]|"[^"]+"|[\w/% ]+?)\s*(<>|<=|>=|=|<|>)\s*('|[-\d.]|true|false|t\b|f\b)))"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList terms;
    qsizetype start = 0;
    auto it = andRe.globalMatch(expression);
    while (it.hasNext()) {
        const auto m = it.next();
        // An "and" inside an open quoted value belongs to the value.
        const QString before = expression.mid(start, m.capturedStart() - start);
        const auto quotes = before.count(QLatin1Char('\''));
        if (quotes % 2 != 0 && !before.trimmed().endsWith(QLatin1Char('\'')))
            continue;
        terms << before;
        start = m.capturedEnd();
    }
    terms << expression.mid(start);
    return terms;
}

} // namespace

std::optional<std::vector<FilterTerm>> parseFilter(const QString& expression, QString* error) {
    static const QRegularExpression termRe(
        QStringLiteral(R"(^\s*(\[[^\]]+\]|"[^"]+"|[^=<>]+?)\s*(<>|<=|>=|=|<|>)\s*(.*?)\s*$)"),
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<FilterTerm> terms;
    if (expression.trimmed().isEmpty())
        return terms;
    for (const QString& text : splitTerms(expression)) {
        const auto m = termRe.match(text);
        if (!m.hasMatch()) {
            if (error)
                *error = QStringLiteral("Filter expression not understood: %1").arg(expression);
            return std::nullopt;
        }
        FilterTerm t{unquoteName(m.captured(1)), m.captured(2), m.captured(3)};
        if (t.value.size() >= 2 && t.value.front() == QLatin1Char('\'') &&
            t.value.back() == QLatin1Char('\''))
            t.value = t.value.mid(1, t.value.size() - 2);
        else if (t.value.startsWith(QLatin1Char('\''))) {
            if (error)
                *error =
                    QStringLiteral("Filter expression has an unclosed quote: %1").arg(expression);
            return std::nullopt;
        }
        terms.push_back(t);
    }
    return terms;
}

} // namespace kova::store
