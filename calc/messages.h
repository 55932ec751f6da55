#pragma once
// How the calculation reports problems. The programs show each message as a modal box of its
// kind; command-line tools print it. The calculation goes on after every message.

#include <QString>
#include <vector>

namespace kova::calc {

enum class MessageKind { Error, Warning, Information };

struct CalcMessage {
    MessageKind kind = MessageKind::Error;
    QString text;
    bool operator==(const CalcMessage&) const = default;
};

class CalcMessages {
public:
    virtual ~CalcMessages() = default;
    virtual void show(MessageKind kind, const QString& text) = 0;
};

// Keeps every message in order (tools, tests, the batch path).
class MessageList : public CalcMessages {
public:
    void show(MessageKind kind, const QString& text) override { items.push_back({kind, text}); }
    void clear() { items.clear(); }
    std::vector<CalcMessage> items;
};

// The exact texts of the calculation's own messages.
namespace text {
inline const QString kSoilNotDesignated =
    QStringLiteral("Error: Soil not designated, will use Silt Loam");
inline const QString kPeakDataMissing = QStringLiteral("Peak reached data missing in database.");
inline const QString kLatitudeNotCorrect = QStringLiteral("FATAL Error: Latitude not correct");
inline const QString kLatitudeOutOfRange =
    QStringLiteral("FATAL Error: Latitude not within range (0-64.9deg)");
inline const QString kCropAlreadyIncluded =
    QStringLiteral("This crop has already been included. Select another crop");

// A missing row replaced by the nearest one: what was sought and what is used instead.
inline QString substituted(const QString& what, const QString& sought, const QString& used) {
    if (sought.isEmpty())
        return QStringLiteral("No %1 is named; \"%2\" is used.").arg(what.toLower(), used);
    return QStringLiteral("%1 \"%2\" was not found; \"%3\" is used instead.")
        .arg(what, sought, used);
}
} // namespace text

} // namespace kova::calc
