#include "CliRun.h"
#include "TempFile.h"
#include "ZipPart.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace lexorin {
namespace {

using test::WriteTempFile;

struct Result {
    int status;
    std::string out, err;
};

Result Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The lines of an output, without their CR LF.
std::vector<std::string> Lines(const std::string& out) {
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < out.size();) {
        const std::size_t end = std::min(out.find("\r\n", from), out.size());
        lines.push_back(out.substr(from, end - from));
        from = end + 2;
    }
    return lines;
}

TEST(Cli, PhrasesAsCsvInListOrder) {
    const std::string text = WriteTempFile("p.txt", "The cat sat. The cat sat. the dog\r\n");
    const Result r = Cli({"phrases", text});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\"The cat sat\",2,3,6.5\r\n\"The\",3,1,10.6\r\n")
        << "The at 0, 13 and 26: above 10, one decimal";
    EXPECT_NE(r.err.find("Total results:2"), std::string::npos);
}

TEST(Cli, OptionsByTheirSettingsKeys) {
    const std::string text = WriteTempFile("o.txt", "a \"b c. a \"b c.");
    const Result exact = Cli({"phrases", "--option", "rbExactWords_Checked=True", "--option",
                              "rseWords_Value=1.6", "--option", "edDecimalSeparator_Text=,",
                              "--option", "cbShowTitles_Checked=true", text});
    EXPECT_EQ(exact.status, 0);
    EXPECT_EQ(exact.out, "\"phrase\",\"frequency\",\"words\",\"dispersion\"\r\n"
                         "\"a \"\"b\",2,2,4\r\n\"b c\",2,2,4\r\n")
        << "1.6 words round to 2";
    const Result unknown = Cli({"phrases", "--option", "nothing_Value=3", text});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("\"nothing_Value\" is not an option"), std::string::npos);
    const Result bad = Cli({"phrases", "--option", "rseCases_Value=many", text});
    EXPECT_EQ(bad.status, 0);
    EXPECT_NE(bad.err.find("cannot be read"), std::string::npos);
}

TEST(Cli, SettingsFileIsReadFirst) {
    const std::string text = WriteTempFile("s.txt", "x y. x y. x y.");
    const std::string ini = WriteTempFile("s.ini", "[Layout]\r\nrseCases_Value=9\r\n[Options]\r\n"
                                                   "FormVersion=0\r\n rseCases_Value = 3 \r\n");
    EXPECT_EQ(Cli({"phrases", "--settings", ini, text}).out, "\"x y\",3,2,4.08248290463863\r\n")
        << "up to 10, the shortest form that reads back the same";
    EXPECT_EQ(Cli({"phrases", "--settings", ini, "--option", "rseCases_Value=4", text}).out, "");
    EXPECT_EQ(Cli({"phrases", "--settings", ::testing::TempDir() + "none.ini", text}).status, 1);
    // Saved by an editor in UTF-8 with a byte-order mark before the section.
    const std::string marked =
        WriteTempFile("bom.ini", "\xEF\xBB\xBF[Options]\r\nrseCases_Value=3\r\n");
    EXPECT_EQ(Cli({"phrases", "--settings", marked, text}).out, "\"x y\",3,2,4.08248290463863\r\n");
}

TEST(Cli, WordformsAndConcordanceLayouts) {
    const std::string text = WriteTempFile("w.txt", "testing tested tester. Tested!");
    EXPECT_EQ(Cli({"wordforms", text}).out,
              "\"teste\",3,5,6.128258770283412\r\n\"tested\",2,6,7.5\r\n");
    EXPECT_EQ(Cli({"concordance", text}).out, "\"Tested\",2\r\n\"Tester\",1\r\n\"Testing\",1\r\n");
    EXPECT_EQ(Cli({"concordance", "--option", "cbConcCapitalize_Checked=False", "--layout",
                   "professional", "--option", "rseConLength_Value=1", text})
                  .out,
              "9,\"testing \",\"tested\",\" tester\"\r\n24,\" \",\"Tested\",\"\"\r\n"
              "16,\"tested \",\"tester\",\"\"\r\n1,\"\",\"testing\",\" tested\"\r\n")
        << "words in list order, each word's occurrences by position";
}

