#pragma once

#include "datafiles/datafile.h"
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

    // Reads the file afresh; a fault when it is missing, unreadable or of a kind not in
    // `kinds` (the window takes regular files only), ends before line 1622, has a line
    // without a TAB among its first 1622, is UTF-16, or begins with a UTF-8 byte order mark
    // but is not UTF-8. Text is UTF-8 when the file is valid UTF-8 and Windows-1252 otherwise;
    // a byte order mark is never part of the text.
    static DictionaryOrFault load(const QString& path, FileKinds kinds = FileKinds::RegularOnly);

    const QString& path() const { return m_path; }
    const DictionaryIndex& index() const { return *m_index; }
    const std::vector<DictionaryEntry>& entries() const { return m_index->entries(); }
    const TextDecoding::DictionaryText& decoding() const { return m_index->decoding(); }

    // The file goes on after line 1622 (that part is never read).
    bool hasLinesAfterLast() const { return m_linesAfterLast; }

private:
    Dictionary(std::shared_ptr<const DictionaryIndex> index, QString path, bool linesAfterLast);

    std::shared_ptr<const DictionaryIndex> m_index;
    QString m_path;
    bool m_linesAfterLast = false;
};
