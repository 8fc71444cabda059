#include "literal_reference.h"
#include "testdictionaries.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

DictionaryFault faultOf(const QString& path)
{
    DictionaryOrFault loaded = Dictionary::load(path);
    if (!std::holds_alternative<DictionaryFault>(loaded)) {
        ADD_FAILURE() << path.toStdString() << " loaded without a fault";
        return {};
    }
    return std::get<DictionaryFault>(loaded);
}

QByteArray linesOf(int count, const QByteArray& lineAt17 = {})
{
    QByteArray bytes;
    for (int number = 1; number <= count; ++number)
        bytes += (number == 17 && !lineAt17.isNull() ? lineAt17 : TestDictionaries::fillerLine(number).toUtf8()) + "\r\n";
    return bytes;
}

} // namespace

TEST(DictionaryFaults, NameTheFileTheLineAndTheFault)
{
    const TestDictionaries files;
    const struct {
        const char* name;
        QByteArray bytes;
        DictionaryFault::Kind kind;
        int line;
        QString message;
    } cases[] = {
        {"line without TAB", linesOf(1622, "brb be right back"), DictionaryFault::Kind::NoTab, 17,
         "SMS.dic: line 17 has no TAB"},
        {"empty line", linesOf(1622, ""), DictionaryFault::Kind::NoTab, 17,
         "SMS.dic: line 17 is empty; every line needs a TAB"},
        {"a TAB-less line comes before a short end", linesOf(100, "no tab"), DictionaryFault::Kind::NoTab, 17,
         "SMS.dic: line 17 has no TAB"},
        {"one line short", linesOf(1621), DictionaryFault::Kind::TooFewLines, 1621,
         "SMS.dic: ends after line 1621; a dictionary needs 1622 lines"},
        {"blank line as line 1622", linesOf(1621) + "\r\n", DictionaryFault::Kind::NoTab, 1622,
         "SMS.dic: line 1622 is empty; every line needs a TAB"},
        {"empty file", "", DictionaryFault::Kind::TooFewLines, 0, "SMS.dic: is empty; a dictionary needs 1622 lines"},
        {"first line only", "brb\tbe right back", DictionaryFault::Kind::TooFewLines, 1,
         "SMS.dic: ends after line 1; a dictionary needs 1622 lines"},
    };
    for (const auto& c : cases) {
        const QString path = files.write("SMS.dic", c.bytes);
        const DictionaryFault fault = faultOf(path);
        EXPECT_EQ(fault.kind, c.kind) << c.name;
        EXPECT_EQ(fault.line, c.line) << c.name;
        EXPECT_EQ(fault.message, c.message + " (" + QDir::toNativeSeparators(path) + ")") << c.name;
        EXPECT_EQ(fault.path, path) << c.name;
        EXPECT_THROW(LiteralReference::translateFile(path, " "), LiteralReference::DictionaryError) << c.name;
    }
}

TEST(DictionaryFaults, UnreadableFileNamesTheFullPath)
{
    const TestDictionaries files;
    const QString missing = files.folder() + "/SMS.dic";
    const DictionaryFault fault = faultOf(missing);
    EXPECT_EQ(fault.kind, DictionaryFault::Kind::Unreadable);
    EXPECT_TRUE(fault.message.startsWith("SMS.dic: cannot be read: ")) << fault.message.toStdString();
    EXPECT_TRUE(fault.message.endsWith("(" + QDir::toNativeSeparators(missing) + ")")) << fault.message.toStdString();

    QDir(files.folder()).mkdir("folder.dic");
    EXPECT_EQ(faultOf(files.folder() + "/folder.dic").kind, DictionaryFault::Kind::Unreadable);
}

TEST(DictionaryFaults, PercentSignsInTheFileNameStayAsTheyAre)
{
    const TestDictionaries files;
    const QString path = files.write("%2 %1.dic", linesOf(1622, "x"));
    EXPECT_EQ(faultOf(path).message, "%2 %1.dic: line 17 has no TAB (" + QDir::toNativeSeparators(path) + ")");
}

TEST(DictionaryFaults, OddContentNeverBreaksTheReader)
{
    const TestDictionaries files;
    QRandomGenerator random(20240611);
    QByteArray garbage(1 << 20, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);

    // Every line of this one begins with a TAB, so it is a sound (if odd) Windows-1252 dictionary.
    QByteArray withTabs = "\t";
    for (const char byte : garbage) {
        withTabs += byte;
        if (byte == '\r' || byte == '\n')
            withTabs += '\t';
    }
    QByteArray withNuls = TestDictionaries::withFiller({"brb\tbe right back"});
    withNuls.replace("~", QByteArray(1, '\0'));

    const QByteArray hugeLine = "brb\t" + QByteArray(8 << 20, 'x') + "\r\n";
    const struct {
        const char* name;
        QByteArray bytes;
        bool sound;
    } cases[] = {
        {"random bytes", garbage, false},
        {"random bytes with TABs", withTabs, true},
        {"NUL bytes", withNuls, true},
        {"one 8 MB line", hugeLine, false},
        {"an 8 MB line among 1622", TestDictionaries::withFiller({}) + hugeLine, true},
        {"an 8 MB first line", hugeLine + TestDictionaries::withFiller({}), true},
    };
    for (const auto& c : cases) {
        const DictionaryOrFault loaded = Dictionary::load(files.write("odd.dic", c.bytes));
        EXPECT_EQ(std::holds_alternative<Dictionary>(loaded), c.sound) << c.name;
        if (const auto* fault = std::get_if<DictionaryFault>(&loaded)) {
            EXPECT_TRUE(fault->message.startsWith("odd.dic: ")) << c.name;
        }
    }
}
