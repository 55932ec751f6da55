#include "helpindex.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kova::ui {

namespace {

HelpTopic topicFrom(const QJsonObject& json, const QDir& folder) {
    HelpTopic topic;
    topic.page = QDir::cleanPath(folder.filePath(json.value(QLatin1String("page")).toString()));
    topic.title = json.value(QLatin1String("title")).toString();
    for (const QJsonValue& context : json.value(QLatin1String("contexts")).toArray())
        topic.contexts.push_back(context.toInt());
    for (const QJsonValue& keyword : json.value(QLatin1String("keywords")).toArray())
        topic.keywords << keyword.toString();
    return topic;
}

} // namespace

std::optional<HelpIndex> HelpIndex::load(const QString& folder, QString* error) {
    QFile file(QDir(folder).filePath(QStringLiteral("index.json")));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("No help index in %1").arg(folder);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("Help index %1: %2").arg(file.fileName(), parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    const QDir dir(folder);
    HelpIndex index;
    index.folder_ = folder;
    index.title_ = root.value(QLatin1String("title")).toString();
    index.contents_ =
        QDir::cleanPath(dir.filePath(root.value(QLatin1String("contents")).toString()));
    for (const QJsonValue& value : root.value(QLatin1String("topics")).toArray()) {
        HelpTopic topic = topicFrom(value.toObject(), dir);
        for (int context : topic.contexts)
            index.byContext_.emplace(context, topic.page);
        index.topics_.push_back(std::move(topic));
    }
    return index;
}

QString HelpIndex::pageForContext(int context) const {
    const auto found = byContext_.find(context);
    return found == byContext_.end() ? contents_ : found->second;
}

std::vector<HelpTopic> HelpIndex::search(const QString& keyword) const {
    const QString wanted = keyword.trimmed();
    std::vector<HelpTopic> found;
    for (const HelpTopic& topic : topics_) {
        const bool matches =
            topic.title.contains(wanted, Qt::CaseInsensitive) ||
            std::any_of(topic.keywords.begin(), topic.keywords.end(),
                        [&](const QString& k) { return k.contains(wanted, Qt::CaseInsensitive); });
        if (matches)
            found.push_back(topic);
    }
    return found;
}

void HelpIndex::merge(const HelpIndex& other) {
    for (const HelpTopic& topic : other.topics_) {
        for (int context : topic.contexts)
            byContext_.emplace(context, topic.page); // keeps an existing answer
        topics_.push_back(topic);
    }
}

} // namespace kova::ui
