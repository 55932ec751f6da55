#pragma once
// Makes a database file read-only for the lifetime of the object, even for a user that may
// write any file (the immutable flag, where allowed), and writable again afterwards.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace kova::test {

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(QString file) : file_(std::move(file)) {
        QFile::setPermissions(file_, QFile::ReadOwner | QFile::ReadGroup);
        if (QFileInfo(file_).isWritable())
            immutable_ =
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), file_}) == 0;
    }
    ~ReadOnlyFile() {
        if (immutable_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file_});
        QFile::setPermissions(file_, QFile::ReadOwner | QFile::WriteOwner);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    bool readOnly() const { return !QFileInfo(file_).isWritable(); }

private:
    QString file_;
    bool immutable_ = false;
};

} // namespace kova::test
