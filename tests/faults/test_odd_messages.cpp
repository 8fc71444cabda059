// Messages of odd content and of a million items translate correctly, alike in the engine,
// in the window and in verbolet-translate.

#include "damage.h"
#include "programwindow.h"
#include "translation/dictionary.h"
#include "translation/translate.h"
#include "translatorrun.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

QString text(std::u16string_view units)
{
    return QString::fromUtf16(units.data(), qsizetype(units.size()));
}

// The sound dictionary with right-to-left, emoji and accented abbreviations in front of its
// filler lines.
QByteArray oddDictionary()
{
    const QByteArray odd = QStringLiteral("\u05e9\u05dc\u05d5\u05dd\tpeace\r\n"
                                          "\U0001F600\tsmiling face\r\n"
                                          "caf\u00e9\tcoffee shop\r\n")
                               .toUtf8();
    QByteArray dictionary = soundDictionary();
    const qsizetype fourthLine = dictionary.indexOf("zzunused4\t");
    const qsizetype seventhLine = dictionary.indexOf("zzunused7\t");
    return dictionary.replace(fourthLine, seventhLine - fourthLine, odd);
}

// The three ways a message is translated: each gets the typed message, gives the output.
class Translators final {
public:
    Translators()
    {
        mend(m_window.file("\\SMS.dic"), oddDictionary());
    }

    QString engine(const QString& typed) const
    {
        const DictionaryOrFault loaded = Dictionary::load(m_window.file("\\SMS.dic"));
        return translate(std::get<Dictionary>(loaded), typed + u' ');
    }

    QString window(const QString& typed)
    {
        m_window.form->Text1->setText(typed);
        m_window.pressEnter();
        EXPECT_EQ(m_window.form->Text1->text(), typed + u' ') << "the message is kept with its added space";
        EXPECT_TRUE(m_window.platform.errors.isEmpty());
        return m_window.form->Text2->text();
    }

    QString commandLine(const QString& typed) const
    {
        const TranslatorRun run =
            runTranslator({"--dictionary", m_window.file("\\SMS.dic")}, typed.toUtf8() + '\n');
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.errors, "");
        EXPECT_TRUE(run.output.endsWith('\n'));
        return QString::fromUtf8(run.output.chopped(run.output.endsWith('\n') ? 1 : 0));
    }

private:
    ProgramWindow m_window;
};

void expectEveryTranslator(Translators& translators, const QString& typed, const QString& expected)
{
    EXPECT_EQ(translators.engine(typed), expected) << "the engine";
    EXPECT_EQ(translators.window(typed), expected) << "the window";
    EXPECT_EQ(translators.commandLine(typed), expected) << "verbolet-translate";
}

TEST(OddMessages, EmojiNulTabAndRightToLeftTextTranslate)
{
    const struct {
        const char* name;
        QString typed;
        QString expected;
    } cases[] = {
        {"emoji as items", text(u"brb \U0001F600 lol \U0001F44D\U0001F3FD"),
         text(u"be right back smiling face laughing out loud \U0001F44D\U0001F3FD")},
        {"emoji glued to a word", text(u"brb\U0001F600 \U0001F600lol"), text(u"brb\U0001F600 \U0001F600lol")},
        {"a joined emoji sequence", text(u"\U0001F468\u200D\U0001F469\u200D\U0001F467 gr8"),
         text(u"\U0001F468\u200D\U0001F469\u200D\U0001F467 great")},
        {"NUL inside an item", text(u"brb\0lol gr8"sv), text(u"brb\0lol great"sv)},
        {"NUL as an item", text(u"brb \0 lol"sv), text(u"be right back \0 laughing out loud"sv)},
        {"TAB inside an item", text(u"brb\tlol gr8"), text(u"brb\tlol great")},
        {"TABs are not trimmed", text(u"\tbrb\t lol\t"), text(u"\tbrb\t lol\t")},
        {"TAB as an item", text(u"brb \t lol"), text(u"be right back \t laughing out loud")},
        {"right-to-left words", text(u"\u05e9\u05dc\u05d5\u05dd brb \u0645\u0631\u062d\u0628\u0627 LOL"),
         text(u"peace be right back \u0645\u0631\u062d\u0628\u0627 laughing out loud")},
        {"direction marks belong to their item",
         text(u"\u200fbrb brb\u200e \u202b\u05e9\u05dc\u05d5\u05dd\u202c lol"),
         text(u"\u200fbrb brb\u200e \u202b\u05e9\u05dc\u05d5\u05dd\u202c laughing out loud")},
        {"accents: precomposed matches, combining does not", text(u"caf\u00e9 cafe\u0301 CAF\u00c9"),
         text(u"coffee shop cafe\u0301 coffee shop")},
    };
    Translators translators;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectEveryTranslator(translators, c.typed, c.expected);
    }
}

TEST(OddMessages, AMillionItemsTranslate)
{
    constexpr int Items = 1'000'000;
    const struct {
        QString typed;
        QString translated; // empty: leaves no trace
    } pattern[] = {
        {"brb", "be right back"}, {"LOL", "laughing out loud"}, {"", ""}, {"x", "x"},
        {"gr8", "great"}, {text(u"\U0001F600"), "smiling face"}, {"Brb,", "Brb,"},
        {text(u"\u05e9\u05dc\u05d5\u05dd"), "peace"},
    };
    QStringList typed;
    QStringList expected;
    typed.reserve(Items);
    expected.reserve(Items);
    for (int item = 0; item < Items; ++item) {
        const auto& next = pattern[std::size_t(item) % std::size(pattern)];
        typed << next.typed;
        if (!next.translated.isEmpty())
            expected << next.translated;
    }
    const QString message = typed.join(u' ');
    ASSERT_EQ(message.count(u' '), Items - 1);

    Translators translators;
    expectEveryTranslator(translators, message, expected.join(u' '));
}

} // namespace
