#pragma once

#include "translation/dictionaryfault.h"
#include "translation/dictionaryformat.h"
#include "translation/dictionaryindex.h"

#include <QString>

#include <memory>
#include <variant>

class Dictionary;
using DictionaryOrFault = std::variant<Dictionary, DictionaryFault>;

// A dictionary file as one translation reads it: lines 1 to 1622, checked and indexed.
//
//     const DictionaryOrFault loaded = Dictionary::load(path);
//     if (const auto* fault = std::get_if<DictionaryFault>(&loaded))
//         report(fault->message);
//     else
//         output = translate(std::get<Dictionary>(loaded), boxText);
class Dictionary final {
public:
    static constexpr int LineCount = DictionaryFormat::LineCount;

    // Reads the file afresh; a fault when it is missing or unreadable, ends before line
    // 1622, or has a line without a TAB among its first 1622. Text is UTF-8 when the file
    // is valid UTF-8 and Windows-1252 otherwise.
    static DictionaryOrFault load(const QString& path);

    const QString& path() const { return m_path; }
    const DictionaryIndex& index() const { return *m_index; }
    const std::vector<DictionaryEntry>& entries() const { return m_index->entries(); }

    // The file goes on after line 1622 (that part is never read).
    bool hasLinesAfterLast() const { return m_linesAfterLast; }

private:
    Dictionary(std::shared_ptr<const DictionaryIndex> index, QString path, bool linesAfterLast);

    std::shared_ptr<const DictionaryIndex> m_index;
    QString m_path;
    bool m_linesAfterLast = false;
};
