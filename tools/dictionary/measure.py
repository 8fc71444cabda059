#!/usr/bin/python3
"""Measure the dictionary against real chat and real prose, through verbolet-translate.

Prints four figures, each against its goal:

  chat coverage     of the shorthand tokens in real text messages (corpus/chat_tokens.tsv),
                    the share of occurrences that the dictionary expands (goal: 92% or more)
  everyday list     the common shorthand of chat and texting (everyday.txt) that is not
                    expanded (goal: none)
  prose changes     words of ordinary English (corpus/prose.txt) that the translator changes,
                    per 1000 words, each listed with its reason from prose_changes.tsv
                    (goal: 1 or fewer, every one with a reason)
  precision         of a seeded sample of 200 expansions in real messages (occurrences of
                    an expanded token that stand alone as a word, as the translator matches
                    words), the share judged right in corpus/judgements.tsv (goal: 95% or
                    more, every one judged)

A chat token is shorthand when it has a letter; is not a number, time or amount (5pm, 2nd,
30ish); is not in the word lists of the wamerican and wbritish packages (a possessive or
contraction of a listed word, or listed words joined by hyphens, count as listed), except u r ur k n c y, which always count;
is not in corpus/not_shorthand.tsv (names, other languages, interjections, ...); and occurs
at least twice in the corpus, since a one-off is more often a slip than shorthand. The
share over every shorthand token, one-offs included, is printed beside it.

Usage: measure.py [--translator PATH] [--dictionary FILE] [--top N]
       measure.py --sms SMSSpamCollection --show-sample   (the sampled messages, for judging)
Exit status 0 when every goal is met, 1 when one is missed.
"""

import argparse
import collections
import hashlib
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parent.parent
CORPUS = HERE / "corpus"
WORD_LISTS = [Path("/usr/share/dict/american-english"), Path("/usr/share/dict/british-english")]

ALWAYS_SHORTHAND = {"u", "r", "ur", "k", "n", "c", "y"}
NUMBER = re.compile(r"\d+(?:[.:,]\d+)*(?:st|nd|rd|th|s|am|pm|p|k|ish|mins?|hrs?|mb|kb|gb|km|m|g|d|yrs|pc)?")
CONTRACTION_ENDS = ("s", "ll", "re", "ve", "d", "m", "t")

COVERAGE_GOAL = 0.92
PROSE_GOAL = 1.0  # changed words per 1000
PRECISION_GOAL = 0.95
SAMPLE_SIZE = 200
SAMPLE_SEED = "verbolet-precision-1"
VERDICTS = ("right", "wrong", "harmful")


class Translator:
    def __init__(self, program, dictionary):
        self.command = [str(program), "--dictionary", str(dictionary)]

    def lines(self, lines):
        """verbolet-translate's output for each of lines (none may hold a line break)."""
        text = "".join(line + "\n" for line in lines)
        done = subprocess.run(self.command, input=text.encode("utf-8"), capture_output=True, check=False)
        if done.returncode != 0:
            sys.exit(f"{' '.join(self.command)} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
        result = done.stdout.decode("utf-8").split("\n")
        if result[-1] == "":
            result.pop()
        if len(result) != len(lines):
            sys.exit(f"verbolet-translate wrote {len(result)} lines for {len(lines)}")
        return result

    def words(self, words):
        """Each distinct word's translation."""
        distinct = sorted(set(words))
        return dict(zip(distinct, self.lines(distinct)))


def read_table(path, columns):
    """The rows of a TAB-separated file, comment lines (#) and blank lines left out."""
    rows = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) < columns:
            sys.exit(f"{path.name}:{number}: needs {columns} TAB-separated fields")
        rows.append(fields)
    return rows


def english_words():
    words = set()
    for path in WORD_LISTS:
        if not path.exists():
            sys.exit(f"{path} is missing: apt-get install wamerican wbritish")
        words.update(line.strip().lower() for line in path.read_text(encoding="utf-8").splitlines())
    return words