TEST(Cli, SummaryOneFigurePerLine) {
    const Result r = Cli({"summary", WriteTempFile("y.txt", "hello world")});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Number of words\t2\n"), std::string::npos);
    EXPECT_NE(r.out.find("Longest word\thello (5 char.)\n"), std::string::npos);
    EXPECT_NE(r.out.find("Readability (the higher, the harder to read)\t3.12\n"),
              std::string::npos);
}

TEST(Cli, SummarySentencesWithLineBreaksTakeOneLine) {
    const std::string text =
        WriteTempFile("lines.txt", "The first\r\nline\tgoes on\nand on\rand ends. Short one.");
    const Result r = Cli({"summary", text});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\nLongest sentence\tThe first line goes on and on and ends. (9 words)\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\nShortest sentence\tShort one. (2 words)\n"), std::string::npos)
        << r.out;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 1) << "label, tab, value: " << line;
}

TEST(Cli, TextIsCp1251AndOutputUtf8) {
    const std::string text = WriteTempFile("c.txt", "\xC6\xE8\xE2\xE5 \xE6\xE8\xE2\xE5");
    EXPECT_EQ(Cli({"concordance", text}).out, "\"\xD0\x96\xD0\xB8\xD0\xB2\xD0\xB5\",2\r\n");
    const std::string utf8 =
        WriteTempFile("u.txt", "\xD0\x96\xD0\xB8\xD0\xB2\xD0\xB5 \xD0\xB6\xD0\xB8\xD0\xB2\xD0\xB5");
    const Result converted = Cli({"concordance", utf8});
    EXPECT_EQ(converted.out, "\"\xD0\x96\xD0\xB8\xD0\xB2\xD0\xB5\",2\r\n")
        << "a UTF-8 file reads alike";
    EXPECT_NE(converted.err.find("Text converted from UTF-8"), std::string::npos);
}

TEST(Cli, NulBytesBecomeBlanksAndNothingIsLost) {
    const std::string text = WriteTempFile("n.txt", std::string("one\0two\0two", 11));
    EXPECT_EQ(Cli({"concordance", "--option", "cbConcCapitalize_Checked=False", text}).out,
              "\"one\",1\r\n\"two\",2\r\n");
}

TEST(Cli, EmptyResultsAndBadInput) {
    const std::string text = WriteTempFile("e.txt", "one two three");
    const Result empty = Cli({"phrases", text});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("Phrase frequencies list is empty."), std::string::npos);

    const std::string missing = ::testing::TempDir() + "missing.txt";
    const Result notThere = Cli({"phrases", missing});
    EXPECT_EQ(notThere.status, 1);
    EXPECT_EQ(notThere.err, "Cannot open file \"" + missing + "\"\n");
    EXPECT_EQ(Cli({"phrases", ::testing::TempDir()}).status, 1) << "a folder";
    EXPECT_EQ(Cli({"phrases", "--ignored", missing, text}).status, 1);
    for (const std::vector<std::string>& usage : {std::vector<std::string>{},
                                                  {"phrases"},
                                                  {"tables", text},
                                                  {"phrases", "--layout", "wide", text},
                                                  {"phrases", text, text},
                                                  {"phrases", "--output"},
                                                  {"phrases", "--frobnicate", text}})
        EXPECT_EQ(Cli(usage).status, 2);
}

TEST(Cli, AnEmptyTextGivesAnEmptyListForEveryTask) {
    const std::string empty = WriteTempFile("empty.txt", "");
    const std::string markOnly = WriteTempFile("mark.txt", "\xEF\xBB\xBF");
    const struct {
        std::vector<std::string> task;
        std::string titles;
    } cases[] = {
        {{"phrases"}, "\"phrase\",\"frequency\",\"words\",\"dispersion\"\r\n"},
        {{"wordforms"}, "\"wordform\",\"frequency\",\"length\",\"dispersion\"\r\n"},
        {{"concordance"}, "\"word\",\"frequency\"\r\n"},
        {{"concordance", "--layout", "professional"},
         "\"position\",\"before\",\"word\",\"after\"\r\n"},
    };
    for (const std::string& text : {empty, markOnly})
        for (const auto& [task, titles] : cases) {
            for (const bool withTitles : {false, true}) {
                std::vector<std::string> args = task;
                if (withTitles)
                    args.insert(args.end(), {"--option", "cbShowTitles_Checked=True"});
                args.push_back(text);
                const Result r = Cli(args);
                SCOPED_TRACE(task[0] + " " + text + (withTitles ? " with titles" : ""));
                EXPECT_EQ(r.status, 0) << r.err;
                EXPECT_EQ(r.out, withTitles ? titles : "");
            }
            const std::string output = ::testing::TempDir() + "empty-list.xlsx";
            std::vector<std::string> args = task;
            args.insert(args.end(), {"--output", output, text});
            EXPECT_EQ(Cli(args).status, 0) << task[0] << " " << text;
            EXPECT_NE(test::ZipPart(output, "xl/worksheets/sheet1.xml").find("<t>"),
                      std::string::npos)
                << "the titles alone";
        }
    const Result summary = Cli({"summary", markOnly});
    EXPECT_EQ(summary.status, 0);
    EXPECT_NE(summary.err.find("Empty text"), std::string::npos);
}

