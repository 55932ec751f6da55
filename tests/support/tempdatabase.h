#pragma once
// Test fixture: points the alias "Kova" at a private copy of a database for the lifetime of
// the object, without touching the user's alias file or data directory.

#include <QString>
#include <QTemporaryDir>

namespace kova::test {

class TempDatabase {
public:
    enum class Contents { Delivered, EmptySchema };
    explicit TempDatabase(Contents contents = Contents::Delivered);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    QString file() const { return file_; }
    QString dir() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString file_;
};

// A field of the first row whose `keyField` holds `key`, read through a fresh cursor on the
// alias; "<no row>" when none does, "<cannot open>" when the table cannot be read.
QString storedField(const QString& table, const QString& keyField, const QString& key,
                    const QString& field);

// The delivered database built by this build tree.
QString deliveredDatabaseFile();
// A file under tests/ of the source tree ("data/county/56021.txt").
QString testSourceFile(const QString& relative);

} // namespace kova::test
