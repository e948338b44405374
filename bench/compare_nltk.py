#!/usr/bin/python3
"""Whole-process times of lexorin-cli against the same jobs done with NLTK.

    bench/compare_nltk.py BUILD [FILE] [--runs N]

BUILD is the build folder, FILE defaults to ../shared/corpora/kjv.txt. Each
side runs as its own process, in turn, N times (default 5) after one warm-up
run; the script prints the median, the spread and the ratio NLTK / lexorin.

The NLTK side reads the text as cp1251, tokenises it and writes its result
as CSV, as lexorin-cli does. It runs twice, with two tokenisers:
- treebank: NLTK's TreebankWordTokenizer, the word tokeniser of
  nltk.word_tokenize (whose sentence model Debian does not ship), keeping
  the tokens that hold a word character;
- regexp: RegexpTokenizer(r"\w+"), the fastest NLTK has, a lower bound.
The jobs:
- concordance: nltk.text.ConcordanceIndex over the tokens, keyed in lower
  case; one line per distinct word with its count, in sorted order;
- phrases: sentences split at ".?!", trigrams of each sentence counted in a
  nltk.FreqDist; one line per trigram seen at least twice, by frequency.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FILE = os.path.join(HERE, "..", "..", "shared", "corpora", "kjv.txt")


def tokeniser(name):
    import re

    from nltk.tokenize import RegexpTokenizer, TreebankWordTokenizer

    if name == "regexp":
        return RegexpTokenizer(r"\w+").tokenize
    treebank = TreebankWordTokenizer()
    word = re.compile(r"\w")
    return lambda text: [token for token in treebank.tokenize(text) if word.search(token)]


def nltk_concordance(path, output, tokenise):
    from nltk.text import ConcordanceIndex

    with open(path, encoding="cp1251") as source:
        tokens = tokenise(source.read())
    index = ConcordanceIndex(tokens, key=str.lower)
    with open(output, "w", encoding="utf-8-sig", newline="\r\n") as out:
        for word in sorted(index._offsets):
            out.write('"%s",%d\n' % (word, len(index.offsets(word))))


def nltk_phrases(path, output, tokenise):
    import re

    from nltk import FreqDist, trigrams

    with open(path, encoding="cp1251") as source:
        text = source.read()
    counts = FreqDist()
    for sentence in re.split(r"[.?!]", text):
        counts.update(trigrams(tokenise(sentence)))
    with open(output, "w", encoding="utf-8-sig", newline="\r\n") as out:
        for phrase, count in counts.most_common():
            if count < 2:
                break
            out.write('"%s",%d,3\n' % (" ".join(phrase), count))


TOKENISERS = ("treebank", "regexp")

JOBS = {
    "concordance": ([], nltk_concordance),
    "phrases": (
        ["--option", "rbExactWords_Checked=True", "--option", "rseWords_Value=3"],
        nltk_phrases,
    ),
}


def timed(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def spread(times):
    return "%.3f s (%.3f-%.3f)" % (statistics.median(times), min(times), max(times))


def compare(build, path, runs):
    cli = os.path.join(build, "cli", "lexorin-cli")
    with tempfile.TemporaryDirectory() as folder:
        output = os.path.join(folder, "out.csv")
        for task, (options, _) in JOBS.items():
            ours = [cli, task, *options, "--output", output, path]
            timed(ours)
            our_times = [timed(ours) for _ in range(runs)]
            print("%s: lexorin-cli %s" % (task, spread(our_times)))
            for name in TOKENISERS:
                theirs = [sys.executable, __file__, "--nltk-side", task, name, path, output]
                timed(theirs)
                their_times, ratios = [], []
                for _ in range(runs):
                    ours_now, theirs_now = timed(ours), timed(theirs)
                    their_times.append(theirs_now)
                    ratios.append(theirs_now / ours_now)
                print("  NLTK (%s) %s, NLTK / lexorin %.1f (%.1f-%.1f)"
                      % (name, spread(their_times), statistics.median(ratios), min(ratios),
                         max(ratios)))


def main(arguments):
    if arguments[:1] == ["--nltk-side"]:
        task, name, path, output = arguments[1:5]
        JOBS[task][1](path, output, tokeniser(name))
        return
    runs = 5
    if "--runs" in arguments:
        at = arguments.index("--runs")
        runs = int(arguments[at + 1])
        del arguments[at:at + 2]
    if not arguments:
        sys.exit(__doc__)
    compare(arguments[0], arguments[1] if len(arguments) > 1 else DEFAULT_FILE, runs)


if __name__ == "__main__":
    main(sys.argv[1:])