TEST(Cli, IgnoredWordsAndOutputFile) {
    const std::string text = WriteTempFile("i.txt", "the cat. the cat. the");
    // In UTF-8 with a mark, and blanks around the word as an editor leaves them.
    const std::string list = WriteTempFile("i.tiw", "\xEF\xBB\xBF THE \r\n");
    const std::string output = ::testing::TempDir() + "out.csv";
    EXPECT_EQ(Cli({"concordance", "--ignored", list, "--output", output, text}).status, 0);
    EXPECT_EQ(test::ReadFileBytes(output), "\xEF\xBB\xBF\"Cat\",2\r\n")
        << "a file in UTF-8 with a byte-order mark, standard output without";
}

TEST(Cli, WorkbookOutputAndWriteErrors) {
    const std::string text = WriteTempFile("x.txt", "the cat. the cat.");
    const std::string workbook = ::testing::TempDir() + "out.xlsx";
    EXPECT_EQ(Cli({"concordance", "--output", workbook, text}).status, 0);
    const std::string sheet = test::ZipPart(workbook, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<t>frequency</t>"), std::string::npos);
    EXPECT_NE(sheet.find("<t>Cat</t></is></c><c r=\"B2\"><v>2</v>"), std::string::npos);
    EXPECT_EQ(Cli({"summary", "--output", workbook, text}).status, 2);

    // A folder where the file should go stays as it is.
    const std::string folder = ::testing::TempDir() + "taken";
    std::filesystem::create_directories(folder);
    const Result inTheWay = Cli({"phrases", "--output", folder, text});
    EXPECT_EQ(inTheWay.status, 1);
    EXPECT_NE(inTheWay.err.find("Cannot write file \"" + folder + "\": Is a directory\n"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    const std::string missing = folder + "/missing/out.csv";
    EXPECT_NE(Cli({"phrases", "--output", missing, text})
                  .err.find("Cannot write file \"" + missing + "\": No such file or directory"),
              std::string::npos);
}

TEST(Cli, AFailedWriteIsAnError) {
    // More rows than a stream buffer holds, and a list small enough to
    // fail only when it is flushed at the end.
    std::string words;
    for (int k = 0; k < 3000; ++k)
        words.append("w").append(std::to_string(k)).append(" ");
    const std::string many = WriteTempFile("many.txt", words);
    const std::string few = WriteTempFile("few.txt", "the cat. the cat.");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"concordance", many}, {"concordance", few}, {"summary", few}}) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        std::ofstream full("/dev/full", std::ios::binary);
        ASSERT_TRUE(full.is_open());
        std::ostringstream err;
        EXPECT_EQ(RunCli(args, full, err), 1);
        EXPECT_NE(err.str().find("Cannot write to standard output: No space left on device\n"),
                  std::string::npos)
            << err.str();

        const Result toFile = Cli({args[0], "--output", "/dev/full", args[1]});
        EXPECT_EQ(toFile.status, 1);
        EXPECT_NE(toFile.err.find("Cannot write file \"/dev/full\": No space left on device\n"),
                  std::string::npos)
            << toFile.err;
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full")) << "written, not replaced";
}

