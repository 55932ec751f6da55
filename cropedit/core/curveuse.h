#pragma once
// Who names a curve or an annual crop type. Created crops name their curves by text, and the
// calculation takes the nearest curve when a named one is gone, so deleting or renaming a
// curve that crops use would change their results with no word. The editor asks first with
// what is found here, and a rename carries over to the created crops (a crop type's to its
// curves) in the caller's transaction; saved jobs keep what they stored.

#include "store/alias.h"
#include "store/curvetables.h"

#include <QStringList>
#include <map>

namespace kova::cropedit {

// What names a curve or a crop type.
struct CurveUsers {
    QStringList createdCrops; // 'Cop Name' of the created crops that use it, in name order
    int savedJobCrops = 0;    // crops of saved jobs that name it (a crop type: its curves)
    QStringList curves;       // a crop type: the field and vegetable curves of that type
    bool any() const { return !createdCrops.isEmpty() || savedJobCrops > 0 || !curves.isEmpty(); }
};

// Curve names match as the calculation finds them: letter case ignored.
bool sameCurveName(const QString& a, const QString& b);

class CurveUse {
public:
    explicit CurveUse(QString alias = store::kDefaultAlias) : alias_(std::move(alias)) {}

    bool findCurveUsers(const store::CurveTable& table, const QString& name, CurveUsers* users,
                        QString* error) const;
    bool findCropTypeUsers(const QString& cropType, CurveUsers* users, QString* error) const;

    // The created crops that named the curve `from` name `to` from now on.
    bool renameCurve(const store::CurveTable& table, const QString& from, const QString& to,
                     QString* error) const;
    // The field and vegetable curves of the crop type `from` are of type `to` from now on.
    bool renameCropType(const QString& from, const QString& to, QString* error) const;

    // The curves a created crop names that their tables do not hold, in the user's words
    // ("basal curve 'X' (Field and vegetable crops)"), by crop name; crops whose curves are
    // all there are left out. An empty basal curve name is no curve, not a missing one.
    bool findMissingCurves(std::map<QString, QStringList>* byCrop, QString* error) const;

private:
    QString alias_;
};

// The words of the questions: what deleting (or renaming to `to`) a curve or crop type
// affects, one line each; empty when nothing names it. `what` is "curve" or "crop type".
QString deleteWarning(const CurveUsers& users, const QString& what);
QString renameWarning(const CurveUsers& users, const QString& what, const QString& from,
                      const QString& to);

} // namespace kova::cropedit
