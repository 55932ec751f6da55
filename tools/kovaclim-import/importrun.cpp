#include "importrun.h"

#include "climedit/import/climateloader.h"
#include "climedit/import/climatescan.h"
#include "climedit/import/workfiles.h"
#include "store/alias.h"

#include <QDir>
#include <QFileInfo>

namespace kova::climimport {

namespace {

const char* kindName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return "error";
    case MessageKind::Warning:
        return "warning";
    case MessageKind::Information:
        return "information";
    }
    return "message";
}

// The named counties that the scan found, in the order given; the others are reported.
QStringList chooseCounties(const ImportOptions& options, const QStringList& found,
                           ImportMessages& messages) {
    if (options.allCounties)
        return found;
    QStringList chosen;
    for (const QString& name : options.counties) {
        if (found.contains(name))
            chosen << name;
        else
            messages.report({MessageKind::Warning,
                             QStringLiteral("County not found in the files: %1").arg(name)});
    }
    return chosen;
}

bool useDatabaseFile(const QString& file, QTextStream& err) {
    if (file.isEmpty())
        return true;
    const QFileInfo info(file);
    if (!info.isFile()) {
        err << "kovaclim-import: no database file " << QDir::toNativeSeparators(file) << "\n";
        return false;
    }
    store::AliasTarget target;
    target.databaseFile = info.absoluteFilePath();
    store::AliasRegistry::instance().define(store::kDefaultAlias, target);
    return true;
}

} // namespace

void PrintedMessages::report(const ImportMessage& message) {
    ++count_;
    QString text = message.text;
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    err_ << kindName(message.kind) << ": " << text << "\n";
    err_.flush();
}

bool FlagAnswerer::confirm(const QString& question) {
    out_ << question << (yes_ ? " Yes\n" : " No: skipped (use --yes to replace it)\n");
    return yes_;
}

int runImport(const ImportOptions& options, QTextStream& out, QTextStream& err) {
    if (!QFileInfo(options.directory).isDir()) {
        err << "kovaclim-import: no directory " << QDir::toNativeSeparators(options.directory)
            << "\n";
        return kFailed;
    }
    if (!useDatabaseFile(options.databaseFile, err))
        return kFailed;
    QString error;
    auto work = WorkFiles::locate(&error);
    if (!work) {
        err << "kovaclim-import: " << error << "\n";
        return kFailed;
    }

    PrintedMessages messages(err);
    ClimateScan scan(*work, RunningNumber::programRun(), messages);
    scan.setProgress([&err](int done, int total, const QString& file) {
        err << "[" << done << "/" << total << "] " << file << "\n";
        err.flush();
    });
    const ScanResult scanned = scan.run(options.directory);
    if (!scanned.started)
        return kFailed;

    const QStringList counties = chooseCounties(options, scanned.counties, messages);
    FlagAnswerer answerer(options.yes, out);
    ClimateLoader loader(*work, messages, answerer);
    const LoadResult loaded = loader.load(counties, !options.replace);

    out << "files: " << scanned.files << "\n"
        << "stations converted: " << scanned.stations << "\n"
        << "stations loaded: " << loaded.stations << "\n"
        << "counties: " << loaded.counties.size() << "\n"
        << "weather site links kept: " << loaded.weatherSitesKept << "\n"
        << "messages: " << messages.count() << "\n";
    out.flush();
    switch (loaded.outcome) {
    case LoadOutcome::Loaded:
        return kLoaded;
    case LoadOutcome::NoCounties:
        return kNothingLoaded;
    case LoadOutcome::Failed:
        break;
    }
    return kFailed;
}

} // namespace kova::climimport
