#include "fieldnamescan.h"

#include "store/fieldnames.h"
#include "store/schema.h"

#include <QRegularExpression>
#include <optional>
#include <vector>

namespace kova::test {

namespace {

using store::findTable;

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Index just past the string or character literal that starts at `i`.
qsizetype skipLiteral(const QString& s, qsizetype i) {
    const QChar quote = s[i];
    for (++i; i < s.size(); ++i) {
        if (s[i] == u'\\')
            ++i;
        else if (s[i] == quote)
            return i + 1;
    }
    return i;
}

// The top-level arguments of the call whose '(' or '{' is at `open`.
QStringList arguments(const QString& s, qsizetype open) {
    QStringList args;
    int depth = 0;
    qsizetype start = open + 1;
    for (qsizetype i = open; i < s.size();) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            i = skipLiteral(s, i);
            continue;
        }
        if (c == u'(' || c == u'{' || c == u'[') {
            ++depth;
        } else if (c == u')' || c == u'}' || c == u']') {
            if (--depth == 0) {
                const QString last = s.mid(start, i - start).trimmed();
                if (!last.isEmpty() || !args.isEmpty())
                    args << last;
                return args;
            }
        } else if (c == u',' && depth == 1) {
            args << s.mid(start, i - start).trimmed();
            start = i + 1;
        }
        ++i;
    }
    return args;
}

// The expression a member is called on: "dm_.cntyListTable()" for "dm_.cntyListTable().x(".
// `pos` is the '.' or the '-' of "->".
QString receiverBefore(const QString& s, qsizetype pos) {
    qsizetype i = pos - 1;
    const qsizetype end = pos;
    while (i >= 0) {
        while (i >= 0 && s[i].isSpace())
            --i;
        if (i >= 0 && (s[i] == u')' || s[i] == u']')) {
            const QChar close = s[i], open = close == u')' ? u'(' : u'[';
            for (int depth = 0; i >= 0; --i) {
                if (s[i] == close)
                    ++depth;
                else if (s[i] == open && --depth == 0)
                    break;
            }
            --i;
        }
        while (i >= 0 && isWordChar(s[i]))
            --i;
        if (i >= 1 && ((s[i] == u'>' && s[i - 1] == u'-') || (s[i] == u':' && s[i - 1] == u':')))
            i -= 2;
        else if (i >= 0 && s[i] == u'.')
            --i;
        else
            break;
    }
    return s.mid(i + 1, end - i - 1).trimmed();
}

int lineOf(const QString& s, qsizetype pos) {
    return static_cast<int>(QStringView(s).left(pos).count(u'\n')) + 1;
}

std::optional<QString> literal(const QString& arg) {
    static const QRegularExpression re(QStringLiteral(
        R"re(^(?:(?:QStringLiteral|QLatin1String|QLatin1StringView|QString::fromLatin1|)re"
        R"re(QString::fromUtf8)\(\s*"((?:[^"\\]|\\.)*)"\s*\)|u?"((?:[^"\\]|\\.)*)"_(?:s|L1))$)re"));
    const auto m = re.match(arg);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).isNull() ? m.captured(2) : m.captured(1);
}

// A constant of the file or its header: kName = QStringLiteral("...").
std::optional<QString> constant(const QString& name, const QString& text, const QString& header) {
    const QRegularExpression re(
        QStringLiteral(
            R"re((?<![\w.>])%1\s*(?:=|\{|\()\s*((?:QStringLiteral|QLatin1String)\(\s*")re"
            R"re((?:[^"\\]|\\.)*"\s*\)))re")
            .arg(QRegularExpression::escape(name)));
    for (const QString* source : {&text, &header})
        if (const auto m = re.match(*source); m.hasMatch())
            return literal(m.captured(1));
    return std::nullopt;
}

// The field names an argument spells out; nothing when the code computes the name.
std::optional<QStringList> namesOf(const QString& arg, const QString& text, const QString& header) {
    if (const auto s = literal(arg))
        return QStringList{*s};
    static const QRegularExpression identifier(QStringLiteral(R"(^\w+$)"));
    if (identifier.match(arg).hasMatch())
        if (const auto s = constant(arg, text, header))
            return QStringList{*s};
    static const QRegularExpression series(
        QStringLiteral(R"(^(?:(?:kova::)?store::)?(monthField|monthFirstField)\s*\()"));
    const auto m = series.match(arg);
    if (!m.hasMatch())
        return std::nullopt;
    const QStringList parts = arguments(arg, m.capturedEnd() - 1);
    const bool prefixFirst = m.captured(1) == QLatin1String("monthField");
    if (parts.size() != 2)
        return std::nullopt;
    const auto fixed = namesOf(parts[prefixFirst ? 0 : 1], text, header);
    if (!fixed || fixed->size() != 1)
        return std::nullopt;
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names << (prefixFirst ? store::monthField(fixed->front(), month)
                              : store::monthFirstField(month, fixed->front()));
    return names;
}

// Table and Record variables of one source text, with the table where the code names it.
struct Declaration {
    qsizetype pos = 0;
    QString name;
    QString table; // empty when the code does not say which table
};

