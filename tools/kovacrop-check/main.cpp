// kovacrop-check [--db FILE] [--uses TABLE NAME]
// The crop editor's checks of the crop tables: the created crops that name curves their tables
// no longer hold, or what uses one curve or crop type.

#include "cropedit/core/curveuse.h"
#include "store/database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

using kova::cropedit::CurveUse;
using kova::cropedit::CurveUsers;

enum Status { kFine = 0, kMissing = 1, kFailed = 2 };

const QString kCropTypes = QStringLiteral("CrpAnTyp");

bool useDatabaseFile(const QString& file, QTextStream& err) {
    if (file.isEmpty())
        return true;
    const QFileInfo info(file);
    if (!info.isFile()) {
        err << "kovacrop-check: no database file " << QDir::toNativeSeparators(file) << "\n";
        return false;
    }
    kova::store::AliasTarget target;
    target.databaseFile = info.absoluteFilePath();
    kova::store::AliasRegistry::instance().define(kova::store::kDefaultAlias, target);
    return true;
}

int checkCreatedCrops(QTextStream& out, QTextStream& err) {
    std::map<QString, QStringList> missing;
    QString error;
    if (!CurveUse().findMissingCurves(&missing, &error)) {
        err << "kovacrop-check: " << error << "\n";
        return kFailed;
    }
    for (const auto& [crop, curves] : missing)
        out << crop << ": " << curves.join(QStringLiteral(", ")) << "\n";
    out << missing.size() << " created crops name curves that are not in their tables\n";
    return missing.empty() ? kFine : kMissing;
}

int listUsers(const QString& table, const QString& name, QTextStream& out, QTextStream& err) {
    const kova::store::CurveTable* curves = kova::store::curveTableNamed(table);
    if (!curves && table.compare(kCropTypes, Qt::CaseInsensitive) != 0) {
        err << "kovacrop-check: " << table
            << " is no curve table (CrpAnNam, CrpPeren, CrpForag, CrpBCAnu, CrpBCPer) nor "
            << kCropTypes << "\n";
        return kFailed;
    }
    CurveUsers users;
    QString error;
    const bool found = curves ? CurveUse().findCurveUsers(*curves, name, &users, &error)
                              : CurveUse().findCropTypeUsers(name, &users, &error);
    if (!found) {
        err << "kovacrop-check: " << error << "\n";
        return kFailed;
    }
    for (const QString& curve : users.curves)
        out << "curve: " << curve << "\n";
    for (const QString& crop : users.createdCrops)
        out << "created crop: " << crop << "\n";
    out << "saved job crops: " << users.savedJobCrops << "\n";
    return kFine;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kovacrop-check"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the created crops that name curves their tables no longer hold (a job would "
        "compute them with the nearest curve), or with --uses the created crops and saved job "
        "crops that use one curve (TABLE: CrpAnNam, CrpPeren, CrpForag, CrpBCAnu, CrpBCPer) or "
        "one crop type (TABLE: CrpAnTyp). Names match ignoring letter case.\n"
        "Exit status: 0 nothing missing (or the users listed), 1 crops name missing curves, "
        "2 bad input or database failure."));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("Database file to use instead of the alias Kova."),
                                QStringLiteral("FILE"));
    const QCommandLineOption uses(QStringLiteral("uses"),
                                  QStringLiteral("What uses the curve or crop type NAME of TABLE."),
                                  QStringLiteral("TABLE"));
    parser.addOptions({db, uses});
    parser.addPositionalArgument(QStringLiteral("NAME"),
                                 QStringLiteral("With --uses: the curve or crop type."));
    if (!parser.parse(app.arguments())) {
        err << "kovacrop-check: " << parser.errorText() << "\n";
        return kFailed;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return kFine;
    }
    const QStringList names = parser.positionalArguments();
    if (parser.isSet(uses) != (names.size() == 1)) {
        err << "kovacrop-check: --uses takes a table and one curve or crop type name\n";
        return kFailed;
    }
    if (!useDatabaseFile(parser.value(db), err))
        return kFailed;
    const int status = parser.isSet(uses) ? listUsers(parser.value(uses), names.first(), out, err)
                                          : checkCreatedCrops(out, err);
    // The cached connection goes before the SQL driver registry of the process does.
    kova::store::Database::closeAll();
    return status;
}
