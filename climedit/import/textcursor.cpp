#include "textcursor.h"

namespace kova::climimport {

bool TextCursor::seek(qsizetype pos) {
    if (pos < 0 || pos > text_.size())
        return false;
    pos_ = pos;
    return true;
}

bool TextCursor::readLine(QByteArray* line) {
    if (atEnd())
        return false;
    qsizetype end = text_.indexOf('\n', pos_);
    const qsizetype next = end < 0 ? text_.size() : end + 1;
    if (end < 0)
        end = text_.size();
    if (end > pos_ && text_.at(end - 1) == '\r')
        --end;
    *line = text_.mid(pos_, end - pos_);
    pos_ = next;
    return true;
}

int TextCursor::readChar() {
    if (atEnd())
        return -1;
    return static_cast<unsigned char>(text_.at(pos_++));
}

bool TextCursor::skipPast(char c) {
    const qsizetype at = text_.indexOf(c, pos_);
    if (at < 0) {
        pos_ = text_.size();
        return false;
    }
    pos_ = at + 1;
    return true;
}

} // namespace kova::climimport
