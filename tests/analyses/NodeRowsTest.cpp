// Rows of tree nodes found on two threads: every node looked at once, the
// rows in node order, a failure on either thread reaching the caller.
#include "NodeRows.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lexorin::test {
namespace {

struct TRow {
    int node;
    int value;
};

TEST(NodeRows, EveryNodeOnceAndTheRowsInNodeOrder) {
    const struct {
        std::size_t count;
        std::size_t block;
    } cases[] = {{1, 4}, {2, 1}, {5, 1}, {7, 2}, {8, 4}, {100, 3}, {1000, 7}, {5000, 4096}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " nodes in blocks of " + std::to_string(c.block));
        std::vector<std::atomic<int>> seen(c.count);
        std::atomic<int> finders = 0;
        const std::vector<TRow> rows = FindNodeRows<TRow>(
            c.count,
            [&] {
                ++finders;
                return [&](int node) -> std::optional<TRow> {
                    ++seen[static_cast<std::size_t>(node)];
                    if (node % 3 == 0)
                        return std::nullopt;
                    return TRow{node, node * 10};
                };
            },
            c.block);
        EXPECT_LE(finders, 2);
        EXPECT_EQ(seen[0], 0); // the root is never a row
        for (std::size_t node = 1; node < c.count; ++node)
            ASSERT_EQ(seen[node], 1) << "node " << node;
        std::vector<int> expected;
        for (int node = 1; node < static_cast<int>(c.count); ++node)
            if (node % 3 != 0)
                expected.push_back(node);
        ASSERT_EQ(rows.size(), expected.size());
        for (std::size_t k = 0; k < rows.size(); ++k) {
            EXPECT_EQ(rows[k].node, expected[k]);
            EXPECT_EQ(rows[k].value, expected[k] * 10);
        }
    }
}

TEST(NodeRows, AFailureOnEitherThreadReachesTheCaller) {
    for (const int failing : {3, 97}) {
        const auto find = [&] {
            return [&](int node) -> std::optional<TRow> {
                if (node == failing)
                    throw std::runtime_error("node " + std::to_string(node));
                return TRow{node, 0};
            };
        };
        EXPECT_THROW(FindNodeRows<TRow>(100, find, 5), std::runtime_error) << failing;
    }
}

} // namespace
} // namespace lexorin::test
