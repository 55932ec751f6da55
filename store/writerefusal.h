#pragma once
// Why the database refused a write, in the user's words, when the table layer's text tells:
// the file is read-only, or another program holds the database for a write.

#include <QString>

namespace kova::store {

// "the database is read-only", "the database is in use by another program; try again in a
// moment", or empty when the text tells neither.
QString writeRefusalReason(const QString& technical);

} // namespace kova::store
