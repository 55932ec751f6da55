#pragma once
// Reads C++ source text for field names handed to the table cursor, its records, the
// data-aware controls and the grids, and checks each against the table declarations. A name
// is checked when the code spells it out: a string literal, a month-series helper with a
// literal prefix, or a constant of the same file (or its header) holding a literal.

#include <QString>
#include <QStringList>

namespace kova::test {

class FieldNameScanner {
public:
    // `header` is the companion header of a .cpp file (its members and constants), or empty.
    void scan(const QString& fileName, const QString& text, const QString& header = {});

    QStringList problems() const { return problems_; } // "file:line: why", one per bad name
    int checkedCalls() const { return checked_; }

private:
    struct Source {
        const QString& fileName;
        const QString& text;
        const QString& header;
    };
    void checkCall(const Source& src, qsizetype callPos, qsizetype openParen, int argument,
                   const QString& table);
    void checkNames(const Source& src, qsizetype pos, const QStringList& names,
                    const QString& table);

    QStringList problems_;
    int checked_ = 0;
};

} // namespace kova::test