TEST(Cli, HelpAndVersionGoToStandardOutput) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"concordance", "--help", "missing.txt"}}) {
        const Result r = Cli(args);
        EXPECT_EQ(r.status, 0) << args[0];
        EXPECT_EQ(r.out.rfind("Usage: lexorin-cli TASK", 0), 0u) << r.out;
        EXPECT_NE(r.out.find("Without --ignored no word is ignored"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
    const Result version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("lexorin-cli ", 0), 0u) << version.out;
    EXPECT_EQ(version.out.back(), '\n');
    EXPECT_EQ(Cli({"--versions"}).status, 2);
}

// Standard error: off a terminal the final count alone, on one the status
// rewritten in place on one line, with --quiet nothing.
TEST(Cli, StandardErrorHoldsTheCountAndNoProgressLines) {
    std::string words;
    for (int k = 0; k < 20000; ++k)
        words.append("w").append(std::to_string(k % 7000)).append(" ");
    const std::string text = WriteTempFile("progress.txt", words);
    for (const char* task : {"concordance", "phrases"}) {
        SCOPED_TRACE(task);
        std::ostringstream out, plain, terminal, quiet;
        EXPECT_EQ(RunCli({task, text}, out, plain, false), 0);
        const std::string count = plain.str();
        EXPECT_EQ(count.rfind("Total results:", 0), 0u) << count;
        EXPECT_EQ(std::count(count.begin(), count.end(), '\n'), 1) << count;
        EXPECT_EQ(RunCli({task, text}, out, terminal, true), 0);
        const std::string lines = terminal.str();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
        EXPECT_NE(lines.find("\r\x1b[K" + count), std::string::npos)
            << "the count replaces the status line";
        EXPECT_EQ(RunCli({task, "--quiet", text}, out, quiet, true), 0);
        EXPECT_EQ(quiet.str(), "");
    }
    // Errors still reach a quiet run.
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"phrases", "--quiet", "missing-file.txt"}, out, err), 1);
    EXPECT_NE(err.str().find("Cannot open file"), std::string::npos);
}

TEST(Cli, AReportIsAPdfByName) {
    const std::string text = WriteTempFile("r.txt", "the cat. the cat.");
    const Result r = Cli({"phrases", "--report", "list.txt", text});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("a report is written as .pdf, not as \"list.txt\""), std::string::npos);
}

TEST(Cli, CsvCharactersAreOneCharacterInUtf8AndReadableCombinations) {
    const std::string text = WriteTempFile("sep.txt", "the cat. the cat.");
    const Result section = Cli({"concordance", "--option", "edSeparator_Text=\xC2\xA7", text});
    EXPECT_EQ(section.status, 0) << section.err;
    EXPECT_EQ(section.out, "\"Cat\"\xC2\xA7"
                           "2\r\n\"The\"\xC2\xA7"
                           "2\r\n")
        << "a section sign, whole, in UTF-8";
    for (const char* option : {"edQuote_Text=,", "edSeparator_Text=;;", "edSeparator_Text=\n",
                               "edDecimalSeparator_Text=\""}) {
        const Result refused = Cli({"phrases", "--option", option, text});
        EXPECT_EQ(refused.status, 2) << option;
        EXPECT_EQ(refused.out, "") << option;
    }
    EXPECT_EQ(Cli({"phrases", "--option", "edSeparator_Text=\xE2\x86\x92", text}).out,
              "\"the cat\"\xE2\x86\x92"
              "2\xE2\x86\x92"
              "2\xE2\x86\x92"
              "4.5\r\n")
        << "any character, an arrow too, in UTF-8";
    const Result quote = Cli({"phrases", "--option", "edQuote_Text=,", text});
    EXPECT_NE(quote.err.find("The quote character cannot be the field separator"),
              std::string::npos)
        << quote.err;
    // A workbook has no separators to mind.
    const std::string workbook = ::testing::TempDir() + "sep.xlsx";
    EXPECT_EQ(Cli({"phrases", "--option", "edQuote_Text=,", "--output", workbook, text}).status, 0);
}

// UTF-8 decoded, for the oracle below.
std::u32string Decode(const std::string& utf8) {
    std::u32string text;
    for (std::size_t k = 0; k < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[k]);
        const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (int n = 1; n < length; ++n)
            c = c << 6 | (static_cast<unsigned char>(utf8[k + n]) & 0x3F);
        text.push_back(c);
        k += static_cast<std::size_t>(length);
    }
    return text;
}

