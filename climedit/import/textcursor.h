#pragma once
// A read position in a text held in memory: lines (ended by LF or CR LF, the CR is dropped),
// single characters, and a position that can be remembered and returned to. Never reads past
// the end, whatever the bytes are.

#include <QByteArray>

namespace kova::climimport {

class TextCursor {
public:
    explicit TextCursor(QByteArray text) : text_(std::move(text)) {}

    qsizetype pos() const { return pos_; }
    bool seek(qsizetype pos);
    bool atEnd() const { return pos_ >= text_.size(); }

    // The next line without its line end; false (line untouched) at the end of the text.
    bool readLine(QByteArray* line);
    // The next character, or -1 at the end of the text.
    int readChar();
    // Moves past the next occurrence of `c`; false (at the end) when there is none.
    bool skipPast(char c);

private:
    QByteArray text_;
    qsizetype pos_ = 0;
};

} // namespace kova::climimport
