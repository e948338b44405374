#include "MemTable.h"

#include "FeLocale.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace lexorin {
namespace {

TMemTable Table() {
    TMemTable table("t", {{"id", TFieldType::AutoInc},
                          {"text", TFieldType::Memo},
                          {"name", TFieldType::String, 3},
                          {"n", TFieldType::Integer},
                          {"x", TFieldType::Double}});
    table.Open();
    return table;
}

void Add(TMemTable& table, const char* text, int n, double x) {
    table.Append();
    table.SetText("text", text);
    table.SetInteger("n", n);
    table.SetDouble("x", x);
    table.Post();
}

std::string Order(const TMemTable& table) {
    std::string order;
    for (int r = 0; r < table.RecordCount(); ++r)
        order += table.Text(table.RowOf(r), 1) + ";";
    return order;
}

TEST(MemTable, SortsByKeysStablyWithEmptyValuesFirst) {
    TMemTable table = Table();
    Add(table, "b", 2, 0.5);
    Add(table, "a", 2, 1.5);
    Add(table, "B", 1, 1.5);
    Add(table, "", 3, 2.5);
    Add(table, "c", 10, 0.5);
    table.Sort("n desc,text asc");
    EXPECT_EQ(Order(table), "c;;a;b;B;");
    table.Sort("x asc");
    EXPECT_EQ(Order(table), "c;b;a;B;;") << "ties keep the order they had";
    table.Sort("text asc");
    EXPECT_EQ(Order(table), ";a;b;B;c;") << "empty first, then alphabetical, lower case first";
    table.Sort("text desc , n asc");
    EXPECT_EQ(Order(table), "c;B;b;a;;");
    table.Sort("");
    EXPECT_EQ(Order(table), "c;B;b;a;;") << "no keys keep the order";
    EXPECT_THROW(table.Sort("nothing asc"), std::invalid_argument);
    EXPECT_THROW(table.Sort("n sideways"), std::logic_error);
    table.Append();
    table.SetText("text", "unset");
    table.Post();
    table.Sort("n asc");
    EXPECT_EQ(Order(table), "unset;B;b;a;;c;") << "a number never set comes first";
    table.Sort("x desc");
    EXPECT_EQ(Order(table), ";B;a;b;c;unset;");
}

// Random rows against a plain comparison of the values: texts that share
// long starts and differ in case, unset and negative numbers, -0 and 0.
TEST(MemTable, SortsAsAComparisonOfTheValuesWould) {
    const std::vector<std::string> texts = {
        "", "a", "A", "ab", "longer text one", "longer text One", "longer text", "longer texts",
        "b"};
    const std::vector<double> numbers = {-2.5, -0.0, 0.0, 1.0, 1e9, -1e9};
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        TMemTable table = Table();
        struct TRow {
            std::string text;
            bool nSet, xSet;
            int n;
            double x;
        };
        std::vector<TRow> rows;
        for (int k = 0; k < 60; ++k) {
            TRow row{texts[random() % texts.size()], random() % 4 != 0, random() % 4 != 0,
                     static_cast<int>(random() % 5) - 2, numbers[random() % numbers.size()]};
            table.Append();
            table.SetText("text", row.text);
            if (row.nSet)
                table.SetInteger("n", row.n);
            if (row.xSet)
                table.SetDouble("x", row.x);
            table.Post();
            rows.push_back(row);
        }
        const std::vector<std::string> choices = {"text asc", "text desc", "n asc",
                                                  "n desc",   "x asc",     "x desc"};
        std::vector<std::string> keys;
        std::string sortKeys;
        for (int k = 0, count = 1 + static_cast<int>(random() % 3); k < count; ++k) {
            keys.push_back(choices[random() % choices.size()]);
            sortKeys += (k > 0 ? "," : "") + keys.back();
        }
        std::vector<int> expected(rows.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const TRow &x = rows[static_cast<std::size_t>(a)],
                       &y = rows[static_cast<std::size_t>(b)];
            for (const std::string& key : keys) {
                int c = 0;
                if (key[0] == 't')
                    c = x.text.empty() || y.text.empty()
                            ? int(!x.text.empty()) - int(!y.text.empty())
                            : CompareTextCaseSensitive(x.text, y.text);
                else if (key[0] == 'n')
                    c = !x.nSet || !y.nSet ? int(x.nSet) - int(y.nSet) : (x.n > y.n) - (x.n < y.n);
                else
                    c = !x.xSet || !y.xSet ? int(x.xSet) - int(y.xSet) : (x.x > y.x) - (x.x < y.x);
                if (c != 0)
                    return key.find("desc") != std::string::npos ? c > 0 : c < 0;
            }
            return false;
        });
        table.Sort(sortKeys);
        SCOPED_TRACE(sortKeys);
        for (std::size_t r = 0; r < rows.size(); ++r)
            ASSERT_EQ(table.RowOf(static_cast<int>(r)), expected[r]) << "place " << r;
    }
}

TEST(MemTable, AppendPostCancelAndFields) {
    TMemTable table = Table();
    Add(table, "one", 1, 0);
    table.Append();
    table.SetText("name", "abcdef");
    EXPECT_TRUE(table.Inserting());
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 1);
    table.Append();
    table.SetText("name", "abcdef");
    table.Post();
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.RecNo(), 1) << "the posted row is current";
    EXPECT_EQ(table.CurrentText("name"), "abc") << "a string keeps at most its width";
    EXPECT_EQ(table.CurrentInteger("id"), 2) << "numbers are given at post";
    EXPECT_TRUE(table.IsNull(table.RowOf(1), 3));
    EXPECT_THROW(table.SetText("n", "x"), std::logic_error) << "not appending";
    table.Append();
    EXPECT_THROW(table.SetText("n", "x"), std::logic_error) << "wrong type";
    table.Cancel();
}