// The words of a text and how often each occurs, lower-cased, by the C
// library's Unicode classes: letters, digits and "_", an apostrophe between
// two letters or digits.
std::map<std::u32string, int> OracleWords(const std::string& utf8) {
    const std::u32string text = Decode(utf8);
    const auto alnum = [&](std::size_t k) {
        return k < text.size() && std::iswalnum(static_cast<wint_t>(text[k]));
    };
    std::map<std::u32string, int> words;
    std::u32string word;
    for (std::size_t k = 0; k <= text.size(); ++k) {
        const bool inWord =
            k < text.size() && (alnum(k) || text[k] == U'_' ||
                                (text[k] == U'\'' && k > 0 && alnum(k - 1) && alnum(k + 1)));
        if (inWord) {
            word.push_back(static_cast<char32_t>(std::towlower(static_cast<wint_t>(text[k]))));
        } else if (!word.empty()) {
            ++words[word];
            word.clear();
        }
    }
    return words;
}

// Texts of our own in languages whose letters Windows-1251 lacks: every
// word is found whole, in either case, as often as it occurs.
TEST(Cli, TextsInEveryAlphabeticLanguageKeepTheirLetters) {
    const char* const texts[] = {
        // German
        "\xC3\x9C"
        "ber die Stra\xC3\x9F"
        "e gehen f\xC3\xBC"
        "nf M\xC3\xA4nner. "
        "Die M\xC3\xA4nner gehen \xC3\xBC"
        "ber die STRASSE und die Stra\xC3\x9F"
        "e.",
        // French
        "L'\xC3\xA9t\xC3\xA9 arrive \xC3\xA0 la for\xC3\xAAt. \xC3\x89t\xC3\xA9 apr\xC3\xA8s "
        "\xC3\xA9t\xC3\xA9, la for\xC3\xAAt na\xC3\xAEt.",
        // Polish
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA p\xC5\x82ynie po rzece. \xC5\x81\xC3\xB3"
        "d\xC5\xBA i "
        "\xC5\xBC\xC3\xB3\xC5\x82w p\xC5\x82yn\xC4\x85.",
        // Czech
        "\xC5\x98"
        "eka te\xC4\x8D"
        "e pod mostem. \xC5\xA0kola stoj\xC3\xAD u \xC5\x99"
        "eky.",
        // Turkish
        "I\xC4\xB1 \xC4\xB0i \xC4\x9F"
        "\xC3\xBC"
        "l \xC5\x9F"
        "ehir. \xC5\x9E"
        "ehir "
        "g\xC3\xBC"
        "zel, \xC4\x9F\xC3\xBC"
        "l k\xC4\xB1rm\xC4\xB1z\xC4\xB1.",
        // Greek
        "\xCE\x97 \xCE\xB8\xCE\xAC\xCE\xBB\xCE\xB1\xCF\x83\xCF\x83\xCE\xB1 \xCE\xB5\xCE\xAF\xCE"
        "\xBD\xCE\xB1\xCE\xB9 \xCE\xB3\xCE\xB1\xCE\xBB\xCE\xAC\xCE\xB6\xCE\xB9\xCE\xB1. \xCE\x97 "
        "\xCE\x98\xCE\x86\xCE\x9B\xCE\x91\xCE\xA3\xCE\xA3\xCE\x91.",
        // Spanish
        "\xC2\xBF"
        "D\xC3\xB3nde est\xC3\xA1 el ni\xC3\xB1o? El NI\xC3\x91O est\xC3\xA1 en "
        "Espa\xC3\xB1"
        "a.",
        // Esperanto
        "\xC4\x88"
        "iu \xC4\x89"
        "ambro havas \xC4\x9D"
        "ardenon. La \xC4\x9D"
        "ardeno "
        "\xC5\x9D"
        "ajnas bela, \xC4\x89"
        "iu \xC5\xAD"
        "las \xC4\x9D"
        "in.",
    };
    // The classes of the oracle, for this test only.
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    struct TRestore {
        std::string locale;
        ~TRestore() { std::setlocale(LC_CTYPE, locale.c_str()); }
    } restore{before};
    int k = 0;
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string file = WriteTempFile("language" + std::to_string(k++) + ".txt", text);
        const Result r = Cli({"concordance", "--option", "cbConcCapitalize_Checked=False",
                              "--option", "cbConcordanceUseIgnored_Checked=False", file});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("Text converted from UTF-8, alphabet of "), std::string::npos)
            << r.err;
        std::map<std::u32string, int> listed;
        std::istringstream rows(r.out);
        for (std::string row; std::getline(rows, row);) {
            const std::size_t comma = row.rfind(',');
            ASSERT_NE(comma, std::string::npos) << row;
            std::u32string word = Decode(row.substr(1, comma - 2)); // within its quotes
            for (char32_t& c : word)
                c = static_cast<char32_t>(std::towlower(static_cast<wint_t>(c)));
            listed[word] += std::stoi(row.substr(comma + 1));
        }
        EXPECT_EQ(listed, OracleWords(text));
    }
}