def kind_of(token, words, listed):
    """'shorthand', or why the token is not shorthand."""
    if token in ALWAYS_SHORTHAND:
        return "shorthand"
    if not re.search("[a-z]", token) or NUMBER.fullmatch(token):
        return "number"
    if token in words or all(part in words for part in token.split("-")):
        return "word"
    if "'" in token:
        base, end = token.rsplit("'", 1)
        if base in words and end in CONTRACTION_ENDS:
            return "word"
    return listed.get(token, "shorthand")


def numbers_in(ranges):
    """"1-3,5" as 1, 2, 3, 5; "-" as none."""
    for part in ranges.split(",") if ranges != "-" else ():
        first, _, last = part.partition("-")
        yield from range(int(first), int(last or first) + 1)


def chat_tokens():
    """(token, count, numbers of its occurrences that stand alone as a word) for every token."""
    return [(token, int(count), set(numbers_in(alone)))
            for token, count, alone in read_table(CORPUS / "chat_tokens.tsv", 3)]


def percent(part, whole):
    return f"{100 * part / whole:.1f}%" if whole else "n/a"


def measure_coverage(translator, top):
    tokens = chat_tokens()
    words = english_words()
    listed = {token: kind for token, kind in read_table(CORPUS / "not_shorthand.tsv", 2)}
    expanded = translator.words(token for token, _, _ in tokens)
    shorthand = [(t, n) for t, n, _ in tokens if kind_of(t, words, listed) == "shorthand"]
    recurring = [(t, n) for t, n in shorthand if n >= 2]

    def share(rows):
        hit = sum(n for t, n in rows if expanded[t] != t)
        return hit, sum(n for _, n in rows)

    hit, total = share(recurring)
    all_hit, all_total = share(shorthand)
    coverage = hit / total
    print("Chat coverage (SMS Spam Collection, ham messages)")
    print(f"  shorthand seen twice or more: {len(recurring)} tokens, {total} occurrences;"
          f" expanded {hit}: {percent(hit, total)} (goal {COVERAGE_GOAL:.0%})")
    print(f"  every shorthand token, one-offs included: {len(shorthand)} tokens, {all_total} occurrences;"
          f" expanded {percent(all_hit, all_total)}")
    missed = [(n, t) for t, n in recurring if expanded[t] == t]
    missed.sort(key=lambda item: (-item[0], item[1]))
    if missed and top:
        print(f"  most frequent not expanded: " + ", ".join(f"{t} {n}" for n, t in missed[:top]))
    return coverage >= COVERAGE_GOAL, tokens, expanded


def measure_everyday(translator):
    everyday = [line.split()[0] for line in (HERE / "everyday.txt").read_text(encoding="ascii").splitlines()
                if line.strip() and not line.startswith("#")]
    expanded = translator.words(everyday)
    missing = [abbreviation for abbreviation in everyday if expanded[abbreviation] == abbreviation]
    print("Everyday shorthand (everyday.txt)")
    print(f"  {len(everyday)} checked, {len(everyday) - len(missing)} expanded;"
          f" not expanded: {', '.join(missing) if missing else 'none'} (goal: none)")
    return not missing


def measure_prose(translator):
    sentences = (CORPUS / "prose.txt").read_text(encoding="ascii").splitlines()
    translated = translator.lines(sentences)
    items = [sentence.split(" ") for sentence in sentences]
    each = translator.words(item for line in items for item in line)
    for sentence, result, line in zip(sentences, translated, items):
        rebuilt = " ".join(each[item] for item in line if each[item])
        if rebuilt != result:
            sys.exit(f"word-by-word translation differs from the sentence's: {sentence!r}")
    words = sum(1 for line in items for item in line if item)
    changed = collections.Counter(item for line in items for item in line if each[item] != item)
    reasons = {word: reason for word, reason in read_table(HERE / "prose_changes.tsv", 2)}
    count = sum(changed.values())
    rate = 1000 * count / words
    print("Ordinary prose (corpus/prose.txt)")
    print(f"  {len(sentences)} sentences, {words} words; {count} changed: {rate:.2f} per 1000 words"
          f" (goal {PROSE_GOAL:g} or fewer)")
    unexplained = 0
    for word, n in sorted(changed.items(), key=lambda item: (-item[1], item[0])):
        reason = reasons.get(word)
        unexplained += reason is None
        print(f"    {word} -> {each[word]} ({n}x): {reason or 'NO REASON GIVEN in prose_changes.tsv'}")
    return rate <= PROSE_GOAL and not unexplained


