#pragma once

#include <QString>
#include <QStringView>

// The one lower-casing rule under which typed items and abbreviations are compared.
// Both sides of every comparison go through it.
namespace TextCase {

// `text` lower-cased exactly as QString::toLower does it, with a short cut for ASCII.
QString lower(QStringView text);

// The same, without allocating when `text` is already lower-case ASCII: the result views
// either `text` itself or `buffer`, which it overwrites.
QStringView lower(QStringView text, QString& buffer);

} // namespace TextCase
