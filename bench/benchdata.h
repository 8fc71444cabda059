#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The inputs of the translation benchmarks: a 1622-line dictionary in a folder of its own
// and messages and chat logs made of its abbreviations and everyday words.
class BenchData final {
public:
    BenchData();

    QString dictionaryPath() const { return m_dictionaryPath; }
    QString dictionarySource() const { return m_source; }
    QString folder() const { return m_folder.path(); }

    // `wordCount` words joined by single spaces, as typed into the input box.
    QString message(int wordCount, unsigned seed, int percentInDictionary = 40) const;

    // Lines of 1 to 25 words, UTF-8, LF line ends, about `size` bytes in all.
    QByteArray chatLog(qsizetype size, unsigned seed) const;

    // The same with everyday words only, so that few items are in the dictionary.
    QByteArray fewHitsLog(qsizetype size, unsigned seed) const;

    // Lines of 1 to 25 words drawn as often as real text messages have them (the counts of
    // tools/dictionary/corpus/chat_tokens.tsv), of which the shipped dictionary expands about
    // one in ten; empty where that table cannot be read.
    QByteArray realChatLog(qsizetype size, unsigned seed) const;

    // Writes `bytes` into the folder as `name` and returns the path.
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    static QByteArray generatedDictionary();

    QTemporaryDir m_folder;
    QString m_dictionaryPath;
    QString m_source;
    QStringList m_vocabulary;
};
