#pragma once
// How a label's text looks: font, alignment in its rectangle, wrapping, frame and colour.
// Copies are cheap; the fluent methods return a changed copy so styles can be derived in one
// expression: TextStyle().size(14).bold().centred().

#include <QColor>
#include <QFont>
#include <QString>

namespace kova::report {

class TextStyle {
public:
    TextStyle size(qreal points) const;
    TextStyle family(const QString& name) const;
    TextStyle bold(bool on = true) const;
    TextStyle italic(bool on = true) const;
    TextStyle underline(bool on = true) const;
    TextStyle left() const;
    TextStyle right() const;
    TextStyle centred() const;
    TextStyle top() const; // vertical placement; the default is centred in the rectangle
    TextStyle wrapped(bool on = true) const;
    TextStyle framed(bool on = true) const;
    TextStyle colour(const QColor& c) const;

    qreal pointSize() const { return pointSize_; }
    QString familyName() const { return family_; }
    bool isBold() const { return bold_; }
    bool isItalic() const { return italic_; }
    bool isUnderlined() const { return underline_; }
    Qt::Alignment alignment() const { return alignment_; }
    bool isWrapped() const { return wrapped_; }
    bool isFramed() const { return framed_; }
    QColor textColour() const { return colour_; }

    // Flags for QPainter::drawText and QFontMetricsF::boundingRect.
    int drawFlags() const;
    // The font in text units (see units.h): pixel sized so that the same metrics hold on every
    // device the page is painted on.
    QFont unitFont() const;

    static QString defaultFamily();

private:
    QString family_ = defaultFamily();
    qreal pointSize_ = 10;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrapped_ = false;
    bool framed_ = false;
    QColor colour_ = Qt::black;
};

} // namespace kova::report
