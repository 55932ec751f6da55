#include "textstyle.h"

#include <cmath>

namespace kova::report {

TextStyle TextStyle::size(qreal points) const {
    TextStyle s = *this;
    s.pointSize_ = points;
    return s;
}

TextStyle TextStyle::family(const QString& name) const {
    TextStyle s = *this;
    s.family_ = name;
    return s;
}

TextStyle TextStyle::bold(bool on) const {
    TextStyle s = *this;
    s.bold_ = on;
    return s;
}

TextStyle TextStyle::italic(bool on) const {
    TextStyle s = *this;
    s.italic_ = on;
    return s;
}

TextStyle TextStyle::underline(bool on) const {
    TextStyle s = *this;
    s.underline_ = on;
    return s;
}

TextStyle TextStyle::left() const {
    TextStyle s = *this;
    s.alignment_ = (alignment_ & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    return s;
}

TextStyle TextStyle::right() const {
    TextStyle s = *this;
    s.alignment_ = (alignment_ & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
    return s;
}

TextStyle TextStyle::centred() const {
    TextStyle s = *this;
    s.alignment_ = (alignment_ & ~Qt::AlignHorizontal_Mask) | Qt::AlignHCenter;
    return s;
}

TextStyle TextStyle::top() const {
    TextStyle s = *this;
    s.alignment_ = (alignment_ & ~Qt::AlignVertical_Mask) | Qt::AlignTop;
    return s;
}

TextStyle TextStyle::wrapped(bool on) const {
    TextStyle s = *this;
    s.wrapped_ = on;
    return s;
}

TextStyle TextStyle::framed(bool on) const {
    TextStyle s = *this;
    s.framed_ = on;
    return s;
}

TextStyle TextStyle::colour(const QColor& c) const {
    TextStyle s = *this;
    s.colour_ = c;
    return s;
}

int TextStyle::drawFlags() const {
    int flags = int(alignment_);
    if (wrapped_)
        flags |= Qt::TextWordWrap;
    return flags;
}

QFont TextStyle::unitFont() const {
    QFont font(family_);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(pointSize_ * 10))));
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    // Glyph positions must not snap to a screen grid: the text is drawn scaled.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString TextStyle::defaultFamily() {
    return QStringLiteral("DejaVu Sans");
}

} // namespace kova::report
