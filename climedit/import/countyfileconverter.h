#pragma once
// Converts one county text file: its station sections become records appended to
// "TmpTP.txt", by way of the copy "Tmp2.txt".

#include "importfeedback.h"
#include "workfiles.h"

#include <QStringList>

class QFile;

namespace kova::climimport {

struct FileConversion {
    // 0 or 2: converted (2: the file ended at a section end); 1: failed; 3: no station section.
    int code = 3;
    QStringList counties; // county of every station written, in order (may repeat)
};

class CountyFileConverter {
public:
    CountyFileConverter(WorkFiles& workFiles, RunningNumber& numbers, ImportMessages& messages)
        : workFiles_(workFiles), numbers_(numbers), messages_(messages) {}

    FileConversion convert(const QString& countyFile);

private:
    int copyFromFirstW(QFile& input);
    int convertSections(QFile& output, FileConversion* result);
    FileConversion fail(const char* text);

    WorkFiles& workFiles_;
    RunningNumber& numbers_;
    ImportMessages& messages_;
};

} // namespace kova::climimport
