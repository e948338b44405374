#include "ResultListModel.h"

#include "FeLocale.h"
#include "PhraseRows.h"
#include "QtText.h"
#include "ResultTables.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

namespace lexorin {
namespace {

TEST(QtText, EveryByteIsOneCharacterAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = FromTextBytes(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text[0xC6], QChar(0x0416)); // Zhe
    EXPECT_EQ(ToTextBytes(text), all);
    EXPECT_EQ(ToTextBytes(QString::fromUtf8("\xE4\xB8\xAD")), "?");
}

TEST(NumberFormat, ListFormats) {
    const std::vector<std::tuple<double, TNumberFormat, const char*>> cases = {
        {4.0824829046386304, TNumberFormat::UpToThreeDecimals, "4.082"},
        {10.5, TNumberFormat::UpToThreeDecimals, "10.5"},
        {5, TNumberFormat::UpToThreeDecimals, "5"},
        {0.5, TNumberFormat::UpToThreeDecimals, ".5"},
        {0, TNumberFormat::UpToThreeDecimals, ""},
        {6.128258770283412, TNumberFormat::General, "6.12825877028341"},
        {7.5, TNumberFormat::General, "7.5"},
        {1017403.7, TNumberFormat::General, "1017403.7"},
        {1e15, TNumberFormat::General, "1e+15"},
        {123456789012345678.0, TNumberFormat::General, "1.23456789012346e+17"},
        {0.0001, TNumberFormat::General, "0.0001"},
        {0.00001, TNumberFormat::General, "1e-05"},
        {-0.0, TNumberFormat::General, "-0"},
        {-0.0004, TNumberFormat::UpToThreeDecimals, ""},
        {-0.25, TNumberFormat::UpToThreeDecimals, "-.25"},
        {1e20, TNumberFormat::UpToThreeDecimals, "100000000000000000000"},
    };
    for (const auto& [value, format, shown] : cases)
        EXPECT_EQ(FormatNumber(value, format).toStdString(), shown) << value;
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatNumber(10.5, TNumberFormat::UpToThreeDecimals).toStdString(), "10,5");
    SetDecimalSeparator('.');
}

TEST(NumberFormat, GeneralIsPrintfsFifteenDigits) {
    std::mt19937 random(3);
    for (int n = 0; n < 20000; ++n) {
        const double value = std::ldexp(static_cast<double>(random()) / random.max() - 0.3,
                                        static_cast<int>(random() % 120) - 60);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15g", value);
        ASSERT_EQ(FormatNumber(value, TNumberFormat::General).toStdString(), expected);
    }
}

TEST(ResultListModel, CellsCutLongTextsAfterTheirWords) {
    std::string words;
    for (std::size_t k = 0; k < CellWords; ++k)
        words += " w" + std::to_string(k) + (k % 10 == 9 ? "\r\n" : "\t");
    EXPECT_EQ(CellText(words), FromTextBytes(words)) << "as many words as a cell shows, whole";
    EXPECT_EQ(CellText(words + "more  words "),
              FromTextBytes(words.substr(0, words.size() - 2)) +
                  QString::fromUtf8(" \xE2\x80\xA6 (%1 words)").arg(CellWords + 2));
    EXPECT_EQ(CellText(""), "");
}

TEST(ResultListModel, RowsColumnsAndTitleClicks) {
    TMemTable table = MakePhraseTable();
    TResultListModel model(
        table,
        {{"text", " phrase", 176, 150},
         {"cases", "frequency", 72, 50},
         {"words", "words", 50, 50},
         {"dispersion", "dispersion", 65, 50, true, TNumberFormat::UpToThreeDecimals}},
        InitialSortMarkers(table));
    EXPECT_EQ(model.rowCount(), 0) << "a closed table shows no rows";
    table.Open();
    const auto add = [&](const char* text, int cases, int words, double dispersion) {
        test::AppendPhrase(table, text, cases, words, dispersion);
    };
    add("b c", 2, 2, 0.25);
    add("\xC6\xE8", 3, 1, 12.5);
    add("a b", 2, 2, 4);
    model.ApplySort();
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), " phrase");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "a b");
    EXPECT_EQ(model.data(model.index(1, 3), Qt::DisplayRole).toString(), ".25");
    EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(),
              QString::fromUtf8("\xD0\x96\xD0\xB8"));
    EXPECT_EQ(model.data(model.index(2, 1), Qt::DisplayRole).toInt(), 3);

    model.TitleClick(3, true); // Ctrl on dispersion joins the keys
    EXPECT_EQ(model.Markers().Keys(), "words desc,cases desc,text asc,dispersion desc");
    model.TitleClick(1, false); // cases alone; it was descending, so now ascending
    EXPECT_EQ(model.Markers().Keys(), "cases asc");
    EXPECT_EQ(model.data(model.index(2, 0), Qt::DisplayRole).toString(),
              QString::fromUtf8("\xD0\x96\xD0\xB8"));
}

} // namespace
} // namespace lexorin