TEST(Cli, EncodingsByNameAndTheirRefusals) {
    const std::string czech = WriteTempFile("cp1250.txt", "\x8A"
                                                          "kola a \x9A"
                                                          "kola.");
    const Result r = Cli({"concordance", "--encoding", "cp1250", czech});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "\"A\",1\r\n\"\xC5\xA0kola\",2\r\n") << "\xC5\xA0 and \xC5\xA1 one letter";
    const Result summary = Cli({"summary", "--encoding", "windows-1250", czech});
    EXPECT_NE(summary.out.find("\nEncoding\twindows-1250\n"), std::string::npos) << summary.out;

    const Result list = Cli({"--list-encodings"});
    EXPECT_EQ(list.status, 0);
    for (const char* name : {"UTF-8\n", "windows-1250\n", "ISO-8859-2\n", "KOI8-R\n", "IBM866\n"})
        EXPECT_NE(list.out.find(name), std::string::npos) << name;
    const Result unknown = Cli({"concordance", "--encoding", "klingon", czech});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown encoding \"klingon\""), std::string::npos) << unknown.err;
    const Result notUtf8 = Cli({"concordance", "--encoding", "utf-8", czech});
    EXPECT_EQ(notUtf8.status, 1);
    EXPECT_NE(notUtf8.err.find("not well-formed UTF-8"), std::string::npos) << notUtf8.err;
    EXPECT_EQ(Cli({"concordance", "--option", "cbSortLanguage_Text=xx", czech}).status, 2);
}

TEST(Cli, ATextOfTooManyCharactersIsRefusedAndTheSortFollowsTheLanguage) {
    std::string many;
    for (char32_t c = 0x4E00; c < 0x4E00 + 130; ++c) {
        many += static_cast<char>(0xE0 | (c >> 12));
        many += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        many += static_cast<char>(0x80 | (c & 0x3F));
        many += ' ';
    }
    const Result refused = Cli({"concordance", WriteTempFile("many.txt", many)});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("uses 130 different characters besides ASCII"), std::string::npos)
        << refused.err;

    const std::string swedish =
        WriteTempFile("swedish.txt", "\xC3\xA4pple zebra apa \xC3\xA4pple zebra apa");
    const auto words = [&](const std::string& language) {
        return Cli({"concordance", "--option", "cbSortLanguage_Text=" + language, swedish}).out;
    };
    EXPECT_EQ(words(""), "\"Apa\",2\r\n\"\xC3\x84pple\",2\r\n\"Zebra\",2\r\n");
    EXPECT_EQ(words("sv"), "\"Apa\",2\r\n\"Zebra\",2\r\n\"\xC3\x84pple\",2\r\n");
}

TEST(Cli, KwicLinesOfATermSortedByTheirWords) {
    const std::string text = WriteTempFile(
        "kwic.txt",
        "The keeper lit the lamp.\r\nThe lamp burned and the keeper slept by the lamp.");
    const Result r = Cli({"kwic", "--search", "the lamp", "--span", "2", "--sort", "R1,L1",
                          "--option", "cbShowTitles_Checked=True", text});
    EXPECT_EQ(r.status, 0) << r.err;
    // By R1: none, "burned", "The"; contexts run over stop characters and
    // the line break, which is a blank.
    EXPECT_EQ(r.out, "\"position\",\"left\",\"match\",\"right\"\r\n"
                     "66,\"slept by \",\"the lamp\",\"\"\r\n"
                     "26,\"the lamp. \",\"The lamp\",\" burned and\"\r\n"
                     "16,\"keeper lit \",\"the lamp\",\". The lamp\"\r\n");
    EXPECT_NE(r.err.find("Total results:3"), std::string::npos);
    const Result wild = Cli({"kwic", "--search", "k??p*", "--span", "0", text});
    EXPECT_EQ(wild.out, "5,\"\",\"keeper\",\"\"\r\n50,\"\",\"keeper\",\"\"\r\n");
    for (const char* none : {"lamps", "\xC3\xA4pple"})
        EXPECT_EQ(Cli({"kwic", "--search", none, text}).out, "") << none;
    const std::vector<std::vector<std::string>> refused = {
        {"kwic", text},
        {"kwic", "--search", "  ", text},
        {"kwic", "--search", "x", "--sort", "L6", text},
        {"kwic", "--search", "x", "--sort", "L1,K,R1,R2", text},
        {"kwic", "--search", "x", "--span", "-1", text},
        {"kwic", "--search", "x", "--chart", "frequencies", text},
        {"concordance", "--search", "x", text},
        {"collocates", text},
        {"collocates", "--search", "x", "--span", "5", text},
        {"collocates", "--search", "x", "--sort", "R1", text},
        {"keywords", text},
        {"keywords", "--reference", "a|b", text},
        {"keywords", "--reference", text, "--threshold", "4", text},
        {"phrases", "--min-freq", "2", text},
        {"kwic", "--option", "edKwicSearch_Text= ", text},
    };
    for (const auto& args : refused)
        EXPECT_EQ(Cli(args).status, 2) << args[args.size() - 2];
}

