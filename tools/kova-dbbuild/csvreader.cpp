#include "csvreader.h"

#include <QFile>
#include <QFileInfo>

namespace kova::dbbuild {

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');
constexpr QChar kCR = QLatin1Char('\r');
constexpr QChar kLF = QLatin1Char('\n');

// Walks the text once, cell by cell. Quoted cells may span lines; the line counter follows
// every line break so that records and problems name the line the reader sees in an editor.
class CsvParser {
public:
    CsvParser(const QString& text, const QString& fileName) : text_(text), file_(fileName) {}

    CsvParseResult run() {
        while (pos_ < text_.size()) {
            if (!readRecord())
                break;
        }
        return std::move(result_);
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return text_.at(pos_); }

    // Consumes a line break (CRLF, LF or a lone CR) if one stands at the position.
    bool takeLineBreak() {
        if (atEnd())
            return false;
        if (peek() == kCR) {
            ++pos_;
            if (!atEnd() && peek() == kLF)
                ++pos_;
        } else if (peek() == kLF) {
            ++pos_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    bool readRecord() {
        if (takeLineBreak()) // an empty line holds no record
            return true;
        CsvRecord record;
        record.line = line_;
        for (;;) {
            QString cell;
            if (!readCell(&cell, record.line))
                return false;
            record.cells << cell;
            if (atEnd() || takeLineBreak())
                break;
            ++pos_; // the comma
        }
        result_.records.push_back(std::move(record));
        return true;
    }

    // Reads one cell and leaves the position on the comma, the line break or the end.
    bool readCell(QString* cell, int recordLine) {
        if (atEnd() || peek() != kQuote) {
            while (!atEnd() && peek() != kComma && peek() != kCR && peek() != kLF)
                *cell += text_.at(pos_++);
            return true;
        }
        ++pos_; // opening quote
        for (;;) {
            if (atEnd())
                return fail(recordLine, QStringLiteral("quoted cell is not closed"));
            const QChar c = text_.at(pos_++);
            if (c == kQuote) {
                if (!atEnd() && peek() == kQuote) {
                    *cell += kQuote;
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == kCR || c == kLF) {
                --pos_;
                takeLineBreak();
                *cell += kLF;
                continue;
            }
            *cell += c;
        }
        if (!atEnd() && peek() != kComma && peek() != kCR && peek() != kLF)
            return fail(line_, QStringLiteral("text after the closing quote of a cell"));
        return true;
    }

    bool fail(int line, const QString& message) {
        result_.problem = Problem{file_, line, QString(), message};
        return false;
    }

    const QString& text_;
    QString file_;
    qsizetype pos_ = 0;
    int line_ = 1;
    CsvParseResult result_;
};

} // namespace

CsvParseResult parseCsv(const QString& text, const QString& fileName) {
    return CsvParser(text, fileName).run();
}

CsvParseResult readCsvFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvParseResult failed;
        failed.problem = Problem{name, 0, QString(), file.errorString()};
        return failed;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return parseCsv(text, name);
}

} // namespace kova::dbbuild