TEST(MemTable, FilterCloseAndNotifications) {
    TMemTable table = Table();
    int scrolled = 0, closed = 0;
    table.OnAfterScroll([&] { ++scrolled; });
    table.OnBeforeClose([&] { ++closed; });
    Add(table, "the end", 1, 0);
    Add(table, "Out Of the way", 2, 0);
    table.SetFilter([](const TMemTable& t, int row) { return t.Integer(row, 3) == 2; });
    table.SetFiltered(true);
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.CurrentText("text"), "Out Of the way");
    Add(table, "filtered out", 1, 0);
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_GT(scrolled, 0);
    table.Close();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(table.Filtered()) << "closing switches the filter off";
    EXPECT_THROW(table.RecordCount(), std::logic_error);
    table.Open();
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_EQ(table.RecNo(), -1);
    Add(table, "x", 1, 0);
    EXPECT_EQ(table.CurrentInteger("id"), 1) << "numbers start again";
}

TEST(MemTable, DeleteAndReplaceKeepOrderFilterAndCursor) {
    TMemTable table = Table();
    for (const char* text : {"d", "a", "c", "b"})
        Add(table, text, 1, 0);
    table.Sort("text asc");
    table.MoveTo(1); // "b"
    table.Delete();
    EXPECT_EQ(Order(table), "a;c;d;");
    EXPECT_EQ(table.CurrentText("text"), "c") << "the row after it becomes current";
    table.MoveTo(2);
    table.Delete();
    EXPECT_EQ(table.CurrentText("text"), "c") << "at the end, the row before it";
    EXPECT_EQ(table.RowCount(), 2);

    table.ReplaceText(table.RowOf(0), "name", "abcdef");
    EXPECT_EQ(table.Text(table.RowOf(0), 2), "abc") << "cut to the field's size";
    table.SetFilter([](const TMemTable& t, int row) { return t.Text(row, 1) != "a"; });
    table.SetFiltered(true);
    table.First();
    table.Delete();
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_EQ(table.RecNo(), -1);
    EXPECT_EQ(table.RowCount(), 1) << "the filtered-out row stays";
    EXPECT_THROW(table.Delete(), std::logic_error);
}

TEST(MemTable, SpansReadSortFilterAndDeleteLikeTexts) {
    TMemTable table = Table();
    table.SetSpanText(std::make_shared<const std::string>("b a B c"));
    const auto addSpan = [&](std::size_t start, std::size_t length, int n) {
        table.Append();
        table.SetSpan("text", start, length);
        table.SetInteger("n", n);
        table.Post();
    };
    addSpan(0, 3, 1); // "b a"
    Add(table, "a", 2, 0);
    addSpan(4, 3, 3); // "B c"
    addSpan(2, 1, 4); // "a"
    addSpan(0, 0, 5); // ""
    EXPECT_EQ(Order(table), "b a;a;B c;a;;");
    EXPECT_EQ(table.TextView(table.RowOf(0), 1), "b a");
    table.Sort("text asc,n desc");
    EXPECT_EQ(Order(table), ";a;a;b a;B c;");
    EXPECT_EQ(table.Integer(table.RowOf(1), 3), 4) << "a span and a text compare as equals";
    table.SetFilter([](const TMemTable& t, int row) { return t.TextView(row, 1).size() == 3; });
    table.SetFiltered(true);
    EXPECT_EQ(Order(table), "b a;B c;");
    table.Delete();
    EXPECT_EQ(Order(table), "B c;");
    table.ReplaceText(table.RowOf(0), "text", "own");
    EXPECT_EQ(table.CurrentText("text"), "own");
}

TEST(MemTable, SpansOutsideTheTextOrInOtherFieldsAreRefused) {
    TMemTable table = Table();
    table.Append();
    EXPECT_THROW(table.SetSpan("text", 0, 0), std::logic_error) << "no span text";
    table.SetSpanText(std::make_shared<const std::string>("abc"));
    EXPECT_THROW(table.SetSpan("text", 2, 2), std::logic_error);
    EXPECT_THROW(table.SetSpan("name", 0, 1), std::logic_error) << "a string keeps its own";
    table.SetSpan("text", 1, 2);
    table.Post();
    EXPECT_EQ(table.Text(0, 1), "bc");
    table.Empty();
    table.Append();
    EXPECT_THROW(table.SetSpan("text", 0, 1), std::logic_error) << "emptying drops the text";
}

TEST(MemTable, ByteCountGrowsWithRowsNotWithTheLengthOfSpans) {
    TMemTable table = Table();
    const std::size_t empty = table.ByteCount();
    const auto text = std::make_shared<const std::string>(100000, 'a');
    table.SetSpanText(text);
    for (int r = 0; r < 1000; ++r) {
        table.Append();
        table.SetSpan("text", 0, text->size());
        table.Post();
    }
    const std::size_t spans = table.ByteCount() - empty;
    EXPECT_GE(spans, text->size()) << "the span text counts once";
    EXPECT_LT(spans, text->size() + 1000 * 200);
    table.Empty();
    for (int r = 0; r < 10; ++r)
        Add(table, std::string(1000, 'a').c_str(), r, 0);
    EXPECT_GE(table.ByteCount() - empty, 10 * 1000) << "texts of their own count each";
}

} // namespace
} // namespace lexorin