TEST(Cli, KwicNearAWordAndAsAWorkbook) {
    const std::string text =
        WriteTempFile("kwic-near.txt", "A red lamp. A lamp lit. The red old lamp.");
    // "red" within two words before the match, the collocates' span.
    // The term may come as an option too.
    EXPECT_EQ(Cli({"kwic", "--option", "edKwicSearch_Text=lamp", "--span", "0", text}).out,
              "7,\"\",\"lamp\",\"\"\r\n15,\"\",\"lamp\",\"\"\r\n37,\"\",\"lamp\",\"\"\r\n");
    const Result near = Cli({"kwic", "--search", "lamp", "--near", "RED", "--span", "1", "--option",
                             "rseCollocLeft_Value=2", "--option", "rseCollocRight_Value=0", text});
    EXPECT_EQ(near.out, "7,\"red \",\"lamp\",\". A\"\r\n37,\"old \",\"lamp\",\"\"\r\n");
    const std::string book = ::testing::TempDir() + "kwic.xlsx";
    EXPECT_EQ(Cli({"kwic", "--search", "lamp", "--output", book, text}).status, 0);
    const std::string sheet = test::ZipPart(book, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<t>match</t>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<t xml:space=\"preserve\">A red </t>"), std::string::npos) << sheet;
}

TEST(Cli, CollocatesSortedByLogLikelihood) {
    // "sea" stands beside "the" four times in eight tokens around it.
    const std::string text = WriteTempFile(
        "colloc.txt", "the sea. the sea and the sea, a ship; the sea! the ship the sea");
    const Result r = Cli({"collocates", "--search", "the", "--span", "0,1", "--min-freq", "1",
                          "--option", "cbShowTitles_Checked=True", text});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[0], "\"collocate\",\"O\",\"E\",\"LL\",\"MI\",\"T-score\",\"logDice\","
                        "\"f_c\",\"OL\",\"OR\"");
    // W = 6 × 1 and N = 15: E = 2 for "sea", 0.8 for "ship".
    EXPECT_TRUE(lines[1].starts_with("\"sea\",5,2,")) << lines[1];
    EXPECT_TRUE(lines[1].ends_with(",5,0,5")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("\"ship\",1,0.8,")) << lines[2];
    EXPECT_TRUE(lines[2].ends_with(",2,0,1")) << lines[2];
    EXPECT_EQ(Cli({"collocates", "--search", "whale", text}).out, "");
}

