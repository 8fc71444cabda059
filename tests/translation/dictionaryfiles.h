#pragma once

#include "tempfolder.h"
#include "testdictionary.h"
#include "translation/dictionary.h"
#include "translation/translate.h"

#include <gtest/gtest.h>

// A folder of the test's own for dictionary files.
struct DictionaryFiles final {
    TempFolder folder;

    QString write(const QString& name, const QByteArray& bytes) const { return folder.write(name, bytes); }
    // `lines` (UTF-8), then filler up to line 1622.
    QString writeLines(const QStringList& lines, const QString& name = QStringLiteral("SMS.dic")) const
    {
        return write(name, TestDictionary::withFiller(lines));
    }
    QString path() const { return folder.path(); }
};

inline Dictionary loadOrFail(const QString& path)
{
    DictionaryOrFault loaded = Dictionary::load(path);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded))
        ADD_FAILURE() << fault->message.toStdString();
    return std::get<Dictionary>(std::move(loaded)); // throws on a fault
}

// What the window's Translate shows for `typed` in the input box, read from `path`.
inline QString translateTyped(const QString& path, const QString& typed)
{
    return translate(loadOrFail(path), typed + u' ');
}
