#include "benchdata.h"

#include "translation/dictionary.h"

#include <QFile>

#include <random>

namespace {

const QStringList everydayWords = {
    "the", "and", "you", "I", "to", "a", "is", "it", "that", "we", "see", "at", "tonight", "home",
    "later", "what", "are", "doing", "ok", "yes", "no", "maybe", "call", "me", "when", "free", "really",
    "so", "tired", "today", "going", "out", "for", "dinner", "with", "Sam", "Mum", "school", "work",
    "meet", "station", "8pm", "tomorrow", "thanks!", "ha", "hey,", "please", "send", "photo", "café",
    "naïve", "über", "😀",
};

// Chat shorthand with expansions in the style of the shipped dictionary; the rest of the
// 1622 lines are made-up abbreviations of two to five letters.
const QStringList knownEntries = {
    "brb\tbe right back", "lol\tlaughing out loud", "gr8\tgreat", "u\tyou", "r\tare", "2\tto", "4\tfor",
    "b4\tbefore", "omg\toh my god", "ttyl\ttalk to you later", "idk\tI don't know", "btw\tby the way",
    "imo\tin my opinion", "thx\tthanks", "pls\tplease", "cu\tsee you", "l8r\tlater", "2nite\ttonight",
    "msg\tmessage", "np\tno problem", "afaik\tas far as I know", "tbh\tto be honest", "ily\tI love you",
    "gtg\tgot to go", "bff\tbest friends forever", "k\tokay", "y\twhy", "c\tsee", "w8\twait", "ne1\tanyone",
};

} // namespace

BenchData::BenchData()
{
    const QString shipped = QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic");
    QFile file(shipped);
    const bool useShipped = std::holds_alternative<Dictionary>(Dictionary::load(shipped)) && file.open(QIODevice::ReadOnly);
    m_source = useShipped ? QStringLiteral("shipped data/SMS.dic") : QStringLiteral("generated");
    m_dictionaryPath = write(QStringLiteral("SMS.dic"), useShipped ? file.readAll() : generatedDictionary());

    const auto loaded = Dictionary::load(m_dictionaryPath);
    for (const DictionaryEntry& entry : std::get<Dictionary>(loaded).entries()) {
        if (!entry.abbreviation.isEmpty() && !entry.abbreviation.contains(u' '))
            m_vocabulary << entry.abbreviation.toString();
    }
}

QByteArray BenchData::generatedDictionary()
{
    std::mt19937 random(1622);
    QStringList lines = knownEntries;
    while (lines.size() < Dictionary::LineCount) {
        QString abbreviation;
        for (int letters = 2 + int(random() % 4); letters > 0; --letters)
            abbreviation += QChar(u'a' + char16_t(random() % 26));
        QString expansion;
        for (int words = 1 + int(random() % 4); words > 0; --words)
            expansion += (expansion.isEmpty() ? "" : " ") + everydayWords[random() % everydayWords.size()];
        lines << abbreviation + u'\t' + expansion;
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString BenchData::message(int wordCount, unsigned seed, int percentInDictionary) const
{
    std::mt19937 random(seed);
    QStringList words;
    for (int i = 0; i < wordCount; ++i) {
        if (int(random() % 100) < percentInDictionary) {
            QString word = m_vocabulary[random() % m_vocabulary.size()];
            words << (random() % 5 == 0 ? word.toUpper() : word);
        } else {
            words << everydayWords[random() % everydayWords.size()];
        }
    }
    return words.join(u' ');
}

QByteArray BenchData::chatLog(qsizetype size, unsigned seed) const
{
    std::mt19937 random(seed);
    QByteArray log;
    log.reserve(size + 1024);
    while (log.size() < size)
        log += message(1 + int(random() % 25), random()).toUtf8() + '\n';
    return log;
}

QByteArray BenchData::fewHitsLog(qsizetype size, unsigned seed) const
{
    std::mt19937 random(seed);
    QByteArray log;
    log.reserve(size + 1024);
    while (log.size() < size)
        log += message(1 + int(random() % 25), random(), 0).toUtf8() + '\n';
    return log;
}

QByteArray BenchData::realChatLog(qsizetype size, unsigned seed) const
{
    QFile table(QStringLiteral(VERBOLET_SOURCE_DIR "/tools/dictionary/corpus/chat_tokens.tsv"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList words;
    std::vector<double> counts;
    while (!table.atEnd()) {
        const QByteArrayList fields = table.readLine().split('\t');
        if (fields.size() >= 2) {
            words << fields[0];
            counts.push_back(fields[1].toDouble());
        }
    }
    std::mt19937 random(seed);
    std::discrete_distribution<std::size_t> pick(counts.begin(), counts.end());
    QByteArray log;
    log.reserve(size + 1024);
    while (log.size() < size) {
        for (int i = 1 + int(random() % 25); i > 0; --i)
            log += words[qsizetype(pick(random))] + (i > 1 ? ' ' : '\n');
    }
    return log;
}

QString BenchData::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