TEST(Cli, KeywordsAgainstTextsAndAWordList) {
    const std::string text =
        WriteTempFile("kw-text.txt", "whale whale whale whale whale ship ship sea the the 1851");
    const std::string reference =
        WriteTempFile("kw-ref.txt", "sea sea sea sea sea the the ship \xC3\xBC"
                                    "ber \xC3\xBC"
                                    "ber \xC3\xBC"
                                    "ber");
    const Result r = Cli({"keywords", "--reference", reference, "--threshold", "0", text});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    // Positive keywords first, the reference's own words last; no number.
    EXPECT_TRUE(lines[0].starts_with("\"whale\",5,0,")) << lines[0];
    EXPECT_TRUE(lines[3].starts_with("\"sea\",1,5,-")) << lines[3];
    EXPECT_TRUE(lines[4].starts_with("\"\xC3\xBC"
                                     "ber\",0,3,-"))
        << lines[4];

    // The same reference as the concordance's word list, and in two parts.
    const std::string list = ::testing::TempDir() + "kw-ref.csv";
    EXPECT_EQ(Cli({"concordance", "--output", list, reference}).status, 0);
    EXPECT_EQ(Cli({"keywords", "--reference", list, "--threshold", "0", text}).out, r.out);
    const std::string half = WriteTempFile("kw-half.txt", "sea sea sea sea sea the the");
    const std::string rest = WriteTempFile("kw-rest.txt", "ship \xC3\xBC"
                                                          "ber \xC3\xBC"
                                                          "ber \xC3\xBC"
                                                          "ber");
    EXPECT_EQ(
        Cli({"keywords", "--reference", half, "--reference", rest, "--threshold", "0", text}).out,
        r.out);

    // A reference in another encoding than the text's, named.
    const std::string czech = WriteTempFile("kw-cs.txt", "\xC4\x8D"
                                                         "as \xC4\x8D"
                                                         "as les");
    const std::string czechReference = WriteTempFile("kw-cs-ref.txt", "\xE8"
                                                                      "as m\xECsto");
    const Result named = Cli({"keywords", "--reference", czechReference, "--reference-encoding",
                              "windows-1250", "--threshold", "0", "--min-freq", "1", czech});
    EXPECT_NE(named.out.find("\"\xC4\x8D"
                             "as\",2,1,"),
              std::string::npos)
        << named.out;
    EXPECT_NE(named.out.find("\"m\xC4\x9Bsto\",0,1,"), std::string::npos) << named.out;
    EXPECT_EQ(
        Cli({"keywords", "--reference", czechReference, "--reference-encoding", "klingon", czech})
            .status,
        2);

    // Greek: words that end in a final sigma are counted with their capital
    // forms and shown as spelled, also against the concordance's export of
    // the same text and with an ignored word.
    const std::string greek = WriteTempFile(
        "kw-el.txt", "\xCE\x9F \xCF\x86\xCF\x8D\xCE\xBB\xCE\xB1\xCE\xBA\xCE\xB1\xCF\x82 "
                     "\xCE\xAC\xCE\xBD\xCE\xB1\xCF\x88\xCE\xB5. \xCE\xA6\xCE\xA5\xCE\x9B"
                     "\xCE\x91\xCE\x9A\xCE\x91\xCE\xA3 \xCE\xBF \xCF\x86\xCF\x8D\xCE\xBB"
                     "\xCE\xB1\xCE\xBA\xCE\xB1\xCF\x82.");
    const std::string fylakas = "\xCF\x86\xCF\x8D\xCE\xBB\xCE\xB1\xCE\xBA\xCE\xB1\xCF\x82";
    const std::string greekList = ::testing::TempDir() + "kw-el.csv";
    EXPECT_EQ(Cli({"concordance", "--output", greekList, greek}).status, 0);
    const Result self = Cli({"keywords", "--reference", greekList, "--threshold", "0", "--min-freq",
                             "1", "--option", "cbShowTitles_Checked=True", greek});
    EXPECT_NE(self.out.find("\"" + fylakas + "\",2,2,0,"), std::string::npos) << self.out;
    // The capitals without an accent are a word of their own, in lower case
    // with a final sigma.
    EXPECT_NE(self.out.find("\"\xCF\x86\xCF\x85\xCE\xBB\xCE\xB1\xCE\xBA\xCE\xB1\xCF\x82\",1,1,"),
              std::string::npos)
        << self.out;
    const std::string greekIgnored = WriteTempFile("kw-el-ignored.txt", fylakas + "\r\n");
    EXPECT_EQ(Cli({"keywords", "--ignored", greekIgnored, "--reference", greekList, "--threshold",
                   "0", "--min-freq", "1", greek})
                  .out.find(fylakas),
              std::string::npos);
    const Result near = Cli({"collocates", "--search", "\xCE\xAC\xCE\xBD\xCE\xB1\xCF\x88\xCE\xB5",
                             "--min-freq", "1", greek});
    EXPECT_NE(near.out.find("\"" + fylakas + "\","), std::string::npos) << near.out;

    const Result missing =
        Cli({"keywords", "--reference", ::testing::TempDir() + "no-such.txt", text});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot open the reference"), std::string::npos) << missing.err;
    const Result empty =
        Cli({"keywords", "--reference", WriteTempFile("kw-empty.txt", " ,. "), text});
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("The reference holds no words."), std::string::npos) << empty.err;
}

} // namespace
} // namespace lexorin
