// The one lower-casing rule: QString::toLower's, whichever way the text goes through it.

#include "translation/textcase.h"

#include <gtest/gtest.h>

TEST(TextCase, LowersAsQStringDoesAndCopiesOnlyWhatChanges)
{
    // Lengths around the four characters that are checked at once, capitals in the first four
    // and in the rest, the characters either side of A to Z, and text that lower-casing
    // lengthens or that holds a surrogate pair. One scratch string serves all of them in turn,
    // the longer before the shorter, so nothing may be left over from the one before.
    const struct { QString text; bool unchanged; } cases[] = {
        {"", true},
        {"abc", true},
        {"abcd", true},
        {"abcdefghijklmnopq", true},
        {"@[`{ 09~\t", true},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", false},
        {"abcdefghIj", false},
        {"aBcdefghij", false},
        {"abcZ", false},
        {"Aabc", false},
        {"@AZ[`az{", false},
        {"brB", false},
        {"Z", false},
        {QStringLiteral("abcdé"), false},
        {QStringLiteral("ÉCOLE"), false},
        {QStringLiteral("abcdefgh\u0130"), false},   // İ: two characters when lower-cased
        {QStringLiteral("\u212A"), false},           // the Kelvin sign becomes k
        {QStringLiteral("😀ABC"), false},
        {"x", true},
    };
    QString scratch;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QString expected = c.text.toLower();
        const QStringView lowered = TextCase::lower(c.text, scratch);
        EXPECT_EQ(lowered.toString(), expected);
        EXPECT_EQ(lowered.data() == c.text.constData(), c.unchanged) << "a view of the text itself";
        EXPECT_EQ(TextCase::lower(c.text), expected);
    }
}