std::vector<Declaration> declarations(const QString& text) {
    static const QRegularExpression re(QStringLiteral(
        R"((?<![\w:])(?:kova::)?(?:store::)?(?:Table|Record)\b\s*(?:const\s*)?[&*]?\s*(\w+)\s*([({=;,)]))"));
    static const QRegularExpression tableLiteral(
        QStringLiteral(R"re(QStringLiteral\("([^"]*)"\))re"));
    static const QRegularExpression recordOf(
        QStringLiteral(R"(^\s*(\w+)\s*(?:\.|->)\s*record\(\))"));
    std::vector<Declaration> out;
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        Declaration d{m.capturedStart(), m.captured(1), {}};
        const QChar how = m.captured(2).front();
        QString init;
        if (how == u'(' || how == u'{')
            init = arguments(text, m.capturedEnd() - 1).join(u',');
        else if (how == u'=')
            init = text.mid(m.capturedEnd(), text.indexOf(u';', m.capturedEnd()) - m.capturedEnd());
        for (auto t = tableLiteral.globalMatch(init); t.hasNext() && d.table.isEmpty();) {
            const QString name = t.next().captured(1);
            if (findTable(name))
                d.table = findTable(name)->name;
        }
        if (const auto r = recordOf.match(init); d.table.isEmpty() && r.hasMatch())
            for (auto p = out.rbegin(); p != out.rend(); ++p)
                if (p->name == r.captured(1)) {
                    d.table = p->table;
                    break;
                }
        out.push_back(d);
    }
    return out;
}

// The declaration of `name` in force at `pos`: the nearest one before it in the file, else
// the header's.
const Declaration* declarationAt(const std::vector<Declaration>& file,
                                 const std::vector<Declaration>& header, const QString& name,
                                 qsizetype pos) {
    const Declaration* found = nullptr;
    for (const Declaration& d : file)
        if (d.name == name && d.pos < pos)
            found = &d;
    if (!found)
        for (const Declaration& d : header)
            if (d.name == name)
                found = &d;
    return found;
}

} // namespace

void FieldNameScanner::checkNames(const Source& src, qsizetype pos, const QStringList& names,
                                  const QString& table) {
    ++checked_;
    for (const QString& name : names) {
        bool known = false;
        for (const store::TableDef& def : store::allTables())
            if (table.isEmpty() || def.name == table)
                for (const store::FieldDef& f : def.fields)
                    known = known || f.name == name;
        if (!known)
            problems_ << QStringLiteral("%1:%2: '%3' is not a field of %4")
                             .arg(src.fileName)
                             .arg(lineOf(src.text, pos))
                             .arg(name, table.isEmpty() ? QStringLiteral("any table") : table);
    }
}

void FieldNameScanner::checkCall(const Source& src, qsizetype callPos, qsizetype openParen,
                                 int argument, const QString& table) {
    const QStringList args = arguments(src.text, openParen);
    if (argument >= args.size())
        return;
    if (const auto names = namesOf(args[argument], src.text, src.header))
        checkNames(src, callPos, *names, table);
}

void FieldNameScanner::scan(const QString& fileName, const QString& text, const QString& header) {
    const Source src{fileName, text, header};
    const std::vector<Declaration> fileDecls = declarations(text);
    const std::vector<Declaration> headerDecls = declarations(header);

    static const QRegularExpression accessor(QStringLiteral(
        R"((?:\.|->)\s*(value|setValue|isNull|asString|asFloat|asInt|asBool)\s*\()"));
    for (auto it = accessor.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString receiver = receiverBefore(text, m.capturedStart());
        static const QRegularExpression lastCall(QStringLiteral(R"((\w+)\s*\([^()]*\)$)"));
        static const QRegularExpression lastName(QStringLiteral(R"((\w+)$)"));
        bool store = false;
        QString table;
        if (const auto call = lastCall.match(receiver); call.hasMatch()) {
            const QString f = call.captured(1);
            store = f == QLatin1String("record") || f.endsWith(QLatin1String("Table")) ||
                    f.endsWith(QLatin1String("table"));
        } else if (const auto name = lastName.match(receiver); name.hasMatch()) {
            if (const Declaration* d =
                    declarationAt(fileDecls, headerDecls, name.captured(1), m.capturedStart())) {
                store = true;
                table = d->table;
            }
        }
        // Only the cursor and its records have these readers; value and setValue are common
        // names (settings, JSON), so those count only on a receiver declared as a cursor.
        const QString method = m.captured(1);
        if (store || method.startsWith(QLatin1String("as")) || method == QLatin1String("isNull"))
            checkCall(src, m.capturedStart(), m.capturedEnd() - 1, 0, table);
    }

    // Data-aware controls take their field after the data source; a lookup combo also names
    // the key and shown fields of its list table.
    static const QRegularExpression control(
        QStringLiteral(R"(\b(Data(?:TextEdit|NumericEdit|CheckBox|RadioGroup|Memo|ComboBox|)"
                       R"(LookupCombo|Label))\s*[({])"));
    for (auto it = control.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const bool lookup = m.captured(1) == QLatin1String("DataLookupCombo");
        for (int argument : lookup ? std::vector<int>{1, 3, 4} : std::vector<int>{1})
            checkCall(src, m.capturedStart(), m.capturedEnd() - 1, argument, {});
    }

    // Grids take a list of columns, {field, caption, width} each.
    static const QRegularExpression grid(QStringLiteral(R"(\b(?:DataGrid|TableModel)\s*[({])"));
    for (auto it = grid.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QStringList args = arguments(text, m.capturedEnd() - 1);
        if (args.size() < 2 || !args[1].startsWith(u'{'))
            continue;
        for (const QString& column : arguments(args[1], 0))
            if (column.startsWith(u'{'))
                if (const auto names = namesOf(arguments(column, 0).value(0), text, header))
                    checkNames(src, m.capturedStart(), *names, {});
    }
}

} // namespace kova::test
