#pragma once
// The index of one help folder (a program's help or the shared pages): which page answers
// each help context number, the keywords of each page, and the contents page. Read from the
// folder's index.json: {"title", "contents", "topics": [{"page", "title", "contexts",
// "keywords"}]}; page paths are relative to the folder.

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace kova::ui {

struct HelpTopic {
    QString page; // resource path of the page (":/help/Kovamain/mainwindow.html")
    QString title;
    std::vector<int> contexts;
    QStringList keywords;
};

class HelpIndex {
public:
    // nullopt with `error` set when the folder has no readable index.
    static std::optional<HelpIndex> load(const QString& folder, QString* error);

    QString folder() const { return folder_; }
    QString title() const { return title_; }
    QString contentsPage() const { return contents_; }
    const std::vector<HelpTopic>& topics() const { return topics_; }

    bool hasContext(int context) const { return byContext_.count(context) > 0; }
    // The page of a context number; the contents page for a number nobody named.
    QString pageForContext(int context) const;
    // Topics whose title or a keyword contains the text (case-insensitive); all for "".
    std::vector<HelpTopic> search(const QString& keyword) const;
    // Adds the topics of another index (the shared pages) for searching and contexts not
    // already answered here.
    void merge(const HelpIndex& other);

private:
    QString folder_;
    QString title_;
    QString contents_;
    std::vector<HelpTopic> topics_;
    std::map<int, QString> byContext_;
};

} // namespace kova::ui