def sample(tokens, expanded):
    """The seeded sample of expansions verbolet-translate makes: (token, occurrence number) of
    the occurrences of expanded tokens that stand alone as a word, ordered by a hash of both."""
    population = [(t, k) for t, _, alone in tokens if expanded[t] != t for k in alone]
    key = lambda item: hashlib.sha256(f"{SAMPLE_SEED}:{item[0]}:{item[1]}".encode()).hexdigest()
    return sorted(sorted(population, key=key)[:SAMPLE_SIZE])


def measure_precision(tokens, expanded):
    chosen = sample(tokens, expanded)
    judged = {}
    for fields in read_table(CORPUS / "judgements.tsv", 4):
        token, occurrence, expansion, verdict = fields[:4]
        if verdict not in VERDICTS:
            sys.exit(f"judgements.tsv: verdict '{verdict}' for {token} #{occurrence} is not one of {VERDICTS}")
        judged[(token, int(occurrence), expansion)] = verdict
    verdicts = collections.Counter()
    unjudged = []
    for token, k in chosen:
        verdict = judged.get((token, k, expanded[token]))
        if verdict is None:
            unjudged.append(f"{token} #{k} -> {expanded[token]}")
        else:
            verdicts[verdict] += 1
    total = sum(verdicts.values())
    print(f"Precision (a seeded sample of {len(chosen)} expansions in the ham messages, corpus/judgements.tsv)")
    print(f"  judged {total}: right {verdicts['right']} ({percent(verdicts['right'], total)}),"
          f" wrong {verdicts['wrong']}, harmful {verdicts['harmful']} (goal {PRECISION_GOAL:.0%} right)")
    if unjudged:
        print(f"  no judgement yet for {len(unjudged)}: " + "; ".join(unjudged))
    return not unjudged and total and verdicts["right"] / total >= PRECISION_GOAL


def show_sample(sms, tokens, expanded):
    """Each sampled expansion with the message it occurs in, as judgements.tsv wants it."""
    sys.path.insert(0, str(HERE))
    from make_corpora import chat_tokens as tokens_of, ham_messages

    wanted = collections.defaultdict(set)
    for token, k in sample(tokens, expanded):
        wanted[token].add(k)
    seen = collections.Counter()
    found = {}
    for message in ham_messages(sms):
        for token in tokens_of(message):
            seen[token] += 1
            if seen[token] in wanted.get(token, ()):
                found[(token, seen[token])] = message
    for (token, k), message in sorted(found.items()):
        print(f"{token}\t{k}\t{expanded[token]}\t\t{' '.join(message.split())}")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--translator", type=Path, default=ROOT / "build" / "verbolet-translate")
    parser.add_argument("--dictionary", type=Path, default=ROOT / "data" / "SMS.dic")
    parser.add_argument("--top", type=int, default=25, help="how many missed chat tokens to name")
    parser.add_argument("--sms", type=Path, help="the SMSSpamCollection file, for --show-sample")
    parser.add_argument("--show-sample", action="store_true")
    args = parser.parse_args(argv[1:])
    if not args.translator.exists():
        sys.exit(f"{args.translator} not found: build it (cmake --build build --target verbolet-translate)"
                 " or pass --translator")
    translator = Translator(args.translator, args.dictionary)

    if args.show_sample:
        if not args.sms:
            sys.exit("--show-sample needs --sms")
        tokens = chat_tokens()
        show_sample(args.sms, tokens, translator.words(t for t, _, _ in tokens))
        return 0

    print(f"Dictionary {args.dictionary}, translated by {args.translator}\n")
    met = []
    ok, tokens, expanded = measure_coverage(translator, args.top)
    met.append(ok)
    met.append(measure_everyday(translator))
    met.append(measure_prose(translator))
    met.append(measure_precision(tokens, expanded))
    print()
    names = ("chat coverage", "everyday list", "prose changes", "precision")
    print("Goals: " + ", ".join(f"{name} {'met' if ok else 'MISSED'}" for name, ok in zip(names, met)))
    return 0 if all(met) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
