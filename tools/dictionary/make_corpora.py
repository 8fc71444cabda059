#!/usr/bin/python3
"""Make the two measuring corpora in tools/dictionary/corpus/ from their public sources.

  chat_tokens.tsv  every word of the ham (not spam) messages of the SMS Spam Collection
                   (the file SMSSpamCollection: "label<TAB>message" a line), counted:
                   "token<TAB>count<TAB>occurrences standing alone", most frequent first; the
                   last field numbers the token's occurrences (1 the first in the file) that
                   are a whole word between spaces, as verbolet-translate would match them
                   ("2", not "2%" or "u?"), as ranges like 1-3,5, or "-" for none. Only this
                   table is kept, never a message, since the copy it comes from carries no
                   licence of its own.
  prose.txt        3000 sentences of public-domain English, 1000 from each of three
                   Project Gutenberg books, one sentence a line.

A word (token) is a run of letters and digits, with inner apostrophes and hyphens, or a
number with inner . : or , (2.15, 7:30, 10,000), in the message
lower-cased after its HTML entities (&lt; &amp;) are decoded and its apostrophes made
plain (the collection writes some as \\' and some typographic): "Ok...i'm" gives "ok" and "i'm".

Usage: make_corpora.py --sms FILE --books DIR
DIR holds the Gutenberg plain-text files named in BOOKS. Both outputs are rewritten.
"""

import argparse
import collections
import html
import re
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
CORPUS = HERE / "corpus"

TOKEN = re.compile(r"\d+(?:[.:,]\d+)+|[a-z0-9]+(?:['-][a-z0-9]+)*")
APOSTROPHES = str.maketrans({"\u2019": "'", "\u2018": "'", "`": "'"})

# File name, Gutenberg number: novels of 1813, 1892 and 1908 whose authors died before 1943.
BOOKS = [
    ("pride_and_prejudice.txt", 1342),   # Jane Austen
    ("sherlock_holmes.txt", 1661),       # Arthur Conan Doyle, The Adventures of Sherlock Holmes
    ("anne_of_green_gables.txt", 45),    # L. M. Montgomery
]
SENTENCES_PER_BOOK = 1000


# Faces such as :-) :P B-) ;D xD <3, which are no words: without this, "B-)" would count as "b".
EMOTICON = re.compile(r"(?:[:;=][-^']?[()\[\]dpo/\\|*$@3sx]|[b8]-\)|\b[b8]\)|\bxd|<3)(?![a-z0-9])")


def plain(message):
    return html.unescape(message).replace("\\'", "'").translate(APOSTROPHES).lower()


def chat_tokens(message):
    return TOKEN.findall(EMOTICON.sub(" ", plain(message)))


def tokens_standing_alone(message):
    """(token, whether it is a whole word between spaces, as verbolet-translate sees words)."""
    found = []
    for word in plain(message).split(" "):
        tokens = TOKEN.findall(EMOTICON.sub(" ", word))
        found += [(token, tokens == [word]) for token in tokens]
    return found


def ranges(numbers):
    """1,2,3,5 as "1-3,5"."""
    parts = []
    for n in numbers:
        if parts and parts[-1][1] == n - 1:
            parts[-1][1] = n
        else:
            parts.append([n, n])
    return ",".join(f"{a}-{b}" if a != b else f"{a}" for a, b in parts)


def ham_messages(path):
    lines = path.read_text(encoding="utf-8").splitlines()
    return [line.split("\t", 1)[1] for line in lines if line.startswith("ham\t")]


def write_token_table(sms_path):
    counts = collections.Counter()
    alone = collections.defaultdict(list)
    for message in ham_messages(sms_path):
        for token, whole in tokens_standing_alone(message):
            counts[token] += 1
            if whole:
                alone[token].append(counts[token])
    rows = sorted(counts.items(), key=lambda item: (-item[1], item[0]))
    text = "".join(f"{t}\t{n}\t{ranges(alone[t]) or '-'}\n" for t, n in rows)
    (CORPUS / "chat_tokens.tsv").write_text(text, encoding="ascii")
    return rows


PLAIN = str.maketrans({"\u2019": "'", "\u2018": "'", "\u201c": '"', "\u201d": '"',
                       "\u2014": " - ", "\u2013": " - ", "_": ""})

SENTENCE_BREAK = re.compile(r'(?<=[.!?])\s+(?=["\']?[A-Z])|(?<=[.!?]["\'])\s+(?=["\']?[A-Z])')
COMPLETE = re.compile(r'[a-z][.!?]["\']?$')  # a full sentence, not a heading or a page number
TITLE_AT_END = re.compile(r"\b(Mr|Mrs|Dr|St|Messrs)\.$")


def book_sentences(path):
    """The sentences of the book's body, in order: paragraphs joined into lines, split after . ! ?"""
    text = path.read_text(encoding="utf-8-sig")
    body = text.split("*** START OF", 1)[1].split("\n", 1)[1].split("*** END OF", 1)[0]
    sentences = []
    for paragraph in re.split(r"\n\s*\n", body):
        line = " ".join(paragraph.split()).translate(PLAIN)
        line = " ".join(line.split())
        if not line or "[Illustration" in line or line.upper() == line:
            continue  # headings, captions and title lines are not prose
        pieces = SENTENCE_BREAK.split(line)
        while pieces:
            sentence = pieces.pop(0)
            while pieces and TITLE_AT_END.search(sentence):
                sentence += " " + pieces.pop(0)
            if 5 <= len(sentence.split(" ")) <= 40 and sentence.isascii() and COMPLETE.search(sentence):
                sentences.append(sentence)
    return sentences


def write_prose(books_dir):
    chosen = []
    for name, _ in BOOKS:
        sentences = book_sentences(books_dir / name)
        step = len(sentences) / SENTENCES_PER_BOOK
        chosen += [sentences[int(i * step)] for i in range(SENTENCES_PER_BOOK)]
    (CORPUS / "prose.txt").write_text("".join(s + "\n" for s in chosen), encoding="ascii")
    return chosen


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sms", type=Path, required=True)
    parser.add_argument("--books", type=Path, required=True)
    args = parser.parse_args(argv[1:])
    CORPUS.mkdir(exist_ok=True)
    rows = write_token_table(args.sms)
    print(f"chat_tokens.tsv: {len(rows)} tokens, {sum(n for _, n in rows)} occurrences")
    prose = write_prose(args.books)
    print(f"prose.txt: {len(prose)} sentences, {sum(len(s.split(' ')) for s in prose)} words")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
